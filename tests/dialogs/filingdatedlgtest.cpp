// The Filing Date dialog: dates in and out, the computed due date restored, and a penalty
// set by hand that must be an amount.

#include "dialogs/guiapp.h"
#include "dialogs/scriptedprompts.h"

#include "dialogs/cfilingdatedlg.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

template <class W>
W *Child(QWidget &dialog, const char *name)
{
    W *w = dialog.findChild<W *>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

TEST(FilingDateDlg, DatesAndAHandSetPenaltyComeBackOnOk)
{
    GuiApp();
    ScriptedPrompts prompts;
    FilingDialogData data;
    data.choices.filed = CivilDate{2026, 12, 9};
    data.choices.due = CivilDate{2026, 11, 2};
    data.computedDue = CivilDate{2026, 11, 2};
    CFilingDateDlg dlg(prompts, data);
    dlg.show();
    EXPECT_EQ(Child<QDateEdit>(dlg, "filed")->date(), QDate(2026, 12, 9));
    EXPECT_FALSE(Child<QLineEdit>(dlg, "penalty")->isEnabled());
    // The penalty's hint is shown whole, not cut.
    QLineEdit *penalty = Child<QLineEdit>(dlg, "penalty");
    EXPECT_GT(penalty->width(),
              penalty->fontMetrics().horizontalAdvance(penalty->placeholderText()));

    // A holiday move typed, then undone with "Computed"; then moved again.
    Child<QDateEdit>(dlg, "due")->setDate(QDate(2026, 11, 3));
    Child<QPushButton>(dlg, "resetDue")->click();
    EXPECT_EQ(Child<QDateEdit>(dlg, "due")->date(), QDate(2026, 11, 2));
    Child<QDateEdit>(dlg, "due")->setDate(QDate(2026, 11, 4));

    // Three decimals are no amount: refused, the dialog stays open, nothing given back.
    Child<QCheckBox>(dlg, "penaltySet")->setChecked(true);
    EXPECT_TRUE(Child<QLineEdit>(dlg, "penalty")->isEnabled());
    Child<QLineEdit>(dlg, "penalty")->setText("25.005");
    dlg.accept();
    EXPECT_EQ(prompts.shown, std::vector<std::string>{"Please enter a number."});
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(dlg.data().choices.penaltySet);

    Child<QLineEdit>(dlg, "penalty")->setText(" 25.5 ");
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.data().choices.due, (CivilDate{2026, 11, 4}));
    EXPECT_EQ(dlg.data().choices.filed, (CivilDate{2026, 12, 9}));
    EXPECT_TRUE(dlg.data().choices.penaltySet);
    EXPECT_EQ(dlg.data().choices.penalty, Hundredths{2550});
}

// A month without an interest factor: the dialog names it and takes the factor for its
// period; a factor it cannot take keeps it open, an empty field gives none back.
TEST(FilingDateDlg, AMissingFactorIsTypedForItsPeriod)
{
    GuiApp();
    FilingDialogData data;
    data.choices.filed = CivilDate{2027, 3, 1};
    data.choices.due = data.computedDue = CivilDate{2026, 11, 2};
    {
        ScriptedPrompts prompts;
        CFilingDateDlg plain(prompts, data);
        EXPECT_EQ(plain.findChild<QLineEdit *>("factor"), nullptr); // nothing missing
    }

    data.missing = "No interest factor for US 2027-01";
    data.missingPeriod = InterestPeriod{InterestBase::US, {2027, 1, 1}, {2027, 12, 31}, {}};
    const struct {
        const char *typed;
        bool accepted, factorSet;
        int64_t factor;
    } cases[] = {
        {"", true, false, 0},
        {"0.0085", true, true, 8500},
        {"8.5", false, false, 0}, // a yearly percentage is no monthly factor
        {"0.0085%", false, false, 0},
    };
    for (const auto &c : cases) {
        ScriptedPrompts prompts;
        CFilingDateDlg dlg(prompts, data);
        dlg.show();
        EXPECT_NE(Child<QLabel>(dlg, "missing")->text().indexOf("2027-01-01 to 2027-12-31"), -1);
        Child<QLineEdit>(dlg, "factor")->setText(c.typed);
        dlg.accept();
        EXPECT_EQ(dlg.result() == QDialog::Accepted, c.accepted) << c.typed;
        EXPECT_EQ(prompts.shown.empty(), c.accepted) << c.typed;
        EXPECT_EQ(dlg.data().factorSet, c.factorSet) << c.typed;
        if (c.factorSet) {
            EXPECT_EQ(dlg.data().missingPeriod.factor.units, c.factor);
        }
    }
}

} // namespace
