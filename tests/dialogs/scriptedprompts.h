#pragma once

#include "dialogs/ctaxinfodlg.h"
#include "session/scriptedsessionprompts.h"
#include "ui/userprompts.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// The tests' scripted prompts with the window's own dialogs: answered as the session's
// questions are (a queue, then a hook, else cancelled and noted in `unanswered`).
class ScriptedPrompts : public ScriptedSessionPrompts<UserPrompts>
{
public:
    using DownloadScript = std::function<bool(CIftaDoc &, DownloadDialogData &)>;

    bool runDownload(CIftaDoc &doc, DownloadDialogData &d) override
    {
        return run(downloads, download, "download dialog", doc, d);
    }
    void showTaxInfo(const TaxInfoData &d) override
    {
        taxInfoShown.push_back(d);
        if (taxInfo)
            taxInfo(d);
    }
    void showAbout() override
    {
        ++aboutShown;
        if (about)
            about();
    }
    void showHelp(unsigned context) override { helpContexts.push_back(context); }
    PrintAnswer askPrintAnyway(const std::string &text) override
    {
        shown.push_back(text);
        return next(printAnswers, PrintAnswer::Cancel);
    }

    std::vector<unsigned> helpContexts;
    std::vector<TaxInfoData> taxInfoShown;
    std::deque<PrintAnswer> printAnswers;
    int aboutShown = 0;

    std::deque<DownloadScript> downloads;
    DownloadScript download;
    std::function<void(const TaxInfoData &)> taxInfo;
    std::function<void()> about; // runs when the About box is asked for
};
