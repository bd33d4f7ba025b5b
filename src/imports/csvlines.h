#pragma once

#include <string_view>

// The text lines of an import file, shared by both ways of importing.
// The lines of a file image. A line ends at a line feed; the carriage return of a CR LF
// line end is not part of the line.
class LineReader
{
public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    bool next(std::string_view &line)
    {
        if (rest_.empty())
            return false;
        const size_t end = rest_.find('\n');
        line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
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
