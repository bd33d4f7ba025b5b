// The one date type: its range, its calendar and its two texts.

#include "numbers/civildate.h"

#include <gtest/gtest.h>

namespace {

TEST(CivilDateTest, RangeAndCalendar)
{
    const struct {
        const char *text; // "YYYY/MM/DD"
        bool valid;
    } cases[] = {
        {"1900/01/01", true},  {"2099/12/31", true},   {"1899/12/31", false}, {"2100/01/01", false},
        {"1900/02/28", true},  {"1900/02/29", false}, // 1900: a century, no leap year
        {"2000/02/29", true},                         // 2000: every 400 years, a leap year
        {"2024/02/29", true},  {"2023/02/29", false},  {"2026/04/30", true},  {"2026/04/31", false},
        {"2026/01/31", true},  {"2026/12/31", true},   {"2026/13/01", false}, {"2026/00/10", false},
        {"2026/05/00", false}, {"2026/4/2", false},    {"2026-04-02", false}, {"", false},
        {"20x6/04/02", false}, {"2026/04/021", false},
    };
    for (const auto &c : cases) {
        CivilDate date{1, 1, 1};
        EXPECT_EQ(ParseTripDate(c.text, date), c.valid) << c.text;
        if (c.valid)
            EXPECT_EQ(FormatTripDate(date), c.text); // read back byte for byte
        else
            EXPECT_EQ(date, (CivilDate{1, 1, 1})) << c.text; // left alone
    }
    // Why a text is refused: a real day of a year outside the range, or no day at all.
    CivilDate outside;
    EXPECT_EQ(ReadTripDate("1896/02/29", outside), DateRead::OutsideRange);
    EXPECT_EQ(ReadTripDate("2100/12/31", outside), DateRead::OutsideRange);
    EXPECT_EQ(ReadTripDate("1899/02/29", outside), DateRead::NoDate);
    EXPECT_EQ(ReadTripDate("2026/02/30", outside), DateRead::NoDate);
    EXPECT_EQ(ReadTripDate("2026/02/28", outside), DateRead::Date);
    CivilDate iso;
    EXPECT_TRUE(ParseIsoDate("2024-02-29", iso));
    EXPECT_EQ(FormatIsoDate(iso), "2024-02-29");
    EXPECT_FALSE(ParseIsoDate("2024/02/29", iso));
    EXPECT_FALSE(ParseIsoDate("1899-12-31", iso));
}

TEST(CivilDateTest, DayNumbersWeekdaysAndMonthsAdded)
{
    const CivilDate epoch{1970, 1, 1};
    EXPECT_EQ(epoch.dayNumber(), 0);
    EXPECT_EQ(epoch.dayOfWeek(), 4); // a Thursday
    EXPECT_EQ((CivilDate{1900, 1, 1}).dayOfWeek(), 1);
    EXPECT_EQ((CivilDate{2099, 12, 31}).dayOfWeek(), 4);
    EXPECT_EQ((CivilDate{2000, 3, 1}).dayNumber() - (CivilDate{2000, 2, 28}).dayNumber(), 2);
    EXPECT_EQ((CivilDate{1900, 3, 1}).dayNumber() - (CivilDate{1900, 2, 28}).dayNumber(), 1);
    // Every day of the range reads back from its number, one after the other.
    const int64_t last = CivilDate{2099, 12, 31}.dayNumber();
    CivilDate day{1900, 1, 1};
    for (int64_t n = day.dayNumber(); n <= last; ++n) {
        ASSERT_TRUE(day.isValid()) << FormatIsoDate(day);
        ASSERT_EQ(CivilDate::fromDayNumber(n), day) << n;
        const CivilDate next = day.plusDays(1);
        ASSERT_TRUE(next.day == day.day + 1 || next.day == 1);
        day = next;
    }
    EXPECT_EQ(day, (CivilDate{2100, 1, 1}));
    EXPECT_FALSE(day.isValid());

    const struct {
        CivilDate from;
        int64_t months;
        CivilDate to;
    } added[] = {
        {{2026, 1, 31}, 1, {2026, 2, 28}},   {{2024, 1, 31}, 1, {2024, 2, 29}},
        {{2026, 11, 15}, 2, {2027, 1, 15}},  {{2026, 1, 15}, -1, {2025, 12, 15}},
        {{2026, 3, 31}, -13, {2025, 2, 28}},
    };
    for (const auto &a : added)
        EXPECT_EQ(FormatIsoDate(a.from.plusMonths(a.months)), FormatIsoDate(a.to));
    EXPECT_EQ(DaysInMonth(2026, 13), 0);
}

} // namespace
