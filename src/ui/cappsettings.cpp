#include "ui/cappsettings.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>

namespace {

const QString kTaxFileKey = QStringLiteral("TaxFile/DefaultTaxFile");
const QString kProfilesFileKey = QStringLiteral("ProfilesFile/DefaultProfilesFile");
const QString kInterestRatesKey = QStringLiteral("InterestRates/InterestRatesFile");
const QString kWholeUnitsKey = QStringLiteral("Report/WholeUnits");
const QString kBackupsKeptKey = QStringLiteral("Backups/Kept");
const QString kRecoveryMinutesKey = QStringLiteral("Recovery/IntervalMinutes");
const QString kLanguageKey = QStringLiteral("Settings/Language");
const QString kRecentGroup = QStringLiteral("Recent File List");
const QString kGeometryKey = QStringLiteral("Settings/WindowGeometry");
const QString kPreviewPagesKey = QStringLiteral("Settings/PreviewPages");
const QString kPresetGroup = QStringLiteral("ImportPresets");
const QString kLastPresetKey = QStringLiteral("Import/LastPreset");

QString RecentKey(int f)
{
    return QStringLiteral("%1/File%2").arg(kRecentGroup).arg(f);
}

// The window's frame as QWidget::saveGeometry wrote it: a magic number, two version
// numbers, then the frame rectangle (a QDataStream of Qt 4.0). An empty rectangle when
// the bytes are not such a record.
QRect SavedFrame(const QByteArray &geometry)
{
    QDataStream stream(geometry);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    QRect frame;
    stream >> magic >> major >> minor >> frame;
    if (stream.status() != QDataStream::Ok || magic != 0x1D9D0CB)
        return QRect();
    return frame;
}

bool OnSomeScreen(const QRect &frame)
{
    if (!frame.isValid())
        return false;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        if (screen->availableGeometry().intersects(frame))
            return true;
    }
    return false;
}

} // namespace

CAppSettings::CAppSettings()
    : store_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                         QStringLiteral("Varnotec"), QStringLiteral("Tollmark")))
{
}

CAppSettings::CAppSettings(const QString &iniFile)
    : store_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

CAppSettings::~CAppSettings() = default;

std::string CAppSettings::defaultTaxFile()
{
    return store_->value(kTaxFileKey).toString().toUtf8().toStdString();
}

void CAppSettings::setDefaultTaxFile(const std::string &path)
{
    store_->setValue(kTaxFileKey, QString::fromUtf8(path.c_str()));
}

std::string CAppSettings::defaultProfilesFile()
{
    return store_->value(kProfilesFileKey).toString().toUtf8().toStdString();
}

void CAppSettings::setDefaultProfilesFile(const std::string &path)
{
    store_->setValue(kProfilesFileKey, QString::fromUtf8(path.c_str()));
}

std::string CAppSettings::interestRatesFile()
{
    return store_->value(kInterestRatesKey).toString().toUtf8().toStdString();
}

void CAppSettings::setInterestRatesFile(const std::string &path)
{
    store_->setValue(kInterestRatesKey, QString::fromUtf8(path.c_str()));
}

std::string CAppSettings::ownInterestRatesFile()
{
    const QString folder =
        store_->format() == QSettings::IniFormat
            ? QFileInfo(store_->fileName()).absolutePath()
            : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                  QStringLiteral("/Varnotec/Tollmark");
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    return QDir(folder).filePath(QStringLiteral("interest-rates.tsv")).toUtf8().toStdString();
}

bool CAppSettings::wholeUnits()
{
    return store_->value(kWholeUnitsKey, false).toBool();
}

void CAppSettings::setWholeUnits(bool whole)
{
    store_->setValue(kWholeUnitsKey, whole);
}

int CAppSettings::recoveryMinutes()
{
    // A value edited by hand into something else than minutes counts as not set.
    bool number = false;
    const int minutes = store_->value(kRecoveryMinutesKey, kDefaultRecoveryMinutes).toInt(&number);
    if (!number || minutes < 0)
        return kDefaultRecoveryMinutes;
    return std::min(minutes, kMostRecoveryMinutes);
}

void CAppSettings::setRecoveryMinutes(int minutes)
{
    store_->setValue(kRecoveryMinutesKey, std::clamp(minutes, 0, kMostRecoveryMinutes));
}

std::string CAppSettings::backupFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? std::string() : (data + QStringLiteral("/backups")).toStdString();
}

int CAppSettings::backupsKept()
{
    return std::clamp(store_->value(kBackupsKeptKey, 10).toInt(), 0, 100);
}

void CAppSettings::setBackupsKept(int kept)
{
    store_->setValue(kBackupsKeptKey, std::clamp(kept, 0, 100));
}

std::string CAppSettings::language()
{
    const QString language = store_->value(kLanguageKey).toString();
    return language == QLatin1String("en") || language == QLatin1String("fr")
               ? language.toStdString()
               : std::string();
}

void CAppSettings::setLanguage(const std::string &language)
{
    store_->setValue(kLanguageKey, QString::fromStdString(language));
}

QStringList CAppSettings::recentFiles() const
{
    QStringList files;
    for (int f = 1; f <= kRecentFileCount; ++f) {
        const QString file = store_->value(RecentKey(f)).toString();
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
    for (int f = 1; f <= kRecentFileCount; ++f) {
        if (f <= files.size())
            store_->setValue(RecentKey(f), files[f - 1]);
        else
            store_->remove(RecentKey(f));
    }
}

void CAppSettings::keepWindowGeometry(const QWidget &window)
{
    store_->setValue(kGeometryKey, window.saveGeometry());
}

bool CAppSettings::restoreWindowGeometry(QWidget &window) const
{
    const QByteArray geometry = store_->value(kGeometryKey).toByteArray();
    if (geometry.isEmpty() || !OnSomeScreen(SavedFrame(geometry)))
        return false;
    return window.restoreGeometry(geometry);
}

int CAppSettings::previewPages() const
{
    return store_->value(kPreviewPagesKey, 0).toInt();
}

void CAppSettings::setPreviewPages(int pages)
{
    store_->setValue(kPreviewPagesKey, pages);
}

QStringList CAppSettings::importPresetNames() const
{
    store_->beginGroup(kPresetGroup);
    const QStringList names = store_->childKeys();
    store_->endGroup();
    return names;
}

QString CAppSettings::importPresetMapping(const QString &name) const
{
    return store_->value(kPresetGroup + '/' + name).toString();
}

QString CAppSettings::lastImportPreset() const
{
    return store_->value(kLastPresetKey).toString();
}

void CAppSettings::keepImportPreset(const QString &given, const QString &mapping)
{
    // A slash would make the name a group of the settings, never listed again.
    QString name = given;
    name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    store_->setValue(kPresetGroup + '/' + name, mapping);
    store_->setValue(kLastPresetKey, name);
}
