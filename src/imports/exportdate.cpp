#include "imports/exportdate.h"

namespace {

// The date part: what stands before a time part.
std::string_view DatePart(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    const size_t end = text.find_first_of(" \tT");
    return text.substr(0, end);
}

// Three numbers separated by one of '-', '/', '.' (the same both times); the digits of
// each counted.
struct DateNumbers {
    int value[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
};

bool SplitDate(std::string_view text, DateNumbers &numbers)
{
    int part = 0;
    char separator = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            if (numbers.digits[part] == 4)
                return false;
            numbers.value[part] = numbers.value[part] * 10 + (c - '0');
            ++numbers.digits[part];
        } else if ((c == '-' || c == '/' || c == '.') && part < 2 && numbers.digits[part] > 0 &&
                   (separator == 0 || separator == c)) {
            separator = c;
            ++part;
        } else {
            return false;
        }
    }
    return part == 2 && numbers.digits[2] > 0;
}

bool YearFirst(const DateNumbers &n)
{
    return n.digits[0] == 4 && n.digits[1] <= 2 && n.digits[2] <= 2;
}

bool YearLast(const DateNumbers &n)
{
    return n.digits[2] == 4 && n.digits[0] <= 2 && n.digits[1] <= 2;
}

bool IsLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool FormatDay(int year, int month, int day, std::string &date)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1900 || year > 2099 || month < 1 || month > 12 || day < 1)
        return false;
    const int days = kDays[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0);
    if (day > days)
        return false;
    // "%04d/%02d/%02d", written by hand: a million lines are dated at every import.
    const char text[10] = {static_cast<char>('0' + year / 1000),
                           static_cast<char>('0' + year / 100 % 10),
                           static_cast<char>('0' + year / 10 % 10),
                           static_cast<char>('0' + year % 10),
                           '/',
                           static_cast<char>('0' + month / 10),
                           static_cast<char>('0' + month % 10),
                           '/',
                           static_cast<char>('0' + day / 10),
                           static_cast<char>('0' + day % 10)};
    date.assign(text, sizeof text);
    return true;
}

} // namespace

void DateOrderEvidence::note(std::string_view text)
{
    DateNumbers n;
    if (!SplitDate(DatePart(text), n) || !YearLast(n))
        return;
    yearLastSeen = true;
    if (n.value[0] > 12 && n.value[1] <= 12)
        dayFirstSeen = true;
    if (n.value[1] > 12 && n.value[0] <= 12)
        monthFirstSeen = true;
}

DateOrder DateOrderEvidence::order() const
{
    if (monthFirstSeen == dayFirstSeen)
        return DateOrder::Unknown;
    return monthFirstSeen ? DateOrder::MonthFirst : DateOrder::DayFirst;
}

bool ReadExportDate(std::string_view text, DateOrder order, std::string &date)
{
    DateNumbers n;
    if (!SplitDate(DatePart(text), n))
        return false;
    if (YearFirst(n))
        return FormatDay(n.value[0], n.value[1], n.value[2], date);
    if (!YearLast(n) || order == DateOrder::Unknown)
        return false;
    return order == DateOrder::MonthFirst ? FormatDay(n.value[2], n.value[0], n.value[1], date)
                                          : FormatDay(n.value[2], n.value[1], n.value[0], date);
}
