// The user-profile use cases: what "Add Profile" stores and what a chosen profile gives a
// new record.

#include "sessiontest.h"

#include "sessionbase/profileactions.h"

using namespace sessiontest;
using Answer = SessionPrompts::Answer;

namespace {

CompanyInfo Identity(const std::string &name, int32_t diesel, int32_t gasoline)
{
    CompanyInfo identity;
    identity.companyName = name;
    identity.city = "Rimouski";
    identity.iftaNumber = "QC-" + name;
    identity.diesel = diesel;
    identity.gasoline = gasoline;
    // Not part of a profile: the odometer and the notes stay with the record file.
    identity.startOdometer = 5000;
    identity.useOdometer = 1;
    identity.notes = "record notes";
    return identity;
}

} // namespace

TEST(ProfileActionsTest, AddProfileStoresTheFuelTypeAndThePosition)
{
    struct Case {
        const char *name;
        int32_t diesel, gasoline;
        int32_t fuelType;
    } const cases[] = {
        {"Diesel", 1, 0, FuelCodeDiesel},
        {"Gas", 0, 1, FuelCodeGasoline},
        {"Neither", 0, 0, FuelCodeGasoline}, // not diesel is gasoline
        {"Both", 1, 1, FuelCodeDiesel},
    };
    TempDir folder;
    const std::string path = folder.file("ifta.usr");
    {
        CProfileStore store;
        ASSERT_TRUE(store.open(path).ok());
        for (const Case &c : cases)
            ASSERT_TRUE(AddProfile(store, Identity(c.name, c.diesel, c.gasoline)).ok());
    }
    // What the file holds, read again.
    CProfileStore store;
    ASSERT_TRUE(store.open(path).ok());
    ASSERT_EQ(store.profiles().size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const ProfileRecord &profile = store.profiles()[i];
        EXPECT_EQ(profile.companyName, cases[i].name);
        EXPECT_EQ(profile.city, "Rimouski");
        EXPECT_EQ(profile.iftaNumber, std::string("QC-") + cases[i].name);
        EXPECT_EQ(profile.fuelType, cases[i].fuelType) << cases[i].name;
        EXPECT_EQ(profile.recordIndex, static_cast<int32_t>(i));
        EXPECT_EQ(profile.startOdometer, 0);
        EXPECT_EQ(profile.useOdometer, 0);
    }
}

TEST(ProfileActionsTest, ChosenProfileGivesTheFuelFlagsOfItsCode)
{
    struct Case {
        int32_t fuelType;
        int32_t diesel, gasoline;
    } const cases[] = {
        {FuelCodeDiesel, 1, 0}, {FuelCodeGasoline, 0, 1}, {0, 0, 0}, {3, 0, 0},
        {FuelCodeNone, 0, 0},
    };
    for (const Case &c : cases) {
        ProfileRecord profile;
        profile.companyName = "Fleet";
        profile.country = "US";
        profile.provinceState = "ME";
        profile.fuelType = c.fuelType;
        profile.startOdometer = 123; // a profile's odometer is not taken
        const CompanyInfo company = CompanyFromProfile(profile);
        EXPECT_EQ(company.diesel, c.diesel) << c.fuelType;
        EXPECT_EQ(company.gasoline, c.gasoline) << c.fuelType;
        EXPECT_EQ(company.companyName, "Fleet");
        EXPECT_EQ(company.country, "US");
        EXPECT_EQ(company.provinceState, "ME");
        EXPECT_EQ(company.startOdometer, 0);
    }
}

// "Add Profile" of a carrier already stored (the same name and IFTA number, however
// spaced or capitalised) asks first; Yes replaces it in its place, No stores nothing. A
// carrier of another IFTA number is another profile.
TEST(ProfileActionsTest, AddProfileOfAStoredCarrierAsksBeforeReplacingIt)
{
    TempDir folder;
    const std::string path = folder.file("ifta.usr");
    CProfileStore store;
    ASSERT_TRUE(store.open(path).ok());
    ScriptedPrompts prompts;
    bool saved = false;
    ASSERT_TRUE(AddOrReplaceProfile(store, Identity("Acme", 1, 0), prompts, saved).ok());
    ASSERT_TRUE(AddOrReplaceProfile(store, Identity("Boreal", 1, 0), prompts, saved).ok());
    EXPECT_TRUE(prompts.shown.empty());

    CompanyInfo again = Identity("Acme", 0, 1);
    again.companyName = "  ACME ";
    again.iftaNumber = "qc-acme";
    again.city = "Gaspe";
    const struct {
        Answer answer;
        bool saved;
        const char *city;
    } cases[] = {{Answer::No, false, "Rimouski"}, {Answer::Yes, true, "Gaspe"}};
    for (const auto &c : cases) {
        prompts.shown.clear();
        prompts.answers.push_back(c.answer);
        ASSERT_TRUE(AddOrReplaceProfile(store, again, prompts, saved).ok());
        EXPECT_EQ(saved, c.saved);
        EXPECT_EQ(prompts.shown, std::vector<std::string>{"A profile of Acme (IFTA number "
                                                          "QC-Acme) is already stored. Replace "
                                                          "it?"});
        // What the file holds: still two profiles, the first in its place.
        ProfilesSnapshot snapshot;
        ASSERT_TRUE(CProfileStore::ReadProfilesFile(path, snapshot).ok());
        ASSERT_EQ(snapshot.profiles.size(), 2u);
        EXPECT_EQ(snapshot.profiles[0].city, c.city);
        EXPECT_EQ(snapshot.profiles[0].recordIndex, 0);
        EXPECT_EQ(snapshot.profiles[1].companyName, "Boreal");
    }

    CompanyInfo other = Identity("Acme", 1, 0);
    other.iftaNumber = "ON-1";
    prompts.shown.clear();
    ASSERT_TRUE(AddOrReplaceProfile(store, other, prompts, saved).ok());
    EXPECT_TRUE(saved);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(store.profiles().size(), 3u);
}
