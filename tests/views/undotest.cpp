// Undo and Redo of the form view: named steps, many levels each way, over the trip lines
// and over the tax-rate table, run by command id through the view's tables, the Edit
// menu's items that name the step, and the window's record changes that drop the trip
// lines' steps.

#include "viewrig.h"

#include "app/apptesthelpers.h"
#include "dialogs/guiapp.h"
#include "dialogs/scriptedprompts.h"

#include "app/actiontable.h"
#include "app/ciftaapp.h"
#include "app/cmainframe.h"
#include "formats/taxfile.h"
#include "records/ciftadoc.h"
#include "session/ceditsession.h"
#include "session/csession.h"
#include "sessionbase/sessionsettings.h"
#include "ui/cappsettings.h"
#include "ui/commandids.h"
#include "views/centrylistctrl.h"
#include "views/ciftaview.h"
#include "views/cviewmodes.h"

#include <QAction>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const char *const kRates = TOLLMARK_TEST_DATA "/report/rates.itx";

class UndoTest : public ::testing::Test, protected ViewRig
{
protected:
    void SetUp() override
    {
        GuiApp();
        ASSERT_TRUE(CTaxSession::ReadTaxFileInto(kRates, doc.rates()).ok());
        view.ShowList();
    }

    // "Add New" with the dialog answering `abbreviation` (a state without a surcharge).
    void add(const std::string &abbreviation)
    {
        prompts.entry = [abbreviation](EntryDialogData &d) {
            d.abbreviation = abbreviation;
            d.entry.distance = 10;
            return true;
        };
        ASSERT_TRUE(view.OnCmdMsg(ID_EDIT_ADD_NEW));
        prompts.entry = nullptr;
    }
    // The record's lines by abbreviation, and the lines the list shows.
    std::string lines() const
    {
        std::string all;
        for (const TripEntry &e : doc.entries())
            all += (all.empty() ? "" : " ") + doc.taxTable()[e.slot].abbreviation;
        return all;
    }
    int shown() const { return view.list()->model()->rowCount(); }
    bool canUndo() const { return view.isCommandEnabled(ID_EDIT_UNDO); }
    bool canRedo() const { return view.isCommandEnabled(ID_EDIT_REDO); }
    void modifyRate(int slot, TenThousandths diesel)
    {
        view.selectRow(slot);
        prompts.taxRate = [diesel](TaxRate &rate, bool) {
            rate.dieselRate = diesel;
            return true;
        };
        ASSERT_TRUE(view.OnCmdMsg(ID_EDIT_MODIFY));
        prompts.taxRate = nullptr;
    }
};

TEST_F(UndoTest, EntryUndoAndRedoGoManyLevelsAndNameTheirStep)
{
    EXPECT_FALSE(canUndo());
    EXPECT_FALSE(canRedo());
    EXPECT_EQ(view.commandLabel(ID_EDIT_UNDO), "");
    add("QC");
    add("ON");
    add("ME");
    doc.setModified(false); // as a save leaves it: undo and redo do not mark the record
    ASSERT_TRUE(canUndo());
    EXPECT_FALSE(canRedo());
    EXPECT_EQ(view.commandLabel(ID_EDIT_UNDO), "Add Trip 3");

    view.OnCmdMsg(ID_EDIT_UNDO);
    view.OnCmdMsg(ID_EDIT_UNDO);
    EXPECT_EQ(lines(), "QC");
    EXPECT_EQ(shown(), 1);
    EXPECT_EQ(view.commandLabel(ID_EDIT_REDO), "Add Trip 2");
    view.OnCmdMsg(ID_EDIT_UNDO);
    EXPECT_EQ(lines(), "");
    EXPECT_FALSE(canUndo());
    view.OnCmdMsg(ID_EDIT_UNDO); // greyed: nothing happens
    EXPECT_EQ(lines(), "");

    view.OnCmdMsg(ID_EDIT_REDO);
    view.OnCmdMsg(ID_EDIT_REDO);
    EXPECT_EQ(lines(), "QC ON");
    EXPECT_EQ(shown(), 2);
    EXPECT_TRUE(canUndo());
    EXPECT_TRUE(canRedo());
    EXPECT_FALSE(doc.isModified());

    // A further edit lets go of what could be redone.
    add("ME");
    EXPECT_EQ(lines(), "QC ON ME");
    EXPECT_FALSE(canRedo());
}

TEST_F(UndoTest, CancelledDialogsAndARefusedDeleteRecordNothing)
{
    add("QC");
    add("ON");
    // A refused delete records nothing: Undo still takes back the last add.
    view.selectRow(1);
    ASSERT_TRUE(view.OnCmdMsg(ID_EDIT_DELETE));
    EXPECT_EQ(prompts.shown.back(), kDeleteItemQuestion);
    view.OnCmdMsg(ID_EDIT_UNDO);
    EXPECT_EQ(lines(), "QC");

    // A cancelled Add or Modify records nothing either: Undo takes back the add before.
    view.OnCmdMsg(ID_EDIT_REDO);
    view.OnCmdMsg(ID_EDIT_ADD_NEW); // no answer: cancelled
    view.selectRow(0);
    view.OnCmdMsg(ID_EDIT_MODIFY); // cancelled too
    EXPECT_EQ(lines(), "QC ON");
    EXPECT_EQ(view.commandLabel(ID_EDIT_UNDO), "Add Trip 2");
    view.OnCmdMsg(ID_EDIT_UNDO);
    EXPECT_EQ(lines(), "QC");
}

TEST_F(UndoTest, TaxUndoIsApartFromEntryUndoAndGreyedInTheReport)
{
    const TenThousandths before = table[1].dieselRate;
    view.ShowTaxRates();
    EXPECT_FALSE(canUndo());
    modifyRate(1, TenThousandths{5000});
    ASSERT_TRUE(canUndo());
    EXPECT_TRUE(view.taxRatesModified());

    // In the entry list Undo concerns the trip lines only.
    view.ShowList();
    EXPECT_FALSE(canUndo());
    add("QC");
    view.OnCmdMsg(ID_EDIT_UNDO);
    EXPECT_EQ(lines(), "");
    EXPECT_EQ(table[1].dieselRate, TenThousandths{5000});

    // The report has no undo, whatever the flags hold.
    view.ShowReport();
    EXPECT_FALSE(canUndo());
    EXPECT_FALSE(canRedo());
    view.OnCmdMsg(ID_EDIT_UNDO);
    view.OnCmdMsg(ID_EDIT_REDO);
    EXPECT_EQ(lines(), "");
    EXPECT_EQ(table[1].dieselRate, TenThousandths{5000});

    view.ShowTaxRates();
    view.OnCmdMsg(ID_EDIT_UNDO);
    EXPECT_EQ(table[1].dieselRate, before);
    EXPECT_TRUE(view.taxRatesModified()); // undo leaves the unsaved mark alone
    EXPECT_FALSE(canUndo());
    ASSERT_TRUE(canRedo());
    view.OnCmdMsg(ID_EDIT_REDO);
    EXPECT_EQ(table[1].dieselRate, TenThousandths{5000});
    EXPECT_EQ(view.mode(), ViewMode::TaxRates);

    // Adding a rate is an undo point as well.
    prompts.taxRate = [](TaxRate &rate, bool) {
        rate.name = "Ohio";
        rate.abbreviation = "OH";
        return true;
    };
    ASSERT_TRUE(view.OnCmdMsg(ID_EDIT_ADD_NEW));
    EXPECT_EQ(table[5].abbreviation, "OH");
    view.OnCmdMsg(ID_EDIT_UNDO);
    EXPECT_TRUE(table[5].abbreviation.empty());
    EXPECT_EQ(table[1].dieselRate, TenThousandths{5000});
}

TEST_F(UndoTest, LoadingOrSavingTheTaxTableDropsBothTaxStates)
{
    view.ShowTaxRates();
    modifyRate(1, TenThousandths{5000});
    modifyRate(2, TenThousandths{6000});
    view.OnCmdMsg(ID_EDIT_UNDO);
    ASSERT_TRUE(canUndo());
    ASSERT_TRUE(canRedo());
    EXPECT_EQ(view.commandLabel(ID_EDIT_UNDO), "Modify Rate ON");
    prompts.files = {kRates};
    view.OnCmdMsg(ID_LOAD_TAX_RATES);
    EXPECT_FALSE(canUndo());
    EXPECT_FALSE(canRedo());

    QTemporaryDir dir;
    modifyRate(1, TenThousandths{5000});
    modifyRate(2, TenThousandths{6000});
    view.OnCmdMsg(ID_EDIT_UNDO);
    prompts.files = {dir.filePath("saved.itx").toStdString()};
    prompts.taxPeriod = [](TaxPeriod &) { return true; };
    view.OnCmdMsg(ID_SAVE_TAX_RATES);
    EXPECT_FALSE(view.taxRatesModified());
    EXPECT_FALSE(canUndo());
    EXPECT_FALSE(canRedo());
}

// The window's File Open, File New and Merge Files start another record: the trip lines'
// undo and redo copies belong to the record they were taken from and must not be
// restored into the next one.
TEST(UndoWindowTest, EntryUndoStaysWithTheRecordItWasTakenFrom)
{
    apptest::Sandbox box;
    box.copySample("ifta.itx");
    ScriptedPrompts prompts;
    CIftaApp app(&prompts);
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame &frame = *app.mainFrame();
    QAction *undo = frame.actions().action(ID_EDIT_UNDO);
    QAction *redo = frame.actions().action(ID_EDIT_REDO);
    const auto addTrip = [&] {
        prompts.entries.push_back([](EntryDialogData &d) {
            d.abbreviation = "QC";
            d.entry.distance = 10;
            return true;
        });
        frame.OnCommand(ID_EDIT_ADD_NEW);
    };
    // Two edits and an undo: a step each way, neither of them empty.
    const auto holdBoth = [&] {
        addTrip();
        addTrip();
        frame.OnCommand(ID_EDIT_UNDO);
        ASSERT_TRUE(undo->isEnabled());
        ASSERT_TRUE(redo->isEnabled());
    };

    holdBoth();
    // The Edit menu names each step, and says plain "Undo" or "Redo" when there is none.
    EXPECT_EQ(undo->text(), "&Undo Add Trip 1\tCtrl+Z");
    EXPECT_EQ(redo->text(), "&Redo Add Trip 2\tCtrl+Y");
    prompts.yesNoCancel.push_back(UserPrompts::Answer::No); // "Save changes to ...?"
    ASSERT_TRUE(app.OpenDocumentFile(box.copySample("sample.irc")));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo\tCtrl+Z");

    // File New refused at the save question: the record stays, and so does its undo.
    holdBoth();
    prompts.yesNoCancel.push_back(UserPrompts::Answer::Cancel);
    frame.OnCommand(ID_FILE_NEW);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    prompts.yesNoCancel.push_back(UserPrompts::Answer::No);
    prompts.companies.push_back(apptest::AcceptCompany(CompanyDialogData::DialogDefaults()));
    frame.OnCommand(ID_FILE_NEW);
    EXPECT_TRUE(app.document().entries().empty());
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    // Merge Files cancelled leaves the record and its undo; a merge replaces both.
    holdBoth();
    prompts.yesNoCancel.push_back(UserPrompts::Answer::No);
    frame.OnCommand(ID_MERGE_FILES);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    const std::string sample = box.copySample("sample.irc").toStdString();
    prompts.yesNoCancel.push_back(UserPrompts::Answer::No);
    prompts.merges.push_back([sample](MergeDialogData &data) {
        data.paths = {sample};
        return true;
    });
    frame.OnCommand(ID_MERGE_FILES);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    const size_t merged = app.document().entries().size();
    frame.OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(app.document().entries().size(), merged);
}

} // namespace
