// tollmark-cli subcommands on the user-profiles file: dump-profiles, profiles-add,
// profiles-delete. Each opens the store as the program does at start-up (a missing or
// empty file becomes an empty store; a held, unreadable or foreign file is refused and
// left as it is), makes its one change and lets the file go at exit.

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/jsonwriter.h"

#include "platform/cp1252.h"
#include "platform/pathnames.h"
#include "profiles/cprofilestore.h"
#include "sessionbase/profileactions.h"

#include <charconv>
#include <filesystem>
#include <iostream>

namespace {

// The profile texts "Add Profile" takes from the company dialog, by their option names,
// as the company data and as the stored profile hold them.
struct TextOption {
    const char *name;
    std::string CompanyInfo::*company;
    std::string ProfileRecord::*profile;
};

const TextOption kTextOptions[] = {
    {"companyName", &CompanyInfo::companyName, &ProfileRecord::companyName},
    {"address", &CompanyInfo::address, &ProfileRecord::address},
    {"city", &CompanyInfo::city, &ProfileRecord::city},
    {"provinceState", &CompanyInfo::provinceState, &ProfileRecord::provinceState},
    {"country", &CompanyInfo::country, &ProfileRecord::country},
    {"postalCode", &CompanyInfo::postalCode, &ProfileRecord::postalCode},
    {"phone", &CompanyInfo::phone, &ProfileRecord::phone},
    {"iftaNumber", &CompanyInfo::iftaNumber, &ProfileRecord::iftaNumber},
};

void WriteDate(JsonWriter &json, const std::string &name, const PeriodDate &date)
{
    json.beginArray(name);
    json.arrayValue(date.year);
    json.arrayValue(date.month);
    json.arrayValue(date.day);
    json.endArray();
}

void WriteProfile(JsonWriter &json, const ProfileRecord &p)
{
    json.beginObject();
    json.field("signature", p.signature);
    WriteDate(json, "periodFrom", p.periodFrom);
    WriteDate(json, "periodTo", p.periodTo);
    for (const TextOption &option : kTextOptions)
        json.field(option.name, p.*option.profile);
    json.field("notes", p.notes);
    json.field("startOdometer", p.startOdometer);
    json.field("year", p.year);
    json.field("quarter", p.quarter);
    json.field("fuelType", p.fuelType);
    json.field("recordIndex", p.recordIndex);
    json.field("useOdometer", p.useOdometer);
    json.endObject();
}

// The store of the one positional file name; a refusal is printed. False when the store
// could not be opened.
bool OpenStore(const std::string &path, CProfileStore &store, int &exitCode)
{
    const Result opened = store.open(path);
    if (!opened) {
        exitCode = InputFailure(opened.message);
        return false;
    }
    return true;
}

bool IsEmptyRegularFile(const std::string &path)
{
    std::error_code error;
    const std::filesystem::path file = std::filesystem::u8path(path);
    return std::filesystem::is_regular_file(file, error) &&
           std::filesystem::file_size(file, error) == 0 && !error;
}

} // namespace

int CmdDumpProfiles(const CliArgs &args)
{
    const std::string &path = args.positional()[0];
    // Looking at a file must not make one.
    if (!PathExists(path))
        return InputFailure("The file " + path + " does not exist.");

    // Read without taking the store: no write access is needed, a window holding the file
    // does not stand in the way, and a zero-length file stays as it is (no profiles, in
    // the layout a store would give it).
    ProfilesSnapshot store;
    if (const Result read = CProfileStore::ReadProfilesFile(path, store); !read)
        return InputFailure(read.message);
    if (store.recordLength == 0) {
        store.recordLength = CProfileStore::kRecordLength;
        store.extraHeaderLength = CProfileStore::kExtraHeaderLength;
        PutUint32(store.extraHeader.data(), CProfileStore::kSignature);
    }

    JsonWriter json;
    json.beginObject();
    json.field("recordCount", store.recordCount);
    json.field("recordLength", store.recordLength);
    json.field("extraHeaderLength", store.extraHeaderLength);
    json.beginArray("extraHeader");
    const auto &extra = store.extraHeader;
    for (size_t at = 0; at < extra.size(); at += 4)
        json.arrayValue(GetUint32(extra.data() + at));
    json.endArray();
    json.beginArray("profiles");
    for (const ProfileRecord &profile : store.profiles)
        WriteProfile(json, profile);
    json.endArray();
    json.endObject();
    std::cout << json.str();
    return ExitOk;
}

int CmdProfilesAdd(const CliArgs &args)
{
    return ProfilesAdd(args, CProfileStore::kLockWait);
}

int CmdProfilesDelete(const CliArgs &args)
{
    return ProfilesDelete(args, CProfileStore::kLockWait);
}

int ProfilesAdd(const CliArgs &args, std::chrono::milliseconds lockWait)
{
    // The company dialog's identity as "Add Profile" takes it: Diesel ticked for
    // --fuelType 1, not ticked otherwise (which stores gasoline, 2).
    CompanyInfo identity;
    for (const TextOption &option : kTextOptions)
        identity.*option.company = Utf8ToCp1252(args.value(option.name));
    const std::string fuel = args.value("fuelType", "2");
    if (fuel != "1" && fuel != "2")
        return UsageError("--fuelType takes 1 (diesel) or 2 (gasoline)");
    identity.diesel = fuel == "1" ? 1 : 0;
    identity.gasoline = fuel == "1" ? 0 : 1;

    CProfileStore store(lockWait);
    int exitCode = ExitOk;
    if (!OpenStore(args.positional()[0], store, exitCode))
        return exitCode;
    const Result added = AddProfile(store, identity);
    if (!added)
        return InputFailure(added.message);
    return ExitOk;
}

int ProfilesDelete(const CliArgs &args, std::chrono::milliseconds lockWait)
{
    if (args.positional().size() != 2)
        return UsageError("expected a profiles file and a position");
    const std::string &text = args.positional()[1];
    size_t index = 0;
    const char *end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, index);
    if (text.empty() || parsed.ec != std::errc() || parsed.ptr != end)
        return UsageError("INDEX is a position in the list, from 0");
    const std::string &path = args.positional()[0];
    if (!PathExists(path))
        return InputFailure("The file " + path + " does not exist.");
    // Opening a zero-length file would write a header into it: it holds no profile to
    // delete, and a failed delete leaves it as it was.
    if (IsEmptyRegularFile(path))
        return InputFailure("The file " + path + " holds no profiles; there is none at position " +
                            text + ".");

    CProfileStore store(lockWait);
    int exitCode = ExitOk;
    if (!OpenStore(path, store, exitCode))
        return exitCode;
    const Result deleted = DeleteProfile(store, index);
    if (!deleted)
        return InputFailure(deleted.message);
    return ExitOk;
}
