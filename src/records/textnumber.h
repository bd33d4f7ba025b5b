#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Number reading and writing for the program's text formats (record-file lines, tax-rate
// files, CSV). Reading works like the C library's atoi and atof on the bytes [begin, end):
// leading white space is skipped, conversion stops at the first character that does not
// fit, an empty or non-numeric text gives 0. Unlike the C functions they never read past
// `end`, never depend on the user's locale, and a whole number too large for 32 bits
// gives the nearest 32-bit value instead of undefined behaviour.
//
// Writing gives what printf's "%d" and "%.Nf" give in the C locale, whatever locale the
// window toolkit has set, so files stay the same on every machine.
int32_t TextToInt(const char *begin, const char *end);
double TextToDouble(const char *begin, const char *end);
// TextToDouble narrowed to single precision; a value beyond the float range becomes
// infinity (with its sign) rather than an undefined conversion.
float TextToFloat(const char *begin, const char *end);
// The same narrowing for a double already at hand.
float NarrowToFloat(double value);

inline int32_t TextToInt(const std::string &text)
{
    return TextToInt(text.data(), text.data() + text.size());
}
inline double TextToDouble(const std::string &text)
{
    return TextToDouble(text.data(), text.data() + text.size());
}
inline float TextToFloat(const std::string &text)
{
    return TextToFloat(text.data(), text.data() + text.size());
}

void AppendInt(std::string &out, long long value);
// Room WriteFixed needs: the longest double with four decimals and its sign.
constexpr size_t kFixedTextRoom = 320;
// "%.<decimals>f" of `value` for 0 to 4 decimals, written at `p`; gives the end.
char *WriteFixed(char *p, double value, int decimals);
// "%.<decimals>f" of `value`.
void AppendFixed(std::string &out, double value, int decimals);
std::string FormatFixed(double value, int decimals);
