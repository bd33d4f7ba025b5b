// Golden report lines for named cases: every case compares whole list lines (all ten
// column texts), so a wrong unit, rounding or total shows up as a changed line.

#include "report/report.h"
#include "numbers/exactround.h"
#include "report/vehiclerecord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// A small table: three ordinary jurisdictions and Kentucky's surcharge slot.
TaxRateTable MakeTable()
{
    TaxRateTable table;
    struct {
        const char *name, *abbreviation;
        int64_t diesel, gasoline; // ten-thousandths
        int surcharge;
    } const rows[] = {
        {"Quebec", "QC", 1520, 1400, 0},
        {"Ontario", "ON", 1430, 1470, 0},
        {"Kentucky", "KY", 2850, 2600, 0},
        {"KY Surcharge", "KX", 470, 470, 1},
    };
    int slot = 0;
    for (const auto &r : rows) {
        TaxRate &rate = table[slot];
        rate = TaxRate{r.name, r.abbreviation, {r.diesel}, {r.gasoline}, r.surcharge, slot};
        ++slot;
    }
    return table;
}

enum Slot { QC = 0, ON = 1, KY = 2, KX = 3 };

// A trip line; fuel in hundredths, the rate in ten-thousandths.
TripEntry Line(int slot, uint32_t distance, int64_t fuel, int64_t rate, int miles = 0,
               int gallons = 0, int surcharge = 0)
{
    TripEntry entry;
    entry.slot = slot;
    entry.distance = distance;
    entry.fuel = Hundredths{fuel};
    entry.rate = TenThousandths{rate};
    entry.distanceInMiles = miles;
    entry.fuelInGallons = gallons;
    entry.surcharge = surcharge;
    return entry;
}

std::string Join(const ListLine &line)
{
    std::string text;
    for (size_t i = 0; i < line.size(); ++i)
        text += (i ? "|" : "") + line[i];
    return text;
}

class ReportTest : public ::testing::Test
{
protected:
    ReportTest() : doc(&rates) { rates.replaceFromFile(MakeTable()); }

    // The report's list lines for `lines` of a carrier in `country`, joined.
    std::vector<std::string> ReportText(const char *country, std::vector<TripEntry> lines)
    {
        CompanyInfo company = doc.company();
        company.country = country;
        doc.setCompany(company);
        doc.replaceEntries(std::move(lines));
        std::vector<std::string> joined;
        for (const ListLine &line : ListReport(doc)) {
            EXPECT_EQ(line.size(), 10u);
            joined.push_back(Join(line));
        }
        return joined;
    }

    LoadedTaxTable rates;
    CIftaDoc doc;
};

const std::string kEmptyLine = "|||||||||";

std::string Headings(const std::string &country)
{
    ListLine headings;
    for (const ListColumn &column : ReportColumns(country))
        headings.push_back(column.heading);
    return Join(headings);
}

} // namespace

TEST(ExactRoundTest, HalvesGoUpwardOrAwayFromZero)
{
    struct Case {
        int64_t num, den, halfUp, awayFromZero;
    } const cases[] = {
        {125, 1000, 0, 0},   {1250, 100, 13, 13}, {-1250, 100, -12, -13}, {-1251, 100, -13, -13},
        {1249, 100, 12, 12}, {5, -10, 0, -1},     {0, 7, 0, 0},           {-38675, 1000, -39, -39},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ExactRound::HalfUp(c.num, c.den), c.halfUp) << c.num << "/" << c.den;
        EXPECT_EQ(ExactRound::HalfAwayFromZero(c.num, c.den), c.awayFromZero)
            << c.num << "/" << c.den;
    }
}

TEST_F(ReportTest, KilometreReportWithCreditAndDue)
{
    // 1500 km on 250 L: 6.00 km/L. Quebec bought more than it used, Ontario nothing.
    const auto lines = ReportText("Canada", {Line(QC, 1000, 25000, 1520), Line(ON, 500, 0, 1430)});
    const std::vector<std::string> expected = {
        "States|Abbrev|Total distance(Km)|Taxable distance(Km)|Km/L|Fuel taxable|Fuel paid|"
        "Difference|Tax|To pay(+)/Credit(-)",
        "Quebec|QC|1000|1000|6.00|166.67|250.00|-83.33|0.1520|-12.67",
        "Ontario|ON|500|500|6.00|83.33|0.00|83.33|0.1430|11.92",
        kEmptyLine,
        "Total||1500|1500|6.00|250.00|250.00|0.00||-0.75",
    };
    std::vector<std::string> withHeadings = {Headings("Canada")};
    withHeadings.insert(withHeadings.end(), lines.begin(), lines.end());
    EXPECT_EQ(withHeadings, expected);
    const Report report = ComputeReport(doc);
    EXPECT_EQ(report.totals.totalDistance, 1500);
    EXPECT_EQ(report.totals.fleetAverage, Hundredths{600});
}

// Each unit system's conversions and roundings, a quarter of two lines each.
TEST_F(ReportTest, UnitsConvertAndRoundAsEachSystemSays)
{
    struct Case {
        const char *what, *country;
        std::vector<TripEntry> lines;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        // 12 miles on 3 gallons: 4.00 MPG. Line A: 10/4 = 2.50 taxable, 0.50 more than
        // paid, times 0.25 is exactly 0.125, shown 0.13; line B gives exactly -0.125,
        // shown -0.12.
        {"tax halves rounded upward",
         "US",
         {Line(QC, 10, 200, 2500, 1, 1), Line(ON, 2, 100, 2500, 1, 1)},
         {"Quebec|QC|10|10|4.00|2.50|2.00|0.50|0.2500|0.13",
          "Ontario|ON|2|2|4.00|0.50|1.00|-0.50|0.2500|-0.12", kEmptyLine,
          "Total||12|12|4.00|3.00|3.00|0.00||0.01"}},
        // 10 miles are 16.09 km -> 16; 1 mile is 1.61 km -> 2; 10 US gallons are 37.85 L.
        // 18 km on 37.85412 L: 0.4755 -> 0.48 km/L.
        {"miles rounded to kilometres, gallons to litres",
         "Canada",
         {Line(QC, 10, 1000, 1520, 1, 1), Line(ON, 1, 0, 1430, 1, 0)},
         {"Quebec|QC|16|16|0.48|33.33|37.85|-4.52|0.1520|-0.69",
          "Ontario|ON|2|2|0.48|4.17|0.00|4.17|0.1430|0.60", kEmptyLine,
          "Total||18|18|0.48|37.50|37.85|-0.35||-0.09"}},
        // 16 km are 9.94 miles -> 9 (truncated, not rounded); 1 km -> 0 miles; 10 L are
        // 2.6417 US gallons. 9 miles on the 2.64 gallons shown: 3.409 -> 3.41 MPG.
        // Ontario's 0 miles and no fuel give no line. A zero difference has no sign.
        {"kilometres truncated to miles, litres to gallons",
         "US",
         {Line(QC, 16, 1000, 1400), Line(ON, 1, 0, 1470)},
         {"Quebec|QC|9|9|3.41|2.64|2.64|0.00|0.1400|0.00", kEmptyLine,
          "Total||9|9|3.41|2.64|2.64|0.00||0.00"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ReportText(c.country, c.lines), c.expected) << c.what;
    EXPECT_EQ(ReportColumns("US")[2].heading, "Total distance(Mil)");
    EXPECT_EQ(ReportColumns("US")[4].heading, "MPG");
}

TEST_F(ReportTest, SurchargeLineCountsOnlyAsTaxableDistance)
{
    // Kentucky 400 km with its surcharge line repeating the 400 km without fuel.
    const auto lines = ReportText("Canada", {Line(QC, 600, 10000, 1520), Line(KY, 400, 0, 2850),
                                             Line(KX, 400, 0, 470, 0, 0, 1)});
    // The average takes 1000 km, not 1400: 10.00 km/L.
    const std::vector<std::string> expected = {
        "Quebec|QC|600|600|10.00|60.00|100.00|-40.00|0.1520|-6.08",
        "Kentucky|KY|400|400|10.00|40.00|0.00|40.00|0.2850|11.40",
        "KY Surcharge|KX|0|400|10.00|40.00|0.00|40.00|0.0470|1.88",
        kEmptyLine,
        "Total||1000|1400|10.00|140.00|100.00|40.00||7.20",
    };
    EXPECT_EQ(lines, expected);
    const Report report = ComputeReport(doc);
    EXPECT_EQ(report.totals.totalDistance, 1000);
    EXPECT_EQ(report.totals.taxableDistance, 1400);
}

TEST_F(ReportTest, NoFuelAnywhereGivesTheInvalidAverage)
{
    // The division by the 100000.0 marker is still carried out: 12345 / 100000 -> 0.12.
    const auto lines = ReportText("Canada", {Line(QC, 12345, 0, 1520)});
    const std::vector<std::string> expected = {
        "Quebec|QC|12345|12345|Invalid|0.12|0.00|0.12|0.1520|0.02",
        kEmptyLine,
        "Total||12345|12345|Invalid|0.12|0.00|0.12||0.02",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(ComputeReport(doc).totals.fleetAverage, kInvalidFleetAverage);
}

TEST_F(ReportTest, ComputedAverageOfExactly100000IsShownInvalid)
{
    const auto lines = ReportText("US", {Line(QC, 100000, 100, 1400, 1, 1)});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Quebec|QC|100000|100000|Invalid|1.00|1.00|0.00|0.1400|0.00");
}

TEST_F(ReportTest, KilometreReportSkipsZeroRateLinesMileReportCountsThem)
{
    const std::vector<TripEntry> input = {Line(QC, 500, 5000, 1520), Line(ON, 300, 3000, 0, 0, 0)};
    // Ontario's zero-rate line counts nowhere in the kilometre report, not even the totals.
    EXPECT_EQ(ReportText("Canada", input),
              (std::vector<std::string>{
                  "Quebec|QC|500|500|10.00|50.00|50.00|0.00|0.1520|0.00",
                  kEmptyLine,
                  "Total||500|500|10.00|50.00|50.00|0.00||0.00",
              }));
    // The same lines in miles and gallons (both given so): the rate is not looked at.
    std::vector<TripEntry> imperial = input;
    for (TripEntry &e : imperial)
        e.distanceInMiles = e.fuelInGallons = 1;
    EXPECT_EQ(ReportText("US", imperial),
              (std::vector<std::string>{
                  "Quebec|QC|500|500|10.00|50.00|50.00|0.00|0.1520|0.00",
                  "Ontario|ON|300|300|10.00|30.00|30.00|0.00|0.0000|0.00",
                  kEmptyLine,
                  "Total||800|800|10.00|80.00|80.00|0.00||0.00",
              }));
}

TEST_F(ReportTest, LastLineOfAJurisdictionDecidesRateAndSurcharge)
{
    // Two Quebec lines with different stored rates: the later one's rate holds for the
    // whole line, whatever the table says.
    const auto lines = ReportText("Canada", {Line(QC, 100, 1000, 1500), Line(ON, 100, 1000, 1430),
                                             Line(QC, 100, 1000, 1700)});
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Quebec|QC|200|200|10.00|20.00|20.00|0.00|0.1700|0.00");
    // A surcharge flag on the last Ontario line makes the whole Ontario line a surcharge
    // line.
    const auto flagged =
        ReportText("Canada", {Line(ON, 100, 0, 1430), Line(ON, 100, 0, 470, 0, 0, 1),
                              Line(QC, 100, 1000, 1520)});
    ASSERT_EQ(flagged.size(), 4u);
    EXPECT_EQ(flagged[1], "Ontario|ON|0|200|10.00|20.00|0.00|20.00|0.0470|0.94");
    EXPECT_EQ(flagged[3], "Total||100|300|10.00|30.00|10.00|20.00||0.94");
}

TEST_F(ReportTest, ZeroAverageWhileFuelExistsTaxesNothing)
{
    // All distance lies on a surcharge line while Quebec bought fuel: 0 km on 50 L is an
    // average of 0.00, and no line is divided by it.
    const auto lines =
        ReportText("Canada", {Line(QC, 0, 5000, 1520), Line(KX, 400, 0, 470, 0, 0, 1)});
    const std::vector<std::string> expected = {
        "Quebec|QC|0|0|0.00|0.00|50.00|-50.00|0.1520|-7.60",
        "KY Surcharge|KX|0|400|0.00|0.00|0.00|0.00|0.0470|0.00",
        kEmptyLine,
        "Total||0|400|0.00|0.00|50.00|-50.00||-7.60",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(ReportTest, NothingToReportGivesNoLinesAtAll)
{
    EXPECT_TRUE(ReportText("Canada", {}).empty());
    EXPECT_EQ(ComputeReport(doc).totals.fleetAverage, Hundredths{0});
    // Lines without distance or fuel, or outside the table, make no row and no totals.
    EXPECT_TRUE(ReportText("Canada", {Line(QC, 0, 0, 1520), Line(72, 100, 1000, 1000),
                                      Line(-1, 100, 1000, 1000)})
                    .empty());
    EXPECT_TRUE(ComputeReport(doc).rows.empty());
}

TEST_F(ReportTest, TheComputedReportGivesThePrintedFormsTheirFigures)
{
    ReportText("Canada", {Line(QC, 1000, 25000, 1520), Line(ON, 500, 0, 1430)});
    const Report report = ComputeReport(doc);
    ASSERT_EQ(report.rows.size(), 2u);
    EXPECT_EQ(report.rows[1].slot, ON);
    EXPECT_EQ(report.rows[1].distance, 500u);
    const ReportRowFigures figures = ComputeRowFigures(report.rows[0], report.totals.fleetAverage);
    EXPECT_EQ(figures.taxableFuel, Hundredths{16667});
    EXPECT_EQ(figures.tax, Hundredths{-1267});
    EXPECT_EQ(report.totals.totalTaxableFuel, Hundredths{25000});
    EXPECT_EQ(report.totals.totalTax, Hundredths{-75});
    // A second listing starts again from nothing rather than adding to the last totals.
    ReportText("Canada", {Line(QC, 1000, 25000, 1520), Line(ON, 500, 0, 1430)});
    EXPECT_EQ(ComputeReport(doc).totals.totalTax, Hundredths{-75});
}

// A unit's fuel is the sum of its jurisdictions' fuel, each converted once as a report
// row's is, so the fleet line agrees with the return's total fuel paid: converting a
// unit's 135.50 gallons at once would give 512.92 L, the rows 361.51 + 151.42.
TEST_F(ReportTest, VehicleFuelIsTheSumOfItsJurisdictionsAsTheReportShowsThem)
{
    std::vector<TripEntry> lines = {Line(QC, 820, 31055, 1520), Line(ON, 300, 9550, 1430, 1, 1),
                                    Line(KY, 210, 4000, 2850, 1, 1), Line(QC, 500, 10000, 1520)};
    lines[0].reservedText = lines[1].reservedText = lines[2].reservedText = "T-104";
    lines[3].reservedText = "T-205";
    ReportText("Canada", lines);
    const FleetRecord fleet = ComputeFleetRecord(doc);
    ASSERT_EQ(fleet.vehicles.size(), 2u);
    EXPECT_EQ(fleet.vehicles[0].fuel, Hundredths{31055 + 36151 + 15142});
    EXPECT_EQ(fleet.fuel, ComputeReport(doc).totals.totalFuelPaid);
    EXPECT_EQ(fleet.average, ComputeReport(doc).totals.fleetAverage);
}
