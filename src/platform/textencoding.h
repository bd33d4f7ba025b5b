#pragma once

#include <string>

// The program's texts are single-byte Windows-1252. A text file written by a newer program
// may be UTF-8: one that starts with the UTF-8 byte-order mark, or that is valid UTF-8 and
// has characters outside ASCII, is converted (the mark dropped; a character Windows-1252
// lacks becomes '?'). Anything else is Windows-1252 already and comes back unchanged.
std::string TextFileToCp1252(const std::string &bytes);

// Whether `bytes` is well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsValidUtf8(const std::string &bytes);
