#include "numbers/decimaltext.h"

#include "numbers/exactround.h"

#include <charconv>
#include <cstdlib>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The parts of a number's text: its mantissa digits [digits, digitsEnd) with the point
// passed over, how many of them stand before the point, and the exponent.
struct NumberText {
    const char *digits = nullptr;
    const char *digitsEnd = nullptr;
    long long wholeDigits = 0;
    long long exponent = 0;
    bool negative = false;
};

// Reads an exponent "e-3" at p when one follows; leaves p alone otherwise, as strtod does
// for an "e" without digits.
const char *readExponent(const char *p, const char *end, long long &exponent)
{
    if (p == end || (*p != 'e' && *p != 'E'))
        return p;
    const char *q = p + 1;
    bool negative = false;
    if (q < end && (*q == '+' || *q == '-'))
        negative = *q++ == '-';
    if (q == end || !isDigit(*q))
        return p;
    long long value = 0;
    for (; q < end && isDigit(*q); ++q) {
        // Far beyond any scale: every digit then lands above the limit or below the
        // rounding digit, which the caller sees either way.
        if (value < 1000000)
            value = value * 10 + (*q - '0');
    }
    exponent = negative ? -value : value;
    return q;
}

bool scanNumber(const char *p, const char *end, NumberText &number)
{
    while (p < end && isBlank(*p))
        ++p;
    if (p < end && (*p == '+' || *p == '-'))
        number.negative = *p++ == '-';
    number.digits = p;
    const char *point = nullptr;
    long long count = 0;
    for (; p < end && (isDigit(*p) || (*p == '.' && !point)); ++p) {
        if (*p == '.')
            point = p;
        else
            ++count;
    }
    if (count == 0)
        return false;
    number.digitsEnd = p;
    number.wholeDigits = point ? point - number.digits : count;
    readExponent(p, end, number.exponent);
    return true;
}

} // namespace

DecimalRead ReadDecimal(const char *begin, const char *end, int decimals, int64_t &units)
{
    units = 0;
    NumberText number;
    if (begin == nullptr || !scanNumber(begin, end, number))
        return DecimalRead::NoNumber;

    // Digit i (counted over digits only) weighs 10^(wholeDigits - 1 - i + exponent) in the
    // number and that times 10^decimals in units: the digits of weight >= 0 make the
    // whole units, the digit of weight -1 decides the rounding, any digit below it only
    // whether the value lies above the half.
    Int128 whole = 0;
    int roundDigit = 0;
    bool sticky = false;
    bool tooLarge = false;
    long long weight = number.wholeDigits - 1 + number.exponent + decimals;
    for (const char *p = number.digits; p < number.digitsEnd; ++p) {
        if (*p == '.')
            continue;
        const int digit = *p - '0';
        if (weight >= 0) {
            if (!tooLarge)
                whole = whole * 10 + digit;
            if (whole > kDecimalLimit)
                tooLarge = true;
        } else if (weight == -1) {
            roundDigit = digit;
        } else if (digit != 0) {
            sticky = true;
        }
        --weight;
    }
    // Digits cut off before the whole units were complete stand for trailing zeros.
    for (; weight >= 0 && !tooLarge; --weight) {
        whole *= 10;
        tooLarge = whole > kDecimalLimit;
    }
    if (!tooLarge) {
        // Halves toward plus infinity: up for a positive number from .5 on, and for a
        // negative one only when the cut-off part is more than a half.
        if (!number.negative ? roundDigit >= 5 : (roundDigit > 5 || (roundDigit == 5 && sticky)))
            ++whole;
        tooLarge = whole > kDecimalLimit;
    }
    if (tooLarge)
        whole = kDecimalLimit;
    units = static_cast<int64_t>(number.negative ? -whole : whole);
    return tooLarge ? DecimalRead::TooLarge : DecimalRead::Number;
}

namespace {

// WriteDecimal at a scale known when compiled: the divisions become multiplications (a
// million lines write two amounts each at every save).
template <int D>
char *writeDecimalAt(char *p, int64_t units)
{
    constexpr uint64_t scale = static_cast<uint64_t>(PowerOfTen(D));
    const uint64_t magnitude =
        units < 0 ? 0 - static_cast<uint64_t>(units) : static_cast<uint64_t>(units);
    if (units < 0)
        *p++ = '-';
    p = std::to_chars(p, p + 20, magnitude / scale).ptr;
    *p++ = '.';
    uint64_t rest = magnitude % scale;
    for (int i = D - 1; i >= 0; --i) {
        p[i] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    }
    return p + D;
}

} // namespace

char *WriteDecimal(char *p, int64_t units, int decimals)
{
    if (decimals == 2)
        return writeDecimalAt<2>(p, units);
    if (decimals == 4)
        return writeDecimalAt<4>(p, units);
    const int64_t scale = PowerOfTen(decimals);
    // Through unsigned so that the most negative value has a magnitude too.
    uint64_t magnitude =
        units < 0 ? 0 - static_cast<uint64_t>(units) : static_cast<uint64_t>(units);
    if (units < 0)
        *p++ = '-';
    p = std::to_chars(p, p + 20, magnitude / static_cast<uint64_t>(scale)).ptr;
    if (decimals > 0) {
        *p++ = '.';
        uint64_t rest = magnitude % static_cast<uint64_t>(scale);
        for (int i = decimals - 1; i >= 0; --i) {
            p[i] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        }
        p += decimals;
    }
    return p;
}

void AppendDecimal(std::string &out, int64_t units, int decimals)
{
    char buffer[kDecimalTextRoom];
    out.append(buffer, WriteDecimal(buffer, units, decimals));
}

std::string ShortestDecimalText(int64_t units, int decimals)
{
    std::string text;
    AppendDecimal(text, units, decimals);
    if (decimals > 0) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

std::string GroupedDecimalText(int64_t units, int decimals)
{
    std::string plain;
    AppendDecimal(plain, units, decimals);
    const size_t digits = plain[0] == '-' ? 1 : 0;
    const size_t point = plain.find('.');
    const size_t wholeEnd = point == std::string::npos ? plain.size() : point;
    std::string text = plain.substr(0, digits);
    for (size_t i = digits; i < wholeEnd; ++i) {
        if (i > digits && (wholeEnd - i) % 3 == 0)
            text += ',';
        text += plain[i];
    }
    return text + plain.substr(wholeEnd);
}

bool ReadTypedAmount(const std::string &text, int decimals, int64_t maximum, int64_t &units)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return false;
    const size_t last = text.find_last_not_of(' ');
    const std::string number = text.substr(first, last - first + 1);
    const size_t point = number.find('.');
    const size_t wholeDigits = point == std::string::npos ? number.size() : point;
    const size_t fractionDigits = point == std::string::npos ? 0 : number.size() - point - 1;
    if (wholeDigits == 0 || wholeDigits > 18 || fractionDigits > static_cast<size_t>(decimals) ||
        (point != std::string::npos && fractionDigits == 0))
        return false;
    for (size_t i = 0; i < number.size(); ++i) {
        if (i != point && !isDigit(number[i]))
            return false;
    }
    int64_t read = 0;
    if (ReadDecimal(number.data(), number.data() + number.size(), decimals, read) !=
            DecimalRead::Number ||
        read > maximum)
        return false;
    units = read;
    return true;
}
