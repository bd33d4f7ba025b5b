#pragma once

#include <string>

// What a core operation gives back: success, or failure with the program's own message
// text (Windows-1252 bytes), which the window shows in a message box and the
// command-line tool prints on standard error. A success may carry a message too (for
// example a file read as far as it could be).
struct Result {
    bool ok = true;
    std::string message;

    static Result success() { return {}; }
    static Result failure(std::string text) { return Result{false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};
