#include "sessionbase/backupversions.h"

#include "formats/recordfile.h"
#include "numbers/uitext.h"
#include "platform/cp1252.h"
#include "platform/pathnames.h"
#include "platform/platformfile.h"
#include "platform/safefile.h"
#include "records/ciftadoc.h"
#include "report/report.h"
#include "sessionbase/dialogdata.h"
#include "sessionbase/sessionprompts.h"
#include "sessionbase/sessionsettings.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>

namespace {

namespace fs = std::filesystem;

// "YYYYMMDD-HHMMSS-NN": sorts as the times do.
constexpr size_t kStampLength = 18;

// The original's full path, the same however it was named, as 8 hex digits (FNV-1a).
std::string KeyOf(const std::string &original)
{
    std::error_code error;
    fs::path full = fs::absolute(PathFromUtf8(original), error);
    const std::string text = Utf8FromPath(error ? PathFromUtf8(original) : full.lexically_normal());
    uint32_t hash = 2166136261u;
    for (const unsigned char c : text)
        hash = (hash ^ c) * 16777619u;
    char key[9];
    std::snprintf(key, sizeof key, "%08x", static_cast<unsigned>(hash));
    return key;
}

std::string StampOf(std::time_t now, int counter)
{
    const std::tm *local = std::localtime(&now);
    char stamp[32] = "00000000-000000";
    if (local)
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", local);
    const int count = counter % 100;
    return std::string(stamp) + "-" + char('0' + count / 10) + char('0' + count % 10);
}

} // namespace

BackupVersions::BackupVersions(std::string folder, int kept, std::time_t now)
    : folder_(std::move(folder))
    , kept_(std::clamp(kept, 0, kMostKept))
    , now_(now)
{
}

std::string BackupVersions::prefixOf(const std::string &original) const
{
    const fs::path path = PathFromUtf8(original);
    return Utf8FromPath(path.stem()) + "~" + KeyOf(original) + "~";
}

Result BackupVersions::keep(const std::string &original)
{
    if (kept_ == 0 || !PathExists(original))
        return Result::success();
    std::string bytes;
    if (Result read = SafeFile::readAll(original, bytes, SafeFile::kRecordFileLimit); !read)
        return read;
    if (const int error = MakeFolders(folder_))
        return Result::failure(SafeFile::saveFailureText(folder_, error));

    const std::string extension = Utf8FromPath(PathFromUtf8(original).extension());
    const std::vector<std::string> before = versionsOf(original);
    std::string target;
    for (int counter = 0; counter < 100 && target.empty(); ++counter) {
        const std::string name = prefixOf(original) + StampOf(now_, counter) + extension;
        const std::string candidate = JoinPath(folder_, name);
        if (!PathExists(candidate))
            target = candidate;
    }
    if (target.empty())
        return Result::failure(
            UiArgs(UiText("BackupVersions", "Too many versions of %1 in one second."),
                   {Utf8ToCp1252(original)}));
    if (Result written = SafeFile::writeAll(target, bytes); !written)
        return written;

    // The oldest go once more than `kept_` are there.
    for (size_t i = static_cast<size_t>(kept_) - 1; i < before.size(); ++i)
        RemoveFileAt(before[i]);
    return Result::success();
}

std::vector<std::string> BackupVersions::versionsOf(const std::string &original) const
{
    const std::string prefix = prefixOf(original);
    const std::string extension = Utf8FromPath(PathFromUtf8(original).extension());
    std::vector<std::string> names;
    for (const std::string &name : FolderEntryNames(folder_)) {
        if (name.size() == prefix.size() + kStampLength + extension.size() &&
            name.compare(0, prefix.size(), prefix) == 0 &&
            name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), std::greater<>());
    for (std::string &name : names)
        name = JoinPath(folder_, name);
    return names;
}

std::string BackupVersions::TimeOf(const std::string &version)
{
    const std::string name = Utf8FromPath(PathFromUtf8(version).filename());
    const size_t at = name.rfind('~');
    if (at == std::string::npos || name.size() < at + 1 + kStampLength)
        return {};
    const std::string s = name.substr(at + 1, kStampLength);
    return s.substr(0, 4) + "-" + s.substr(4, 2) + "-" + s.substr(6, 2) + " " + s.substr(9, 2) +
           ":" + s.substr(11, 2) + ":" + s.substr(13, 2);
}

bool KeepVersionBeforeSave(SessionSettings &settings, SessionPrompts &prompts,
                           const std::string &path)
{
    const std::string folder = settings.backupFolder();
    if (folder.empty())
        return true;
    BackupVersions versions(folder, settings.backupsKept());
    const Result kept = versions.keep(path);
    if (kept)
        return true;
    return prompts.askYesNo(
        UiArgs(UiText("BackupVersions", "The version of %1 that this save replaces could not be "
                                        "kept as a backup:\n%2\nSave all the same?"),
               {Utf8ToCp1252(path), kept.message}));
}

VersionRow DescribeVersion(const std::string &version, LoadedTaxTable &rates, bool wholeUnits)
{
    VersionRow row;
    row.path = version;
    row.when = BackupVersions::TimeOf(version);
    CIftaDoc kept(&rates);
    const Result read = ReadRecordFile(kept, version);
    if (!read) {
        row.problem = read.message;
        return row;
    }
    const Report report =
        ComputeReport(kept, wholeUnits ? FuelRounding::WholeUnits : FuelRounding::Hundredths);
    row.trips = kept.entries().size();
    row.distance = report.totals.totalDistance;
    row.fuel = report.totals.totalFuelPaid;
    row.tax = report.totals.totalTax;
    return row;
}
