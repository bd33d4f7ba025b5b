// The workflow guards of the company, profiles and import dialogs: Delete asks first and
// shows a real profile afterwards, the period lies in one quarter, the odometer takes
// digits only, and a preset's mapping is replaced only when the user says so.

#include "dialogs/guiapp.h"
#include "dialogs/scriptedprompts.h"

#include "dialogs/ccompanydlg.h"
#include "dialogs/cimportdlg.h"
#include "dialogs/cprofilesdlg.h"
#include "dialogs/dialogvalidation.h"
#include "imports/csvimport.h"
#include "profiles/cprofilestore.h"
#include "sessionbase/profileactions.h"
#include "ui/cappsettings.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Answer = SessionPrompts::Answer;

template <class W>
W *Child(QWidget &dialog, const char *name)
{
    W *w = dialog.findChild<W *>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QString ShownName(QWidget &dialog)
{
    return Child<QLineEdit>(dialog, "companyName")->text();
}

} // namespace

// No answers Delete's question: nothing goes. Yes: the next profile shows under its own
// number, and after the last one the dialog is empty under its own caption.
TEST(WorkflowDlg, ProfileDeleteAsksFirstAndLeavesNoBlankNumberedPage)
{
    GuiApp();
    QTemporaryDir folder;
    CProfileStore store;
    ASSERT_TRUE(store.open(folder.filePath("ifta.usr").toStdString()).ok());
    for (const char *name : {"Acme", "Boreal"}) {
        CompanyInfo identity;
        identity.companyName = name;
        ASSERT_TRUE(AddProfile(store, identity).ok());
    }
    ScriptedPrompts prompts;
    CProfilesDlg dlg(prompts, store);
    dlg.show();
    ASSERT_EQ(ShownName(dlg), "Acme");

    prompts.answers = {Answer::No};
    Child<QPushButton>(dlg, "delete")->click();
    EXPECT_EQ(prompts.shown, std::vector<std::string>{"Delete the profile of Acme?"});
    EXPECT_EQ(store.profiles().size(), 2u);
    EXPECT_EQ(ShownName(dlg), "Acme");

    prompts.answers = {Answer::Yes};
    Child<QPushButton>(dlg, "delete")->click();
    ASSERT_EQ(store.profiles().size(), 1u);
    EXPECT_EQ(ShownName(dlg), "Boreal");
    EXPECT_EQ(dlg.windowTitle(), "User record number: 1");

    prompts.answers = {Answer::Yes};
    Child<QPushButton>(dlg, "delete")->click();
    EXPECT_TRUE(store.profiles().empty());
    EXPECT_EQ(ShownName(dlg), "");
    EXPECT_FALSE(dlg.windowTitle().startsWith("User record number"));
    dlg.reject();
}

// From and To in two quarters are refused and the dialog stays open; the odometer box
// takes no character but digits.
TEST(WorkflowDlg, CompanyPeriodInOneQuarterAndOdometerDigitsOnly)
{
    GuiApp();
    const struct {
        QDate from, to;
        bool accepted;
    } cases[] = {
        {QDate(2026, 2, 2), QDate(2026, 6, 30), false},
        {QDate(2026, 6, 1), QDate(2026, 7, 31), false},
        {QDate(2025, 10, 1), QDate(2026, 12, 31), false},
        {QDate(2026, 7, 1), QDate(2026, 9, 30), true},
        {QDate(2026, 5, 3), QDate(2026, 5, 3), true},
    };
    for (const auto &c : cases) {
        ScriptedPrompts prompts;
        CCompanyDlg dlg(prompts, nullptr,
                        CompanyDialogData::ForRecord(CompanyDialogData::DialogDefaults(), false));
        dlg.show();
        Child<QLineEdit>(dlg, "companyName")->setText("Transport Nord");
        Child<QDateEdit>(dlg, "periodFrom")->setDate(c.from);
        Child<QDateEdit>(dlg, "periodTo")->setDate(c.to);
        dlg.accept();
        EXPECT_EQ(dlg.result() == QDialog::Accepted, c.accepted) << c.from.toString().toStdString();
        EXPECT_EQ(prompts.shown, c.accepted ? std::vector<std::string>{}
                                            : std::vector<std::string>{kPeriodNotOneQuarter});
    }

    ScriptedPrompts prompts;
    CCompanyDlg dlg(prompts, nullptr, CompanyDialogData::ForRecord({}, false));
    dlg.show();
    QLineEdit *odometer = Child<QLineEdit>(dlg, "startOdometer");
    odometer->clear();
    odometer->setFocus();
    QTest::keyClicks(odometer, "12a-3.4 5");
    EXPECT_EQ(odometer->text(), "12345");
}

// Importing under a preset name that holds another mapping asks first: No keeps the
// stored mapping, Yes replaces it. The same mapping again asks nothing.
TEST(WorkflowDlg, ImportUnderAnExistingPresetAsksBeforeReplacingIt)
{
    GuiApp();
    const std::string card = TOLLMARK_TEST_DATA "/import/fuel-card.csv";
    QTemporaryDir folder;
    CAppSettings settings(folder.filePath("settings.ini"));
    const QString older = "date=Transaction Date,jurisdiction=Merchant State";
    const struct {
        Answer answer;
        bool asked;
        bool replaced;
    } cases[] = {{Answer::No, true, false}, {Answer::Yes, true, true}, {Answer::Yes, false, true}};
    settings.keepImportPreset("Fuel card", older);
    for (const auto &c : cases) {
        ScriptedPrompts prompts;
        prompts.answers = {c.answer};
        CImportDlg dlg(prompts,
                       ImportDialogData{std::string(), kDefaultImportOptions, false, std::string()},
                       settings);
        Child<QComboBox>(dlg, "preset")->setEditText("Fuel card");
        dlg.setFile(card);
        dlg.accept();
        ASSERT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(prompts.shown.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(prompts.shown[0], "The preset \"Fuel card\" maps the columns otherwise. "
                                        "Replace its mapping?");
        }
        const QString stored = settings.importPresetMapping("Fuel card");
        EXPECT_EQ(stored == older, !c.replaced);
        EXPECT_EQ(stored.toStdString() == dlg.data().mapping, c.replaced);
    }
}
