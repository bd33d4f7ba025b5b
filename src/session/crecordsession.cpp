#include "session/crecordsession.h"

#include "check/tablecountry.h"
#include "formats/recordfile.h"
#include "imports/csvimport.h"
#include "platform/pathnames.h"
#include "profiles/cprofilestore.h"
#include "records/ciftadoc.h"
#include "records/taxlist.h"
#include "records/units.h"
#include "session/ctaxsession.h"
#include "sessionbase/backupversions.h"
#include "sessionbase/dialogdata.h"
#include "sessionbase/mergeunits.h"
#include "sessionbase/outputcheck.h"
#include "sessionbase/profileactions.h"
#include "sessionbase/programstate.h"
#include "sessionbase/sessionsettings.h"
#include "sessionbase/withname.h"

#include <algorithm>
#include <cctype>

namespace {

bool EndsWithIgnoringCase(const std::string &text, const std::string &end)
{
    if (end.size() > text.size())
        return false;
    return std::equal(end.rbegin(), end.rend(), text.rbegin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

} // namespace

CRecordSession::CRecordSession(CIftaDoc &doc, ProgramState &state, CTaxSession &tax,
                               CProfileStore &profiles, SessionPrompts &prompts,
                               SessionSettings &settings, SessionEvents *events)
    : doc_(doc)
    , state_(state)
    , tax_(tax)
    , profiles_(profiles)
    , prompts_(prompts)
    , settings_(settings)
    , events_(events)
{
}

void CRecordSession::setPathName(const std::string &path)
{
    pathName_ = FullPath(path);
    title_ = FileNameOf(pathName_);
    events().titleChanged(title_);
    events().recentFile(pathName_);
}

void CRecordSession::setDefaultTitle()
{
    pathName_.clear();
    title_ = UiText("CRecordSession", "Untitled");
    events().titleChanged(title_);
}

SessionPrompts::CompanyResult CRecordSession::runCompanyDialog(CompanyDialogData &data,
                                                               bool newRecord)
{
    // A new record takes the loaded table's quarter; an open one keeps its own.
    const bool byTable = newRecord && doc_.taxTable().usedCount() > 0;
    data.datePeriodByQuarter(byTable ? doc_.tablePeriod() : doc_.recordPeriod());
    return prompts_.editCompany(data, &profiles_);
}

void CRecordSession::startUpSteps()
{
    if (initialised_)
        return;
    OpenProfilesFile(profiles_, settings_, prompts_, CurrentDirectory());
    takeNewRecordQuarter(tax_.loadDefaultTaxFile());
    initialised_ = true;
}

void CRecordSession::reloadDefaultTaxFile()
{
    tax_.offerToSaveModifiedTax(tax_.defaultTaxFilePath());
    takeNewRecordQuarter(tax_.loadDefaultTaxFile());
}

void CRecordSession::takeNewRecordQuarter(bool tableRead)
{
    if (tableRead) {
        doc_.takeTablePeriod();
        return;
    }
    if (IsTaxTableLoaded(doc_.taxTable()))
        return; // the table of before still gives the quarter
    // No table tells the quarter: the one of today, the quarter most records are kept for.
    const TaxPeriod today = CurrentQuarter(state_.clock.today(), doc_.recordPeriod().country);
    TaxPeriod period = doc_.recordPeriod();
    period.year = today.year;
    period.quarter = today.quarter;
    doc_.setRecordPeriod(period);
}

TaxPeriod CRecordSession::quarterForTable() const
{
    const TaxPeriod &period = doc_.recordPeriod();
    if (period.quarter >= 1 && period.quarter <= 4 && period.year >= kFirstYear &&
        period.year <= kLastYear)
        return period;
    return CurrentQuarter(state_.clock.today(), period.country);
}

TaxPeriod CurrentQuarter(const CivilDate &today, const std::string &country)
{
    TaxPeriod period;
    period.year = today.year;
    period.quarter = (today.month - 1) / 3 + 1;
    period.country = country;
    return period;
}

bool CRecordSession::newRecord()
{
    if (!saveModified())
        return false;
    // Nothing of the open record changes before the user has confirmed the new one.
    CompanyInfo values;
    if (initialised_ && !askNewRecordCompany(values))
        return false;
    replaceWithNewRecord(values);
    return true;
}

void CRecordSession::replaceWithNewRecord(const CompanyInfo &values)
{
    if (!initialised_) {
        // The first record of the run starts without a dialog, from the start-up steps.
        setDefaultTitle();
        doc_.setModified(false);
        startUpSteps();
        forceCompanyDialog_ = false;
    } else {
        beginNewRecord(values);
        reloadDefaultTaxFile();
        offerTableOfCountry(true);
    }
    events().recordReplaced();
}

bool CRecordSession::offerTableOfCountry(bool newRecord)
{
    const std::string &country = doc_.company().country;
    if (!TableCountryDiffers(country, doc_.rates()) ||
        !prompts_.askYesNo(TableCountryQuestion(TableCountryText(country, doc_.rates()))))
        return false;
    if (!tax_.loadTaxRates())
        return false;
    // A new record takes the quarter of the table it starts with.
    if (newRecord)
        doc_.takeTablePeriod();
    return true;
}

bool CRecordSession::askNewRecordCompany(CompanyInfo &values)
{
    CompanyDialogData data = CompanyDialogData::ForNewRecord(doc_.company());
    switch (runCompanyDialog(data, true)) {
    case SessionPrompts::CompanyResult::GoToProfiles: {
        // "Go to profiles": the chosen profile's dialog decides about the new record.
        ProfileRecord chosen;
        return prompts_.chooseProfile(profiles_, chosen) && askProfileCompany(chosen, values);
    }
    case SessionPrompts::CompanyResult::Cancel:
        return false;
    case SessionPrompts::CompanyResult::Ok:
        values = data.company;
        return true;
    }
    return false;
}

bool CRecordSession::askProfileCompany(const ProfileRecord &profile, CompanyInfo &values)
{
    CompanyDialogData data = CompanyDialogData::ForProfile(CompanyFromProfile(profile));
    if (runCompanyDialog(data, true) != SessionPrompts::CompanyResult::Ok)
        return false;
    values = data.company;
    return true;
}

void CRecordSession::beginNewRecord(const CompanyInfo &values)
{
    setDefaultTitle();
    doc_.setModified(false);
    doc_.startNew(values);
    forceCompanyDialog_ = false;
}

bool CRecordSession::newRecordFromProfile(const ProfileRecord &profile)
{
    if (!saveModified())
        return false;
    CompanyInfo values;
    if (!askProfileCompany(profile, values))
        return false;
    beginNewRecord(values);
    offerTableOfCountry(true);
    events().recordChanged();
    events().recordReplaced();
    return true;
}

bool CRecordSession::runProfileFlow()
{
    ProfileRecord chosen;
    if (!prompts_.chooseProfile(profiles_, chosen))
        return false;
    return newRecordFromProfile(chosen);
}

void CRecordSession::startRecord(const CompanyInfo &values)
{
    doc_.startNew(values);
    doc_.takeTablePeriod();
    forceCompanyDialog_ = false;
}

bool CRecordSession::open(const std::string &path)
{
    if (!saveModified())
        return false;
    const bool firstRecord = !initialised_;
    startUpSteps();
    lastOpenLayout_ = 0;
    lastOpen_ = ReadRecordFile(doc_, path, &lastOpenLayout_);
    if (!lastOpen_) {
        // A file that cannot be opened or is refused never becomes the record's name (a
        // save would write over it) nor a recent file: the record stays as it was, or,
        // for the first record of the run, is a new Untitled one.
        prompts_.warn(lastOpen_.message);
        if (firstRecord) {
            setDefaultTitle();
            events().recordReplaced();
        }
        return false;
    }
    forceCompanyDialog_ = false;
    setPathName(path);
    events().recordReplaced();
    if (lastOpenLayout_ == kOlderRecordLayout)
        prompts_.inform(OlderLayoutNotice(path, doc_, false));
    return true;
}

bool CRecordSession::openRecovered(const std::string &bytes, const std::string &originalPath)
{
    if (!saveModified())
        return false;
    startUpSteps();
    const Result read = ReadRecordBytes(doc_, bytes, originalPath);
    if (!read) {
        prompts_.warn(read.message);
        return false;
    }
    forceCompanyDialog_ = false;
    if (originalPath.empty())
        setDefaultTitle();
    else
        setPathName(originalPath);
    doc_.setModified(true);
    events().recordReplaced();
    return true;
}

bool CRecordSession::writeRecord(const std::string &path)
{
    // A record without company data, and a merged one, is written only after the company
    // dialog: Cancel there cancels the save, and the record stays as it was.
    if ((doc_.company().companyName.empty() || forceCompanyDialog_) && !editCompany(false))
        return false;
    if (!KeepVersionBeforeSave(settings_, prompts_, path))
        return false;
    const Result written = WriteRecordFile(doc_, path);
    if (!written) {
        prompts_.warn(written.message);
        return false;
    }
    forceCompanyDialog_ = false;
    return true;
}

bool CRecordSession::save()
{
    if (pathName_.empty() || (PathExists(pathName_) && !IsWritablePath(pathName_)))
        return saveAs();
    return saveTo(pathName_);
}

bool CRecordSession::saveTo(const std::string &path, bool replace)
{
    std::string target = path;
    if (target.empty()) {
        std::string proposal = pathName_.empty() ? title_ : pathName_;
        if (!EndsWithIgnoringCase(proposal, ".irc"))
            proposal += ".irc";
        target = prompts_.saveFileName(kRecordFileFilter, proposal);
        if (target.empty())
            return false;
    }
    // Never over the tax-rate table the program reads.
    if (const Result over = OutputOverInput(target, {settings_.defaultTaxFile()}); !over) {
        prompts_.warn(over.message);
        return false;
    }
    if (!writeRecord(target))
        return false;
    if (replace)
        setPathName(target);
    return true;
}

bool CRecordSession::saveModified()
{
    if (!doc_.isModified())
        return true;
    const std::string &name = pathName_.empty() ? title_ : pathName_;
    switch (prompts_.askYesNoCancel(WithName(kSaveChangesTo, name))) {
    case SessionPrompts::Answer::Yes:
        return save();
    case SessionPrompts::Answer::No:
        return true;
    case SessionPrompts::Answer::Cancel:
        break;
    }
    return false;
}

bool CRecordSession::canClose()
{
    tax_.offerToSaveOnClose();
    return saveModified();
}

bool CRecordSession::editCompany(bool newFileMode)
{
    CompanyDialogData data =
        newFileMode ? CompanyDialogData::ForNewRecord(doc_.company())
                    : CompanyDialogData::ForRecord(doc_.company(), !doc_.entries().empty());
    if (runCompanyDialog(data, newFileMode) != SessionPrompts::CompanyResult::Ok)
        return false;
    doc_.applyCompanyInfo(data.company, !newFileMode);
    if (!newFileMode)
        offerDatesQuarter();
    return true;
}

void CRecordSession::offerDatesQuarter()
{
    const CompanyInfo &company = doc_.company();
    TaxPeriod dated = doc_.recordPeriod();
    if (!PeriodDatesQuarter(company.periodFrom, company.periodTo, dated.year, dated.quarter))
        return;
    const TaxPeriod &record = doc_.recordPeriod();
    if (dated.year == record.year && dated.quarter == record.quarter)
        return;
    // No keeps both as they are; the check then lists the dates.
    if (prompts_.askYesNo(DatesQuarterQuestion(dated, record)))
        doc_.setRecordPeriod(dated);
}

void CRecordSession::companyInfo()
{
    CompanyDialogData data = CompanyDialogData::ForRecord(doc_.company(), !doc_.entries().empty());
    const SessionPrompts::CompanyResult result = runCompanyDialog(data, false);
    if (result == SessionPrompts::CompanyResult::GoToProfiles) {
        runProfileFlow();
        return;
    }
    if (result != SessionPrompts::CompanyResult::Ok)
        return;
    const bool unitsBefore = IsCanada(doc_.company().country);
    doc_.applyCompanyInfo(data.company, true);
    offerDatesQuarter();
    // A country that changes the carrier's units away from the loaded table's is said.
    if (IsCanada(doc_.company().country) != unitsBefore)
        offerTableOfCountry(false);
    events().recordChanged();
}

bool CRecordSession::importCsv()
{
    // The new record's company data, then the file to import; the open record is replaced
    // only once both are confirmed.
    if (!saveModified())
        return false;
    CompanyInfo values;
    if (initialised_ && !askNewRecordCompany(values))
        return false;
    ImportDialogData data;
    data.options = state_.lastImportOptions;
    if (!prompts_.chooseImport(data) || data.filePath.empty())
        return false;
    state_.lastImportOptions = data.options;
    replaceWithNewRecord(values);
    if (data.byHeading) {
        HeadingImportRequest request;
        request.path = data.filePath;
        request.mapping = data.mapping;
        request.options = data.options;
        return importByHeading(request);
    }
    return importFile(data.filePath, data.options);
}

bool CRecordSession::importByHeading(const HeadingImportRequest &request)
{
    HeadingImport import;
    if (!ImportFileByHeading(doc_, prompts_, request, import))
        return false;
    state_.entryUnits = ImportUnits(request.options);
    events().recordChanged();
    return true;
}

bool CRecordSession::importFile(const std::string &path, uint32_t options)
{
    const Result imported = ImportCsv(doc_, path, options);
    if (imported.status != Result::Status::CannotOpen)
        state_.entryUnits = ImportUnits(options);
    if (!imported) {
        // The lines read before the failing one stay; the list is not refreshed.
        prompts_.warn(imported.message);
        return false;
    }
    events().recordChanged();
    if (!imported.message.empty())
        prompts_.warn(imported.message);
    return true;
}

bool CRecordSession::mergeFiles()
{
    if (!saveModified())
        return false;
    MergeDialogData data;
    if (!prompts_.chooseMergeFiles(data) || data.paths.empty())
        return false;
    // Built apart, from the record's company data: Cancel, or files that all fail, leave
    // the open record as it was.
    CIftaDoc merged(&doc_.rates());
    merged.setCompany(doc_.company());
    merged.setRecordPeriod(doc_.recordPeriod());
    const MergeOutcome outcome = MergeRecordFiles(merged, data);
    for (const std::string &refusal : outcome.refusals)
        prompts_.warn(refusal);
    if (outcome.merged == 0)
        return false;
    doc_.takeMergedRecord(merged);
    setDefaultTitle();
    forceCompanyDialog_ = true;
    return true;
}

bool CRecordSession::restoreVersion()
{
    if (pathName_.empty()) {
        prompts_.inform(UiText("CRecordSession",
                               "The record has not been saved yet: no earlier versions are kept."));
        return false;
    }
    VersionDialogData data;
    data.file = pathName_;
    const BackupVersions versions(settings_.backupFolder(), settings_.backupsKept());
    for (const std::string &version : versions.versionsOf(pathName_))
        data.rows.push_back(DescribeVersion(version, doc_.rates(), settings_.wholeUnits()));
    if (settings_.backupFolder().empty() || data.rows.empty()) {
        prompts_.inform(
            WithName(UI_TEXT_NOOP("Messages", "No earlier versions of %1 are kept."), title_));
        return false;
    }
    if (!prompts_.chooseVersion(data) || data.chosen < 0 ||
        data.chosen >= static_cast<int>(data.rows.size()))
        return false;
    if (!saveModified())
        return false;
    // A kept version opens as a new record: saving it is the user's choice, and Save As
    // asks where, so the file it came from stays as it is.
    const Result read = ReadRecordFile(doc_, data.rows[data.chosen].path);
    if (!read) {
        prompts_.warn(read.message);
        return false;
    }
    forceCompanyDialog_ = false;
    setDefaultTitle();
    doc_.setModified();
    events().recordReplaced();
    return true;
}

bool CRecordSession::saveWithCurrentRates()
{
    // A record not saved yet gets the same choice and then goes on to Save As: the
    // report's notice of differing rates sends the user here, so it must not do nothing.
    const SessionPrompts::Answer answer = prompts_.askYesNoCancel(kUpdateRatesQuestion);
    if (answer == SessionPrompts::Answer::Cancel)
        return false;
    if (answer == SessionPrompts::Answer::Yes) {
        doc_.updateRatesFromTable();
        events().periodsChanged();
        events().linesUpdated();
    }
    return save();
}

bool CRecordSession::options()
{
    PreferencesData data{settings_.defaultTaxFile(),    settings_.defaultProfilesFile(),
                         settings_.interestRatesFile(), settings_.wholeUnits(),
                         settings_.recoveryMinutes(),   settings_.backupsKept(),
                         settings_.language()};
    if (!prompts_.editPreferences(data))
        return false;
    // A default that names no file would leave the program without rates at every start.
    if (!data.taxFile.empty() && !PathExists(data.taxFile) &&
        !prompts_.askYesNo(WithName(kMissingTaxFileQuestion, data.taxFile)))
        return false;
    // Changed rates are offered for saving before the new default replaces them (saving
    // remembers the saved file, so it comes before the dialog's path is stored).
    tax_.offerToSaveModifiedTax(data.taxFile.empty() ? JoinPath(CurrentDirectory(), "ifta.itx")
                                                     : data.taxFile);
    settings_.setDefaultTaxFile(data.taxFile);
    settings_.setDefaultProfilesFile(data.profilesFile);
    settings_.setInterestRatesFile(data.interestRatesFile);
    settings_.setBackupsKept(data.backupsKept);
    const bool roundingChanged = settings_.wholeUnits() != data.wholeUnits;
    settings_.setWholeUnits(data.wholeUnits);
    settings_.setRecoveryMinutes(data.recoveryMinutes);
    settings_.setLanguage(data.language);
    tax_.loadDefaultTaxFile();
    OpenProfilesFile(profiles_, settings_, prompts_, CurrentDirectory());
    events().periodsChanged();
    // The report shown is computed in the new rounding.
    if (roundingChanged)
        events().linesUpdated();
    return true;
}

bool CRecordSession::offerSampleTable(const std::string &sample)
{
    if (doc_.taxTable().usedCount() > 0)
        return false;
    if (sample.empty()) {
        prompts_.inform(
            UiArgs(UiText("CRecordSession", "%1\nLoad one with File, Load Tax Rates, or download "
                                            "the quarter's rates with Tax Rates, Download."),
                   {UiText("Messages", kNoTableText)}));
        return false;
    }
    const std::string question =
        UiArgs(UiText("CRecordSession", "%1\n\nTollmark comes with a sample table:\n%2\n\nLoad "
                                        "it and keep it as the default tax-rate file?"),
               {UiText("Messages", kNoTableText), sample});
    if (!prompts_.askYesNo(question))
        return false;
    settings_.setDefaultTaxFile(sample);
    if (!tax_.loadDefaultTaxFile() || doc_.taxTable().usedCount() == 0)
        return false;
    // A record read from a file keeps its own quarter; only a new, empty record takes
    // the table's, as it would have at its start.
    if (pathName_.empty() && doc_.entries().empty())
        doc_.takeTablePeriod();
    // Lines of an opened record name their jurisdictions through the new table.
    events().recordChanged();
    return true;
}
