// Due dates, months late, interest by jurisdiction, the penalty and the totals of a late
// return, all in exact cents.

#include "filing/latereturn.h"
#include "filing/duedate.h"
#include "numbers/decimaltext.h"

#include <gtest/gtest.h>

namespace {

CivilDate Day(const char *text)
{
    CivilDate date;
    EXPECT_TRUE(ParseIsoDate(text, date)) << text;
    return date;
}

TEST(DueDate, LastDayOfTheMonthAfterTheQuarterMovedOffTheWeekend)
{
    const struct {
        int year, quarter;
        const char *unmoved, *due;
    } cases[] = {
        {2026, 1, "2026-04-30", "2026-04-30"}, // a Thursday
        {2026, 2, "2026-07-31", "2026-07-31"}, // a Friday
        {2026, 3, "2026-10-31", "2026-11-02"}, // Saturday to Monday
        {2026, 4, "2027-01-31", "2027-02-01"}, // next year's January; Sunday to Monday
        {2027, 2, "2027-07-31", "2027-08-02"}, {2024, 1, "2024-04-30", "2024-04-30"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FormatIsoDate(QuarterDueDate(c.year, c.quarter)), c.unmoved)
            << c.quarter << "Q" << c.year;
        EXPECT_EQ(FormatIsoDate(FilingDueDate(c.year, c.quarter)), c.due)
            << c.quarter << "Q" << c.year;
    }
}

TEST(DueDate, MonthsLateCountEveryStartedMonthAfterTheDueMonth)
{
    const struct {
        int year, quarter;
        const char *due, *filed;
        int months;
    } cases[] = {
        {2026, 1, "2026-04-30", "2026-04-30", 0},
        {2026, 1, "2026-04-30", "2026-04-01", 0},
        {2026, 1, "2026-04-30", "2026-05-01", 1},
        {2026, 1, "2026-04-30", "2026-08-30", 4},
        // Across the year end: 3Q2025 filed in February counts Nov, Dec, Jan, Feb.
        {2025, 3, "2025-10-31", "2026-02-10", 4},
        // 4Q2025 is due on Saturday January 31, moved to Monday: Monday is on time, Tuesday
        // is one month late (February), counted from the unmoved date.
        {2025, 4, "2026-02-02", "2026-02-02", 0},
        {2025, 4, "2026-02-02", "2026-02-03", 1},
        // A hand-set holiday move into the next month: late the day after, one month.
        {2026, 1, "2026-05-04", "2026-05-05", 1},
        {2026, 1, "2026-05-04", "2026-05-04", 0},
        // A due date set earlier than the quarter's own counts from itself.
        {2026, 1, "2026-03-31", "2026-04-02", 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MonthsLate(c.year, c.quarter, Day(c.due), Day(c.filed)), c.months)
            << c.quarter << "Q" << c.year << " due " << c.due << " filed " << c.filed;
}

TEST(LateReturn, PenaltyIsTheGreaterOfFiftyAndATenthOfTheNetTax)
{
    const struct {
        int64_t net, penalty;
    } cases[] = {
        {0, 5000},     {-12345, 5000}, {1, 5000},       {49999, 5000},     {50000, 5000},
        {50005, 5001}, {50004, 5000},  {123456, 12346}, {1000000, 100000},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LatePenalty(Hundredths{c.net}).units, c.penalty) << c.net;
}

TEST(LateReturn, InterestRoundsOnceHalfUpAndNeverOnACredit)
{
    const struct {
        int64_t tax, factorSum, interest;
    } cases[] = {
        {300, 5000, 2},     // 1.5 cents
        {100, 4999, 0},     // 0.4999 cents
        {5000, 31666, 158}, // 50.00 x 0.031666 = 1.5833
        {-5000, 31666, 0},  // none on a credit
        {0, 31666, 0},
        // A huge tax times a huge summed factor (a hand-edited table) stays exact.
        {1000000000000LL, 3000000000LL, 3000000000000000LL},
    };
    for (const auto &c : cases) {
        Hundredths interest{-1};
        EXPECT_TRUE(JurisdictionInterest(Hundredths{c.tax}, Millionths{c.factorSum}, interest));
        EXPECT_EQ(interest.units, c.interest) << c.tax << " x " << c.factorSum;
    }
    // Beyond 64 bits the interest is refused, not wrapped.
    Hundredths interest{-1};
    EXPECT_FALSE(JurisdictionInterest(Hundredths{INT64_MAX / 2}, Millionths{5000000}, interest));
    EXPECT_EQ(interest.units, -1);
}

// A report of three rows at a fleet average of 5.00: Quebec owes 50.00, Ontario has a
// credit of 100.00, Kentucky owes 12.34.
Report ThreeRowReport()
{
    Report report;
    report.totals.fleetAverage = Hundredths{500};
    // distance / 5 taxable, minus the fuel paid, times the rate.
    report.rows.push_back(ReportRow{0, 1000, Hundredths{10000}, 0, TenThousandths{5000}});
    report.rows.push_back(ReportRow{1, 500, Hundredths{30000}, 0, TenThousandths{5000}});
    report.rows.push_back(ReportRow{2, 617, Hundredths{0}, 0, TenThousandths{1000}});
    return report;
}

InterestRateTable ShippedFactors()
{
    InterestRateTable rates;
    EXPECT_TRUE(rates
                    .parse("US\t2019-01-01\t2020-12-31\t0.005833\n"
                           "US\t2021-01-01\t2022-12-31\t0.004167\n"
                           "US\t2023-01-01\t2023-12-31\t0.006667\n"
                           "US\t2024-01-01\t2024-12-31\t0.008333\n"
                           "US\t2025-01-01\t2025-12-31\t0.007500\n")
                    .ok());
    return rates;
}

TEST(LateReturn, InterestByJurisdictionAcrossAYearNotOffsetByCredits)
{
    // 3Q2024 filed 2025-02-10: Nov and Dec 2024 at 0.008333, Jan and Feb 2025 at 0.0075.
    FilingChoices choices;
    choices.filed = Day("2025-02-10");
    LateReturn late;
    ASSERT_TRUE(
        ComputeLateReturn(ThreeRowReport(), 2024, 3, "USA", choices, ShippedFactors(), late).ok());
    EXPECT_EQ(FormatIsoDate(late.due), "2024-10-31");
    EXPECT_EQ(late.monthsLate, 4);
    EXPECT_EQ(late.factorSum.units, 31666);
    ASSERT_EQ(late.rows.size(), 3u);
    EXPECT_EQ(late.rows[0].tax.units, 5000);
    EXPECT_EQ(late.rows[0].interest.units, 158);
    EXPECT_EQ(late.rows[1].tax.units, -10000);
    EXPECT_EQ(late.rows[1].interest.units, 0);
    EXPECT_EQ(late.rows[2].tax.units, 1234);
    EXPECT_EQ(late.rows[2].interest.units, 39); // 12.34 x 0.031666 = 0.3908
    // The net is a credit: the interest stays whole and the penalty is the 50.00 floor.
    EXPECT_EQ(late.taxTotal.units, -3766);
    EXPECT_EQ(late.interestTotal.units, 197);
    EXPECT_EQ(late.penalty.units, 5000);
    EXPECT_EQ(late.totalDue.units, -3766 + 197 + 5000);
}

TEST(LateReturn, OnTimeOwesNothingMoreAndNeedsNoFactors)
{
    FilingChoices choices;
    choices.filed = Day("2027-08-02"); // the moved due date of 2Q2027
    LateReturn late;
    ASSERT_TRUE(
        ComputeLateReturn(ThreeRowReport(), 2027, 2, "USA", choices, InterestRateTable(), late)
            .ok());
    EXPECT_FALSE(late.late());
    EXPECT_EQ(late.interestTotal.units, 0);
    EXPECT_EQ(late.penalty.units, 0);
    EXPECT_EQ(late.totalDue, late.taxTotal);
}

TEST(LateReturn, HandSetDueDateAndPenaltyAreUsed)
{
    FilingChoices choices;
    choices.filed = Day("2025-05-02");
    choices.dueSet = true;
    choices.due = Day("2025-05-02");
    choices.penaltySet = true;
    choices.penalty = Hundredths{2500};
    LateReturn late;
    ASSERT_TRUE(
        ComputeLateReturn(ThreeRowReport(), 2025, 1, "USA", choices, ShippedFactors(), late).ok());
    EXPECT_FALSE(late.late()); // on time by the hand-set date

    choices.filed = Day("2025-05-03");
    ASSERT_TRUE(
        ComputeLateReturn(ThreeRowReport(), 2025, 1, "USA", choices, ShippedFactors(), late).ok());
    EXPECT_EQ(late.monthsLate, 1);
    EXPECT_EQ(late.penalty.units, 2500);
}

TEST(LateReturn, AMissingFactorNamesThePeriodAndComputesNothing)
{
    const struct {
        const char *country;
        int year, quarter;
        const char *filed, *message;
    } cases[] = {
        // 4Q2026 filed in March 2027: February and March 2027 have no factor yet.
        {"USA", 2026, 4, "2027-03-01",
         "No interest factor for US 2027-02: add it to the interest-rate table"},
        // A Canadian carrier uses the Canadian factors, of which none are listed.
        {"Canada", 2024, 3, "2024-11-01",
         "No interest factor for Canada 2024-11: add it to the interest-rate table"},
    };
    for (const auto &c : cases) {
        FilingChoices choices;
        choices.filed = Day(c.filed);
        LateReturn late;
        late.monthsLate = -7; // untouched on failure
        const Result result = ComputeLateReturn(ThreeRowReport(), c.year, c.quarter, c.country,
                                                choices, ShippedFactors(), late);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(late.monthsLate, -7);
    }
}

// Figures past 64 bits refuse the return with a message, never wrap into a figure: a
// row's interest (a near-limit tax at 10% a month for 20 months), a total of two such
// rows, and a row's tax and interest (filed a month late at 1%).
TEST(LateReturn, AFigurePastSixtyFourBitsIsRefused)
{
    const TenThousandths rate{kDecimalLimit};
    const ReportRow huge{0, 0, Hundredths{-kDecimalLimit}, 0, rate}; // tax ~ 10^16 x 10^8
    const struct {
        int rows;
        const char *factor, *filed;
    } cases[] = {
        {1, "0.100000", "2026-11-15"},
        {2, "0.000000", "2025-05-15"},
        {1, "0.010000", "2025-05-15"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.factor);
        Report report;
        report.totals.fleetAverage = Hundredths{500};
        report.rows.assign(static_cast<size_t>(c.rows), huge);
        InterestRateTable rates;
        ASSERT_TRUE(rates.parse(std::string("US\t2025-01-01\t2026-12-31\t") + c.factor).ok());
        FilingChoices choices;
        choices.filed = Day(c.filed);
        LateReturn late;
        late.monthsLate = -7;
        const Result result = ComputeLateReturn(report, 2025, 1, "USA", choices, rates, late);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.message, "The late-return figures are too large to compute: check the "
                                  "trip lines' fuel and the tax rates");
        EXPECT_EQ(late.monthsLate, -7);
    }
}

} // namespace
