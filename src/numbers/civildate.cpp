#include "numbers/civildate.h"

#include <cstdio>

namespace {

// "YYYY?MM?DD" with `separator` for ?: the date when it is a real day of the range.
DateRead ReadDigits(std::string_view text, char separator, CivilDate &date)
{
    if (text.size() != 10 || text[4] != separator || text[7] != separator)
        return DateRead::NoDate;
    int32_t parts[3] = {0, 0, 0};
    int part = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == 4 || i == 7) {
            ++part;
            continue;
        }
        if (text[i] < '0' || text[i] > '9')
            return DateRead::NoDate;
        parts[part] = parts[part] * 10 + (text[i] - '0');
    }
    const CivilDate read{parts[0], parts[1], parts[2]};
    if (!read.isValid()) {
        const bool realDay = read.day >= 1 && read.day <= DaysInMonth(read.year, read.month);
        return realDay ? DateRead::OutsideRange : DateRead::NoDate;
    }
    date = read;
    return DateRead::Date;
}

// The date with `separator`, four, two and two digits for any year of four digits.
char *WriteDigits(char *out, const CivilDate &date, char separator)
{
    if (date.year < 0 || date.year > 9999 || date.month < 0 || date.month > 99 || date.day < 0 ||
        date.day > 99) {
        // Never a real date; written as printf would, for a message.
        char text[kDateTextRoom];
        const int n = std::snprintf(text, sizeof text, "%04d%c%02d%c%02d", date.year, separator,
                                    date.month, separator, date.day);
        for (int i = 0; i < n; ++i)
            *out++ = text[i];
        return out;
    }
    // Written by hand: a million imported lines are dated at every import.
    *out++ = static_cast<char>('0' + date.year / 1000);
    *out++ = static_cast<char>('0' + date.year / 100 % 10);
    *out++ = static_cast<char>('0' + date.year / 10 % 10);
    *out++ = static_cast<char>('0' + date.year % 10);
    *out++ = separator;
    *out++ = static_cast<char>('0' + date.month / 10);
    *out++ = static_cast<char>('0' + date.month % 10);
    *out++ = separator;
    *out++ = static_cast<char>('0' + date.day / 10);
    *out++ = static_cast<char>('0' + date.day % 10);
    return out;
}

int64_t FloorDivide(int64_t a, int64_t b)
{
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

} // namespace

bool IsLeapYear(int32_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int32_t year, int32_t month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool CivilDate::isValid() const
{
    return year >= kFirstYear && year <= kLastYear && day >= 1 && day <= DaysInMonth(year, month);
}

int64_t CivilDate::dayNumber() const
{
    // Years counted from March, so that the leap day ends the year; eras of 400 years.
    const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
    const int64_t era = FloorDivide(y, 400);
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilDate::fromDayNumber(int64_t days)
{
    days += 719468;
    const int64_t era = FloorDivide(days, 146097);
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shifted = (5 * dayOfYear + 2) / 153; // 0 for March
    const int32_t month = static_cast<int32_t>(shifted < 10 ? shifted + 3 : shifted - 9);
    const int32_t day = static_cast<int32_t>(dayOfYear - (153 * shifted + 2) / 5 + 1);
    const int32_t year = static_cast<int32_t>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return CivilDate{year, month, day};
}

int CivilDate::dayOfWeek() const
{
    // 1970-01-01 was a Thursday.
    const int64_t days = dayNumber() + 4;
    return static_cast<int>(days - FloorDivide(days, 7) * 7);
}

CivilDate CivilDate::plusDays(int64_t days) const
{
    return fromDayNumber(dayNumber() + days);
}

CivilDate CivilDate::plusMonths(int64_t months) const
{
    const int64_t number = monthNumber() + months;
    CivilDate date;
    date.year = static_cast<int32_t>(FloorDivide(number, 12));
    date.month = static_cast<int32_t>(number - static_cast<int64_t>(date.year) * 12 + 1);
    const int last = DaysInMonth(date.year, date.month);
    date.day = day > last ? last : day;
    return date;
}

bool ParseTripDate(std::string_view text, CivilDate &date)
{
    return ReadDigits(text, '/', date) == DateRead::Date;
}

DateRead ReadTripDate(std::string_view text, CivilDate &date)
{
    return ReadDigits(text, '/', date);
}

char *WriteTripDate(char *out, const CivilDate &date)
{
    return WriteDigits(out, date, '/');
}

std::string FormatTripDate(const CivilDate &date)
{
    char text[kDateTextRoom];
    return std::string(text, WriteDigits(text, date, '/'));
}

bool ParseIsoDate(std::string_view text, CivilDate &date)
{
    return ReadDigits(text, '-', date) == DateRead::Date;
}

std::string FormatIsoDate(const CivilDate &date)
{
    char text[kDateTextRoom];
    return std::string(text, WriteDigits(text, date, '-'));
}
