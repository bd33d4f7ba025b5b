#include "imports/exportdate.h"

#include "numbers/civildate.h"

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

// The day as a record keeps it, when it is a real day of the program's date range.
bool FormatDay(int year, int month, int day, std::string &date)
{
    const CivilDate read{year, month, day};
    if (!read.isValid())
        return false;
    char text[kDateTextRoom];
    date.assign(text, WriteTripDate(text, read));
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
