#pragma once

#include <string>

// The remembered settings of the program: the default tax-rate file and the default
// user-profiles file (an empty path means none is remembered), and whether the report
// rounds fuel to whole units. The window keeps them in the user's settings.
class SessionSettings
{
public:
    virtual ~SessionSettings() = default;

    virtual std::string defaultTaxFile() = 0;
    virtual void setDefaultTaxFile(const std::string &path) = 0;
    virtual std::string defaultProfilesFile() = 0;
    virtual void setDefaultProfilesFile(const std::string &path) = 0;
    virtual bool wholeUnits() = 0;
    virtual void setWholeUnits(bool whole) = 0;
};

// Settings that live as long as the object: tollmark-cli's and the tests'.
class MemorySettings : public SessionSettings
{
public:
    std::string defaultTaxFile() override { return taxFile; }
    void setDefaultTaxFile(const std::string &path) override { taxFile = path; }
    std::string defaultProfilesFile() override { return profilesFile; }
    void setDefaultProfilesFile(const std::string &path) override { profilesFile = path; }
    bool wholeUnits() override { return whole; }
    void setWholeUnits(bool value) override { whole = value; }

    std::string taxFile;
    std::string profilesFile;
    bool whole = false;
};
