#include "app/cappsettings.h"

#include <QSettings>

namespace {

#define TOLLMARK_SETTINGS(name) \
    QSettings name(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Varnotec"), \
                   QStringLiteral("Tollmark"))

const QString kTaxFileKey = QStringLiteral("TaxFile/DefaultTaxFile");
const QString kProfilesFileKey = QStringLiteral("ProfilesFile/DefaultProfilesFile");
const QString kInterestRatesKey = QStringLiteral("InterestRates/InterestRatesFile");
const QString kWholeUnitsKey = QStringLiteral("Report/WholeUnits");
const QString kRecentGroup = QStringLiteral("Recent File List");

std::string Read(const QString &key)
{
    TOLLMARK_SETTINGS(s);
    return s.value(key).toString().toUtf8().toStdString();
}

void Write(const QString &key, const std::string &path)
{
    TOLLMARK_SETTINGS(s);
    s.setValue(key, QString::fromUtf8(path.c_str()));
}

QString RecentKey(int f)
{
    return QStringLiteral("%1/File%2").arg(kRecentGroup).arg(f);
}

} // namespace

std::string CAppSettings::defaultTaxFile()
{
    return Read(kTaxFileKey);
}

void CAppSettings::setDefaultTaxFile(const std::string &path)
{
    Write(kTaxFileKey, path);
}

std::string CAppSettings::defaultProfilesFile()
{
    return Read(kProfilesFileKey);
}

void CAppSettings::setDefaultProfilesFile(const std::string &path)
{
    Write(kProfilesFileKey, path);
}

std::string CAppSettings::interestRatesFile()
{
    return Read(kInterestRatesKey);
}

void CAppSettings::setInterestRatesFile(const std::string &path)
{
    Write(kInterestRatesKey, path);
}

bool CAppSettings::wholeUnits()
{
    TOLLMARK_SETTINGS(s);
    return s.value(kWholeUnitsKey, false).toBool();
}

void CAppSettings::setWholeUnits(bool whole)
{
    TOLLMARK_SETTINGS(s);
    s.setValue(kWholeUnitsKey, whole);
}

QStringList CAppSettings::recentFiles() const
{
    TOLLMARK_SETTINGS(s);
    QStringList files;
    for (int f = 1; f <= kRecentFileCount; ++f) {
        const QString file = s.value(RecentKey(f)).toString();
        if (!file.isEmpty())
            files << file;
    }
    return files;
}

void CAppSettings::addRecentFile(const QString &path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    TOLLMARK_SETTINGS(s);
    for (int f = 1; f <= kRecentFileCount; ++f) {
        if (f <= files.size())
            s.setValue(RecentKey(f), files[f - 1]);
        else
            s.remove(RecentKey(f));
    }
}
