#include "filing/civildate.h"

#include <cstdio>

namespace {

bool IsLeapYear(int32_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Digits [pos, pos + count) of `text` as a number, or -1 when one is not a digit.
int32_t Digits(const std::string &text, size_t pos, size_t count)
{
    int32_t value = 0;
    for (size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

int DaysInMonth(int32_t year, int32_t month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool CivilDate::isValid() const
{
    return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

int CivilDate::dayOfWeek() const
{
    // Sakamoto's method on the Gregorian calendar.
    static const int kOffsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int32_t y = month < 3 ? year - 1 : year;
    return static_cast<int>((y + y / 4 - y / 100 + y / 400 + kOffsets[month - 1] + day) % 7);
}

CivilDate CivilDate::plusDays(int days) const
{
    CivilDate date = *this;
    for (; days > 0; --days) {
        if (++date.day > DaysInMonth(date.year, date.month)) {
            date.day = 1;
            if (++date.month > 12) {
                date.month = 1;
                ++date.year;
            }
        }
    }
    return date;
}

bool ParseIsoDate(const std::string &text, CivilDate &date)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    const CivilDate parsed{Digits(text, 0, 4), Digits(text, 5, 2), Digits(text, 8, 2)};
    if (!parsed.isValid())
        return false;
    date = parsed;
    return true;
}

std::string FormatIsoDate(const CivilDate &date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(date.year),
                  static_cast<int>(date.month), static_cast<int>(date.day));
    return text;
}
