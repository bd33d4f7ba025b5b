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

// The stored profile of the same carrier as `identity` (the same company name and IFTA
// number, blanks around them and the case of letters aside), or -1.
int FindStoredProfile(const CProfileStore &store, const CompanyInfo &identity);

// "Add Profile" as the window does it: a carrier already stored is replaced, in its
// place, only when the user says so ("A profile of ... is already stored. Replace it?");
// otherwise the identity is added. `saved` is false when the user said No (nothing
// changed then).
Result AddOrReplaceProfile(CProfileStore &store, const CompanyInfo &identity,
                           SessionPrompts &prompts, bool &saved);

// "Delete" of the profile at `index` of the list: the file is rewritten from the list.
Result DeleteProfile(CProfileStore &store, size_t index);
// The question before a profile is deleted: "Delete the profile of ACME Trucking?".
std::string DeleteProfileQuestion(const ProfileRecord &profile);
// The list position the profiles dialog shows after the one at `deleted` was deleted
// and `remaining` are left: the one that took its place, else the new last one; -1 when
// none is left.
int PositionAfterDelete(size_t deleted, size_t remaining);

// The company values a new record file starts from when a profile is chosen: the eight
// texts and the fuel type (1 diesel, 2 gasoline, anything else neither).
CompanyInfo CompanyFromProfile(const ProfileRecord &profile);

// Opens the user-profiles file: the remembered one, else ifta.usr in `currentDirectory`,
// else one the user picks; the file opened becomes the remembered one. False when none
// could be opened.
bool OpenProfilesFile(CProfileStore &store, SessionSettings &settings, SessionPrompts &prompts,
                      const std::string &currentDirectory);
