#include "filing/money.h"

#include <cstdio>
#include <limits>

namespace {

// 128 bits, so that no product of an amount and a summed factor can overflow.
__extension__ typedef __int128 Wide;

// floor(a / b) for b > 0.
Wide FloorDivide(Wide a, Wide b)
{
    const Wide q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

} // namespace

Cents MultiplyRoundHalfUp(Cents amount, Millionths factor)
{
    constexpr Wide kScale = 1000000;
    const Wide rounded = FloorDivide(Wide(amount) * factor + kScale / 2, kScale);
    // Beyond any real return; kept inside 64 bits rather than wrapped.
    const Wide limit = std::numeric_limits<Cents>::max();
    return static_cast<Cents>(rounded > limit ? limit : (rounded < -limit ? -limit : rounded));
}

std::string FormatCents(Cents amount)
{
    const bool negative = amount < 0;
    const uint64_t magnitude =
        negative ? static_cast<uint64_t>(-(amount + 1)) + 1 : static_cast<uint64_t>(amount);
    char text[40];
    std::snprintf(text, sizeof text, "%s%llu.%02llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 100),
                  static_cast<unsigned long long>(magnitude % 100));
    return text;
}

bool ParseCents(const std::string &text, Cents &amount)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return false;
    const std::string trimmed = text.substr(first, text.find_last_not_of(' ') - first + 1);
    const size_t point = trimmed.find('.');
    const std::string whole = trimmed.substr(0, point);
    const std::string decimals =
        point == std::string::npos ? std::string() : trimmed.substr(point + 1);
    if (whole.empty() || whole.size() > 10 || decimals.size() > 2 ||
        (point != std::string::npos && decimals.empty()))
        return false;
    Cents value = 0;
    for (char c : whole + decimals + std::string(2 - decimals.size(), '0')) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (value > 100000000000LL)
        return false;
    amount = value;
    return true;
}
