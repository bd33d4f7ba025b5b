// The record file's use cases: what opening, saving, merging and importing do to the
// record, the file on disk and the questions asked.

#include "sessiontest.h"

#include "formats/recordmerge.h"
#include "formats/taxfile.h"
#include "imports/csvimport.h"
#include "platform/pathnames.h"

#include <fstream>
#include <set>

using namespace sessiontest;
using Answer = SessionPrompts::Answer;
using CompanyResult = SessionPrompts::CompanyResult;

namespace {

// The three-line fixture record, copied into the rig's folder so it may be written.
std::string CopyOfFixture(const SessionRig &rig, const std::string &name = "q2.irc")
{
    const std::string path = rig.folder.file(name);
    std::filesystem::copy_file(fixture("records/current-layout.irc"), path);
    return path;
}

size_t LinesInFile(const std::string &path)
{
    CIftaDoc read;
    EXPECT_TRUE(ReadRecordFile(read, path).ok()) << path;
    return read.entries().size();
}

// A record saved with rates of long ago, opened in a session whose table holds the
// quarter's: Quebec, Kentucky and its surcharge, for 2026 Q2.
struct RateUpdateRig : SessionRig {
    explicit RateUpdateRig(uint32_t fuelCode)
    {
        TaxRateTable table;
        const char *rows[][2] = {{"Quebec", "QC"}, {"Kentucky", "KY"}, {"KY Surcharge", "KYS"}};
        for (int i = 0; i < 3; ++i) {
            table[i].name = rows[i][0];
            table[i].abbreviation = rows[i][1];
            table[i].dieselRate = TenThousandths{2000 + 10000 * i};
            table[i].gasolineRate = TenThousandths{1000 + 10000 * i};
            table[i].slot = i;
        }
        table[2].surcharge = 1;
        state.taxRates.replaceFromFile(table);
        state.taxRates.setPeriod(TaxPeriod{2026, 2, "Canada"});

        CompanyInfo company;
        company.companyName = "Carrier";
        company.setFuelCode(fuelCode);
        CIftaDoc::Entries lines;
        for (int32_t slot : {0, 1, 2, 200}) {
            TripEntry entry;
            entry.tripNumber = static_cast<int32_t>(lines.size()) + 1;
            entry.slot = slot;
            entry.rate = TenThousandths{90000};
            lines.push_back(entry);
        }
        WriteRecord(path, company, lines, TaxPeriod{2025, 4, "Canada"});
        EXPECT_TRUE(session.open(path));
    }

    const std::string path = folder.file("update.irc");
};

} // namespace

TEST(SaveWithCurrentRatesTest, YesCopiesRatesByFuelTypeAndThePeriod)
{
    for (bool diesel : {true, false}) {
        RateUpdateRig rig(diesel ? FuelCodeDiesel : FuelCodeGasoline);
        rig.prompts.answers = {Answer::Yes};
        ASSERT_TRUE(rig.session.saveWithCurrentRates());
        EXPECT_EQ(rig.prompts.shown, std::vector<std::string>{kUpdateRatesQuestion});

        CIftaDoc read;
        ASSERT_TRUE(ReadRecordFile(read, rig.path).ok());
        EXPECT_EQ(read.recordPeriod().year, 2026);
        EXPECT_EQ(read.recordPeriod().quarter, 2);
        ASSERT_EQ(read.entries().size(), 4u);
        EXPECT_EQ(read.entries()[0].rate, TenThousandths{diesel ? 2000 : 1000});
        EXPECT_EQ(read.entries()[1].rate, TenThousandths{diesel ? 12000 : 11000});
        EXPECT_EQ(read.entries()[1].surcharge, 0);
        EXPECT_EQ(read.entries()[2].rate, TenThousandths{diesel ? 22000 : 21000});
        EXPECT_EQ(read.entries()[2].surcharge, 1);
        // A line whose slot lies outside the table keeps what it had.
        EXPECT_EQ(read.entries()[3].rate, TenThousandths{90000});
        EXPECT_FALSE(rig.doc.isModified());
    }
}

TEST(SaveWithCurrentRatesTest, NoSavesUnchangedAndAnUnsavedRecordGoesToSaveAs)
{
    for (Answer answer : {Answer::No, Answer::Cancel}) {
        RateUpdateRig rig(FuelCodeDiesel);
        const auto stale = std::filesystem::last_write_time(rig.path) - std::chrono::hours(1);
        std::filesystem::last_write_time(rig.path, stale);
        rig.prompts.answers = {answer};
        EXPECT_EQ(rig.session.saveWithCurrentRates(), answer == Answer::No);
        // No writes the file again as it was; Cancel does not write at all.
        EXPECT_EQ(std::filesystem::last_write_time(rig.path) != stale, answer == Answer::No);
        CIftaDoc read;
        ASSERT_TRUE(ReadRecordFile(read, rig.path).ok());
        EXPECT_EQ(read.recordPeriod().year, 2025);
        EXPECT_EQ(read.entries()[0].rate, TenThousandths{90000});
        EXPECT_EQ(rig.doc.entries()[0].rate, TenThousandths{90000});
    }

    // A record never saved is asked the same and goes on to Save As; Cancel there (or to
    // the question) writes nothing and keeps the record as it was.
    for (Answer answer : {Answer::Yes, Answer::Cancel}) {
        SessionRig rig;
        TripEntry line;
        line.rate = TenThousandths{90000};
        rig.doc.replaceEntries({line});
        CompanyInfo company;
        company.companyName = "Carrier";
        rig.doc.setCompany(company);
        rig.doc.setModified(true);
        const std::string target = rig.folder.file("new.irc");
        rig.prompts.answers = {answer};
        rig.prompts.files = {target};
        EXPECT_EQ(rig.session.saveWithCurrentRates(), answer == Answer::Yes);
        EXPECT_EQ(rig.prompts.shown, std::vector<std::string>{kUpdateRatesQuestion});
        EXPECT_EQ(std::filesystem::exists(target), answer == Answer::Yes);
        EXPECT_EQ(rig.doc.isModified(), answer == Answer::Cancel);
    }
}

TEST(RecordSessionTest, SaveModifiedAsksAndFollowsTheAnswer)
{
    struct Case {
        Answer answer;
        bool goOn;
        size_t linesInFile;
        bool stillModified;
    } const cases[] = {
        {Answer::Yes, true, 4, false},
        {Answer::No, true, 3, true},
        {Answer::Cancel, false, 3, true},
    };
    for (const Case &c : cases) {
        SessionRig rig;
        const std::string path = CopyOfFixture(rig);
        ASSERT_TRUE(rig.session.open(path));
        rig.doc.addEntry(rig.doc.prepareNewEntry(EntryUnits{}));
        rig.prompts.answers = {c.answer};

        EXPECT_EQ(rig.session.saveModified(), c.goOn);
        EXPECT_EQ(rig.prompts.shown, std::vector<std::string>{"Save changes to " + path + "?"});
        EXPECT_EQ(LinesInFile(path), c.linesInFile);
        EXPECT_EQ(rig.doc.isModified(), c.stillModified);
    }
}

TEST(RecordSessionTest, MergeCancelKeepsTheRecordAndOkAsksForTheCompanyAtTheNextSave)
{
    SessionRig rig;
    const std::string first = CopyOfFixture(rig, "truck1.irc");
    const std::string second = CopyOfFixture(rig, "truck2.irc");
    bool confirm = false;
    rig.prompts.merge = [&](MergeDialogData &data) {
        data.paths = {first, second};
        return confirm;
    };
    ASSERT_TRUE(rig.session.open(first));
    const size_t opened = rig.doc.entries().size();

    // Cancel leaves the open record as it was, name and lines.
    EXPECT_FALSE(rig.session.mergeFiles());
    EXPECT_EQ(rig.doc.entries().size(), opened);
    EXPECT_EQ(rig.session.pathName(), first);
    EXPECT_FALSE(rig.session.companyDialogBeforeSave());

    confirm = true;
    ASSERT_TRUE(rig.session.mergeFiles());
    EXPECT_EQ(rig.doc.entries().size(), 6u);
    EXPECT_TRUE(rig.session.companyDialogBeforeSave());
    // The company dialog comes first although the merged header names a company. Cancel
    // there cancels the save: nothing is written and the record stays modified.
    const std::string merged = rig.folder.file("merged.irc");
    EXPECT_FALSE(rig.session.saveTo(merged));
    EXPECT_EQ(rig.prompts.companyDialogs, 1);
    EXPECT_FALSE(std::filesystem::exists(merged));
    EXPECT_TRUE(rig.doc.isModified());
    EXPECT_TRUE(rig.session.companyDialogBeforeSave());
    EXPECT_EQ(rig.session.title(), "Untitled");

    rig.prompts.company = [](CompanyDialogData &, CProfileStore *) { return CompanyResult::Ok; };
    ASSERT_TRUE(rig.session.saveTo(merged));
    EXPECT_EQ(rig.prompts.companyDialogs, 2);
    EXPECT_EQ(LinesInFile(merged), 6u);
    EXPECT_FALSE(rig.session.companyDialogBeforeSave());
    // Once saved, the record is an ordinary one again.
    ASSERT_TRUE(rig.session.save());
    EXPECT_EQ(rig.prompts.companyDialogs, 2);
}

// Cancelling the company dialog of File New or Import, or the import dialog, leaves the
// open record as it was: title, path, lines and modified flag.
TEST(RecordSessionTest, CancelledNewRecordOrImportLeavesTheOpenRecordAlone)
{
    enum class Step { NewRecord, ImportCompany, ImportFile };
    for (Step step : {Step::NewRecord, Step::ImportCompany, Step::ImportFile}) {
        SessionRig rig;
        const std::string path = CopyOfFixture(rig);
        ASSERT_TRUE(rig.session.open(path));
        rig.doc.addEntry(rig.doc.prepareNewEntry(EntryUnits{}));
        rig.prompts.answers = {Answer::No}; // do not save the changes
        if (step == Step::ImportFile)
            rig.prompts.company = [](CompanyDialogData &, CProfileStore *) {
                return CompanyResult::Ok;
            };
        const bool done =
            step == Step::NewRecord ? rig.session.newRecord() : rig.session.importCsv();

        EXPECT_FALSE(done);
        EXPECT_EQ(rig.session.pathName(), path);
        EXPECT_EQ(rig.session.title(), "q2.irc");
        EXPECT_EQ(rig.doc.entries().size(), 4u);
        EXPECT_TRUE(rig.doc.isModified());
    }
}

TEST(RecordSessionTest, CompanyDialogOfAnUndatedRecordShowsItsQuarter)
{
    struct Case {
        int32_t quarter;
        PeriodDate from, to;
    } const cases[] = {
        {1, {2026, 1, 1}, {2026, 3, 31}},
        {2, {2026, 4, 1}, {2026, 6, 30}},
        {3, {2026, 7, 1}, {2026, 9, 30}},
        {4, {2026, 10, 1}, {2026, 12, 31}},
    };
    for (const Case &c : cases) {
        SessionRig rig;
        rig.doc.setRecordPeriod(TaxPeriod{2026, c.quarter, "Canada"});
        CompanyInfo shown;
        rig.prompts.company = [&shown](CompanyDialogData &data, CProfileStore *) {
            shown = data.company;
            return CompanyResult::Cancel;
        };
        rig.session.companyInfo();
        EXPECT_EQ(shown.periodFrom, c.from) << c.quarter;
        EXPECT_EQ(shown.periodTo, c.to) << c.quarter;
    }

    // Dates the record has are shown as they are.
    SessionRig rig;
    CompanyInfo dated;
    dated.periodFrom = PeriodDate{2026, 4, 2};
    dated.periodTo = PeriodDate{2026, 5, 3};
    rig.doc.setCompany(dated);
    CompanyInfo shown;
    rig.prompts.company = [&shown](CompanyDialogData &data, CProfileStore *) {
        shown = data.company;
        return CompanyResult::Cancel;
    };
    rig.session.companyInfo();
    EXPECT_EQ(shown.periodFrom, dated.periodFrom);
    EXPECT_EQ(shown.periodTo, dated.periodTo);
}

TEST(RecordSessionTest, OpenOfAMissingOrRefusedFileKeepsTheRecordAndItsName)
{
    SessionRig rig;
    const std::string path = CopyOfFixture(rig);
    ASSERT_TRUE(rig.session.open(path));

    const std::string missing = rig.folder.file("gone.irc");
    EXPECT_FALSE(rig.session.open(missing));
    EXPECT_EQ(rig.session.lastOpen().status, Result::Status::CannotOpen);
    ASSERT_EQ(rig.prompts.shown.size(), 1u);
    EXPECT_NE(rig.prompts.shown[0].find("gone.irc"), std::string::npos) << rig.prompts.shown[0];
    EXPECT_EQ(rig.doc.entries().size(), 3u);
    EXPECT_EQ(rig.session.pathName(), path);
    EXPECT_FALSE(rig.doc.company().companyName.empty());

    const std::string foreign = rig.folder.file("notes.irc");
    std::ofstream(foreign) << "just some text\n";
    EXPECT_FALSE(rig.session.open(foreign));
    EXPECT_EQ(rig.session.lastOpen().status, Result::Status::BadFormat);
    EXPECT_EQ(rig.prompts.shown.back(), kIncompatibleFileFormat);
    EXPECT_EQ(rig.doc.entries().size(), 3u);
    EXPECT_FALSE(rig.doc.company().companyName.empty());
    EXPECT_EQ(rig.session.pathName(), path);
    EXPECT_EQ(rig.session.title(), FileNameOf(path));
}

// The dialog's box decides for every file listed, whenever it was added; a refused file
// or one listed twice is told and the others still merge; when none merges the open
// record stays as it was.
TEST(RecordSessionTest, MergeTakesEveryListedFileWithTheBoxAsItStandsAtOk)
{
    SessionRig rig;
    const std::string first = CopyOfFixture(rig, "truck1.irc");
    const std::string second = CopyOfFixture(rig, "truck2.irc");
    const std::string junk = rig.folder.file("junk.irc");
    std::ofstream(junk) << "not a record file";
    const std::string again = rig.folder.file(".") + "/truck1.irc";
    MergeDialogData given;
    rig.prompts.merge = [&](MergeDialogData &data) {
        data = given;
        return true;
    };

    given = {{first, junk, again, second}, true};
    ASSERT_TRUE(rig.session.mergeFiles());
    ASSERT_EQ(rig.prompts.shown.size(), 2u);
    EXPECT_EQ(rig.prompts.shown[0], junk + ": Incompatible file format");
    EXPECT_EQ(rig.prompts.shown[1].rfind(again + ": It is the same file as " + first, 0), 0u);
    ASSERT_EQ(rig.doc.entries().size(), 6u);
    std::set<std::string> units;
    for (const TripEntry &line : rig.doc.entries())
        units.insert(line.reservedText);
    EXPECT_EQ(units, (std::set<std::string>{"truck1", "truck2"}));

    // Nothing merges: the merged record stays open, untouched.
    rig.doc.setModified(false);
    rig.prompts.shown.clear();
    given = {{junk}, false};
    EXPECT_FALSE(rig.session.mergeFiles());
    EXPECT_EQ(rig.prompts.shown, std::vector<std::string>{junk + ": Incompatible file format"});
    EXPECT_EQ(rig.doc.entries().size(), 6u);
    EXPECT_EQ(rig.doc.entries()[0].reservedText, "truck1");
}

TEST(RecordSessionTest, AnotherRecordDropsTheUndoOfTheTripLines)
{
    struct Case {
        const char *name;
        std::function<bool(SessionRig &, const std::string &)> replace;
    } const cases[] = {
        {"open", [](SessionRig &rig, const std::string &path) { return rig.session.open(path); }},
        {"new", [](SessionRig &rig, const std::string &) { return rig.session.newRecord(); }},
        {"merge", [](SessionRig &rig, const std::string &) { return rig.session.mergeFiles(); }},
    };
    for (const Case &c : cases) {
        SessionRig rig;
        rig.prompts.company = [](CompanyDialogData &, CProfileStore *) {
            return CompanyResult::Ok;
        };
        rig.prompts.merge = [&rig](MergeDialogData &data) {
            data.paths = {CopyOfFixture(rig, "truck2.irc")};
            return true;
        };
        const std::string path = CopyOfFixture(rig);
        ASSERT_TRUE(rig.session.open(path));
        rig.doc.deleteEntry(0);
        ASSERT_TRUE(rig.doc.undo().canUndo());
        rig.prompts.answers = {Answer::No}; // the changed record is dropped

        ASSERT_TRUE(c.replace(rig, path)) << c.name;
        EXPECT_FALSE(rig.doc.undo().canUndo()) << c.name;
        EXPECT_FALSE(rig.doc.undoEntries()) << c.name;
    }
}

TEST(RecordSessionTest, ImportStartsFromTheLastOptionsAndSetsTheEntryUnits)
{
    SessionRig rig;
    ASSERT_TRUE(CTaxSession::ReadTaxFileInto(fixture("report/rates.itx"), rig.state.taxRates).ok());
    const std::string csv = rig.folder.file("trips.csv");
    std::ofstream(csv) << "QC,100,30\nON,80,10\n";
    const ImportOptions imperial = ImportState | ImportDistance | ImportFuel;
    std::vector<ImportOptions> offered;
    rig.prompts.company = [](CompanyDialogData &, CProfileStore *) { return CompanyResult::Ok; };
    rig.prompts.import = [&](ImportDialogData &data) {
        offered.push_back(data.options);
        data.filePath = csv;
        data.options = imperial;
        return true;
    };
    rig.prompts.answers = {Answer::No}; // the second import drops the first

    ASSERT_TRUE(rig.session.importCsv());
    EXPECT_EQ(rig.doc.entries().size(), 2u);
    ASSERT_TRUE(rig.session.importCsv());
    EXPECT_EQ(offered, (std::vector<ImportOptions>{kDefaultImportOptions, imperial}));
    EXPECT_EQ(rig.state.lastImportOptions, imperial);
    EXPECT_EQ(rig.state.entryUnits, (EntryUnits{1, 1}));

    // New lines follow the units of each import read, not of one that could not be.
    ASSERT_TRUE(rig.session.importFile(csv, imperial | ImportDistanceInKm | ImportFuelInLitres));
    EXPECT_EQ(rig.state.entryUnits, (EntryUnits{0, 0}));
    EXPECT_FALSE(rig.session.importFile(rig.folder.file("none.csv"), imperial));
    EXPECT_EQ(rig.state.entryUnits, (EntryUnits{0, 0}));
}

// Options asks before it remembers a tax-rate file that is not there: No keeps the
// settings as they were, Yes remembers it.
TEST(RecordSessionTest, OptionsAskBeforeRememberingAMissingTaxFile)
{
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SessionRig rig;
        const std::string before = rig.settings.taxFile;
        const std::string missing = rig.folder.file("typo.itx");
        rig.prompts.preferences = [&](PreferencesData &data) {
            data.taxFile = missing;
            return true;
        };
        rig.prompts.answers = {answer};
        EXPECT_EQ(rig.session.options(), answer == Answer::Yes);
        ASSERT_FALSE(rig.prompts.shown.empty());
        EXPECT_EQ(rig.prompts.shown.front(), "The tax-rate file " + missing +
                                                 " does not exist. Remember it as the default "
                                                 "tax-rate file anyway?");
        EXPECT_EQ(rig.settings.taxFile, answer == Answer::Yes ? missing : before);
    }
}

// A record of the older layout, which has no fuel type, is opened with a word on what
// the program takes it as and what a save will write.
TEST(RecordSessionTest, OlderLayoutIsToldOnOpening)
{
    SessionRig rig;
    const std::string path = rig.folder.file("old.irc");
    std::filesystem::copy_file(fixture("records/older-layout.irc"), path);
    ASSERT_TRUE(rig.session.open(path));
    ASSERT_EQ(rig.prompts.shown.size(), 1u);
    EXPECT_EQ(rig.prompts.shown[0],
              path + " is in the older record layout (61474), which has no fuel type: the "
                     "record is taken as diesel (fuel code 1), and a save writes it in the "
                     "current layout.");
    rig.prompts.shown.clear();
    ASSERT_TRUE(rig.session.open(CopyOfFixture(rig)));
    EXPECT_TRUE(rig.prompts.shown.empty()); // the current layout says nothing
}
