#pragma once

#include <string>

// A message of the session with the file's name in place of its "%1" (the texts keep
// their one placeholder, as translated texts will).
inline std::string WithName(const char *pattern, const std::string &name)
{
    std::string text = pattern;
    const size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, name);
    return text;
}
