#pragma once

#include <QDialog>

#include <string>

// The string values of the program's version resource.
struct VersionResource {
    std::string fileVersion;    // "3, 0, 0, 1"
    std::string productVersion; // "3, 0, 0, 0"
    std::string specialBuild;   // "1Q2006"

    // This program's own values.
    static VersionResource Program();
};

// "3, 0, 0, 1" gives "3.001": the first part, a dot, the later parts without separator.
// Empty for an empty text or a text without a comma.
std::string DottedVersion(const std::string &version);

// The About box text: "FileVersion: Version %s (Build %s)\r\nProductVersion: %s\r\n".
// For this program's own resource it is built once and kept for the run.
std::string VersionText(const VersionResource &resource);
const std::string &ProgramVersionText();

// The copyright line and the licence the About box shows below the version.
constexpr const char *kAboutLegalText =
    QT_TRANSLATE_NOOP("CAboutDlg", "Copyright © 2026 Varnotec and the Tollmark developers.\n"
                                   "Tollmark is free software under the GNU General Public "
                                   "License, version 3 or (at your option) any later version; "
                                   "it comes with no warranty.");

// "About Tollmark": the program icon, the program's name, the version text, the
// copyright line and the licence.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
