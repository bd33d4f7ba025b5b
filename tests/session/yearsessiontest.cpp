// The year summary as the window asks for it: the open record stands as one of the
// quarters with its unsaved changes and its filing date, a refused choice keeps the
// quarters chosen before, and the export's quoted fields read back whole.

#include "sessiontest.h"

#include "imports/csvlines.h"
#include "imports/headingimport.h"
#include "platform/safefile.h"
#include "session/csession.h"

using namespace sessiontest;

namespace {

class YearSessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        session.record().skipStartUpSteps();
        ASSERT_TRUE(
            CTaxSession::ReadTaxFileInto(TOLLMARK_SAMPLE_DATA "/ifta.itx", session.taxRates())
                .ok());
        // The sample's second quarter is open; its first quarter is a file beside it.
        ASSERT_TRUE(ReadRecordFile(doc, TOLLMARK_SAMPLE_DATA "/sample.irc").ok());
        WriteRecord(q1, doc.company(), doc.entries(), {2026, 1, "Canada"});
        ASSERT_TRUE(WriteRecordFile(doc, q2).ok());
        ASSERT_TRUE(ReadRecordFile(doc, q2).ok());
    }

    // The line of `name` in `period` of the year list.
    ListLine LineOf(const YearSummary &summary, const std::string &name, const std::string &period)
    {
        for (const ListLine &line : YearLines(summary)) {
            if (line[0] == name && line[kYearQuarterColumn] == period)
                return line;
        }
        return {};
    }

    TempDir folder;
    std::string q1 = folder.file("q1.irc");
    std::string q2 = folder.file("q2.irc");
    ScriptedPrompts prompts;
    MemorySettings settings;
    CSession session{prompts, settings};
    CIftaDoc &doc = session.document();
};

} // namespace

TEST_F(YearSessionTest, TheOpenRecordCountsAsTheWindowHoldsIt)
{
    // An unsaved change: Quebec's first trip twice as long. The return is filed on August
    // 3, after its due date of July 31.
    const int quebec = doc.entries()[0].slot;
    TripEntry longer = doc.entries()[0];
    longer.distance *= 2;
    doc.modifyEntry(0, longer);
    FilingChoices filed;
    filed.filed = CivilDate{2026, 8, 3};
    session.filing().setChoices(filed);

    prompts.fileLists.push_back({q1, q2});
    ASSERT_TRUE(session.year().chooseQuarters());
    EXPECT_EQ(prompts.filters.back(), kRecordFileFilter);
    YearSummary summary;
    ASSERT_TRUE(session.year().summary(summary).ok());
    const std::string name = doc.taxTable()[quebec].name;
    const ListLine q1Line = LineOf(summary, name, "2026Q1");
    const ListLine q2Line = LineOf(summary, name, "2026Q2");
    ASSERT_FALSE(q2Line.empty());
    EXPECT_EQ(std::stoll(q2Line[3]), std::stoll(q1Line[3]) + longer.distance / 2);
    EXPECT_EQ(LineOf(summary, "Total", "2026Q1")[kYearFilingColumn], "not set");
    EXPECT_EQ(LineOf(summary, "Total", "2026Q2")[kYearFilingColumn],
              "filed 2026-08-03, 1 month late");

    // The export: the filing, which holds a comma, comes back as one field.
    const std::string csv = folder.file("year.csv");
    prompts.files.push_back(csv);
    ASSERT_TRUE(session.year().exportCsv());
    EXPECT_EQ(prompts.proposals.back(), "year-2026.csv");
    std::string text;
    ASSERT_TRUE(SafeFile::readAll(csv, text, SafeFile::kRecordFileLimit).ok());
    LineReader reader(text);
    std::string_view line;
    std::vector<ListLine> rows;
    while (reader.nextNonEmpty(line)) {
        rows.emplace_back();
        ASSERT_TRUE(ReadHeadings(line, rows.back()));
        EXPECT_EQ(rows.back().size(), kYearFilingColumn + 1);
    }
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[rows.size() - 2], LineOf(summary, "Total", "2026Q2"));
}

TEST_F(YearSessionTest, ARefusedChoiceKeepsTheQuartersChosenBefore)
{
    prompts.fileLists.push_back({q1});
    ASSERT_TRUE(session.year().chooseQuarters());

    // The open record is the second quarter of another carrier now.
    CompanyInfo other = doc.company();
    other.iftaNumber = "9999999999QC";
    doc.setCompany(other);
    prompts.fileLists.push_back({q1, q2});
    EXPECT_FALSE(session.year().chooseQuarters());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0],
              "q1.irc and q2.irc are of different carriers (Transport Bor\xe9"
              "al inc., IFTA 1234567890QC; Transport Bor\xe9"
              "al inc., IFTA 9999999999QC): a year summary takes the quarters of one carrier.");
    EXPECT_EQ(session.year().quarters(), std::vector<std::string>{q1});

    // Cancelled: nothing said, nothing changed.
    EXPECT_FALSE(session.year().chooseQuarters());
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(session.year().quarters(), std::vector<std::string>{q1});
}
