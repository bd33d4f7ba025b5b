#pragma once

class CSession;

// "Merge Files" of the form view: the session's merge use case (the current record
// offered for saving, a new unnamed record built from the files added in the merge
// dialog; OK keeps them and makes the first save show the company dialog, Cancel
// discards everything merged).
class CMergeFlow
{
public:
    explicit CMergeFlow(CSession &session);

    // True when the dialog ended with OK.
    bool OnMergeFiles();

private:
    CSession &session_;
};
