#pragma once

#include <string>

// The remembered settings of the program: the default tax-rate file, the default
// user-profiles file and the interest-rate table (an empty path means none is
// remembered), whether the report rounds fuel to whole units and how often recovery
// copies are written. The window keeps them in the user's settings.
class SessionSettings
{
public:
    virtual ~SessionSettings() = default;

    virtual std::string defaultTaxFile() = 0;
    virtual void setDefaultTaxFile(const std::string &path) = 0;
    virtual std::string defaultProfilesFile() = 0;
    virtual void setDefaultProfilesFile(const std::string &path) = 0;
    // The interest-rate table Options names; empty: the one shipped with the program.
    virtual std::string interestRatesFile() = 0;
    virtual void setInterestRatesFile(const std::string &path) = 0;
    // Where the user's own copy of the interest-rate table goes when a factor is typed in
    // the Filing Date dialog (its folder exists); empty: nowhere.
    virtual std::string ownInterestRatesFile() = 0;
    virtual bool wholeUnits() = 0;
    virtual void setWholeUnits(bool whole) = 0;
    // Minutes between recovery copies of unsaved changes; 0: no recovery copies.
    virtual int recoveryMinutes() = 0;
    virtual void setRecoveryMinutes(int minutes) = 0;
    // Where the versions a save replaces are kept (BackupVersions); empty: none are kept
    // (tollmark-cli keeps none).
    virtual std::string backupFolder() { return {}; }
    // How many versions of each file are kept, 0 to 100.
    virtual int backupsKept() { return 10; }
    virtual void setBackupsKept(int) {}
    // The window's language: "" follows the system, "en" or "fr" chosen in Options; it
    // takes effect at the next start. tollmark-cli is always English.
    virtual std::string language() { return {}; }
    virtual void setLanguage(const std::string &) {}
};

// Recovery copies are written every two minutes unless Options say otherwise, and at
// most every 24 hours when they are written at all.
constexpr int kDefaultRecoveryMinutes = 2;
constexpr int kMostRecoveryMinutes = 24 * 60;

// Settings that live as long as the object: tollmark-cli's and the tests'.
class MemorySettings : public SessionSettings
{
public:
    std::string defaultTaxFile() override { return taxFile; }
    void setDefaultTaxFile(const std::string &path) override { taxFile = path; }
    std::string defaultProfilesFile() override { return profilesFile; }
    void setDefaultProfilesFile(const std::string &path) override { profilesFile = path; }
    std::string interestRatesFile() override { return interestRates; }
    void setInterestRatesFile(const std::string &path) override { interestRates = path; }
    std::string ownInterestRatesFile() override { return ownInterestRates; }
    bool wholeUnits() override { return whole; }
    void setWholeUnits(bool value) override { whole = value; }
    int recoveryMinutes() override { return recovery; }
    void setRecoveryMinutes(int minutes) override { recovery = minutes; }
    std::string backupFolder() override { return backups; }
    int backupsKept() override { return kept; }
    void setBackupsKept(int value) override { kept = value; }

    std::string taxFile;
    std::string profilesFile;
    std::string interestRates;
    std::string ownInterestRates;
    bool whole = false;
    int recovery = kDefaultRecoveryMinutes;
    std::string backups;
    int kept = 10;
};
