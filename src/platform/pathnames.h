#pragma once

#include <string>

// Paths as the record files and the use cases need them, in the file system's own bytes.

// The process's current folder, or empty when it cannot be told.
std::string CurrentDirectory();

// `name` in `folder`, with one separator between them.
std::string JoinPath(const std::string &folder, const std::string &name);

// The absolute, normalised form of `path` (no "." or ".." parts); symbolic links stay.
std::string FullPath(const std::string &path);

// The last part of `path`: the file's name as a caption shows it.
std::string FileNameOf(const std::string &path);

// Whether something exists at `path`, and whether this process may read or write it.
bool PathExists(const std::string &path);
bool IsReadableFile(const std::string &path);
bool IsWritablePath(const std::string &path);
