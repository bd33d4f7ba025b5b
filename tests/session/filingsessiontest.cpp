// Filing the open record: the Filing Date dialog's flow, the information bar's text, a
// hand-set due date that belongs to one quarter, and the summary file.

#include "platform/pathnames.h"
#include "records/recordheader.h"
#include "session/cfilingsession.h"
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
    }
    CFilingSession filing{doc, prompts, settings};
};

TEST(FilingSession, DialogStartsFromTodayAndTheDueDateAndKeepsWhatWasChosen)
{
    FilingRig rig;
    EXPECT_EQ(rig.filing.infoText(), "Due 2024-10-31"); // no filing date yet: on time

    std::vector<FilingDialogData> opened;
    rig.prompts.filingDate = [&](FilingDialogData &data) {
        opened.push_back(data);
        data.choices.filed = Day("2024-12-02");
        return true;
    };
    ASSERT_TRUE(rig.filing.editFilingDate(Day("2024-11-20")));
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
    EXPECT_FALSE(rig.filing.editFilingDate(Day("2025-06-01")));
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
    ASSERT_TRUE(rig.filing.editFilingDate(Day("2024-11-04")));
    EXPECT_EQ(rig.filing.infoText(), "Due 2024-11-04");

    // Another record's quarter has its own due date again; the filing date stays.
    rig.doc.setRecordPeriod(TaxPeriod{2024, 2, "US"});
    EXPECT_EQ(FormatIsoDate(rig.filing.dueDate()), "2024-07-31");
    EXPECT_EQ(rig.filing.infoText(), "Late: 4 months");
}

TEST(FilingSession, MissingFactorOrTableIsSaidWhenTheDateIsChosen)
{
    FilingRig rig;
    rig.prompts.filingDate = [](FilingDialogData &data) {
        data.choices.filed = Day("2026-02-01");
        return true;
    };
    ASSERT_TRUE(rig.filing.editFilingDate(Day("2026-02-01")));
    ASSERT_EQ(rig.prompts.shown.size(), 1u);
    EXPECT_EQ(rig.prompts.shown[0],
              "No interest factor for US 2026-01: add it to the interest-rate table");

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
    EXPECT_FALSE(rig.filing.editFilingDate(Day("2025-01-01")));
    EXPECT_EQ(rig.prompts.shown,
              std::vector<std::string>{"The record file has no valid quarter: set its tax period"});
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
