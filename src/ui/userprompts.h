#pragma once

#include "sessionbase/sessionprompts.h"

#include <QtGlobal>

#include <string>
#include <vector>

class CIftaDoc;
class CProfileStore;
class QPrinter;
struct DownloadDialogData;
struct TaxInfoData;

// The window's prompts: the session's questions and dialogs, and the dialogs that only
// the window has (trip lines, tax rates, download, information, help, printing). The
// application installs the real one (message boxes, file dialogs, the program's
// dialogs); tests install a scripted one that records each text and answers from a queue.
class UserPrompts : public SessionPrompts
{
public:
    // "Download Tax Rates" into the document's table and its period; true on OK.
    virtual bool runDownload(CIftaDoc &doc, DownloadDialogData &data) = 0;
    // "Tax Rates Info"; nothing comes back.
    virtual void showTaxInfo(const TaxInfoData &data) = 0;
    // "About Tollmark".
    virtual void showAbout() = 0;
    // The help window on the topic of a help context (0x10000 plus a command id).
    virtual void showHelp(unsigned context) = 0;
    // "Print Setup" over the application's printer settings; true on OK. Prompts without
    // a window keep the settings as they are.
    virtual bool printSetup(QPrinter &) { return false; }

    // The question before the return form is printed while the check found problems:
    // print, don't, or show the problems instead. Prompts without a third button ask it
    // as a Yes/No question.
    enum class PrintAnswer { Print, Cancel, ShowProblems };
    virtual PrintAnswer askPrintAnyway(const std::string &text)
    {
        return askYesNo(text) ? PrintAnswer::Print : PrintAnswer::Cancel;
    }
};

// The third button of the question before the return form is printed.
constexpr const char *kShowProblemsButton = QT_TRANSLATE_NOOP("UserPrompts", "Show Problems");

// Prompts that show nothing and answer every question with No or cancel; for a window
// run without a user (printing from the command line, benchmarks, screenshots).
class SilentPrompts : public UserPrompts
{
public:
    void warn(const std::string &text) override { lastMessage = text; }
    void inform(const std::string &text) override { lastMessage = text; }
    bool askYesNo(const std::string &) override { return false; }
    Answer askYesNoCancel(const std::string &) override { return Answer::Cancel; }
    std::string openFileName(const std::string &) override { return {}; }
    std::string saveFileName(const std::string &, const std::string &) override { return {}; }

    bool editEntry(EntryDialogData &) override { return false; }
    CompanyResult editCompany(CompanyDialogData &, CProfileStore *) override
    {
        return CompanyResult::Cancel;
    }
    bool chooseProfile(CProfileStore &, ProfileRecord &) override { return false; }
    bool chooseImport(ImportDialogData &) override { return false; }
    bool chooseMergeFiles(MergeDialogData &) override { return false; }
    bool runDownload(CIftaDoc &, DownloadDialogData &) override { return false; }
    bool editTaxPeriod(TaxPeriod &) override { return false; }
    bool editTaxRate(TaxRate &, bool) override { return false; }
    void showTaxInfo(const TaxInfoData &) override {}
    bool editPreferences(PreferencesData &) override { return false; }
    bool editFilingDate(FilingDialogData &) override { return false; }
    void showAbout() override {}
    void showHelp(unsigned) override {}

    std::string lastMessage;
};
