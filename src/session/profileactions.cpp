#include "session/profileactions.h"

#include "profiles/cprofilestore.h"
#include "session/dialogdata.h"
#include "session/pathnames.h"
#include "session/sessionprompts.h"
#include "session/sessionsettings.h"

ProfileRecord ProfileFromCompany(const CompanyInfo &identity, size_t recordIndex)
{
    ProfileRecord profile;
    profile.companyName = identity.companyName;
    profile.address = identity.address;
    profile.city = identity.city;
    profile.provinceState = identity.provinceState;
    profile.country = identity.country;
    profile.postalCode = identity.postalCode;
    profile.phone = identity.phone;
    profile.iftaNumber = identity.iftaNumber;
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
    c.companyName = p.companyName;
    c.address = p.address;
    c.city = p.city;
    c.provinceState = p.provinceState;
    c.country = p.country;
    c.postalCode = p.postalCode;
    c.phone = p.phone;
    c.iftaNumber = p.iftaNumber;
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
