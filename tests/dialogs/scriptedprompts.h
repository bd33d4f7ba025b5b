#pragma once

#include "session/scriptedsessionprompts.h"
#include "ui/userprompts.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Prompts for window tests: the session's questions answered as ScriptedSessionPrompts
// answers them, and the window's own dialogs each running the test's function (cancel
// when it has none).
class ScriptedPrompts : public ScriptedSessionPrompts<UserPrompts>
{
public:
    bool runDownload(CIftaDoc &doc, DownloadDialogData &d) override
    {
        return download ? download(doc, d) : false;
    }
    void showTaxInfo(const TaxInfoData &d) override
    {
        if (taxInfo)
            taxInfo(d);
    }
    void showAbout() override { ++aboutShown; }
    void showHelp(unsigned context) override { helpContexts.push_back(context); }
    PrintAnswer askPrintAnyway(const std::string &text) override
    {
        shown.push_back(text);
        return next(printAnswers, PrintAnswer::Cancel);
    }

    std::vector<unsigned> helpContexts;
    std::deque<PrintAnswer> printAnswers;
    int aboutShown = 0;

    std::function<bool(CIftaDoc &, DownloadDialogData &)> download;
    std::function<void(const TaxInfoData &)> taxInfo;
};
