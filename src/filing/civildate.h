#pragma once

#include <cstdint>
#include <string>

// A day of the calendar (proleptic Gregorian), as the filing rules count with it: due
// dates, filing dates and the first and last days of interest periods.
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

    // True for a real day of the years 1 to 9999.
    bool isValid() const;
    // The number of the date's month counted from year 0 (year * 12 + month - 1), so two
    // months subtract to the number of months between them.
    int64_t monthNumber() const { return static_cast<int64_t>(year) * 12 + (month - 1); }
    // 0 for Sunday up to 6 for Saturday.
    int dayOfWeek() const;
    // The same date `days` (0 or more) days later.
    CivilDate plusDays(int days) const;
};

int DaysInMonth(int32_t year, int32_t month);

// "YYYY-MM-DD" exactly (four, two and two digits, a real day), or false.
bool ParseIsoDate(const std::string &text, CivilDate &date);
// The date as "YYYY-MM-DD".
std::string FormatIsoDate(const CivilDate &date);
