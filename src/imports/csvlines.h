#pragma once

#include "numbers/uitext.h"
#include <algorithm>
#include <cstddef>
#include <string_view>

// The text lines of an import file, shared by both ways of importing.
// The lines of a file image. A line ends at a line feed, a carriage return or both (CR
// LF): a file saved with bare carriage returns has as many lines as it shows.
class LineReader
{
public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    bool next(std::string_view &line)
    {
        if (rest_.empty())
            return false;
        const size_t end = rest_.find_first_of("\r\n");
        line = rest_.substr(0, end);
        size_t taken = end == std::string_view::npos ? rest_.size() : end + 1;
        if (end != std::string_view::npos && rest_[end] == '\r' && end + 1 < rest_.size() &&
            rest_[end + 1] == '\n')
            ++taken;
        rest_.remove_prefix(taken);
        return true;
    }

    bool nextNonEmpty(std::string_view &line)
    {
        while (next(line)) {
            if (!line.empty())
                return true;
        }
        return false;
    }

private:
    std::string_view rest_;
};

// The most trip lines an import makes (as many as a record file may hold); a file with
// more is refused rather than filling the memory.
constexpr size_t kMostImportedLines = 10000000;
constexpr const char *kTooManyImportedLines =
    UI_TEXT_NOOP("Messages", "The file holds more than 10000000 trip lines; it is not imported.");

// A field or line without its leading and trailing blanks and tabs.
inline std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Room to reserve for the trip lines of `text`: one for each line with something in it,
// and one in eight more for surcharge lines, never more than the most lines. Empty lines
// reserve nothing, so a file of line ends cannot claim memory.
inline size_t ImportLineRoom(std::string_view text)
{
    size_t lines = 0;
    bool inLine = false;
    for (char c : text) {
        const bool end = c == '\n' || c == '\r';
        lines += !end && !inLine;
        inLine = !end;
    }
    const size_t most = kMostImportedLines + kMostImportedLines / 8;
    return std::min(lines + lines / 8, most);
}
