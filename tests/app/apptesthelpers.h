#pragma once

// Helpers of the window tests: one QApplication for the program, a sandbox that points
// the settings and the current folder at a temporary directory, and prompts that record
// every text and answer from queues.

#include "dialogs/ccompanydlg.h"
#include "dialogs/cdownloaddlg.h"
#include "dialogs/cimportdlg.h"
#include "dialogs/cpreferencesdlg.h"
#include "dialogs/cstepedit.h"
#include "dialogs/ctaxinfodlg.h"
#include "dialogs/scriptedprompts.h"
#include "profiles/profilerecord.h"
#include "records/taxperiod.h"
#include "records/taxrate.h"
#include "ui/userprompts.h"
#include "views/centrydlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Readable failure output for Qt texts.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &texts, std::ostream *os)
{
    *os << '{' << texts.join(", ").toStdString() << '}';
}

namespace apptest {

inline QApplication &App()
{
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    // A program that also runs dialog tests may have made its application object already.
    static QApplication *app = qobject_cast<QApplication *>(QCoreApplication::instance())
                                   ? qobject_cast<QApplication *>(QCoreApplication::instance())
                                   : new QApplication(argc, argv);
    return *app;
}

// A temporary folder as the current folder and as the settings location; the previous
// current folder comes back at the end.
class Sandbox
{
public:
    Sandbox()
    {
        App();
        previous_ = QDir::currentPath();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           dir_.filePath("settings"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.filePath("settings"));
#ifdef _WIN32
        // The registry has no folder to point elsewhere: each sandbox starts from an empty
        // key of the Wine prefix the tests share (they take turns with it).
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Varnotec", "Tollmark").clear();
#endif
        QDir().mkpath(dir_.filePath("work"));
        QDir::setCurrent(dir_.filePath("work"));
    }
    ~Sandbox()
    {
        QDir::setCurrent(previous_);
    }

    QString work(const QString &name = QString()) const
    {
        return name.isEmpty() ? dir_.filePath("work") : dir_.filePath("work/" + name);
    }
    QString path(const QString &name) const
    {
        return dir_.filePath(name);
    }

    // Copies a shipped sample file (data/) into the work folder.
    QString copySample(const QString &name, const QString &as = QString()) const
    {
        const QString target = work(as.isEmpty() ? name : as);
        QFile::remove(target);
        QFile::copy(QStringLiteral(TOLLMARK_SAMPLE_DATA "/") + name, target);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }

    static QVariant setting(const QString &key)
    {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Varnotec", "Tollmark");
        return s.value(key);
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};

inline QByteArray ReadBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An entry dialog answer that runs the real dialog: `fill` sets its controls, then OK is
// pressed (or Cancel when `ok` is false). Returns what the dialog returned.
inline bool RunEntryDialog(UserPrompts &prompts, EntryDialogData &data,
                           const std::function<void(CEntryDlg &)> &fill, bool ok = true)
{
    CEntryDlg dialog(prompts, data);
    if (fill)
        fill(dialog);
    if (ok)
        dialog.accept();
    else
        dialog.reject();
    if (dialog.result() != QDialog::Accepted)
        return false;
    data = dialog.data();
    return true;
}

// Types `text` into the dialog's field `name` (state, distance, fuel, odometerIn,
// odometerOut), replacing what it held.
inline void SetField(CEntryDlg &dialog, const char *name, const QString &text)
{
    if (auto *combo = dialog.findChild<QComboBox *>(name)) {
        combo->setEditText(text);
        return;
    }
    auto *edit = dialog.findChild<QLineEdit *>(name);
    ASSERT_NE(edit, nullptr) << name;
    edit->setText(text);
}

inline void SetDate(CEntryDlg &dialog, const QDate &date)
{
    auto *picker = dialog.findChild<QDateEdit *>("date");
    ASSERT_NE(picker, nullptr);
    picker->setDate(date);
}

// A trip typed into the real dialog and confirmed.
inline ScriptedPrompts::EntryScript TypeTrip(UserPrompts &prompts, const QString &state,
                                             const QString &distance, const QString &fuel,
                                             const QDate &date)
{
    return [&prompts, state, distance, fuel, date](EntryDialogData &data) {
        return RunEntryDialog(prompts, data, [&](CEntryDlg &dialog) {
            SetDate(dialog, date);
            SetField(dialog, "state", state);
            SetField(dialog, "distance", distance);
            SetField(dialog, "fuel", fuel);
        });
    };
}

// The dialog opened and cancelled.
inline ScriptedPrompts::EntryScript CancelEntry(UserPrompts &prompts)
{
    return [&prompts](EntryDialogData &data) { return RunEntryDialog(prompts, data, {}, false); };
}

// A company dialog answer that takes `company` as typed and confirms.
inline ScriptedPrompts::CompanyScript AcceptCompany(CompanyInfo company)
{
    return [company](CompanyDialogData &data) {
        data.company = company;
        return UserPrompts::CompanyResult::Ok;
    };
}

inline ScriptedPrompts::CompanyScript CancelCompany()
{
    return [](CompanyDialogData &) { return UserPrompts::CompanyResult::Cancel; };
}

// Controls of a real dialog, found by name: text typed into an edit, a list, the notes
// or a step edit, read back, buttons clicked.
inline void Type(QWidget &dialog, const char *name, const QString &text)
{
    QWidget *w = dialog.findChild<QWidget *>(name);
    ASSERT_NE(w, nullptr) << name;
    if (auto *step = qobject_cast<CStepEdit *>(w))
        step->setValue(text);
    else if (auto *combo = qobject_cast<QComboBox *>(w))
        combo->setEditText(text);
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(text);
    else if (auto *notes = qobject_cast<QPlainTextEdit *>(w))
        notes->setPlainText(text);
    else
        ADD_FAILURE() << name << " takes no text";
}

inline QString Text(QWidget &dialog, const char *name)
{
    QWidget *w = dialog.findChild<QWidget *>(name);
    if (auto *step = qobject_cast<CStepEdit *>(w))
        return step->value();
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    ADD_FAILURE() << name << " shows no text";
    return {};
}

inline QAbstractButton *Button(QWidget &dialog, const char *name)
{
    auto *button = dialog.findChild<QAbstractButton *>(name);
    EXPECT_NE(button, nullptr) << name;
    return button;
}

inline void Click(QWidget &dialog, const char *name)
{
    QAbstractButton *button = Button(dialog, name);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << name;
    button->click();
}

inline void SetPicker(QWidget &dialog, const char *name, const QDate &date)
{
    auto *picker = dialog.findChild<QDateEdit *>(name);
    ASSERT_NE(picker, nullptr) << name;
    picker->setDate(date);
}

// The real company dialog over `data`: `fill` works its controls, then OK is pressed.
inline UserPrompts::CompanyResult RunCompanyDialog(ScriptedPrompts &prompts,
                                                   CompanyDialogData &data,
                                                   const std::function<void(CCompanyDlg &)> &fill)
{
    CCompanyDlg dialog(prompts, prompts.companyStore, data);
    fill(dialog);
    dialog.accept();
    if (dialog.result() != QDialog::Accepted)
        return UserPrompts::CompanyResult::Cancel;
    data = dialog.data();
    return UserPrompts::CompanyResult::Ok;
}

} // namespace apptest
