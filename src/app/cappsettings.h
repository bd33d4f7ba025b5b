#pragma once

#include "session/sessionsettings.h"

#include <QStringList>

// The user's settings of the program (QSettings "Varnotec"/"Tollmark": on Windows
// HKEY_CURRENT_USER\Software\Varnotec\Tollmark, elsewhere Varnotec/Tollmark.conf under
// the user's configuration folder): the two remembered file paths and the report's
// rounding the session uses, and the recent-file list.
class CAppSettings : public SessionSettings
{
public:
    static constexpr int kRecentFileCount = 4;

    // "TaxFile"/"DefaultTaxFile" and "ProfilesFile"/"DefaultProfilesFile", read afresh at
    // every call, in the file system's bytes.
    std::string defaultTaxFile() override;
    void setDefaultTaxFile(const std::string &path) override;
    std::string defaultProfilesFile() override;
    void setDefaultProfilesFile(const std::string &path) override;
    // "InterestRates"/"InterestRatesFile".
    std::string interestRatesFile() override;
    void setInterestRatesFile(const std::string &path) override;
    // "Report/WholeUnits", false unless set.
    bool wholeUnits() override;
    void setWholeUnits(bool whole) override;

    // "Recent File List"/"File1".."File4", most recent first.
    QStringList recentFiles() const;
    // Puts `path` first, once.
    void addRecentFile(const QString &path);
};
