#include "formats/chartparser.h"
#include "formats/taxfile.h"
#include "numbers/decimaltext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

const std::string kCharts = TOLLMARK_TEST_DATA "/charts/";

std::string ReadFixture(const std::string &name)
{
    std::ifstream in(kCharts + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> SplitTabs(const std::string &line)
{
    std::vector<std::string> cells;
    std::stringstream in(line);
    std::string cell;
    while (std::getline(in, cell, '\t'))
        cells.push_back(cell);
    return cells;
}

// The carrier's table of the fixture: named slots with rates 1.1111 / 2.2222, so that a
// slot the chart did not reach is easy to see.
TaxRateTable FixtureTable()
{
    TaxRateTable table;
    std::istringstream in(ReadFixture("table-2026.itx"));
    std::string line;
    std::getline(in, line); // #TAXHEAD#
    for (int slot = 0; slot < TaxRateTable::kSlotCount && std::getline(in, line); ++slot) {
        const std::vector<std::string> cells = SplitTabs(line);
        table[slot].name = cells.at(0);
        table[slot].abbreviation = cells.at(1);
        table[slot].dieselRate = TextToDecimal<4>(cells.at(2));
        table[slot].gasolineRate = TextToDecimal<4>(cells.at(3));
        table[slot].surcharge = std::stoi(cells.at(4));
        table[slot].slot = slot;
    }
    return table;
}

int SlotNamed(const TaxRateTable &table, const std::string &name)
{
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        if (table[slot].name == name)
            return slot;
    }
    return -1;
}

struct Published {
    std::string slotName;
    TenThousandths usGas, usDiesel, canGas, canDiesel;
};

// The published rates of the quarter, keyed by the table's slot names.
std::vector<Published> PublishedRates()
{
    std::vector<Published> rates;
    std::istringstream in(ReadFixture("rates-2Q2026.tsv"));
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string> c = SplitTabs(line);
        const std::string name = c.at(2) == "surcharge" ? c.at(0) + " Surcharge" : c.at(1);
        rates.push_back({name, TextToDecimal<4>(c.at(4)), TextToDecimal<4>(c.at(5)),
                         TextToDecimal<4>(c.at(6)), TextToDecimal<4>(c.at(7))});
    }
    EXPECT_EQ(rates.size(), 61u);
    return rates;
}

// Every published jurisdiction has its rates, in the units the chart was read in; the
// slots the chart does not list (MI and OH Surcharge) kept theirs.
void ExpectPublishedRates(const TaxRateTable &table, bool canadian)
{
    for (const Published &p : PublishedRates()) {
        const int slot = SlotNamed(table, p.slotName);
        ASSERT_GE(slot, 0) << p.slotName;
        EXPECT_EQ(table[slot].gasolineRate, canadian ? p.canGas : p.usGas) << p.slotName;
        EXPECT_EQ(table[slot].dieselRate, canadian ? p.canDiesel : p.usDiesel) << p.slotName;
    }
    for (const char *untouched : {"MI Surcharge", "OH Surcharge"}) {
        const int slot = SlotNamed(table, untouched);
        EXPECT_EQ(table[slot].gasolineRate, TenThousandths{22222}) << untouched;
        EXPECT_EQ(table[slot].dieselRate, TenThousandths{11111}) << untouched;
    }
}

void ExpectNamesUnchanged(const TaxRateTable &table)
{
    const TaxRateTable original = FixtureTable();
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        EXPECT_EQ(table[slot].name, original[slot].name);
        EXPECT_EQ(table[slot].abbreviation, original[slot].abbreviation);
        EXPECT_EQ(table[slot].surcharge, original[slot].surcharge);
    }
}

} // namespace

// The clearinghouse's .csv chart: byte-order mark, CR LF, headings over two lines every
// ten jurisdictions, two lines and a spacer per jurisdiction, "$-", footnote markers.
TEST(ParseChartTest, CommaChartInBothUnits)
{
    for (const bool canadian : {false, true}) {
        SCOPED_TRACE(canadian ? "Canada" : "US");
        TaxRateTable table = FixtureTable();
        TaxPeriod period{2005, 1, "Canada"};
        ChartParseReport report;
        EXPECT_EQ(ParseChart(ReadFixture("2Q2026.csv"), canadian ? "Canada" : "US", table, period,
                             &report),
                  0);
        EXPECT_EQ(period, (TaxPeriod{2026, 2, canadian ? "Canada" : "US"}));
        EXPECT_EQ(report.filledSlots.size(), 61u);
        EXPECT_TRUE(report.unmatchedNames.empty());
        ExpectPublishedRates(table, canadian);
        ExpectNamesUnchanged(table);
    }
}

// The tables shipped with the program name every member jurisdiction so that each line of
// either chart form finds its slot, and every named slot gets rates.
TEST(ParseChartTest, ShippedTablesTakeEveryChartLine)
{
    for (const char *shipped : {"ifta.itx", "ifta-us.itx"}) {
        std::ifstream in(std::string(TOLLMARK_SAMPLE_DATA "/") + shipped, std::ios::binary);
        ASSERT_TRUE(in) << shipped;
        const std::string tableText(std::istreambuf_iterator<char>(in), {});
        for (const char *chart : {"2Q2026.csv", "2Q2026-us.txt", "2Q2026-can.txt"}) {
            SCOPED_TRACE(std::string(shipped) + " with " + chart);
            TaxRateTable table;
            TaxPeriod period;
            ASSERT_TRUE(ParseTaxText(tableText, table, period));
            int named = 0;
            for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot)
                named += table[slot].name.empty() ? 0 : 1;
            ChartParseReport report;
            // The US-units tab chart has no Canadian line after its name lines.
            const std::string country = std::string(chart) == "2Q2026-us.txt" ? "US" : "Canada";
            EXPECT_EQ(ParseChart(ReadFixture(chart), country, table, period, &report), 0);
            EXPECT_TRUE(report.unmatchedNames.empty()) << report.unmatchedNames.front();
            EXPECT_EQ(report.filledSlots.size(), static_cast<size_t>(named));
        }
    }
}

// "INDIANA SurChg #31" carries "$-" for both fuels: it must fill the surcharge slot with
// 0 and leave Indiana's own 0.3700 / 0.6300 alone.
TEST(ParseChartTest, FootnotedSurchargeNeverOverwritesItsState)
{
    TaxRateTable table = FixtureTable();
    TaxPeriod period;
    ParseChart(ReadFixture("2Q2026.csv"), "US", table, period);
    const TaxRate &indiana = table[SlotNamed(table, "Indiana")];
    const TaxRate &surcharge = table[SlotNamed(table, "IN Surcharge")];
    EXPECT_EQ(indiana.gasolineRate, TenThousandths{3700});
    EXPECT_EQ(indiana.dieselRate, TenThousandths{6300});
    EXPECT_EQ(surcharge.gasolineRate, TenThousandths{0});
    EXPECT_EQ(surcharge.dieselRate, TenThousandths{0});
}

// Tab chart in US units: one line per jurisdiction, headings and spacers with a blank first
// field, surcharges spelt "SURCHARGE", and three blank lines at the end.
TEST(ParseChartTest, TabChartInUsUnits)
{
    TaxRateTable table = FixtureTable();
    TaxPeriod period{2005, 1, "Canada"};
    ChartParseReport report;
    EXPECT_EQ(ParseChart(ReadFixture("2Q2026-us.txt"), "US", table, period, &report), 0);
    EXPECT_EQ(period, (TaxPeriod{2026, 2, "US"}));
    EXPECT_TRUE(report.unmatchedNames.empty());
    ExpectPublishedRates(table, false);
    ExpectNamesUnchanged(table);
}

// Tab chart in Canadian units: the rates stand on the line after the name line. Read as
// "US" the same chart gives the name lines' US amounts: other units, not a failure.
TEST(ParseChartTest, TabChartInCanadianUnits)
{
    TaxRateTable table = FixtureTable();
    TaxPeriod period;
    EXPECT_EQ(ParseChart(ReadFixture("2Q2026-can.txt"), "Canada", table, period), 0);
    EXPECT_EQ(period, (TaxPeriod{2026, 2, "Canada"}));
    ExpectPublishedRates(table, true);

    table = FixtureTable();
    EXPECT_EQ(ParseChart(ReadFixture("2Q2026-can.txt"), "US", table, period), 0);
    ExpectPublishedRates(table, false);
}

// A text that is not a chart (no quarter and year on the first line, or no line that
// fills a slot) is refused and changes neither the table nor its period.
TEST(ParseChartTest, TextThatIsNotAChartChangesNothing)
{
    const std::string texts[] = {
        ReadFixture("error-page.html"),
        "",
        "2nd Quarter 2026\t\t\n\tGasoline\tDiesel\n",      // the heading alone
        "Rates\t\nALABAMA\t$0.1700\t$0.1800\t\n",          // no quarter and year
        "7th Quarter 2026\t\nALABAMA\t$0.1700\t$0.1800\n", // no such quarter
    };
    for (const std::string &text : texts) {
        TaxRateTable table = FixtureTable();
        TaxPeriod period{2005, 1, "Canada"};
        ChartParseReport report;
        EXPECT_EQ(ParseChart(text, "US", table, period, &report), kNotAChart) << text.substr(0, 40);
        EXPECT_TRUE(report.filledSlots.empty());
        EXPECT_EQ(table, FixtureTable());
        EXPECT_EQ(period, (TaxPeriod{2005, 1, "Canada"}));
    }
}

TEST(ParseChartTest, UnknownNamesArePassedOverAndUnnamedSlotsNeverWritten)
{
    TaxRateTable table;
    table[0].name = "Alabama";
    table[2].name = "Wyoming"; // slot 1 has no name
    TaxPeriod period;
    ChartParseReport report;
    std::vector<int> steps;
    const std::string chart = "1st Quarter 2005\t\n"
                              "Footnotes continue here\n" // text without a tab
                              "ALABAMA\t$0.1700\t$0.1800\t\n"
                              "GUAM\t$9.0000\t$9.0000\t\n" // no slot of that name
                              "\t\t\n"
                              "WYOMING #32\t$-\t$0.1400"; // no tab nor line end at the end
    EXPECT_EQ(ParseChart(chart, "US", table, period, &report, [&](int s) { steps.push_back(s); }),
              -1);
    EXPECT_EQ(period, (TaxPeriod{2005, 1, "US"}));
    // The tab-less line reads together with the next name and is passed over; ALABAMA on
    // its own line is still found.
    EXPECT_EQ(table[0].gasolineRate, TenThousandths{1700});
    EXPECT_EQ(table[0].dieselRate, TenThousandths{1800});
    EXPECT_EQ(table[1], TaxRate{});
    EXPECT_EQ(table[2].gasolineRate, TenThousandths{0});
    EXPECT_EQ(table[2].dieselRate, TenThousandths{1400});
    ASSERT_EQ(report.unmatchedNames.size(), 2u);
    EXPECT_EQ(report.unmatchedNames[1], "GUAM");
    EXPECT_EQ(report.filledSlots, (std::vector<int>{0, 2}));
    EXPECT_EQ(steps, (std::vector<int>{50, 51}));
}

TEST(ParseChartTest, TitleGivesQuarterDigitAndYearFromTheFirstTwo)
{
    TaxRateTable table;
    table[0].name = "Alabama";
    TaxPeriod period;
    ParseChart("4Q2009\t\nALABAMA\t\n$0.1\t$0.2\n", "Canada", table, period);
    EXPECT_EQ(period, (TaxPeriod{2009, 4, "Canada"}));
    ParseChart("3rd Quarter of year 2011,,,\r\nALABAMA,$0.1,$0.2\r\n", "US", table, period);
    EXPECT_EQ(period, (TaxPeriod{2011, 3, "US"}));
}

TEST(FindRateRowTest, MatchesByBeginningWithoutChangingTheTable)
{
    TaxRateTable table;
    table[0].name = "Kentucky";
    table[1].name = "KY Surcharge";
    table[1].surcharge = 1;
    table[2].name = "New Mexico  "; // trailing blanks do not count
    table[3].name = "West Virginia";
    table[4].name = "Newfoundland";
    table[5].name = "Quebec";
    const TaxRateTable before = table;

    EXPECT_EQ(FindRateRow("KENTUCKY", table), 0);
    EXPECT_EQ(FindRateRow("kentucky  ", table), 0);
    EXPECT_EQ(FindRateRow("KENTUCKY SURCHARGE", table), 1);
    EXPECT_EQ(FindRateRow("KENTUCKY SurChg ", table), 1);
    // The surcharge word counts wherever it stands, not only at the end: such a line
    // never writes the state's own slot.
    EXPECT_EQ(FindRateRow("KENTUCKY SURCHARGE (a)", table), 1);
    EXPECT_EQ(FindRateRow("KENTUCKY SURCHG. #12", table), 1);
    EXPECT_EQ(FindRateRow("KENTUCKY (SURCHARGE)", table), 1);
    EXPECT_EQ(FindRateRow("KENTUCKYSURCHARGE", table), 0); // no word: the state's line
    EXPECT_EQ(FindRateRow("New Mexico #33", table), 2);
    EXPECT_EQ(FindRateRow("NEWFOUNDLAND", table), 4);
    EXPECT_EQ(FindRateRow("QUEBEC", table), 5);
    EXPECT_EQ(FindRateRow("QUEBEC #4 ", table), 5);
    // A surcharge with no surcharge slot is not taken for the state's own rates.
    EXPECT_EQ(FindRateRow("WEST VIRGINIA SURCHARGE", table), -1);
    EXPECT_EQ(FindRateRow("INDIANA SurChg #31", table), -1);
    EXPECT_EQ(FindRateRow("GUAM", table), -1);
    EXPECT_EQ(FindRateRow("", table), -1);
    EXPECT_EQ(table, before); // letter case of the stored names kept
}

// The chart's form comes from its lines: one tab in a footnote of a comma chart does not
// make it a tab chart, nor one comma in a note of a tab chart a comma chart.
TEST(ParseChartTest, FormIsDecidedByTheLinesNotByOneStraySeparator)
{
    const struct {
        const char *fixture;
        const char *stray;
        const char *country;
    } cases[] = {
        {"2Q2026.csv", "\r\n(a) Surcharge\tsee note,,\r\n", "US"},
        {"2Q2026-us.txt", "\nNote, rates per gallon\n", "US"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fixture);
        TaxRateTable clean = FixtureTable();
        TaxRateTable stray = FixtureTable();
        TaxPeriod period;
        ChartParseReport cleanReport, report;
        ParseChart(ReadFixture(c.fixture), c.country, clean, period, &cleanReport);
        ParseChart(ReadFixture(c.fixture) + c.stray, c.country, stray, period, &report);
        EXPECT_GT(cleanReport.filledSlots.size(), 50u);
        EXPECT_EQ(report.filledSlots, cleanReport.filledSlots);
        for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
            EXPECT_EQ(stray[slot].dieselRate, clean[slot].dieselRate) << stray[slot].name;
            EXPECT_EQ(stray[slot].gasolineRate, clean[slot].gasolineRate) << stray[slot].name;
        }
    }
}

TEST(FindRateRowTest, FirstSlotWhoseNameBeginsTheChartNameWins)
{
    TaxRateTable table;
    table[3].name = "New";
    table[7].name = "New Mexico";
    table[8].name = "Ohio";
    table[9].name = "OH Surcharge"; // known by its name, flag not set
    EXPECT_EQ(FindRateRow("NEW MEXICO", table), 3);
    EXPECT_EQ(FindRateRow("OHIO SURCHG", table), 9);
    EXPECT_EQ(FindRateRow("OHIO", table), 8);
}
