#pragma once

#include "sessionbase/sessionsettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QSettings;
class QWidget;

// The user's settings of the program, the one place that opens them (QSettings
// "Varnotec"/"Tollmark": on Windows HKEY_CURRENT_USER\Software\Varnotec\Tollmark,
// elsewhere Varnotec/Tollmark.conf under the user's configuration folder). The
// application builds one and hands it to the session (the remembered files and the
// report's rounding), the main window (its geometry, the recent files), the view (the
// preview's pages) and the import dialog (its presets). Every value is read afresh at each
// call, so what another part wrote is seen at once.
class CAppSettings : public SessionSettings
{
public:
    static constexpr int kRecentFileCount = 4;

    // The user's settings.
    CAppSettings();
    // An INI file of its own instead (tests, a portable set-up).
    explicit CAppSettings(const QString &iniFile);
    ~CAppSettings() override;
    CAppSettings(const CAppSettings &) = delete;
    CAppSettings &operator=(const CAppSettings &) = delete;

    // "TaxFile"/"DefaultTaxFile" and "ProfilesFile"/"DefaultProfilesFile", in the file
    // system's bytes.
    std::string defaultTaxFile() override;
    void setDefaultTaxFile(const std::string &path) override;
    std::string defaultProfilesFile() override;
    void setDefaultProfilesFile(const std::string &path) override;
    // "InterestRates"/"InterestRatesFile".
    std::string interestRatesFile() override;
    void setInterestRatesFile(const std::string &path) override;
    // interest-rates.tsv in the program's data folder of the user (beside the INI file
    // for settings of their own), the folder made when missing.
    std::string ownInterestRatesFile() override;
    // "Report/WholeUnits", false unless set.
    bool wholeUnits() override;
    void setWholeUnits(bool whole) override;
    // "Recovery/IntervalMinutes": minutes between recovery copies, 0 for none; 2 unless
    // set, at most a day.
    int recoveryMinutes() override;
    void setRecoveryMinutes(int minutes) override;
    // The "backups" folder of the user's application data; "Backups/Kept", 10 unless set.
    std::string backupFolder() override;
    int backupsKept() override;
    void setBackupsKept(int kept) override;
    // "Settings/Language": "" (the system's), "en" or "fr"; anything else counts as "".
    std::string language() override;
    void setLanguage(const std::string &language) override;

    // "Recent File List"/"File1".."File4", most recent first.
    QStringList recentFiles() const;
    // Puts `path` first, once.
    void addRecentFile(const QString &path);

    // "Settings/WindowGeometry": where the main window was left. restoreWindowGeometry
    // leaves `window` as it is when nothing was kept or the kept place is on no screen
    // now (a monitor unplugged since); false then.
    void keepWindowGeometry(const QWidget &window);
    bool restoreWindowGeometry(QWidget &window) const;

    // "Settings/PreviewPages": the pages the print preview shows side by side, 0 unless
    // set.
    int previewPages() const;
    void setPreviewPages(int pages);

    // The column mappings of imports by heading, kept by name so that next quarter's
    // export of the same system imports the same way ("ImportPresets/<name>", the mapping
    // text; "Import/LastPreset", the name used last).
    QStringList importPresetNames() const;
    QString importPresetMapping(const QString &name) const;
    QString lastImportPreset() const;
    // Keeps `mapping` under `name` (a slash in it becomes '-') and makes it the one used
    // last.
    void keepImportPreset(const QString &name, const QString &mapping);

private:
    std::unique_ptr<QSettings> store_;
};
