#include "records/textnumber.h"

#include "records/platformfile.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

namespace {

// The characters isspace accepts in the C locale.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

const char *skipBlanks(const char *p, const char *end)
{
    while (p < end && isBlank(*p))
        ++p;
    return p;
}

// strtod in the C locale, for the texts the fast path leaves out (values beyond the
// double range). Works on a zero-terminated copy so it cannot run past the field.
double slowStrtod(const char *begin, const char *end)
{
    const std::string copy(begin, end);
    return StrtodInCLocale(copy.c_str());
}

// "%.<decimals>f" for up to four decimals without the general conversion. With a 64-bit
// long double mantissa the product of a double (53 bits) and 10^4 = 2^4 * 625 (625 takes
// 10 bits) is exact, so is its split into whole and fraction, and rounding the fraction
// with ties to even gives exactly what printf gives. Null when the value or the machine
// does not allow it.
char *writeFixedExact(char *p, double value, int decimals)
{
    static const long double kScale[] = {1.0L, 10.0L, 100.0L, 1000.0L, 10000.0L};
    static const uint64_t kDivisor[] = {1, 10, 100, 1000, 10000};
    if (std::numeric_limits<long double>::digits < 64 || decimals < 0 || decimals > 4)
        return nullptr;
    const long double scaled = std::fabs(static_cast<long double>(value)) * kScale[decimals];
    if (!(scaled < 9.0e18L))
        return nullptr;
    const long double whole = std::floor(scaled);
    const long double fraction = scaled - whole;
    uint64_t units = static_cast<uint64_t>(whole);
    if (fraction > 0.5L || (fraction == 0.5L && (units & 1) != 0))
        ++units;

    if (std::signbit(value))
        *p++ = '-';
    p = std::to_chars(p, p + 24, units / kDivisor[decimals]).ptr;
    if (decimals > 0) {
        *p++ = '.';
        uint64_t rest = units % kDivisor[decimals];
        for (int i = decimals - 1; i >= 0; --i) {
            p[i] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        }
        p += decimals;
    }
    return p;
}

} // namespace

int32_t TextToInt(const char *begin, const char *end)
{
    const char *p = skipBlanks(begin, end);
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    int64_t value = 0;
    const int64_t limit = negative ? -static_cast<int64_t>(INT32_MIN) : INT32_MAX;
    for (; p < end && *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > limit) {
            value = limit;
            // The rest of the digits cannot bring it back into range.
            break;
        }
    }
    return static_cast<int32_t>(negative ? -value : value);
}

double TextToDouble(const char *begin, const char *end)
{
    const char *p = skipBlanks(begin, end);
    const char *number = p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    // Hexadecimal text ("0x1p4") reads as its leading 0 and stops at the "x", as the old
    // program's atof read it, on every system (glibc's strtod would give 16).
    double value = 0.0;
    const std::from_chars_result result = std::from_chars(p, end, value);
    if (result.ec == std::errc::result_out_of_range)
        return slowStrtod(number, end);
    if (result.ec != std::errc())
        return negative ? -0.0 : 0.0;
    return negative ? -value : value;
}

float NarrowToFloat(double value)
{
    // Beyond the float range the conversion is undefined; infinity is what every
    // machine we know gives, and what a file written back shows ("inf").
    constexpr double kMax = std::numeric_limits<float>::max();
    if (value > kMax)
        return std::numeric_limits<float>::infinity();
    if (value < -kMax)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

float TextToFloat(const char *begin, const char *end)
{
    return NarrowToFloat(TextToDouble(begin, end));
}

void AppendInt(std::string &out, long long value)
{
    char buffer[24];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

char *WriteFixed(char *p, double value, int decimals)
{
    if (!std::isfinite(value)) {
        // What printf writes for these; a file never holds them from the program itself.
        const char *text = std::isnan(value) ? (std::signbit(value) ? "-nan" : "nan")
                                             : (value < 0 ? "-inf" : "inf");
        const size_t length = std::strlen(text);
        std::memcpy(p, text, length);
        return p + length;
    }
    if (char *end = writeFixedExact(p, value, decimals))
        return end;
    return std::to_chars(p, p + kFixedTextRoom, value, std::chars_format::fixed, decimals).ptr;
}

void AppendFixed(std::string &out, double value, int decimals)
{
    if (decimals >= 0 && decimals <= 4) {
        char buffer[kFixedTextRoom];
        out.append(buffer, WriteFixed(buffer, value, decimals));
        return;
    }
    char buffer[400];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    out.append(buffer, result.ptr);
}

std::string FormatFixed(double value, int decimals)
{
    std::string out;
    AppendFixed(out, value, decimals);
    return out;
}
