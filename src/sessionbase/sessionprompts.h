#pragma once

#include <string>
#include <vector>

class CIftaDoc;
class CProfileStore;
struct CompanyDialogData;
struct EntryDialogData;
struct FilingDialogData;
struct ImportDialogData;
struct MergeDialogData;
struct VersionDialogData;
struct PreferencesData;
struct ProfileRecord;
struct TaxPeriod;
struct TaxRate;

// Every message box, question, file dialog and modal dialog of the session's use cases
// goes through this interface. The window installs one that shows message boxes and the
// program's dialogs, tollmark-cli one that answers as its subcommand says, tests one that
// records each text and answers from a queue. Texts are the program's own, in
// Windows-1252 bytes; paths are the file system's bytes.
//
// Each modal dialog has one hook: the caller passes the dialog's data in, the hook runs
// the dialog and, on OK, gives the edited data back in the same struct. A cancelled
// dialog leaves the struct as it was.
class SessionPrompts
{
public:
    enum class Answer { Yes, No, Cancel };

    // Result of the company dialog: OK, Cancel, or "Go to profiles".
    enum class CompanyResult { Ok, Cancel, GoToProfiles };
    // The answer to the offer of a recovery copy at start.
    enum class RecoveryAnswer { Recover, Discard, Later };

    virtual ~SessionPrompts() = default;

    virtual void warn(const std::string &text) = 0;   // failure, warning icon
    virtual void inform(const std::string &text) = 0; // completion, information icon
    virtual bool askYesNo(const std::string &text) = 0;
    virtual Answer askYesNoCancel(const std::string &text) = 0;

    // An existing file to open, or empty on cancel. `filter` is the program's filter text
    // ("IFTA record files (*.irc)|*.irc||").
    virtual std::string openFileName(const std::string &filter) = 0;
    // Existing files to open, several at once (the merge dialog's "Add", the quarters of
    // a year summary), or none on cancel. Prompts without a file dialog of their own ask
    // for one file.
    virtual std::vector<std::string> openFileNames(const std::string &filter)
    {
        std::string path = openFileName(filter);
        return path.empty() ? std::vector<std::string>() : std::vector<std::string>{path};
    }
    // A file to write, starting from `proposal`, or empty on cancel.
    virtual std::string saveFileName(const std::string &filter, const std::string &proposal) = 0;

    // The trip entry dialog ("Add Item 23", "Modify Item 12"). True on OK. On OK and on
    // Cancel alike it gives back the units of its unit buttons in `data.units`.
    virtual bool editEntry(EntryDialogData &data) = 0;
    // "Tax Rate Modify" (name and abbreviation read-only) or "New Tax"; true on OK.
    virtual bool editTaxRate(TaxRate &rate, bool newRate) = 0;
    // "Company Setup"; `store` (may be null) receives profiles added with "Add Profile".
    virtual CompanyResult editCompany(CompanyDialogData &data, CProfileStore *store) = 0;
    // "Users Profile Dialog"; true on "Select" with the chosen fields in `selected`.
    virtual bool chooseProfile(CProfileStore &store, ProfileRecord &selected) = 0;
    // "Import Fields Selection"; true on "Import" with a file chosen.
    virtual bool chooseImport(ImportDialogData &data) = 0;
    // "Merge Files": the record files to merge and how; true on OK with at least one
    // file. The session merges them; the open record is not touched here.
    virtual bool chooseMergeFiles(MergeDialogData &data) = 0;
    // "Restore Version": one of the kept versions of the open record; true on OK with
    // `data.chosen` set. Prompts without a window cancel.
    virtual bool chooseVersion(VersionDialogData &) { return false; }
    // "Tax Period" for saving the tax-rate table; true on OK.
    virtual bool editTaxPeriod(TaxPeriod &period) = 0;
    // "Preferences"; true on OK.
    virtual bool editPreferences(PreferencesData &data) = 0;
    // "Filing Date"; true on OK.
    virtual bool editFilingDate(FilingDialogData &data) = 0;
    // The question about a recovery copy left by a run that did not end normally, with
    // the buttons Recover, Discard and Later. Prompts without a user keep it for later.
    virtual RecoveryAnswer askRecover(const std::string &) { return RecoveryAnswer::Later; }
};
