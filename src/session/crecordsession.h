#pragma once

#include "numbers/uitext.h"
#include "platform/result.h"
#include "sessionbase/headingimportcase.h"
#include "sessionbase/recordmessages.h"
#include "sessionbase/sessionevents.h"
#include "sessionbase/sessionprompts.h"

#include <cstdint>
#include <string>

#include "numbers/civildate.h"
#include "records/taxperiod.h"

class CIftaDoc;
class CProfileStore;
class CTaxSession;
class SessionPrompts;
class SessionSettings;
struct CompanyInfo;
struct ProfileRecord;
struct ProgramState;

// The quarter `today` lies in, for a carrier of `country`.
TaxPeriod CurrentQuarter(const CivilDate &today, const std::string &country);

// The record file's use cases, each written once for the window and tollmark-cli: File
// New (the first record without a dialog, later ones through the company dialog or from a
// profile), File Open, Save and Save As with the company dialog before writing where it
// is needed, the question before a changed record is dropped, Company Info, Import,
// Merge Files, Save/Update Tax Rates and Options. It keeps what belongs to the open
// record file beside the document: its path and title, whether the start-up steps have
// run and whether the next save must show the company dialog.
class CRecordSession
{
public:
    CRecordSession(CIftaDoc &doc, ProgramState &state, CTaxSession &tax, CProfileStore &profiles,
                   SessionPrompts &prompts, SessionSettings &settings,
                   SessionEvents *events = nullptr);

    void setEvents(SessionEvents *events) { events_ = events; }
    CIftaDoc &document() { return doc_; }
    CTaxSession &tax() { return tax_; }

    // The record file's full path (empty for a new one) and the caption's title: the
    // file's name, or "Untitled".
    const std::string &pathName() const { return pathName_; }
    const std::string &title() const { return title_; }
    // After a merge the first save asks for the company data.
    bool companyDialogBeforeSave() const { return forceCompanyDialog_; }

    // The start-up steps of the first record (the profiles file, the default tax file)
    // count as done: tollmark-cli loads its own table.
    void skipStartUpSteps() { initialised_ = true; }

    // File New: the question about a changed record, then the company dialog, then the
    // new record (and, for a table of the other units, offerTableOfCountry). False when
    // the user cancelled: the open record (its title, path, lines and modified flag) then
    // stays exactly as it was.
    bool newRecord();
    // A chosen profile starts a new record: the question about a changed record, then
    // the company dialog filled from the profile.
    bool newRecordFromProfile(const ProfileRecord &profile);
    // Edit, Profiles: the profiles dialog; on Select the profile starts a new record.
    bool runProfileFlow();
    // The quarter a tax-rate table is wanted for (the download's first choice): the
    // record's, else today's.
    TaxPeriod quarterForTable() const;

    // The company values of a new record given without the dialog (tollmark-cli): the
    // lines go, the values are taken and the record takes the loaded table's period.
    void startRecord(const CompanyInfo &values);

    // File Open of `path`: the question about a changed record, then the file is read. A
    // file that cannot be opened or is refused (no record file, a refused line) is told
    // and leaves everything as it was, its name included (false).
    bool open(const std::string &path);
    // A recovery copy's `bytes` become the record, under `originalPath` (empty: an
    // Untitled record) and marked changed, after the question about a changed record:
    // nothing is written over the original until the user saves. False, with the record
    // as it was, on Cancel or when the bytes are refused (told).
    bool openRecovered(const std::string &bytes, const std::string &originalPath);
    // What the last open read: its status and message.
    const Result &lastOpen() const { return lastOpen_; }
    // The header layout the last open read (61475 or 61474; 0 when none was read). The
    // older layout has no fuel type: the record keeps the one it had.
    uint32_t lastOpenLayout() const { return lastOpenLayout_; }

    // File Save (Save As for a new record or a file that may not be written), File Save
    // As, and the save to a given path (`replace`: the record takes the path as its own).
    // An empty path asks for one. True when the file was written.
    bool save();
    bool saveAs() { return saveTo(std::string()); }
    bool saveTo(const std::string &path, bool replace = true);
    // "Save changes to %s?" for a changed record: Yes saves, No drops, Cancel stops. True
    // when the caller may go on.
    bool saveModified();
    // Closing: changed tax rates are offered for saving, then saveModified.
    bool canClose();

    // The company dialog over the record, in full mode or new-file mode. True on OK, with
    // the values taken into the record.
    bool editCompany(bool newFileMode);
    // Edit, Company Info ("Go to profiles" hands over to the profile flow). A country
    // that changes the carrier's units away from the loaded table's is said, and Load Tax
    // Rates offered (offerTableOfCountry).
    void companyInfo();
    // When the loaded table is of the other unit system than the carrier's country
    // (check/tablecountry.h): says so and offers Load Tax Rates (TableCountryQuestion);
    // File New and a new record from a profile ask after the new record's table is read,
    // Company Info after a change of country. A table loaded for a `newRecord` gives it
    // its quarter. True when a table was loaded.
    bool offerTableOfCountry(bool newRecord);

    // File Import: the new record's company dialog, the import dialog, then the new
    // record and the file. Cancel in either dialog leaves the open record as it was.
    bool importCsv();
    // The import of `path` with `options` into the record: true when every line was read.
    // A failure is told; the lines before the failing one stay.
    bool importFile(const std::string &path, uint32_t options);
    // The import by heading (ImportFileByHeading) into the record; the units of columns
    // whose names give none become those of new lines.
    bool importByHeading(const HeadingImportRequest &request);

    // Merge Files: the record is offered for saving, then a new unnamed record is built
    // from the files of the merge dialog, in order (MergeRecordFiles; each refused file
    // is told, and the others still merge). It replaces the open record, and its first
    // save shows the company dialog. Cancel, or files that are all refused, leave the
    // open record as it was.
    bool mergeFiles();

    // "Restore Version": the kept versions of the open record's file (BackupVersions),
    // newest first with their trips and totals; the one chosen opens as a new, unsaved
    // record (after the open one is offered for saving). The file itself is not touched.
    bool restoreVersion();

    // "Save/Update Tax Rates": Yes brings every trip line to the loaded table's rates and
    // the record's period to the table's, then saves (a record never saved through Save
    // As); No saves as it is; Cancel stops. True when the file was saved.
    bool saveWithCurrentRates();

    // Options: the Preferences dialog; on OK (and, for a tax-rate file that does not
    // exist, a Yes to remembering it) changed rates are offered for saving, both paths are
    // remembered and the tax-rate and profiles files are read again.
    bool options();

    // A new user's first start: when the table is empty, the sample table at `sample`
    // (empty when none ships) is offered; on Yes it becomes the default tax-rate file and
    // is loaded, and the record takes its period. True when a table was loaded.
    bool offerSampleTable(const std::string &sample);

private:
    // A new record's quarter: the table's when one was read, else today's while no
    // table is loaded.
    void takeNewRecordQuarter(bool tableRead);
    // Company Info's dates in another quarter than the record's: asks whether the record
    // moves to theirs.
    void offerDatesQuarter();
    // The company values of a new record, from File New's company dialog or a profile's
    // (through "Go to profiles"). False when the user cancelled; the record is untouched.
    bool askNewRecordCompany(CompanyInfo &values);
    bool askProfileCompany(const ProfileRecord &profile, CompanyInfo &values);
    // The confirmed new record replaces the open one: no lines, no path, "Untitled". The
    // first record of the run comes from the start-up steps instead of `values`.
    void replaceWithNewRecord(const CompanyInfo &values);
    void beginNewRecord(const CompanyInfo &values);
    void startUpSteps();
    void reloadDefaultTaxFile();
    bool writeRecord(const std::string &path);
    SessionPrompts::CompanyResult runCompanyDialog(CompanyDialogData &data, bool newRecord);
    void setPathName(const std::string &path);
    void setDefaultTitle();
    SessionEvents &events() { return events_ ? *events_ : quiet_; }

    CIftaDoc &doc_;
    ProgramState &state_;
    CTaxSession &tax_;
    CProfileStore &profiles_;
    SessionPrompts &prompts_;
    SessionSettings &settings_;
    SessionEvents *events_;
    SessionEvents quiet_;
    std::string pathName_;
    std::string title_ = "Untitled";
    bool initialised_ = false;
    bool forceCompanyDialog_ = false;
    Result lastOpen_;
    uint32_t lastOpenLayout_ = 0;
};

// The question before a changed record file is dropped; %1 is its path or title.
constexpr const char *kSaveChangesTo = UI_TEXT_NOOP("Messages", "Save changes to %1?");
constexpr const char *kUpdateRatesQuestion = UI_TEXT_NOOP(
    "Messages",
    "Do you want to update the tax rate for the saved file?\n\n"
    "Yes: every trip takes the rate of the loaded tax-rate table and the record takes its "
    "quarter; then the file is saved.\n"
    "No: the file is saved with the rates its trips carry now.");
// Options, before a default tax-rate file that is not there is remembered.
constexpr const char *kMissingTaxFileQuestion = UI_TEXT_NOOP(
    "Messages",
    "The tax-rate file %1 does not exist. Remember it as the default tax-rate file anyway?");
// Told at a first start without any tax-rate file.
constexpr const char *kNoTableText = UI_TEXT_NOOP(
    "Messages",
    "No tax-rate file was found in the current folder or in the settings, so the tax-rate "
    "table is empty.");
