#pragma once

#include <string>

// What a core operation gives back: its status, and the program's own message text
// (Windows-1252 bytes), which the window shows in a message box and the command-line tool
// prints on standard error. A success may carry a message too (for example a file read as
// far as it could be). Callers decide by `status`, never by the message text.
struct Result {
    enum class Status {
        Ok,
        CannotOpen, // the file could not be opened or read at all; nothing was taken from it
        BadFormat,  // the file was read but is not of the expected kind or layout
        Failed,     // any other failure: a bad line, a failed write, a refused change
    };

    Status status = Status::Ok;
    std::string message;

    bool ok() const { return status == Status::Ok; }
    explicit operator bool() const { return ok(); }

    static Result success() { return {}; }
    static Result failure(std::string text, Status status = Status::Failed)
    {
        return Result{status, std::move(text)};
    }
    static Result cannotOpen(std::string text)
    {
        return failure(std::move(text), Status::CannotOpen);
    }
    static Result badFormat(std::string text)
    {
        return failure(std::move(text), Status::BadFormat);
    }
};
