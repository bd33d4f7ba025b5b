#include "sessionbase/profileactions.h"

#include "numbers/uitext.h"
#include "platform/pathnames.h"
#include "profiles/cprofilestore.h"
#include "sessionbase/dialogdata.h"
#include "sessionbase/sessionprompts.h"
#include "sessionbase/sessionsettings.h"

namespace {

// The eight identity texts a profile and a record's company data share.
struct IdentityText {
    std::string CompanyInfo::*company;
    std::string ProfileRecord::*profile;
};

const IdentityText kIdentityTexts[] = {
    {&CompanyInfo::companyName, &ProfileRecord::companyName},
    {&CompanyInfo::address, &ProfileRecord::address},
    {&CompanyInfo::city, &ProfileRecord::city},
    {&CompanyInfo::provinceState, &ProfileRecord::provinceState},
    {&CompanyInfo::country, &ProfileRecord::country},
    {&CompanyInfo::postalCode, &ProfileRecord::postalCode},
    {&CompanyInfo::phone, &ProfileRecord::phone},
    {&CompanyInfo::iftaNumber, &ProfileRecord::iftaNumber},
};

} // namespace

ProfileRecord ProfileFromCompany(const CompanyInfo &identity, size_t recordIndex)
{
    ProfileRecord profile;
    for (const IdentityText &text : kIdentityTexts)
        profile.*text.profile = identity.*text.company;
    profile.fuelType = identity.diesel ? FuelCodeDiesel : FuelCodeGasoline;
    profile.recordIndex = static_cast<int32_t>(recordIndex);
    return profile;
}

Result AddProfile(CProfileStore &store, const CompanyInfo &identity)
{
    return store.addProfile(ProfileFromCompany(identity, store.profiles().size()));
}

namespace {

// A name as the user means it: blanks around it and the case of letters aside.
std::string Folded(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    std::string folded = text.substr(first, last - first + 1);
    for (char &c : folded) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return folded;
}

} // namespace

int FindStoredProfile(const CProfileStore &store, const CompanyInfo &identity)
{
    const std::string name = Folded(identity.companyName);
    const std::string number = Folded(identity.iftaNumber);
    const std::vector<ProfileRecord> &profiles = store.profiles();
    for (size_t i = 0; i < profiles.size(); ++i) {
        if (Folded(profiles[i].companyName) == name && Folded(profiles[i].iftaNumber) == number)
            return static_cast<int>(i);
    }
    return -1;
}

Result AddOrReplaceProfile(CProfileStore &store, const CompanyInfo &identity,
                           SessionPrompts &prompts, bool &saved)
{
    saved = false;
    const int stored = FindStoredProfile(store, identity);
    if (stored < 0) {
        const Result added = AddProfile(store, identity);
        saved = added.ok();
        return added;
    }
    // Named as stored, the profile the user will find in the profiles dialog.
    const ProfileRecord &existing = store.profiles()[static_cast<size_t>(stored)];
    std::string who = existing.companyName;
    if (!existing.iftaNumber.empty())
        who = UiArgs(UiText("ProfileActions", "%1 (IFTA number %2)"), {who, existing.iftaNumber});
    if (!prompts.askYesNo(UiArgs(
            UiText("ProfileActions", "A profile of %1 is already stored. Replace it?"), {who})))
        return Result::success();
    const auto position = static_cast<size_t>(stored);
    const Result replaced = store.replaceProfile(position, ProfileFromCompany(identity, position));
    saved = replaced.ok();
    return replaced;
}

Result DeleteProfile(CProfileStore &store, size_t index)
{
    return store.deleteProfile(index);
}

std::string DeleteProfileQuestion(const ProfileRecord &profile)
{
    const std::string name = profile.companyName.empty() ? UiText("ProfileActions", "this carrier")
                                                         : profile.companyName;
    return UiArgs(UiText("ProfileActions", "Delete the profile of %1?"), {name});
}

int PositionAfterDelete(size_t deleted, size_t remaining)
{
    if (remaining == 0)
        return -1;
    return static_cast<int>(deleted < remaining ? deleted : remaining - 1);
}

CompanyInfo CompanyFromProfile(const ProfileRecord &p)
{
    CompanyInfo c = CompanyDialogData::DialogDefaults();
    for (const IdentityText &text : kIdentityTexts)
        c.*text.company = p.*text.profile;
    c.diesel = p.fuelType == FuelCodeDiesel ? 1 : 0;
    c.gasoline = p.fuelType == FuelCodeGasoline ? 1 : 0;
    return c;
}

bool OpenProfilesFile(CProfileStore &store, SessionSettings &settings, SessionPrompts &prompts,
                      const std::string &currentDirectory)
{
    if (currentDirectory.empty())
        return false;
    std::string path = settings.defaultProfilesFile();
    if (path.empty())
        path = JoinPath(currentDirectory, "ifta.usr");
    if (!store.open(path).ok()) {
        path = prompts.openFileName(CProfileStore::kFilter);
        if (path.empty() || !store.open(path).ok())
            return false;
    }
    settings.setDefaultProfilesFile(path);
    return true;
}
