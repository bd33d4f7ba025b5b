#pragma once

#include <string>

// A field as a comma-separated file writes it: quoted (with doubled quotes) when it holds
// a comma, a quote or a line break, so that a spreadsheet reads it back whole.
inline std::string CsvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}
