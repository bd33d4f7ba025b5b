// Each rule of the quarter check with a record that triggers it and one that must not:
// the clean quarter of checktest.h spoiled in one way, and the rule's findings compared
// whole (trip, jurisdiction and message with its figures).

#include "checktest.h"

#include "check/odometertrace.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace checktest;

namespace {

using Lines = std::vector<TripEntry>;

struct RuleCase {
    friend void PrintTo(const RuleCase &c, std::ostream *out) { *out << c.name; }

    const char *name;
    CheckRule rule;
    std::function<void(Lines &, Quarter &)> spoil;
    Findings expected; // empty: the spoiled record must still pass the rule
};

void SetCountry(Quarter &q, const char *country)
{
    CompanyInfo company = q.doc.company();
    company.country = country;
    q.doc.setCompany(company);
}

void SetGasoline(Quarter &q)
{
    CompanyInfo company = q.doc.company();
    company.diesel = 0;
    company.gasoline = 1;
    q.doc.setCompany(company);
}

void SetPeriodDates(Quarter &q, PeriodDate from, PeriodDate to)
{
    CompanyInfo company = q.doc.company();
    company.periodFrom = from;
    company.periodTo = to;
    q.doc.setCompany(company);
}

void SetUnits(Lines &l, const std::vector<const char *> &units)
{
    for (size_t i = 0; i < l.size() && i < units.size(); ++i)
        l[i].reservedText = units[i];
}

Finding F(CheckRule rule, int32_t trip, const char *jurisdiction, const char *message)
{
    return Finding{rule, trip, jurisdiction, message};
}

const RuleCase kCases[] = {
    {"GapBetweenTrips",
     CheckRule::OdometerGap,
     [](Lines &l, Quarter &) { l[1].odometerIn = 1520; },
     {F(CheckRule::OdometerGap, 2, "ON",
        "20 km on no trip line: trip 1 ends at 1500, trip 2 starts at 1520")}},
    {"GapInMilesForAUsCarrier",
     CheckRule::OdometerGap,
     [](Lines &l, Quarter &q) {
         SetCountry(q, "US");
         l[4].odometerIn = 2100;
     },
     {F(CheckRule::OdometerGap, 5, "QC",
        "100 mi on no trip line: trip 3 ends at 2000, trip 5 starts at 2100")}},
    // A record kept without odometers has zeros: nothing to compare.
    {"ZeroReadingIsNoGap",
     CheckRule::OdometerGap,
     [](Lines &l, Quarter &) { l[1].odometerIn = 0; },
     {}},
    // The surcharge line between trips 3 and 5 carries other readings: passed over.
    {"SurchargeLinePassedOver",
     CheckRule::OdometerGap,
     [](Lines &l, Quarter &) {
         l[3].odometerIn = 5000;
         l[3].odometerOut = 5200;
     },
     {}},
    // Each truck has its own odometer: unit B's readings do not follow unit A's.
    {"UnitsFollowOnEachOnTheirOwn",
     CheckRule::OdometerGap,
     [](Lines &l, Quarter &) {
         SetUnits(l, {"A", "A", "B", "B", "B"});
         l[2].odometerIn = l[3].odometerIn = 8000;
         l[2].odometerOut = l[3].odometerOut = 8200;
         l[4].odometerIn = 8200;
         l[4].odometerOut = 8600;
     },
     {}},
    {"GapWithinAUnit",
     CheckRule::OdometerGap,
     [](Lines &l, Quarter &) {
         SetUnits(l, {"A", "A", "B", "B", "A"});
     },
     {F(CheckRule::OdometerGap, 5, "QC",
        "200 km on no trip line: trip 2 ends at 1800, trip 5 starts at 2000")}},
    {"OverlapWithPreviousTrip",
     CheckRule::OdometerOverlap,
     [](Lines &l, Quarter &) { l[1].odometerIn = 1450; },
     {F(CheckRule::OdometerOverlap, 2, "ON",
        "50 km on two trip lines: trip 2 starts at 1450, before trip 1 ends at 1500")}},
    {"GapIsNoOverlap",
     CheckRule::OdometerOverlap,
     [](Lines &l, Quarter &) { l[1].odometerIn = 1520; },
     {}},
    {"OdometerRunsBackwards",
     CheckRule::OdometerBackwards,
     [](Lines &l, Quarter &) { l[4].odometerOut = 1900; },
     {F(CheckRule::OdometerBackwards, 5, "QC",
        "Odometer out 1900 is 100 km less than odometer in 2000")}},
    {"OutMissingIsNotBackwards",
     CheckRule::OdometerBackwards,
     [](Lines &l, Quarter &) { l[4].odometerOut = 0; },
     {}},
    {"DatesOutsideTheQuarter",
     CheckRule::OutsideQuarter,
     [](Lines &l, Quarter &) {
         l[0].date = "2026/03/31";
         l[1].date = "2026/02/30";
         l[2].date = "";
         l[4].date = "2026/07/01";
     },
     {F(CheckRule::OutsideQuarter, 1, "QC",
        "The date 2026/03/31 is outside 2Q2026 (2026/04/01 to 2026/06/30)"),
      F(CheckRule::OutsideQuarter, 2, "ON", "The date 2026/02/30 is not a real date"),
      F(CheckRule::OutsideQuarter, 3, "KY", "The trip has no date"),
      F(CheckRule::OutsideQuarter, 5, "QC",
        "The date 2026/07/01 is outside 2Q2026 (2026/04/01 to 2026/06/30)")}},
    {"DateOutsideTheYearsOfDates",
     CheckRule::OutsideQuarter,
     [](Lines &l, Quarter &) { l[0].date = "1899/12/31"; },
     {F(CheckRule::OutsideQuarter, 1, "QC",
        "The date 1899/12/31 is outside the years 1900 to 2099")}},
    {"FirstAndLastDayAreInside",
     CheckRule::OutsideQuarter,
     [](Lines &l, Quarter &) {
         l[0].date = "2026/04/01";
         l[4].date = "2026/06/30";
     },
     {}},
    {"FuelBoughtWhereTheTruckNeverDrove",
     CheckRule::FuelWithoutDistance,
     [](Lines &l, Quarter &) { l.push_back(Line(6, "2026/05/11", NB, 0, 60.0f, 0, 0)); },
     {F(CheckRule::FuelWithoutDistance, 0, "NB",
        "60.00 L bought in New Brunswick and no distance driven there")}},
    {"FuelWithDistanceElsewhereOnly",
     CheckRule::FuelWithoutDistance,
     [](Lines &l, Quarter &) { l.push_back(Line(6, "2026/05/11", NB, 10, 60.0f, 0, 0)); },
     {}},
    {"DistanceAndNoFuel",
     CheckRule::NoFuel,
     [](Lines &l, Quarter &) {
         for (TripEntry &e : l)
             e.fuel = Fuel(0.0);
     },
     {F(CheckRule::NoFuel, 0, "", "1,400 km driven in the quarter and no fuel bought")}},
    {"SomeFuel",
     CheckRule::NoFuel,
     [](Lines &l, Quarter &) {
         l[0].fuel = Fuel(0.0);
         l[1].fuel = Fuel(0.0);
     },
     {}},
    {"AverageAboveTheRange",
     CheckRule::AverageRange,
     [](Lines &l, Quarter &) { l[0].fuel = Fuel(10.0); },
     {F(CheckRule::AverageRange, 0, "",
        "The fleet average of 6.67 km/L is outside 1.70 to 4.25 km/L")}},
    {"AverageBelowTheRangeInMiles",
     CheckRule::AverageRange,
     [](Lines &l, Quarter &q) {
         SetCountry(q, "US");
         for (TripEntry &e : l)
             e.distanceInMiles = e.fuelInGallons = 1;
     },
     {F(CheckRule::AverageRange, 0, "",
        "The fleet average of 3.50 MPG is outside 4.00 to 10.00 MPG")}},
    {"AverageAtTheTopOfTheRange",
     CheckRule::AverageRange,
     [](Lines &l, Quarter &) { l[0].fuel = Fuel(129.41); },
     {}},
    {"RateOfAnOlderTable",
     CheckRule::RateDiffers,
     [](Lines &l, Quarter &) { l[4].rate = Rate(0.2); },
     {F(CheckRule::RateDiffers, 5, "QC", "1 trip line carries 0.2000, the loaded table 0.2020")}},
    {"SeveralLinesOneFinding",
     CheckRule::RateDiffers,
     [](Lines &l, Quarter &) {
         l[4].rate = Rate(0.2);
         l[0].rate = Rate(0.19);
     },
     {F(CheckRule::RateDiffers, 1, "QC",
        "2 trip lines carry a rate other than the loaded table's 0.2020 (trip 1: 0.1900)")}},
    // A gasoline record is held against the gasoline rates.
    {"GasolineRatesOfAGasolineRecord",
     CheckRule::RateDiffers,
     [](Lines &l, Quarter &q) {
         SetGasoline(q);
         for (TripEntry &e : l)
             e.rate = MakeTable()[e.slot].gasolineRate;
     },
     {}},
    // A rate edited and applied to some lines only: the report taxes the row at its last
    // line's rate.
    {"LinesOfOneJurisdictionAtTwoRates",
     CheckRule::RateMixed,
     [](Lines &l, Quarter &) { l[4].rate = Rate(0.2); },
     {F(CheckRule::RateMixed, 5, "QC",
        "Trip lines in Quebec carry 2 rates: 0.2020 on 1 line (trip 1), 0.2000 on 1 line "
        "(trip 5); the report taxes the row at 0.2000, its last line's")}},
    {"ThreeRatesInRecordOrder",
     CheckRule::RateMixed,
     [](Lines &l, Quarter &) {
         l.push_back(Line(6, "2026/05/11", QC, 10, 0.0f, 2400, 2410));
         l.push_back(Line(7, "2026/05/12", QC, 10, 0.0f, 2410, 2420));
         l[0].rate = Rate(0.19);
         l[5].rate = Rate(0.19);
         l[6].rate = Rate(0.21);
         std::swap(l[0], l[6]); // the record's last QC line is trip 1
     },
     {F(CheckRule::RateMixed, 5, "QC",
        "Trip lines in Quebec carry 3 rates: 0.1900 on 2 lines (from trip 1), 0.2020 on 1 "
        "line (trip 5), 0.2100 on 1 line (trip 7); the report taxes the row at 0.1900, its "
        "last line's")}},
    // Every line at one rate, even another than the table's, is one rate (rate-differs
    // says the rest); the kilometre report leaves out lines of rate 0.
    {"OneOtherRateIsNotMixed",
     CheckRule::RateMixed,
     [](Lines &l, Quarter &) {
         l[0].rate = Rate(0.19);
         l[4].rate = Rate(0.19);
     },
     {}},
    {"LineOfRateZeroInKilometres",
     CheckRule::RateMixed,
     [](Lines &l, Quarter &) { l[4].rate = Rate(0.0); },
     {}},
    {"SurchargeLinesMissing",
     CheckRule::SurchargeMissing,
     [](Lines &l, Quarter &) { l.erase(l.begin() + 3); },
     {F(CheckRule::SurchargeMissing, 0, "KY",
        "200 km driven in Kentucky, 0 km on its KY Surcharge lines")}},
    {"SurchargeOfRateZero",
     CheckRule::SurchargeMissing,
     [](Lines &l, Quarter &q) {
         l.erase(l.begin() + 3);
         TaxRate rate = q.rates.table()[3];
         rate.dieselRate = TenThousandths{0};
         q.rates.modifySlot(3, rate);
     },
     {}},
    {"JurisdictionWithoutSurchargeSlot",
     CheckRule::SurchargeMissing,
     [](Lines &l, Quarter &) { l.push_back(Line(6, "2026/05/11", NB, 0, 0.0f, 0, 0)); },
     {}},
    {"TripEnteredTwice",
     CheckRule::DuplicateTrip,
     [](Lines &l, Quarter &) {
         TripEntry again = l[1];
         again.tripNumber = 6;
         l.push_back(again);
         again.tripNumber = 7;
         l.push_back(again);
     },
     {F(CheckRule::DuplicateTrip, 6, "ON",
        "Repeats trip 2: the same date, jurisdiction, distance, fuel and odometers"),
      F(CheckRule::DuplicateTrip, 7, "ON",
        "Repeats trip 2: the same date, jurisdiction, distance, fuel and odometers")}},
    {"SameTripOtherFuel",
     CheckRule::DuplicateTrip,
     [](Lines &l, Quarter &) {
         TripEntry again = l[1];
         again.tripNumber = 6;
         again.fuel = Fuel(100.01);
         l.push_back(again);
     },
     {}},
    {"SameTripOtherUnit",
     CheckRule::DuplicateTrip,
     [](Lines &l, Quarter &) {
         TripEntry again = l[1];
         again.tripNumber = 6;
         again.reservedText = "B";
         l.push_back(again);
     },
     {}},
    // Unit A: 800 km on 300 L, 2.67 km/L; unit B: 600 km on 100 L, 6.00 km/L. The fleet's
    // 3.50 km/L hides B's.
    {"AUnitsAverageOutsideTheRange",
     CheckRule::UnitAverageRange,
     [](Lines &l, Quarter &) {
         SetUnits(l, {"A", "A", "B", "B", "B"});
     },
     {F(CheckRule::UnitAverageRange, 0, "",
        "The average of unit B, 6.00 km/L, is outside 1.70 to 4.25 km/L")}},
    {"NoUnitAveragesWithoutUnits",
     CheckRule::UnitAverageRange,
     [](Lines &l, Quarter &) { l[4].fuel = Fuel(10.0); },
     {}},
    {"TableOfAnotherQuarter",
     CheckRule::PeriodMismatch,
     [](Lines &, Quarter &q) {
         q.rates.setPeriod(TaxPeriod{2026, 1, "Canada"});
     },
     {F(CheckRule::PeriodMismatch, 0, "",
        "The record is for 2Q2026, the loaded tax-rate table for 1Q2026")}},
    // The table's country is the chart's, not the carrier's: only year and quarter count.
    {"TableOfTheUsChart",
     CheckRule::PeriodMismatch,
     [](Lines &, Quarter &q) {
         q.rates.setPeriod(TaxPeriod{2026, 2, "US"});
     },
     {}},
    // Company Info's dates set to the next quarter, kept when asked to move the record.
    {"CompanyDatesInAnotherQuarter",
     CheckRule::CompanyDates,
     [](Lines &, Quarter &q) {
         SetPeriodDates(q, {2026, 7, 1}, {2026, 9, 30});
     },
     {F(CheckRule::CompanyDates, 0, "",
        "The company's period 2026/07/01 to 2026/09/30 is in 3Q2026, the record is for "
        "2Q2026")}},
    // A record file written before the rule may hold dates across two quarters.
    {"CompanyDatesAcrossTwoQuarters",
     CheckRule::CompanyDates,
     [](Lines &, Quarter &q) {
         SetPeriodDates(q, {2026, 2, 2}, {2026, 6, 30});
     },
     {F(CheckRule::CompanyDates, 0, "",
        "The company's period 2026/02/02 to 2026/06/30 does not lie in one quarter")}},
    {"CompanyDatesOfTheQuarter",
     CheckRule::CompanyDates,
     [](Lines &, Quarter &q) {
         SetPeriodDates(q, {2026, 4, 1}, {2026, 6, 30});
     },
     {}},
    // Dollars per litre for a carrier in miles and gallons, or the reverse.
    {"CarrierInMilesWithTheCanadianTable",
     CheckRule::TableCountry,
     [](Lines &, Quarter &q) { SetCountry(q, "US"); },
     {F(CheckRule::TableCountry, 0, "",
        "The loaded tax-rate table is for Canada (rates per litre); the carrier's country "
        "\"US\" reports in miles and US gallons")}},
    {"CanadianCarrierWithTheUsTable",
     CheckRule::TableCountry,
     [](Lines &, Quarter &q) { q.rates.setPeriod(TaxPeriod{2026, 2, "US"}); },
     {F(CheckRule::TableCountry, 0, "",
        "The loaded tax-rate table is for the US (rates per US gallon); the carrier's "
        "country \"Canada\" reports in kilometres and litres")}},
    {"AnotherCountryInMilesWithTheUsTable",
     CheckRule::TableCountry,
     [](Lines &, Quarter &q) {
         SetCountry(q, "Mexico");
         q.rates.setPeriod(TaxPeriod{2026, 2, "US"});
     },
     {}},
    {"SlotsOutsideTheTable",
     CheckRule::SlotOutsideTable,
     [](Lines &l, Quarter &) {
         l[3].slot = 9999;
         l[1].slot = -1;
     },
     {F(CheckRule::SlotOutsideTable, 2, "",
        "2 trip lines name a jurisdiction slot outside the tax-rate table (trip 2: slot -1); "
        "the report leaves them out.")}},
    {"LastSlotOfTheTable",
     CheckRule::SlotOutsideTable,
     [](Lines &l, Quarter &) { l[0].slot = 71; },
     {}},
    // At 3.50 km/L the return owes 8.27; at 1.70 km/L every jurisdiction's taxable fuel
    // doubles and more: 96.34.
    {"ExposureAtTheDefaultAverage",
     CheckRule::Exposure,
     [](Lines &, Quarter &) {},
     {F(CheckRule::Exposure, 0, "", "An audit at 1.70 km/L would add 88.07 to the tax due")}},
    {"NoExposureBelowTheDefault",
     CheckRule::Exposure,
     [](Lines &l, Quarter &) { l[0].fuel = Fuel(700.0); },
     {}},
    {"NoExposureWithoutFuel",
     CheckRule::Exposure,
     [](Lines &l, Quarter &) {
         for (TripEntry &e : l)
             e.fuel = Fuel(0.0);
     },
     {}},
};

class CheckRuleTest : public ::testing::TestWithParam<RuleCase>
{
};

TEST_P(CheckRuleTest, FindsWhatTheRecordHolds)
{
    const RuleCase &c = GetParam();
    Quarter q;
    Lines lines = CleanLines();
    c.spoil(lines, q);
    q.doc.replaceEntries(std::move(lines));
    EXPECT_EQ(OfRule(q.check(), c.rule), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, CheckRuleTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

// The clean quarter gives no finding but the exposure, and neither does an empty record.
TEST(QuarterCheck, CleanQuarterHasOnlyTheExposure)
{
    const Findings findings = Quarter().check();
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].rule, CheckRule::Exposure);
    EXPECT_EQ(CountProblems(findings), 0u);
    EXPECT_TRUE(Quarter(Lines{}).check().empty());
}

// Rule by rule in the listed order, by trip within a rule, the exposure last; the trip
// order is the trip numbers', not the record's.
TEST(QuarterCheck, ListsRuleByRuleAndByTrip)
{
    Lines lines = CleanLines();
    lines[4].date = "2026/07/01"; // outside-quarter, trip 5
    lines[0].date = "2026/01/01"; // outside-quarter, trip 1
    lines[1].odometerIn = 1520;   // odometer-gap, trip 2
    lines[2].rate = Rate(0.3);    // rate-differs, trip 3
    lines[1].rate = Rate(0.2);    // rate-differs and rate-mixed, trip 2
    lines.push_back(Line(6, "2026/05/11", ON, 10, 1.0f, 2400, 2410)); // at the table's rate
    std::swap(lines[0], lines[4]); // record order is not trip order
    Quarter q(lines);
    q.rates.setPeriod(TaxPeriod{2026, 1, "US"}); // period-mismatch and table-country
    std::vector<std::pair<CheckRule, int32_t>> got;
    for (const Finding &f : q.check())
        got.emplace_back(f.rule, f.trip);
    const std::vector<std::pair<CheckRule, int32_t>> expected = {
        {CheckRule::OdometerGap, 2},    {CheckRule::OutsideQuarter, 1},
        {CheckRule::OutsideQuarter, 5}, {CheckRule::RateDiffers, 2},
        {CheckRule::RateDiffers, 3},    {CheckRule::RateMixed, 6},
        {CheckRule::PeriodMismatch, 0}, {CheckRule::TableCountry, 0},
        {CheckRule::Exposure, 0},
    };
    EXPECT_EQ(got, expected);
}

TEST(QuarterCheck, ListLinesAndQuestion)
{
    EXPECT_EQ(CheckLine(Finding{CheckRule::FuelWithoutDistance, 0, "NB", "text"}),
              (ListLine{"fuel-without-distance", "", "NB", "text"}));
    EXPECT_EQ(CheckLine(Finding{CheckRule::DuplicateTrip, 12, "ON", "x"})[1], "12");
    EXPECT_EQ(PrintAnywayQuestion(3), "The check found 3 problems in this quarter. Print anyway?");
    EXPECT_EQ(PrintAnywayQuestion(1), "The check found 1 problem in this quarter. Print anyway?");
}

// The odometer line thins a long record to about the points asked for, keeps its first and
// last line and every line the check marked, and skips surcharge lines and lines without
// readings.
TEST(OdometerTrace, ThinsALongRecordButKeepsEveryMark)
{
    Lines lines;
    for (int32_t trip = 1; trip <= 1000; ++trip)
        lines.push_back(Line(trip, "2026/04/02", QC, 10, 3.0f, 1000 + 10 * trip, 1010 + 10 * trip));
    lines[499].odometerIn += 5; // a gap at trip 500
    lines[777].odometerIn -= 5; // an overlap at trip 778
    lines[3].odometerIn = 0;    // no readings: not on the line
    lines.push_back(Line(1001, "2026/04/02", KX, 10, 0.0f, 1, 2, 1)); // passed over
    Quarter q(lines);
    const Findings findings = q.check();
    const std::vector<OdometerPoint> all = OdometerTrace(q.doc, findings, 0);
    EXPECT_EQ(all.size(), 999u);
    const std::vector<OdometerPoint> thin = OdometerTrace(q.doc, findings, 100);
    EXPECT_LE(thin.size(), 104u);
    EXPECT_EQ(thin.front().trip, 1);
    EXPECT_EQ(thin.back().trip, 1000);
    std::vector<std::pair<int32_t, OdometerMark>> marks;
    for (const OdometerPoint &p : thin) {
        if (p.mark != OdometerMark::None)
            marks.emplace_back(p.trip, p.mark);
    }
    const std::vector<std::pair<int32_t, OdometerMark>> expected = {{500, OdometerMark::Gap},
                                                                    {778, OdometerMark::Overlap}};
    EXPECT_EQ(marks, expected);
}
