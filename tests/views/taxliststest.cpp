#include "dialogs/guiapp.h"
#include "dialogs/scriptedprompts.h"

#include "formats/taxfile.h"
#include "records/ciftadoc.h"
#include "session/ceditsession.h"
#include "session/ctaxsession.h"
#include "sessionbase/programstate.h"
#include "views/ctaxlistctrl.h"

#include <QBrush>
#include <QColor>

#include <gtest/gtest.h>

namespace {

class TaxListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GuiApp();
        ASSERT_TRUE(
            CTaxSession::ReadTaxFileInto(TOLLMARK_TEST_DATA "/report/rates.itx", doc.rates()));
        list.Fill();
    }

    CIftaDoc doc;
    const TaxRateTable &table = doc.taxTable();
    ScriptedPrompts prompts;
    ProgramState state;
    CEditSession edit{doc, state, prompts};
    CTaxListCtrl list{doc};
};

} // namespace

TEST_F(TaxListTest, ShowsTheNamedSlotsUnderSixColumns)
{
    ASSERT_GT(list.shownCount(), 2);
    EXPECT_EQ(list.columnCount(), 6);
    EXPECT_EQ(list.headerData(3, Qt::Horizontal).toString(), "Diesel tax");
    EXPECT_EQ(list.text(0, 0), "1"); // slot 0 shows index 1
    EXPECT_EQ(list.text(0, 2), "QC");
    EXPECT_EQ(list.text(0, 3), "0.2020");
    const QModelIndex cell = list.index(0, 4);
    EXPECT_EQ(list.data(cell, Qt::BackgroundRole).value<QBrush>().color(), QColor(200, 255, 200));
    EXPECT_FALSE(list.flags(cell) & Qt::ItemIsEditable);
    EXPECT_TRUE(list.data(cell, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
}

// The list only shows the table: the session's edits reach it as the table tells them.
TEST_F(TaxListTest, ModifyWritesTheSlotMarksModifiedAndUndoes)
{
    const TaxRateTable before = table;
    prompts.taxRate = [](TaxRate &rate, bool newRate) {
        EXPECT_FALSE(newRate);
        EXPECT_EQ(rate.abbreviation, "ON");
        rate.dieselRate = TenThousandths{5000};
        return true;
    };
    int told = -1;
    QObject::connect(&list, &CTaxListCtrl::lineChanged, [&told](int row) { told = row; });
    ASSERT_TRUE(edit.modifyRate(1));
    EXPECT_EQ(table[1].dieselRate, TenThousandths{5000});
    EXPECT_EQ(told, 1);
    EXPECT_EQ(list.text(1, 3), "0.5000");
    EXPECT_TRUE(doc.rates().isModified());
    EXPECT_TRUE(doc.rates().undo().canUndo());
    ASSERT_TRUE(edit.undoRates());
    EXPECT_EQ(table, before);
    ASSERT_TRUE(edit.redoRates());
    EXPECT_EQ(table[1].dieselRate, TenThousandths{5000});
}

TEST_F(TaxListTest, CancelledModifyChangesNothing)
{
    const TaxRateTable before = table;
    EXPECT_FALSE(edit.modifyRate(0));
    EXPECT_EQ(table, before);
    EXPECT_FALSE(doc.rates().isModified());
}

TEST_F(TaxListTest, AddNewFillsTheNextSlotAndAFullTableIsRefused)
{
    const int next = list.shownCount();
    prompts.taxRate = [](TaxRate &rate, bool newRate) {
        EXPECT_TRUE(newRate);
        rate.name = "Nowhere";
        rate.abbreviation = "NW";
        rate.gasolineRate = TenThousandths{1000};
        return true;
    };
    ASSERT_EQ(edit.addRate(), next);
    EXPECT_EQ(list.shownCount(), next + 1);
    EXPECT_EQ(table[next].slot, next);
    EXPECT_EQ(list.text(next, 1), "Nowhere");

    TaxRateTable named = table;
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot)
        named[slot].name = "J" + std::to_string(slot);
    doc.rates().replaceFromFile(named);
    ASSERT_EQ(list.shownCount(), 72);
    const TaxRateTable full = table;
    EXPECT_EQ(edit.addRate(), -1);
    EXPECT_EQ(prompts.shown.back(), kTaxTableFull);
    EXPECT_EQ(table, full);
}

TEST(TaxList, NoTableLoadedShowsNothingAndAddKeepsWritingSlotZero)
{
    GuiApp();
    CIftaDoc doc;
    const TaxRateTable &table = doc.taxTable();
    ScriptedPrompts prompts;
    ProgramState state;
    CEditSession edit{doc, state, prompts};
    CTaxListCtrl list{doc};
    prompts.taxRate = [](TaxRate &rate, bool) {
        rate.name = "First";
        return true;
    };
    list.Fill();
    EXPECT_EQ(list.shownCount(), 0);
    EXPECT_EQ(edit.addRate(), 0);
    EXPECT_EQ(list.shownCount(), 0);
    EXPECT_EQ(edit.addRate(), 0);
    EXPECT_EQ(table[0].name, "First");
}
