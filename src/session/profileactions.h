#pragma once

#include "platform/result.h"
#include "profiles/profilerecord.h"
#include "records/companyinfo.h"

#include <cstddef>
#include <string>

class CProfileStore;
class SessionPrompts;
class SessionSettings;

// The user-profile use cases, shared by the company and profiles dialogs and by
// tollmark-cli's profiles-add and profiles-delete.

// The profile "Add Profile" stores for the carrier's identity: the eight texts, the
// fuel type (diesel when Diesel is ticked, else gasoline) and the position it takes in
// the list; every other field 0.
ProfileRecord ProfileFromCompany(const CompanyInfo &identity, size_t recordIndex);

// "Add Profile": appends the carrier's identity to the open store and its file.
Result AddProfile(CProfileStore &store, const CompanyInfo &identity);

// "Delete" of the profile at `index` of the list: the file is rewritten from the list.
Result DeleteProfile(CProfileStore &store, size_t index);

// The company values a new record file starts from when a profile is chosen: the eight
// texts and the fuel type (1 diesel, 2 gasoline, anything else neither).
CompanyInfo CompanyFromProfile(const ProfileRecord &profile);

// Opens the user-profiles file: the remembered one, else ifta.usr in `currentDirectory`,
// else one the user picks; the file opened becomes the remembered one. False when none
// could be opened.
bool OpenProfilesFile(CProfileStore &store, SessionSettings &settings, SessionPrompts &prompts,
                      const std::string &currentDirectory);
