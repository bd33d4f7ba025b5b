#include "views/entryrules.h"

#include "numbers/civildate.h"
#include "numbers/decimaltext.h"
#include "numbers/uitext.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

uint32_t CompleteOdometerOut(uint32_t odometerOut, uint32_t odometerIn)
{
    for (uint32_t scale = 10; scale <= 1000000; scale *= 10) {
        if (odometerOut < scale)
            return odometerOut + (odometerIn / scale) * scale;
    }
    return odometerOut;
}

std::string ReadTypedTripDate(const std::string &text)
{
    CivilDate d;
    if (!ParseTripDate(text, d) && !ParseIsoDate(text, d))
        return {};
    return FormatTripDate(d);
}

bool DateInQuarter(const std::string &date, int year, int quarter)
{
    CivilDate d;
    return ParseTripDate(date, d) && d.year == year && (d.month - 1) / 3 + 1 == quarter;
}

std::string OutsideQuarterQuestion(int year, int quarter)
{
    return UiArgs(UiText("EntryRules", "This date is outside the quarter %1Q%2. Keep it?"),
                  {std::to_string(quarter), std::to_string(year)});
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
