#include "dialogs/caboutdlg.h"

#include "numbers/uitext.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>

namespace {

constexpr const char *kBlanks = " \t\r\n";

std::string TrimRight(std::string text)
{
    const size_t last = text.find_last_not_of(kBlanks);
    text.erase(last == std::string::npos ? 0 : last + 1);
    return text;
}

std::string TrimLeft(const std::string &text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string VersionNumber(int major, int minor, int patch, int tweak)
{
    return std::to_string(major) + ", " + std::to_string(minor) + ", " + std::to_string(patch) +
           ", " + std::to_string(tweak);
}

} // namespace

VersionResource VersionResource::Program()
{
    // The product version is the release without the build's tweak number.
    return {
        VersionNumber(TOLLMARK_VERSION_MAJOR, TOLLMARK_VERSION_MINOR, TOLLMARK_VERSION_PATCH,
                      TOLLMARK_VERSION_TWEAK),
        VersionNumber(TOLLMARK_VERSION_MAJOR, TOLLMARK_VERSION_MINOR, TOLLMARK_VERSION_PATCH, 0),
        "1Q2006"};
}

std::string DottedVersion(const std::string &version)
{
    const std::string text = TrimRight(version);
    const size_t comma = text.find(',');
    if (comma == std::string::npos)
        return {};
    std::string dotted = TrimRight(TrimLeft(text.substr(0, comma))) + ".";
    // The later parts follow without separator: "3, 0, 0, 1" reads 3.001.
    std::string rest = text.substr(comma + 1);
    for (;;) {
        rest = TrimLeft(rest);
        const size_t next = rest.find(',');
        if (next == std::string::npos) {
            dotted += rest;
            return dotted;
        }
        dotted += rest.substr(0, next);
        rest.erase(0, next + 1);
    }
}

std::string VersionText(const VersionResource &resource)
{
    const std::string fileVersion =
        UiArgs(UiText("CAboutDlg", "Version %1 (Build %2)"),
               {DottedVersion(resource.fileVersion), resource.specialBuild});
    return UiArgs(UiText("CAboutDlg", "FileVersion: %1\r\nProductVersion: %2\r\n"),
                  {fileVersion, DottedVersion(resource.productVersion)});
}

const std::string &ProgramVersionText()
{
    static const std::string text = VersionText(VersionResource::Program());
    return text;
}

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("About Tollmark"));

    auto *icon = new QLabel(this);
    QIcon programIcon = QApplication::windowIcon();
    if (programIcon.isNull())
        programIcon = style()->standardIcon(QStyle::SP_FileDialogDetailedView);
    icon->setPixmap(programIcon.pixmap(32, 32));

    auto *line = new QLabel(tr("Tollmark: quarterly IFTA fuel-tax returns"), this);
    auto *legal = new QLabel(tr(kAboutLegalText), this);
    legal->setObjectName("legalText");
    legal->setWordWrap(true);

    auto *version = new QPlainTextEdit(this);
    version->setObjectName("versionText");
    version->setReadOnly(true);
    // The box shows the text's "\r\n" line ends as plain line breaks.
    version->setPlainText(QString::fromStdString(ProgramVersionText()).remove('\r').trimmed());
    version->setFixedHeight(version->fontMetrics().lineSpacing() * 3 + 12);
    version->setMinimumWidth(
        version->fontMetrics().horizontalAdvance("FileVersion: Version 3.001 (Build 1Q2006)") + 40);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAboutDlg::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(line, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(legal, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2);
}
