#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A day of the calendar (Gregorian), the one date type of the program: trip dates,
// imported dates, the check's quarters, due and filing dates, interest periods.
//
// The program's dates run from 1900-01-01 to 2099-12-31 (kFirstYear..kLastYear): wide
// enough for old exports and every filing date, narrow enough that each year has four
// digits. Every reader refuses a date outside it; the arithmetic (plusDays, plusMonths,
// dayNumber) works on any year, so a due date just past the range is still computed.
//
// Two texts: the trip line's "YYYY/MM/DD" (the record file keeps it so) and ISO
// "YYYY-MM-DD" (tollmark-cli's options, the interest-rate table). Both readers take
// exactly four, two and two digits and a real day.
constexpr int32_t kFirstYear = 1900;
constexpr int32_t kLastYear = 2099;

bool IsLeapYear(int32_t year);
// 28..31; 0 for a month outside 1..12.
int DaysInMonth(int32_t year, int32_t month);

struct CivilDate {
    int32_t year = 0;
    int32_t month = 0; // 1..12
    int32_t day = 0;   // 1..days of the month

    bool operator==(const CivilDate &o) const
    {
        return year == o.year && month == o.month && day == o.day;
    }
    bool operator!=(const CivilDate &o) const { return !(*this == o); }
    bool operator<(const CivilDate &o) const
    {
        if (year != o.year)
            return year < o.year;
        if (month != o.month)
            return month < o.month;
        return day < o.day;
    }
    bool operator<=(const CivilDate &o) const { return !(o < *this); }
    bool operator>(const CivilDate &o) const { return o < *this; }
    bool operator>=(const CivilDate &o) const { return !(*this < o); }

    // True for a real day of the years kFirstYear..kLastYear.
    bool isValid() const;
    // The number of the date's month counted from year 0 (year * 12 + month - 1), so two
    // months subtract to the number of months between them.
    int64_t monthNumber() const { return static_cast<int64_t>(year) * 12 + (month - 1); }
    // Days since 1970-01-01 (negative before it), so two dates subtract to the days
    // between them.
    int64_t dayNumber() const;
    static CivilDate fromDayNumber(int64_t days);
    // 0 for Sunday up to 6 for Saturday.
    int dayOfWeek() const;
    // The date `days` days later (earlier for a negative count).
    CivilDate plusDays(int64_t days) const;
    // The same day `months` months later (earlier for a negative count); a day past the
    // end of the month it lands in becomes that month's last day (Jan 31 + 1: Feb 28).
    CivilDate plusMonths(int64_t months) const;
};

// What a reader of a date text found.
enum class DateRead {
    Date,         // a real day of the range
    OutsideRange, // a real day of a year before kFirstYear or after kLastYear
    NoDate,       // anything else
};

// "YYYY/MM/DD" exactly, a real day of the range, or false (date left alone).
bool ParseTripDate(std::string_view text, CivilDate &date);
// ParseTripDate saying why a text is refused.
DateRead ReadTripDate(std::string_view text, CivilDate &date);
// The date as "YYYY/MM/DD" (any date of four-digit years).
std::string FormatTripDate(const CivilDate &date);
// Room a written date needs at most (a real one takes 10).
constexpr size_t kDateTextRoom = 40;
// FormatTripDate into `out`, which has kDateTextRoom characters; gives the end.
char *WriteTripDate(char *out, const CivilDate &date);

// "YYYY-MM-DD" exactly, a real day of the range, or false (date left alone).
bool ParseIsoDate(std::string_view text, CivilDate &date);
// The date as "YYYY-MM-DD".
std::string FormatIsoDate(const CivilDate &date);
