#pragma once

#include "platform/result.h"

#include <ctime>
#include <string>
#include <vector>

class LoadedTaxTable;
class SessionPrompts;
class SessionSettings;
struct VersionRow;

// Earlier versions of the files the program saves. Before a save replaces a record or a
// tax-rate file, the file as it is goes into the backups folder as
// "<name>~<key>~<YYYYMMDD-HHMMSS-NN>.<ext>": the original's name, a key of its full path
// (two q2.irc of two carriers keep apart), the local time of the save and a counter
// within the second. The extension stays, so a version opens like any record file. The
// last `kept` versions of each file stay; older ones are removed.
class BackupVersions
{
public:
    BackupVersions(std::string folder, int kept, std::time_t now = std::time(nullptr));

    // Copies the file at `original` into the folder before a save replaces it. Nothing
    // to keep (no file there yet, or `kept` 0) is a success.
    Result keep(const std::string &original);
    // The versions kept of `original`, newest first, as full paths.
    std::vector<std::string> versionsOf(const std::string &original) const;

    // When a version was made, from its name: "2026-12-10 14:32:05", or empty.
    static std::string TimeOf(const std::string &version);
    // The most versions kept of one file that Options allow.
    static constexpr int kMostKept = 100;

private:
    std::string prefixOf(const std::string &original) const;

    std::string folder_;
    int kept_;
    std::time_t now_;
};

// Keeps the version a save of `path` is about to replace, in the settings' backups
// folder and number. When it cannot be kept, asks whether to save all the same; false
// means the user said no and the save must not happen.
bool KeepVersionBeforeSave(SessionSettings &settings, SessionPrompts &prompts,
                           const std::string &path);

// A kept version as "Restore Version" lists it: its time, trips and the report's totals
// with the loaded table, or why it cannot be read.
VersionRow DescribeVersion(const std::string &version, LoadedTaxTable &rates, bool wholeUnits);
