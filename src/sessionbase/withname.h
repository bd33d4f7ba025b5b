#pragma once

#include "numbers/uitext.h"

#include <string>

// A message of the session with the file's name in place of its "%1", the pattern
// translated first (its constant is marked for the catalogue in the context "Messages").
inline std::string WithName(const char *pattern, const std::string &name)
{
    return UiArgs(UiText("Messages", pattern), {name});
}
