#pragma once

#include "records/result.h"

#include <string>

// Whole-file reading and crash-safe writing for the program's own files (record files,
// tax-rate files, profiles written from a list).
//
// Writing goes to a temporary file in the same folder, is flushed to the disk and only
// then renamed over the target, so a write that fails half-way (full disk, no permission,
// power loss) never leaves a truncated file behind: the previous file stays as it was.
class SafeFile
{
public:
    // Reads the whole file into `bytes`. Fails with a message naming the file when it
    // cannot be opened or read.
    static Result readAll(const std::string &path, std::string &bytes);

    // Replaces the file at `path` by `bytes` atomically. An existing file keeps its
    // permission bits; one the user may not write is refused. On failure nothing at `path` has
    // changed, no temporary file is left behind and the message names the file and the reason.
    static Result writeAll(const std::string &path, const std::string &bytes);

    // The message texts of a failed open and a failed save, for callers that check
    // a path before reading.
    static std::string openFailureText(const std::string &path, int error);
    static std::string saveFailureText(const std::string &path, int error);

    // Test seam: called with the temporary file's path once it holds all the new bytes
    // and is closed, just before it is renamed over the target. Fault tests stop the
    // program there to show that an interrupted save leaves the old file whole. Null
    // (the default) calls nothing.
    using BeforeRenameHook = void (*)(const std::string &tempPath, const std::string &path);
    static void setBeforeRenameHook(BeforeRenameHook hook);
};
