#include "filing/money.h"

#include <cstdio>

namespace {

// floor(a / b) for b > 0.
int64_t FloorDivide(int64_t a, int64_t b)
{
    const int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

} // namespace

Cents MultiplyRoundHalfUp(Cents amount, Millionths factor)
{
    constexpr int64_t kScale = 1000000;
    // The product of a tax in cents and a summed factor stays far inside 64 bits for any
    // return a carrier files (a billion dollars of tax times a factor of 10).
    return FloorDivide(amount * factor + kScale / 2, kScale);
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
