#include "session/profileactions.h"

#include "platform/pathnames.h"
#include "profiles/cprofilestore.h"
#include "session/dialogdata.h"
#include "session/sessionprompts.h"
#include "session/sessionsettings.h"

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

Result DeleteProfile(CProfileStore &store, size_t index)
{
    return store.deleteProfile(index);
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
