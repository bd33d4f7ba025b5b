#pragma once

#include <cstdint>
#include <string>

// The small text file written beside each recovery copy: what the copy holds, the file
// its changes belong to, when it was written and by which run of the program. A run
// that finds a note of a process that is gone offers the copy at its start.
struct RecoveryNote {
    enum class Kind { Record, Table };
    Kind kind = Kind::Record;
    std::string copyName;     // the copy's file name, in the note's folder
    std::string originalPath; // the record or tax-rate file; empty: never saved
    int64_t time = 0;         // seconds since 1970 when the copy was written
    uint64_t processId = 0;   // the run that wrote it
};

// The note's text: a first line that names it, then "key=value" lines; line ends and
// backslashes in the path are written as \n, \r and \\.
std::string FormatRecoveryNote(const RecoveryNote &note);

// Reads a note's text. False for anything else, for a note without its copy's name,
// kind, time or process, and for a copy name that is not a plain name of this program's
// copies (a note must never point a Discard at another file).
bool ParseRecoveryNote(const std::string &text, RecoveryNote &note);

// Whether `name` may be the file name of a recovery copy or note: "tollmark-..." with
// no folder in it.
bool IsRecoveryFileName(const std::string &name);
