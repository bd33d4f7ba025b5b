#include "app/cwindowprompts.h"

#include "dialogs/caboutdlg.h"
#include "dialogs/ccompanydlg.h"
#include "dialogs/cdownloaddlg.h"
#include "dialogs/cfilingdatedlg.h"
#include "dialogs/chelpwindow.h"
#include "dialogs/cimportdlg.h"
#include "dialogs/cmergedlg.h"
#include "dialogs/cpreferencesdlg.h"
#include "dialogs/cprofilesdlg.h"
#include "dialogs/ctaxinfodlg.h"
#include "dialogs/ctaxperioddlg.h"
#include "dialogs/cversionsdlg.h"
#include "numbers/uitext.h"
#include "platform/cp1252.h"
#include "views/centrydlg.h"
#include "views/ctaxratedlg.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

namespace {

// Message boxes carry the program's title, as they always have.
const QString kCaption = QStringLiteral("Tollmark");

QWidget *Owner()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QString FromBytes(const std::string &bytes)
{
    return QString::fromStdString(Cp1252ToUtf8(bytes));
}

std::string PathBytes(const QString &path)
{
    return path.toUtf8().toStdString();
}

// A message box of the program: its text as MessageBoxText gives it, and never narrower
// than its title needs, so a short message ("Profile saved") does not cut the title.
int RunMessageBox(QMessageBox::Icon icon, const std::string &text,
                  QMessageBox::StandardButtons buttons, QMessageBox::StandardButton byDefault,
                  QMessageBox *prepared = nullptr)
{
    QMessageBox own(icon, kCaption, QString(), buttons, Owner());
    QMessageBox &box = prepared ? *prepared : own;
    box.setTextFormat(Qt::RichText);
    // A whole message kept as a constant (UI_TEXT_NOOP "Messages") is translated here;
    // messages made with their figures were translated where they were made.
    box.setText(MessageBoxText(FromBytes(UiText("Messages", text.c_str()))));
    if (byDefault != QMessageBox::NoButton)
        box.setDefaultButton(byDefault);
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        // Room for the caption and the title bar's own buttons.
        const int width = box.fontMetrics().horizontalAdvance(kCaption) + 160;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box.exec();
}

} // namespace

QString MessageBoxText(const QString &text)
{
    // A date format such as "(MM/DD/YYYY)" may be broken after its slashes; it is kept
    // on one line. Everything else wraps as plain text would.
    static const QRegularExpression format(QStringLiteral("\\(([A-Z]+/)+[A-Z]+\\)"));
    QString html;
    qsizetype at = 0;
    for (auto it = format.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        html += text.mid(at, m.capturedStart() - at).toHtmlEscaped();
        html += QStringLiteral("<span style=\"white-space:nowrap\">") + m.captured() +
                QStringLiteral("</span>");
        at = m.capturedEnd();
    }
    html += text.mid(at).toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return html;
}

QString DialogFilter(const std::string &filter)
{
    // The program's filters are in the catalogue whole ("FileFilters", UI_TEXT_NOOP).
    const QStringList parts =
        QCoreApplication::translate("FileFilters", filter.c_str()).split(QLatin1Char('|'));
    QStringList lines;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i];
        if (description.isEmpty())
            break;
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        lines << (description.contains(QLatin1Char('('))
                      ? description
                      : QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    return lines.join(QStringLiteral(";;"));
}

QString DefaultExtension(const std::string &filter)
{
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    if (parts.size() < 2)
        return {};
    const QString pattern = parts[1].section(QLatin1Char(';'), 0, 0);
    const QString extension = pattern.section(QLatin1Char('.'), 1);
    return extension.contains(QLatin1Char('*')) ? QString() : extension;
}

void CWindowPrompts::warn(const std::string &text)
{
    RunMessageBox(QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void CWindowPrompts::inform(const std::string &text)
{
    RunMessageBox(QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::NoButton);
}

bool CWindowPrompts::askYesNo(const std::string &text)
{
    return RunMessageBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                         QMessageBox::Yes) == QMessageBox::Yes;
}

UserPrompts::PrintAnswer CWindowPrompts::askPrintAnyway(const std::string &text)
{
    QMessageBox box(QMessageBox::Question, kCaption, QString(), QMessageBox::Yes | QMessageBox::No,
                    Owner());
    QPushButton *show = box.addButton(
        QCoreApplication::translate("UserPrompts", kShowProblemsButton), QMessageBox::ActionRole);
    RunMessageBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                  &box);
    if (box.clickedButton() == show)
        return PrintAnswer::ShowProblems;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? PrintAnswer::Print
                                                               : PrintAnswer::Cancel;
}

SessionPrompts::RecoveryAnswer CWindowPrompts::askRecover(const std::string &text)
{
    // Later is the safe answer of Escape and of the window's close button: the copy stays.
    QMessageBox box(QMessageBox::Question, kCaption, QString(), QMessageBox::NoButton, Owner());
    QPushButton *recover = box.addButton(QApplication::translate("CWindowPrompts", "&Recover"),
                                         QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QApplication::translate("CWindowPrompts", "&Discard"),
                                         QMessageBox::DestructiveRole);
    QPushButton *later =
        box.addButton(QApplication::translate("CWindowPrompts", "&Later"), QMessageBox::RejectRole);
    box.setDefaultButton(recover);
    box.setEscapeButton(later);
    RunMessageBox(QMessageBox::Question, text, QMessageBox::NoButton, QMessageBox::NoButton, &box);
    if (box.clickedButton() == recover)
        return RecoveryAnswer::Recover;
    return box.clickedButton() == discard ? RecoveryAnswer::Discard : RecoveryAnswer::Later;
}

UserPrompts::Answer CWindowPrompts::askYesNoCancel(const std::string &text)
{
    const int answer =
        RunMessageBox(QMessageBox::Question, text,
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return Answer::Yes;
    return answer == QMessageBox::No ? Answer::No : Answer::Cancel;
}

std::string CWindowPrompts::openFileName(const std::string &filter)
{
    const QString path =
        QFileDialog::getOpenFileName(Owner(), QCoreApplication::translate("CWindowPrompts", "Open"),
                                     QString(), DialogFilter(filter));
    return path.isEmpty() ? std::string() : PathBytes(path);
}

std::vector<std::string> CWindowPrompts::openFileNames(const std::string &filter)
{
    std::vector<std::string> paths;
    for (const QString &path : QFileDialog::getOpenFileNames(
             Owner(), QCoreApplication::translate("CWindowPrompts", "Open"), QString(),
             DialogFilter(filter)))
        paths.push_back(PathBytes(path));
    return paths;
}

std::string CWindowPrompts::saveFileName(const std::string &filter, const std::string &proposal)
{
    QString path = QFileDialog::getSaveFileName(
        Owner(), QCoreApplication::translate("CWindowPrompts", "Save As"),
        QString::fromUtf8(proposal.c_str()), DialogFilter(filter));
    if (path.isEmpty())
        return {};
    const QString extension = DefaultExtension(filter);
    if (!extension.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + extension;
    return PathBytes(path);
}

bool CWindowPrompts::editEntry(EntryDialogData &data)
{
    CEntryDlg dialog(*this, data, Owner());
    const bool ok = dialog.exec() == QDialog::Accepted;
    if (ok)
        data = dialog.data();
    data.units = dialog.data().units; // the next entry's units, however the dialog closed
    return ok;
}

UserPrompts::CompanyResult CWindowPrompts::editCompany(CompanyDialogData &data,
                                                       CProfileStore *store)
{
    CCompanyDlg dialog(*this, store, data, Owner());
    const int result = dialog.exec();
    if (result == CCompanyDlg::GoToProfiles)
        return CompanyResult::GoToProfiles;
    if (result != QDialog::Accepted)
        return CompanyResult::Cancel;
    data = dialog.data();
    return CompanyResult::Ok;
}

bool CWindowPrompts::chooseProfile(CProfileStore &store, ProfileRecord &selected)
{
    CProfilesDlg dialog(*this, store, Owner());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    selected = dialog.selected();
    return true;
}

bool CWindowPrompts::chooseImport(ImportDialogData &data)
{
    CImportDlg dialog(*this, data, settings_, Owner());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    data = dialog.data();
    return true;
}

bool CWindowPrompts::chooseMergeFiles(MergeDialogData &data)
{
    CMergeDlg dialog(*this, Owner());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    data = dialog.data();
    return !data.paths.empty();
}

bool CWindowPrompts::chooseVersion(VersionDialogData &data)
{
    CVersionsDlg dialog(data, Owner());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    data.chosen = dialog.chosen();
    return data.chosen >= 0;
}

bool CWindowPrompts::runDownload(CIftaDoc &doc, DownloadDialogData &data)
{
    CDownloadDlg dialog(*this, doc, data, Owner());
    const bool ok = dialog.exec() == QDialog::Accepted;
    if (ok)
        data = dialog.data();
    return ok;
}

bool CWindowPrompts::editTaxPeriod(TaxPeriod &period)
{
    CTaxPeriodDlg dialog(*this, period, Owner());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    period = dialog.period();
    return true;
}

bool CWindowPrompts::editTaxRate(TaxRate &rate, bool newRate)
{
    CTaxRateDlg dialog(*this, rate, newRate, Owner());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    rate = dialog.rate();
    return true;
}

void CWindowPrompts::showTaxInfo(const TaxInfoData &data)
{
    CTaxInfoDlg dialog(*this, data, Owner());
    dialog.exec();
}

bool CWindowPrompts::editPreferences(PreferencesData &data)
{
    CPreferencesDlg dialog(*this, data, Owner());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    data = dialog.data();
    return true;
}

bool CWindowPrompts::editFilingDate(FilingDialogData &data)
{
    CFilingDateDlg dialog(*this, data, Owner());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    data = dialog.data();
    return true;
}

void CWindowPrompts::showAbout()
{
    CAboutDlg dialog(Owner());
    dialog.exec();
}

void CWindowPrompts::showHelp(unsigned context)
{
    CHelpWindow::ShowHelp(context, Owner());
}

bool CWindowPrompts::printSetup(QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, Owner());
    return dialog.exec() == QDialog::Accepted;
}
