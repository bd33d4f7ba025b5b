#include "dialogs/importpresets.h"

#include <QSettings>

namespace {

// The program's own settings, wherever the application object was told to keep others.
#define TOLLMARK_SETTINGS(name) \
    QSettings name(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Varnotec"), \
                   QStringLiteral("Tollmark"))

const QString kGroup = QStringLiteral("ImportPresets");
const QString kLast = QStringLiteral("Import/LastPreset");
} // namespace

QStringList ImportPresets::names() const
{
    TOLLMARK_SETTINGS(settings);
    settings.beginGroup(kGroup);
    return settings.childKeys();
}

QString ImportPresets::mapping(const QString &name) const
{
    TOLLMARK_SETTINGS(settings);
    return settings.value(kGroup + '/' + name).toString();
}

QString ImportPresets::lastName() const
{
    TOLLMARK_SETTINGS(settings);
    return settings.value(kLast).toString();
}

void ImportPresets::keep(const QString &given, const QString &mapping)
{
    // A slash would make the name a group of the settings, never listed again.
    QString name = given;
    name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    TOLLMARK_SETTINGS(settings);
    settings.setValue(kGroup + '/' + name, mapping);
    settings.setValue(kLast, name);
}
