// The interest-rate table reader: the shipped file, the layout's small freedoms, and
// every kind of bad line refused with its number.

#include "filing/interestratetable.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

TEST(InterestRateTable, ShippedTableReadsAndGivesEachMonthItsYearsFactor)
{
    InterestRateTable rates;
    ASSERT_TRUE(rates.read(std::string(TOLLMARK_SAMPLE_DATA) + "/interest-rates.tsv").ok());
    const struct {
        int year, month;
        Millionths factor;
    } months[] = {
        {2019, 1, Millionths{5833}},
        {2020, 12, Millionths{5833}},
        {2021, 1, Millionths{4167}},
        {2022, 7, Millionths{4167}},
        {2023, 3, Millionths{6667}},
        {2024, 12, Millionths{8333}},
        {2025, 1, Millionths{7500}},
        {2025, 12, Millionths{7500}},
        // 2026: 7% for the first quarter (Rev. Rul. 2025-22) plus two points.
        {2026, 1, Millionths{7500}},
        {2026, 12, Millionths{7500}},
    };
    for (const auto &m : months) {
        Millionths factor;
        std::string missing;
        EXPECT_TRUE(rates.monthlyFactor(InterestBase::US, m.year, m.month, factor, missing));
        EXPECT_EQ(factor, m.factor) << m.year << "-" << m.month;
    }
    Millionths factor;
    std::string missing;
    EXPECT_FALSE(rates.monthlyFactor(InterestBase::US, 2027, 1, factor, missing));
    EXPECT_EQ(missing, "No interest factor for US 2027-01: add it to the interest-rate table");
}

TEST(InterestRateTable, CommentsBlankLinesCarriageReturnsAndShortFactors)
{
    InterestRateTable rates;
    // A byte-order mark (Notepad's UTF-8); no line feed after the last line; "0.01" is
    // 10000 millionths; "0" a factor without a point.
    ASSERT_TRUE(rates
                    .parse("\xEF\xBB\xBF# comment\r\n\r\nCanada\t2025-01-01\t2025-03-31\t0.01\r\n"
                           "US\t2025-01-01\t2025-01-31\t0")
                    .ok());
    ASSERT_EQ(rates.periods().size(), 2u);
    EXPECT_EQ(rates.periods()[0].base, InterestBase::Canada);
    EXPECT_EQ(rates.periods()[0].factor.units, 10000);
    EXPECT_EQ(rates.periods()[1].factor.units, 0);
    // The mark before a period line, not only before a comment.
    EXPECT_TRUE(rates.parse("\xEF\xBB\xBFUS\t2025-01-01\t2025-01-31\t0.007500\n").ok());
}

TEST(InterestRateTable, BadLinesAreRefusedWithTheirNumber)
{
    const std::string good = "# header\nUS\t2025-01-01\t2025-12-31\t0.007500\n";
    const struct {
        const char *line, *message;
    } cases[] = {
        {"US 2024-01-01 2024-12-31 0.008333",
         "Line 3 of the interest-rate table: expected BASE<TAB>FIRST-DAY<TAB>LAST-DAY<TAB>FACTOR"},
        {"US\t2024-01-01\t2024-12-31\t0.008333\textra",
         "Line 3 of the interest-rate table: expected BASE<TAB>FIRST-DAY<TAB>LAST-DAY<TAB>FACTOR"},
        {"us\t2024-01-01\t2024-12-31\t0.008333",
         "Line 3 of the interest-rate table: the base must be US or Canada"},
        {"US\t2023-02-29\t2023-12-31\t0.006667", // not a leap year
         "Line 3 of the interest-rate table: the days must be real dates written YYYY-MM-DD"},
        {"US\t2024-1-01\t2024-12-31\t0.008333",
         "Line 3 of the interest-rate table: the days must be real dates written YYYY-MM-DD"},
        {"US\t2024-12-31\t2024-01-01\t0.008333",
         "Line 3 of the interest-rate table: the last day comes before the first"},
        {"US\t2024-01-01\t2024-12-31\t0.0083333",
         "Line 3 of the interest-rate table: the factor must be a number with at most six "
         "decimals, such as 0.007500"},
        {"US\t2024-01-01\t2024-12-31\t-0.008",
         "Line 3 of the interest-rate table: the factor must be a number with at most six "
         "decimals, such as 0.007500"},
        {"US\t2024-01-01\t2024-12-31\t.",
         "Line 3 of the interest-rate table: the factor must be a number with at most six "
         "decimals, such as 0.007500"},
        // Above 10% a month: no real factor, and tax x factors would pass 64 bits.
        {"US\t2024-01-01\t2024-12-31\t999.999999",
         "Line 3 of the interest-rate table: the factor is above 0.100000 (10% a month), more "
         "than any monthly interest"},
        {"US\t2024-01-01\t2024-12-31\t0.100001",
         "Line 3 of the interest-rate table: the factor is above 0.100000 (10% a month), more "
         "than any monthly interest"},
        {"US\t1899-12-01\t1899-12-31\t0.008333", // before the date range
         "Line 3 of the interest-rate table: the days must be real dates written YYYY-MM-DD"},
        // Two factors for one month would make the interest depend on the line order.
        {"US\t2025-12-01\t2026-12-31\t0.007000",
         "Line 3 of the interest-rate table: the period overlaps another US period"},
        {"US\t2024-06-01\t2025-01-01\t0.007000", // ends on the other's first day
         "Line 3 of the interest-rate table: the period overlaps another US period"},
    };
    for (const auto &c : cases) {
        InterestRateTable rates;
        ASSERT_TRUE(rates.parse(good).ok());
        const Result result = rates.parse(good + c.line + "\n");
        EXPECT_EQ(result.status, Result::Status::BadFormat) << c.line;
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(rates.periods().size(), 1u) << "a refused text left the table changed";
    }
}

TEST(InterestRateTable, AFileThatCannotBeReadIsCannotOpen)
{
    InterestRateTable rates;
    EXPECT_EQ(rates.read("/nonexistent/interest-rates.tsv").status, Result::Status::CannotOpen);
}

// One period a day for every day of the date range and both bases (146,098 lines): read,
// looked up, and read again with a last line overlapping the first, in a second or two
// (15 s leaves room for sanitizers), where comparing every pair took a minute.
TEST(InterestRateTable, ATableOfEveryDayReadsQuickly)
{
    std::string text;
    const CivilDate first{kFirstYear, 1, 1};
    const int64_t days = CivilDate{kLastYear, 12, 31}.dayNumber() - first.dayNumber() + 1;
    for (const char *base : {"Canada", "US"}) {
        for (int64_t i = 0; i < days; ++i) {
            const std::string day = FormatIsoDate(first.plusDays(i));
            text += std::string(base) + "\t" + day + "\t" + day + "\t0.000" +
                    std::to_string(100 + i % 900) + "\n";
        }
    }
    const auto start = std::chrono::steady_clock::now();
    InterestRateTable rates;
    ASSERT_TRUE(rates.parse(text).ok());
    Millionths factor;
    std::string missing;
    ASSERT_TRUE(rates.monthlyFactor(InterestBase::US, 2099, 12, factor, missing));
    EXPECT_EQ(factor.units, 100 + (days - 31) % 900);
    const std::string overlap = "US\t1900-01-01\t1900-01-01\t0.001\n";
    const Result result = rates.parse(text + overlap);
    EXPECT_EQ(result.message, "Line " + std::to_string(2 * days + 1) +
                                  " of the interest-rate table: the period overlaps another US "
                                  "period");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
}

// The period a typed factor is kept for: the base's own period, cut short where the
// table already covers part of it, so the user's table never refuses itself.
TEST(InterestRateTable, PeriodToAddFitsBetweenTheTablesPeriods)
{
    InterestRateTable rates;
    ASSERT_TRUE(rates
                    .parse("US\t2025-01-01\t2027-03-31\t0.007500\n"
                           "US\t2027-10-01\t2028-12-31\t0.007500\n"
                           "Canada\t2026-07-01\t2026-08-15\t0.005000\n")
                    .ok());
    const struct {
        InterestBase base;
        int year, month;
        const char *period;
    } cases[] = {
        {InterestBase::US, 2027, 6, "US\t2027-04-01\t2027-09-30\t0.000000"},
        {InterestBase::US, 2024, 6, "US\t2024-01-01\t2024-12-31\t0.000000"},
        {InterestBase::Canada, 2026, 9, "Canada\t2026-08-16\t2026-09-30\t0.000000"},
        {InterestBase::Canada, 2026, 11, "Canada\t2026-10-01\t2026-12-31\t0.000000"},
        {InterestBase::Canada, 2027, 2, "Canada\t2027-01-01\t2027-03-31\t0.000000"},
    };
    for (const auto &c : cases) {
        const InterestPeriod period = rates.periodToAdd(c.base, c.year, c.month);
        EXPECT_EQ(FormatInterestPeriod(period), c.period) << c.year << "-" << c.month;
        // Added with a factor, the table still reads and holds the month.
        InterestPeriod added = period;
        added.factor = Millionths{4000};
        InterestRateTable grown;
        ASSERT_TRUE(grown
                        .parse("US\t2025-01-01\t2027-03-31\t0.007500\n"
                               "US\t2027-10-01\t2028-12-31\t0.007500\n"
                               "Canada\t2026-07-01\t2026-08-15\t0.005000\n" +
                               FormatInterestPeriod(added) + "\n")
                        .ok());
        Millionths factor;
        std::string missing;
        ASSERT_TRUE(grown.monthlyFactor(c.base, c.year, c.month, factor, missing));
        EXPECT_EQ(factor.units, 4000);
    }
}

} // namespace
