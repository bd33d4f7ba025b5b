#pragma once

// Helpers of the window tests: one QApplication for the program, a sandbox that points
// the settings and the current folder at a temporary directory, and prompts that record
// every text and answer from queues.

#include "app/userprompts.h"
#include "dialogs/ccompanydlg.h"
#include "dialogs/cimportdlg.h"
#include "dialogs/cpreferencesdlg.h"
#include "profiles/profilerecord.h"
#include "views/centrydlg.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
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
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath("settings"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.filePath("settings"));
        QDir().mkpath(dir_.filePath("work"));
        QDir::setCurrent(dir_.filePath("work"));
    }
    ~Sandbox() { QDir::setCurrent(previous_); }

    QString work(const QString &name = QString()) const
    {
        return name.isEmpty() ? dir_.filePath("work") : dir_.filePath("work/" + name);
    }
    QString path(const QString &name) const { return dir_.filePath(name); }

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

// Records every text shown and answers from queues. An empty queue answers No, Cancel or
// an empty file name and notes the question in `unanswered`.
class ScriptedPrompts : public UserPrompts
{
public:
    using EntryScript = std::function<bool(EntryDialogData &)>;
    using CompanyScript = std::function<CompanyResult(CompanyDialogData &)>;

    std::vector<std::string> texts;      // every message and question, in order
    std::vector<std::string> unanswered; // questions that found no answer queued
    std::deque<bool> yesNo;
    std::deque<Answer> yesNoCancel;
    std::deque<std::string> openNames;
    std::deque<std::string> saveNames;
    std::deque<EntryScript> entries;
    std::deque<CompanyScript> companies;
    std::deque<ProfileRecord> profiles; // chooseProfile answers Select with the front one
    std::deque<ImportDialogData> imports;
    std::deque<PreferencesData> preferences;
    std::vector<EntryDialogData> entryDialogsShown;
    std::vector<CompanyDialogData> companyDialogsShown;
    std::vector<unsigned> helpShown;

    void warn(const std::string &text) override { texts.push_back(text); }
    void inform(const std::string &text) override { texts.push_back(text); }
    bool askYesNo(const std::string &text) override
    {
        texts.push_back(text);
        return take(yesNo, false, text);
    }
    Answer askYesNoCancel(const std::string &text) override
    {
        texts.push_back(text);
        return take(yesNoCancel, Answer::Cancel, text);
    }
    std::string openFileName(const std::string &filter) override
    {
        return take(openNames, std::string(), "open " + filter);
    }
    std::string saveFileName(const std::string &filter, const std::string &) override
    {
        return take(saveNames, std::string(), "save " + filter);
    }
    bool editEntry(EntryDialogData &data) override
    {
        entryDialogsShown.push_back(data);
        EntryScript script = take(entries, EntryScript(), "entry dialog");
        return script ? script(data) : false;
    }
    CompanyResult editCompany(CompanyDialogData &data, CProfileStore *) override
    {
        companyDialogsShown.push_back(data);
        CompanyScript script = take(companies, CompanyScript(), "company dialog");
        return script ? script(data) : CompanyResult::Cancel;
    }
    bool chooseProfile(CProfileStore &, ProfileRecord &selected) override
    {
        if (profiles.empty()) {
            unanswered.push_back("profiles dialog");
            return false;
        }
        selected = profiles.front();
        profiles.pop_front();
        return true;
    }
    bool chooseImport(ImportDialogData &data) override
    {
        if (imports.empty()) {
            unanswered.push_back("import dialog");
            return false;
        }
        data = imports.front();
        imports.pop_front();
        return true;
    }
    bool runMerge(CIftaDoc &) override { return false; }
    bool runDownload(CIftaDoc &, DownloadDialogData &) override { return false; }
    bool editTaxPeriod(TaxPeriod &) override { return false; }
    bool editTaxRate(TaxRate &, bool) override { return false; }
    void showTaxInfo(const TaxInfoData &) override {}
    bool editPreferences(PreferencesData &data) override
    {
        if (preferences.empty())
            return false;
        data = preferences.front();
        preferences.pop_front();
        return true;
    }
    void showAbout() override { texts.push_back("About"); }
    void showHelp(unsigned context) override { helpShown.push_back(context); }

private:
    template <class T>
    T take(std::deque<T> &queue, T fallback, const std::string &what)
    {
        if (queue.empty()) {
            unanswered.push_back(what);
            return fallback;
        }
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

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
    return [&prompts](EntryDialogData &data) {
        return RunEntryDialog(prompts, data, {}, false);
    };
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

} // namespace apptest
