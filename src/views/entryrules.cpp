#include "views/entryrules.h"

#include "numbers/decimaltext.h"
#include "numbers/textnumber.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

uint32_t CompleteOdometerOut(uint32_t odometerOut, uint32_t odometerIn)
{
    for (uint32_t scale = 10; scale <= 1000000; scale *= 10) {
        if (odometerOut < scale)
            return odometerOut + (odometerIn / scale) * scale;
    }
    return odometerOut;
}

bool ParseEntryDate(const std::string &text, EntryDate &date)
{
    if (text.size() <= 3)
        return false;
    const size_t first = text.find('/');
    const std::string yearText = text.substr(0, first);
    std::string monthText, dayText;
    if (first != std::string::npos) {
        const size_t second = text.find('/', first + 1);
        monthText = text.substr(first + 1, second == std::string::npos ? std::string::npos
                                                                       : second - first - 1);
        if (second != std::string::npos)
            dayText = text.substr(second + 1);
    }
    const int year = TextToInt(yearText);
    const int month = TextToInt(monthText);
    const int day = TextToInt(dayText);
    if (year < kFirstEntryYear || year > kLastEntryYear || month < 1 || month > 12 || day < 1 ||
        day > 31)
        return false;
    date = EntryDate{year, month, day};
    return true;
}

std::string FormatEntryDate(int year, int month, int day)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", year, month, day);
    return text;
}

std::string QuarterFirstDay(int year, int quarter)
{
    if (year < kFirstEntryYear || year > kLastEntryYear || quarter < 1 || quarter > 4)
        return {};
    return FormatEntryDate(year, (quarter - 1) * 3 + 1, 1);
}

bool DateInQuarter(const std::string &date, int year, int quarter)
{
    EntryDate d;
    return ParseEntryDate(date, d) && d.year == year && (d.month - 1) / 3 + 1 == quarter;
}

std::string OutsideQuarterQuestion(int year, int quarter)
{
    return "This date is outside the quarter " + std::to_string(quarter) + "Q" +
           std::to_string(year) + ". Keep it?";
}

namespace {

bool BeginsWithIgnoringCase(const std::string &text, const std::string &prefix)
{
    if (prefix.size() > text.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        const auto a = static_cast<unsigned char>(text[i]);
        const auto b = static_cast<unsigned char>(prefix[i]);
        if (std::toupper(a) != std::toupper(b))
            return false;
    }
    return true;
}

std::string TrimBlanks(const std::string &text)
{
    const size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return {};
    const size_t end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

} // namespace

int MatchComboItem(const std::vector<std::string> &items, const std::string &typed)
{
    if (typed.empty() || items.empty())
        return -1;
    const size_t count = items.size();
    for (size_t k = 1; k <= count; ++k) {
        const size_t i = k % count; // second item first, the first item last
        if (BeginsWithIgnoringCase(items[i], typed))
            return static_cast<int>(i);
    }
    return -1;
}

bool ParseUnsignedField(const std::string &text, uint32_t maximum, uint32_t &value)
{
    const std::string digits = TrimBlanks(text);
    if (digits.empty() || digits.size() > 10)
        return false;
    uint64_t v = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + static_cast<uint64_t>(c - '0');
    }
    if (v > maximum)
        return false;
    value = static_cast<uint32_t>(v);
    return true;
}

bool ParseFuelField(const std::string &text, Hundredths &value)
{
    const std::string number = TrimBlanks(text);
    // Digits with at most one decimal point and at least one digit; no sign, no exponent:
    // a quantity of fuel bought.
    bool point = false;
    bool digit = false;
    for (char c : number) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (!digit)
        return false;
    // More than two decimals round half up to the hundredths the record keeps.
    Hundredths read;
    if (ReadDecimal(number.data(), number.data() + number.size(), 2, read.units) !=
        DecimalRead::Number)
        return false;
    value = read;
    return true;
}

std::string FormatFuelField(Hundredths value)
{
    return ShortestDecimalText(value.units, 2);
}
