#pragma once

#include "platform/cp1252.h"

#include <QString>

#include <string>

// The dialogs show the core's Windows-1252 texts and give them back as such; file paths
// are the platform's own (UTF-8) and convert without a code page.
inline QString FromBytes(const std::string &bytes)
{
    return QString::fromStdString(Cp1252ToUtf8(bytes));
}

inline std::string ToBytes(const QString &text)
{
    return Utf8ToCp1252(text.toStdString());
}

inline QString FromPath(const std::string &path)
{
    return QString::fromStdString(path);
}

inline std::string ToPath(const QString &path)
{
    return path.toStdString();
}
