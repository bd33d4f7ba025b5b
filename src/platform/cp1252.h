#pragma once

#include <string>

// Files hold single-byte Windows-1252 text; the core keeps those bytes as they are.
// These two convert at the boundary to UTF-8 (the command line, the window).

// Every byte as its character; the five bytes without one become U+FFFD.
std::string Cp1252ToUtf8(const std::string &bytes);

// Every character that Windows-1252 has as its byte; any other becomes '?'.
// Invalid UTF-8 sequences also become '?'.
std::string Utf8ToCp1252(const std::string &utf8);
