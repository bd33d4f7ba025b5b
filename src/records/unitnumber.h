#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The unit number of a trip line: which truck of the fleet drove it. It is kept in the
// line's `reservedText`, the field record files have always carried unchanged (files
// written before units were kept leave it empty: lines with no unit).

// The longest unit number, in characters (the field of the trip dialog and of imports).
constexpr size_t kUnitNumberLength = 23;

// Whether `c` may stand in a unit number: a comma or a line end would split the stored
// trip line.
inline bool IsUnitNumberChar(char c)
{
    return c != ',' && c != '\n' && c != '\r';
}

// `text` as a unit number: blanks at both ends removed, commas and line ends replaced by
// blanks, cut to kUnitNumberLength characters (then trimmed again).
std::string CleanUnitNumber(std::string_view text);
