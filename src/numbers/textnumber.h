#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Whole-number reading and writing for the program's text formats (record-file lines,
// tax-rate files, CSV); decimal amounts are read and written exactly by decimaltext.h.
// Reading works like the C library's atoi on the bytes [begin, end): leading white space
// is skipped, conversion stops at the first character that does not fit, an empty or
// non-numeric text gives 0. Unlike atoi it never reads past `end`, never depends on the
// user's locale, and a number too large for 32 bits gives the nearest 32-bit value
// instead of undefined behaviour. Writing gives what printf's "%d" gives in the C locale.
int32_t TextToInt(const char *begin, const char *end);

inline int32_t TextToInt(const std::string &text)
{
    return TextToInt(text.data(), text.data() + text.size());
}

void AppendInt(std::string &out, long long value);
