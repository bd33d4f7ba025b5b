#include "numbers/textnumber.h"

#include <charconv>

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

void AppendInt(std::string &out, long long value)
{
    char buffer[24];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}
