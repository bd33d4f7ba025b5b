#include "records/unitnumber.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string CleanUnitNumber(std::string_view text)
{
    std::string unit;
    for (const char c : Trimmed(text))
        unit += IsUnitNumberChar(c) ? c : ' ';
    if (unit.size() > kUnitNumberLength)
        unit.resize(kUnitNumberLength);
    return std::string(Trimmed(unit));
}
