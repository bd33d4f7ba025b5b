#pragma once

#include <QString>
#include <QStringList>

// The column mappings of imports by heading, kept by name in the settings so that next
// quarter's export of the same system imports the same way ("ImportPresets/<name>", the
// mapping text; "Import/LastPreset", the name used last).
class ImportPresets
{
public:
    QStringList names() const;
    QString mapping(const QString &name) const;
    QString lastName() const;
    // Keeps `mapping` under `name` (a slash in it becomes '-') and makes it the one used
    // last.
    void keep(const QString &name, const QString &mapping);
};
