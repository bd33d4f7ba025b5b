// The trip entry dialog's Tab order: each pair of unit buttons (KM/MIL, L/GAL) is one
// stop, as a radio group is, whichever button is checked.

#include "dialogs/guiapp.h"
#include "dialogs/scriptedprompts.h"

#include "formats/taxfile.h"
#include "views/centrydlg.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

TEST(EntryDlgTabStops, EachPairOfUnitButtonsIsOneStop)
{
    GuiApp();
    TaxRateTable table;
    TaxPeriod period;
    ASSERT_TRUE(ReadTaxFile(TOLLMARK_TEST_DATA "/report/rates.itx", table, period));
    for (const EntryUnits units : {EntryUnits{0, 0}, EntryUnits{1, 1}, EntryUnits{1, 0}}) {
        ScriptedPrompts prompts;
        EntryDialogData data;
        data.table = &table;
        data.units = units;
        auto dialog = std::make_unique<CEntryDlg>(prompts, data);
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        // Round the whole dialog once, from the first box back to it.
        QWidget *first = QApplication::focusWidget();
        ASSERT_NE(first, nullptr);
        int distanceStops = 0;
        int fuelStops = 0;
        for (int step = 0; step < 40; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *now = QApplication::focusWidget();
            if (auto *radio = qobject_cast<QRadioButton *>(now)) {
                const QString text = radio->text();
                ++(text == "KM" || text == "MIL" ? distanceStops : fuelStops);
                // The stop is the checked button: Space there changes nothing.
                EXPECT_TRUE(radio->isChecked()) << text.toStdString();
            }
            if (now == first)
                break;
        }
        EXPECT_EQ(distanceStops, 1);
        EXPECT_EQ(fuelStops, 1);
        dialog->reject();
    }
}
