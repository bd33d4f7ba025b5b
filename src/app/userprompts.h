#pragma once

#include <string>

class CIftaDoc;
class CProfileStore;
class QPrinter;
struct CompanyDialogData;
struct DownloadDialogData;
struct EntryDialogData;
struct ImportDialogData;
struct PreferencesData;
struct ProfileRecord;
struct TaxInfoData;
struct TaxPeriod;
struct TaxRate;

// Every message box, question, file dialog and modal dialog of the program's flows goes
// through this interface. The application installs the real one (message boxes, file
// dialogs, the program's dialogs); tests install a scripted one that records each text
// and answers from a queue. Texts are the program's own, in Windows-1252 bytes.
//
// Each modal dialog has one hook: the caller passes the dialog's data in, the hook runs
// the dialog and, on OK, gives the edited data back in the same struct. A cancelled
// dialog leaves the struct as it was.
class UserPrompts
{
public:
    enum class Answer { Yes, No, Cancel };

    // Result of the company dialog: OK, Cancel, or "Go to profiles".
    enum class CompanyResult { Ok, Cancel, GoToProfiles };

    virtual ~UserPrompts() = default;

    virtual void warn(const std::string &text) = 0;    // failure, warning icon
    virtual void inform(const std::string &text) = 0;  // completion, information icon
    virtual bool askYesNo(const std::string &text) = 0;
    virtual Answer askYesNoCancel(const std::string &text) = 0;

    // An existing file to open, or empty on cancel. `filter` is the program's filter text
    // ("IFTA record files (*.irc)|*.irc||").
    virtual std::string openFileName(const std::string &filter) = 0;
    // A file to write, starting from `proposal`, or empty on cancel.
    virtual std::string saveFileName(const std::string &filter, const std::string &proposal) = 0;

    // The trip entry dialog. True on OK. On OK and on Cancel alike the dialog has set the
    // program's current entry units from its unit buttons.
    virtual bool editEntry(EntryDialogData &data) = 0;
    // "Company Setup"; `store` (may be null) receives profiles added with "Add Profile".
    virtual CompanyResult editCompany(CompanyDialogData &data, CProfileStore *store) = 0;
    // "Users Profile Dialog"; true on "Select" with the chosen fields in `selected`.
    virtual bool chooseProfile(CProfileStore &store, ProfileRecord &selected) = 0;
    // "Import Fields Selection"; true on "Import" with a file chosen.
    virtual bool chooseImport(ImportDialogData &data) = 0;
    // "Merge Files" over the document, which each "Add" changes at once; true on OK.
    virtual bool runMerge(CIftaDoc &doc) = 0;
    // "Download Tax Rates" into the document's table and tablePeriod; true on OK.
    virtual bool runDownload(CIftaDoc &doc, DownloadDialogData &data) = 0;
    // "Tax Period" for saving the tax-rate table; true on OK.
    virtual bool editTaxPeriod(TaxPeriod &period) = 0;
    // "Tax Rate Modify" / "New Tax"; true on OK.
    virtual bool editTaxRate(TaxRate &rate, bool newRate) = 0;
    // "Tax Rates Info"; nothing comes back.
    virtual void showTaxInfo(const TaxInfoData &data) = 0;
    // "Preferences"; true on OK.
    virtual bool editPreferences(PreferencesData &data) = 0;
    // "About Tollmark".
    virtual void showAbout() = 0;
    // The help window on the topic of a help context (0x10000 plus a command id).
    virtual void showHelp(unsigned context) = 0;
    // "Print Setup" over the application's printer settings; true on OK. Prompts without
    // a window keep the settings as they are.
    virtual bool printSetup(QPrinter &) { return false; }
};

// Prompts that show nothing and answer every question with No or cancel; for the
// command-line tool and for core code run without a window.
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
    bool runMerge(CIftaDoc &) override { return false; }
    bool runDownload(CIftaDoc &, DownloadDialogData &) override { return false; }
    bool editTaxPeriod(TaxPeriod &) override { return false; }
    bool editTaxRate(TaxRate &, bool) override { return false; }
    void showTaxInfo(const TaxInfoData &) override {}
    bool editPreferences(PreferencesData &) override { return false; }
    void showAbout() override {}
    void showHelp(unsigned) override {}

    std::string lastMessage;
};
