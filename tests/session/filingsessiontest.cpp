// Filing the open record: the Filing Date dialog's flow, the information bar's text, a
// hand-set due date that belongs to one quarter, and the summary file.

#include "platform/pathnames.h"
#include "records/recordheader.h"
#include "session/cfilingsession.h"
#include "sessionbase/sessionclock.h"
#include "sessiontest.h"

#include <fstream>
#include <iterator>

namespace {

using sessiontest::SessionRig;

CivilDate Day(const char *text)
{
    CivilDate date;
    EXPECT_TRUE(ParseIsoDate(text, date)) << text;
    return date;
}

struct FilingRig : SessionRig {
    FilingRig()
    {
        CompanyInfo company;
        company.country = "US";
        doc.setCompany(company);
        doc.setRecordPeriod(TaxPeriod{2024, 3, "US"});
        filing.setShippedInterestRates(std::string(TOLLMARK_SAMPLE_DATA) + "/interest-rates.tsv");
        clock.fix(Day("2024-11-20"));
    }
    SessionClock clock;
    CFilingSession filing{doc, clock, prompts, settings};
};

TEST(FilingSession, DialogStartsFromTodayAndTheDueDateAndKeepsWhatWasChosen)
{
    FilingRig rig;
    // No filing date chosen: filed today, three weeks after the due date.
    EXPECT_EQ(rig.filing.infoText(), "Late: 1 month");
    LateReturn late;
    ASSERT_TRUE(rig.filing.lateReturn(late).ok());
    EXPECT_EQ(late.monthsLate, 1);
    EXPECT_EQ(late.penalty.units, 5000);

    std::vector<FilingDialogData> opened;
    rig.prompts.filingDate = [&](FilingDialogData &data) {
        opened.push_back(data);
        data.choices.filed = Day("2024-12-02");
        return true;
    };
    ASSERT_TRUE(rig.filing.editFilingDate());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(FormatIsoDate(opened[0].choices.filed), "2024-11-20");
    EXPECT_EQ(FormatIsoDate(opened[0].choices.due), "2024-10-31");
    EXPECT_EQ(FormatIsoDate(opened[0].computedDue), "2024-10-31");
    EXPECT_EQ(rig.filing.infoText(), "Late: 2 months");
    EXPECT_TRUE(rig.prompts.shown.empty());

    // Next time the dialog shows the chosen date, not today's; cancel keeps everything.
    rig.prompts.filingDate = [&](FilingDialogData &data) {
        opened.push_back(data);
        return false;
    };
    rig.clock.fix(Day("2025-06-01"));
    EXPECT_FALSE(rig.filing.editFilingDate());
    EXPECT_EQ(FormatIsoDate(opened[1].choices.filed), "2024-12-02");
    EXPECT_EQ(rig.filing.infoText(), "Late: 2 months");
}

TEST(FilingSession, HandSetDueDateCountsForItsQuarterOnly)
{
    FilingRig rig;
    rig.prompts.filingDate = [](FilingDialogData &data) {
        data.choices.filed = Day("2024-11-04");
        data.choices.due = Day("2024-11-04"); // a holiday move
        return true;
    };
    ASSERT_TRUE(rig.filing.editFilingDate());
    EXPECT_EQ(rig.filing.infoText(), "Due 2024-11-04");

    // Another record's quarter has its own due date again; the filing date stays.
    rig.doc.setRecordPeriod(TaxPeriod{2024, 2, "US"});
    EXPECT_EQ(FormatIsoDate(rig.filing.dueDate()), "2024-07-31");
    EXPECT_EQ(rig.filing.infoText(), "Late: 4 months");
}

TEST(FilingSession, AQuarterNotEndedIsDueNeverLate)
{
    FilingRig rig;
    // Today inside the quarter, and on its last day: due, not late, no penalty.
    for (const char *today : {"2024-08-15", "2024-09-30", "2024-10-31"}) {
        rig.clock.fix(Day(today));
        EXPECT_EQ(rig.filing.infoText(), "Due 2024-10-31") << today;
        LateReturn late;
        ASSERT_TRUE(rig.filing.lateReturn(late).ok());
        EXPECT_FALSE(late.late());
        EXPECT_EQ(late.penalty.units, 0);
    }
}

TEST(FilingSession, MissingFactorOrTableIsSaidWhenTheDateIsChosen)
{
    FilingRig rig;
    rig.prompts.filingDate = [](FilingDialogData &data) {
        data.choices.filed = Day("2027-02-01");
        return true;
    };
    ASSERT_TRUE(rig.filing.editFilingDate());
    ASSERT_EQ(rig.prompts.shown.size(), 1u);
    EXPECT_EQ(rig.prompts.shown[0],
              "No interest factor for US 2027-01: add it to the interest-rate table");
    EXPECT_EQ(rig.filing.lateNotice(),
              "No interest factor for US 2027-01: add it to the interest-rate table");

    // No table at all: Options must name one. The summary is not written then.
    rig.filing.setShippedInterestRates("");
    LateReturn late;
    EXPECT_EQ(rig.filing.lateReturn(late).message, "No interest-rate table: name one in Options");
    const std::string path = rig.folder.file("summary.csv");
    EXPECT_FALSE(rig.filing.writeSummary(path).ok());
    EXPECT_FALSE(PathExists(path));
}

TEST(FilingSession, ARecordWithoutAValidQuarterIsRefused)
{
    FilingRig rig;
    rig.doc.setRecordPeriod(TaxPeriod{0, 0, "US"});
    EXPECT_EQ(rig.filing.infoText(), "");
    EXPECT_FALSE(rig.filing.editFilingDate());
    EXPECT_EQ(rig.prompts.shown,
              std::vector<std::string>{"The record file has no valid quarter: set its tax period"});
}

TEST(FilingSession, AFactorTypedInTheDialogGoesToTheUsersOwnTable)
{
    FilingRig rig;
    rig.settings.ownInterestRates = rig.folder.file("own.tsv");
    rig.clock.fix(Day("2027-03-10"));
    std::vector<FilingDialogData> opened;
    rig.prompts.filingDate = [&](FilingDialogData &data) {
        opened.push_back(data);
        data.missingPeriod.factor = Millionths{8000};
        data.factorSet = true;
        return true;
    };
    ASSERT_TRUE(rig.filing.editFilingDate());
    // Asked once, for the whole of 2027; nothing left to say.
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].missing, "No interest factor for US 2027-01");
    EXPECT_EQ(FormatInterestPeriod(opened[0].missingPeriod),
              "US\t2027-01-01\t2027-12-31\t0.000000");
    EXPECT_TRUE(rig.prompts.shown.empty()) << rig.prompts.shown.front();
    EXPECT_EQ(rig.settings.interestRates, rig.folder.file("own.tsv"));

    // The copy keeps every published factor and adds the typed one.
    InterestRateTable own;
    ASSERT_TRUE(own.read(rig.folder.file("own.tsv")).ok());
    Millionths factor;
    std::string missing;
    ASSERT_TRUE(own.monthlyFactor(InterestBase::US, 2025, 6, factor, missing));
    EXPECT_EQ(factor.units, 7500);
    ASSERT_TRUE(own.monthlyFactor(InterestBase::US, 2027, 2, factor, missing));
    EXPECT_EQ(factor.units, 8000);
    LateReturn late;
    ASSERT_TRUE(rig.filing.lateReturn(late).ok());
    EXPECT_EQ(late.monthsLate, 29);
}

TEST(FilingSession, ACanadianReturnAsksForEachMissingQuarter)
{
    FilingRig rig;
    CompanyInfo company;
    company.country = "Canada";
    rig.doc.setCompany(company);
    rig.doc.setRecordPeriod(TaxPeriod{2026, 2, "Canada"});
    rig.settings.ownInterestRates = rig.folder.file("own.tsv");
    rig.clock.fix(Day("2026-10-05"));
    std::vector<std::string> asked;
    rig.prompts.filingDate = [&](FilingDialogData &data) {
        asked.push_back(data.missing + " " + FormatIsoDate(data.missingPeriod.first) + " " +
                        FormatIsoDate(data.missingPeriod.last));
        data.missingPeriod.factor = Millionths{5000};
        data.factorSet = true;
        return true;
    };
    ASSERT_TRUE(rig.filing.editFilingDate());
    // August and September lie in the third quarter, October in the fourth.
    EXPECT_EQ(asked, (std::vector<std::string>{
                         "No interest factor for Canada 2026-08 2026-07-01 2026-09-30",
                         "No interest factor for Canada 2026-10 2026-10-01 2026-12-31"}));
    LateReturn late;
    ASSERT_TRUE(rig.filing.lateReturn(late).ok());
    EXPECT_EQ(late.factorSum.units, 15000);
}

TEST(FilingSession, NoFolderForTheOwnTableLeavesTheTableAlone)
{
    FilingRig rig;
    rig.clock.fix(Day("2027-03-10"));
    rig.prompts.filingDate = [](FilingDialogData &data) {
        data.missingPeriod.factor = Millionths{8000};
        data.factorSet = true;
        return true;
    };
    ASSERT_TRUE(rig.filing.editFilingDate());
    EXPECT_EQ(rig.prompts.shown,
              std::vector<std::string>{"No folder for your own interest-rate table: name one "
                                       "in Options"});
    EXPECT_EQ(rig.settings.interestRates, "");
}

// The summary never goes over what the program reads: the open record or the table.
TEST(FilingSession, ExportSummaryIsRefusedOverTheRecordOrTheTable)
{
    FilingRig rig;
    const std::string record = rig.folder.file("q.irc");
    RecordHeader header;
    header.company = rig.doc.company();
    header.year = 2024;
    header.quarter = 3;
    rig.doc.load(header, {}, record);
    rig.prompts.files = {rig.folder.file("summary.csv")};
    ASSERT_TRUE(rig.filing.exportSummary()) << testing::PrintToString(rig.prompts.shown);
    for (const std::string &input : {record, rig.settings.taxFile}) {
        std::ofstream(input) << "kept";
        rig.prompts.files = {input};
        rig.prompts.shown.clear();
        EXPECT_FALSE(rig.filing.exportSummary()) << input;
        ASSERT_EQ(rig.prompts.shown.size(), 1u) << input;
        std::ifstream in(input);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "kept") << input;
    }
}

} // namespace
