#pragma once

#include "numbers/fixeddecimal.h"

#include <cstdint>
#include <string>

// Exact reading and writing of decimal amounts (fuel, money, tax rates) for the program's
// text formats and dialogs. The text is read the way the C library's atof reads it (white
// space first, one optional sign, digits with an optional point, an optional exponent),
// but straight into whole units of the wanted scale: "6.825" at two decimals is 683
// hundredths, never the binary fraction 6.8249998. Digits beyond the scale round half
// up (toward plus infinity), as every rounding of the return does. A text that holds no
// number ("", "abc", "--5", "nan", "inf", "0x10") reads as 0, as atof's digits would.

// What a read found.
enum class DecimalRead {
    Number,   // a number within the limit
    NoNumber, // no digits where a number starts: read as 0
    TooLarge, // beyond kDecimalLimit units: saturated at the limit with its sign
};

// The magnitude no amount of one line may pass, in its own units. A million trip lines at
// the limit still sum within 64 bits, so no report total can overflow.
constexpr int64_t kDecimalLimit = 1000000000000; // 10^12 units

DecimalRead ReadDecimal(const char *begin, const char *end, int decimals, int64_t &units);

// The amount of a text in whole units of FixedDecimal<D>, saturated at the limit.
template <int D>
FixedDecimal<D> TextToDecimal(const char *begin, const char *end)
{
    FixedDecimal<D> value;
    ReadDecimal(begin, end, D, value.units);
    return value;
}
template <int D>
FixedDecimal<D> TextToDecimal(const std::string &text)
{
    return TextToDecimal<D>(text.data(), text.data() + text.size());
}

// Room WriteDecimal needs at most: sign, nineteen digits, point, eight decimals.
constexpr size_t kDecimalTextRoom = 32;

// `units` at `decimals` decimals as "%.<decimals>f" writes the same exact value: "-1.05",
// "0.00" (never "-0.00", an exact zero has no sign). Gives the end of the text.
char *WriteDecimal(char *p, int64_t units, int decimals);
void AppendDecimal(std::string &out, int64_t units, int decimals);

// The shortest decimal text of the same amount, for boxes the user edits and JSON: 1250
// hundredths as "12.5", 1200 as "12", 0 as "0".
std::string ShortestDecimalText(int64_t units, int decimals);

// The amount as WriteDecimal writes it with its whole part's thousands separated by
// commas, as messages show figures: "1,234.56", "-0.50", "1,000" (no decimals).
std::string GroupedDecimalText(int64_t units, int decimals);

// An amount typed by the user in a box that takes no more than the scale holds: blanks
// around digits with at most one point and at most `decimals` digits after it ("50",
// "12.5", "12.50"; not "12.", ".5", "-1", "1e3"), at most `maximum` units. False for
// anything else, `units` left alone.
bool ReadTypedAmount(const std::string &text, int decimals, int64_t maximum, int64_t &units);

template <int D>
std::string FormatFixed(FixedDecimal<D> value)
{
    std::string out;
    AppendDecimal(out, value.units, D);
    return out;
}

// Streams an amount as its text (test failures and diagnostics).
template <class Stream, int D>
Stream &operator<<(Stream &out, FixedDecimal<D> value)
{
    out << FormatFixed(value);
    return out;
}
