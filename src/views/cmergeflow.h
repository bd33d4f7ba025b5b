#pragma once

#include "views/flowhooks.h"

class CIftaDoc;
class UserPrompts;

// "Merge Files": the current record file is offered for saving, then a new unnamed
// record file is built from the files the user adds in the merge dialog. OK keeps the
// merged lines and makes the first save show the company dialog; Cancel discards
// everything merged.
class CMergeFlow
{
public:
    CMergeFlow(CIftaDoc &doc, UserPrompts &prompts, FlowHooks hooks = {});

    FlowHooks &hooks() { return hooks_; }

    // True when the dialog ended with OK.
    bool OnMergeFiles();

private:
    CIftaDoc &doc_;
    UserPrompts &prompts_;
    FlowHooks hooks_;
};
