// The trip entry dialog driven through its own widgets: keys typed into its boxes, focus
// moved between them, OK pressed with Enter and Cancel with Escape.

#include "dialogs/guiapp.h"
#include "dialogs/scriptedprompts.h"

#include "formats/taxfile.h"
#include "records/units.h"
#include "sessionbase/odometerrule.h"
#include "views/centrydlg.h"
#include "views/entryrules.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Answer = SessionPrompts::Answer;

class EntryDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GuiApp();
        ASSERT_TRUE(ReadTaxFile(TOLLMARK_TEST_DATA "/report/rates.itx", table, period));
        data.table = &table;
        data.entry.tripNumber = 4;
        data.entry.slot = 2; // Kentucky
    }

    // Opens the dialog as the active window, so that focus moves send their events.
    CEntryDlg &open()
    {
        dialog = std::make_unique<CEntryDlg>(prompts, data);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return *dialog;
    }
    QLineEdit *edit(const char *name) { return dialog->findChild<QLineEdit *>(name); }
    QComboBox *state() { return dialog->findChild<QComboBox *>("state"); }
    QDateEdit *picker() { return dialog->findChild<QDateEdit *>("date"); }
    QCheckBox *useOdometer() { return dialog->findChild<QCheckBox *>("useOdometer"); }
    QRadioButton *radio(const QString &text)
    {
        for (QRadioButton *r : dialog->findChildren<QRadioButton *>())
            if (r->text() == text)
                return r;
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }
    // The unit buttons checked, in the order KM, MIL, L, GAL.
    QString units()
    {
        QStringList on;
        for (const char *text : {"KM", "MIL", "L", "GAL"})
            if (radio(text)->isChecked())
                on << text;
        return on.join(' ');
    }
    // The captions over the distance and fuel boxes, which name their units.
    QString captions()
    {
        return dialog->findChild<QLabel *>("distanceCaption")->text() + ' ' +
               dialog->findChild<QLabel *>("fuelCaption")->text();
    }
    // Types `text` over the box's contents with the box focused, then moves the focus on
    // to the date picker, which does nothing when it gains focus.
    void typeAndLeave(QWidget *box, const QString &text)
    {
        box->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(box->hasFocus());
        if (auto *line = qobject_cast<QLineEdit *>(box))
            line->selectAll();
        else if (auto *combo = qobject_cast<QComboBox *>(box))
            combo->lineEdit()->selectAll();
        QTest::keyClicks(box, text);
        // Tab closes the completion list before it moves on.
        if (QWidget *list = QApplication::activePopupWidget())
            list->hide();
        picker()->setFocus(Qt::TabFocusReason);
    }

    TaxRateTable table;
    TaxPeriod period;
    EntryDialogData data;
    ScriptedPrompts prompts;
    std::unique_ptr<CEntryDlg> dialog;
};

TEST_F(EntryDlgTest, TitleNamesTheTripAndTheKindOfEdit)
{
    data.entry.tripNumber = 7;
    EXPECT_EQ(CEntryDlg(prompts, data).windowTitle(), "Add Item 7");
    data.add = false;
    data.entry.tripNumber = 3;
    EXPECT_EQ(CEntryDlg(prompts, data).windowTitle(), "Modify Item 3");
}

TEST_F(EntryDlgTest, OdometerOutIsCompletedFromOdometerInAndGivesTheDistance)
{
    data.useOdometer = 1;
    data.entry.odometerIn = 123456;
    data.entry.odometerOut = 123456;
    open();
    typeAndLeave(edit("odometerOut"), "789"); // only the last three digits typed
    EXPECT_EQ(edit("odometerOut")->text(), "123789");
    EXPECT_EQ(edit("distance")->text(), "333");
    typeAndLeave(edit("odometerOut"), "400"); // completed below odometer-in: no distance
    EXPECT_EQ(edit("odometerOut")->text(), "123400");
    EXPECT_EQ(edit("distance")->text(), "0");
    typeAndLeave(edit("odometerOut"), "7");
    EXPECT_EQ(edit("odometerOut")->text(), "123457");
    EXPECT_EQ(edit("distance")->text(), "1");
    typeAndLeave(edit("odometerOut"), "2000000"); // long readings stay as typed
    EXPECT_EQ(edit("odometerOut")->text(), "2000000");
    // Odometer-in losing focus works the distance out again, without completing anything.
    typeAndLeave(edit("odometerIn"), "1999990");
    EXPECT_EQ(edit("distance")->text(), "10");

    // Enter presses OK straight from the odometer-out box: the completion still applies.
    edit("odometerOut")->setFocus(Qt::TabFocusReason);
    edit("odometerOut")->selectAll();
    QTest::keyClicks(edit("odometerOut"), "5");
    QTest::keyClick(edit("odometerOut"), Qt::Key_Return);
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->data().entry.odometerIn, 1999990);
    EXPECT_EQ(dialog->data().entry.odometerOut, 1999995);
    EXPECT_EQ(dialog->data().entry.distance, 5u);
    EXPECT_EQ(dialog->data().useOdometer, 1);
}

TEST_F(EntryDlgTest, WithoutUseOdometerReadingsAreKeptAsTypedAndTheDistanceStays)
{
    data.add = false;
    data.useOdometer = 0;
    data.entry.date = "2026/04/02";
    data.entry.odometerIn = 100;
    data.entry.odometerOut = 789;
    data.entry.distance = 50;
    open();
    // The readings cannot be typed while the odometer is not in use; a line modified
    // keeps its own.
    EXPECT_FALSE(edit("odometerIn")->isEnabled());
    EXPECT_FALSE(edit("odometerOut")->isEnabled());
    dialog->accept();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->data().entry.odometerIn, 100);
    EXPECT_EQ(dialog->data().entry.odometerOut, 789);
    EXPECT_EQ(dialog->data().entry.distance, 50u);
    EXPECT_EQ(dialog->data().useOdometer, 0);

    // A new line typed without the odometer stores no readings: those shown were only
    // carried from the last line.
    data.add = true;
    open();
    dialog->accept();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->data().entry.odometerIn, 0);
    EXPECT_EQ(dialog->data().entry.odometerOut, 0);
    EXPECT_EQ(dialog->data().entry.distance, 50u);

    // Ticking the box in the dialog turns the rule on, and the box's state comes back.
    data.entry.odometerIn = 123456;
    open();
    useOdometer()->click();
    EXPECT_TRUE(edit("odometerOut")->isEnabled());
    typeAndLeave(edit("odometerOut"), "789");
    EXPECT_EQ(edit("distance")->text(), "333");
    dialog->accept();
    EXPECT_EQ(dialog->data().useOdometer, 1);
}

// Trap: with the odometer on, a trip typed without readings lost its distance when only
// its date was corrected (OK worked the distance out of readings 0 and 0).
TEST_F(EntryDlgTest, ModifyOfTheDateAloneKeepsTheDistanceOfALineWithoutReadings)
{
    data.add = false;
    data.useOdometer = 1;
    data.entry.date = "2026/04/02";
    data.entry.distance = 300;
    open();
    picker()->setDate(QDate(2026, 4, 3));
    dialog->accept();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->data().entry.date, "2026/04/03");
    EXPECT_EQ(dialog->data().entry.distance, 300u);
    EXPECT_EQ(dialog->data().entry.odometerIn, 0);
    EXPECT_EQ(dialog->data().entry.odometerOut, 0);
    EXPECT_TRUE(prompts.shown.empty());
}

// Trap: a new trip's readings are both the last odometer out; the distance typed became 0
// on Enter. Typed over readings that give none, it moves odometer out at once.
TEST_F(EntryDlgTest, DistanceTypedOverCarriedReadingsMovesOdometerOut)
{
    data.useOdometer = 1;
    data.entry.odometerIn = 5000;
    data.entry.odometerOut = 5000;
    open();
    typeAndLeave(edit("distance"), "300");
    EXPECT_EQ(edit("odometerOut")->text(), "5300");
    EXPECT_EQ(edit("distance")->text(), "300");
    // Enter straight from the distance box does the same.
    open();
    edit("distance")->setFocus(Qt::TabFocusReason);
    edit("distance")->selectAll();
    QTest::keyClicks(edit("distance"), "120");
    QTest::keyClick(edit("distance"), Qt::Key_Return);
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->data().entry.distance, 120u);
    EXPECT_EQ(dialog->data().entry.odometerOut, 5120);
}

// A distance typed against readings that give another asks which to keep: Cancel stays
// in the dialog, Yes keeps the distance, No the readings. A reading typed so that the
// readings give no distance leaves a typed distance for the question, never 0.
TEST_F(EntryDlgTest, DistanceAndReadingsThatDisagreeAskOnOk)
{
    data.add = false;
    data.useOdometer = 1;
    data.entry.date = "2026/04/02";
    data.entry.odometerIn = 1000;
    data.entry.odometerOut = 1300;
    data.entry.distance = 300;
    open();
    typeAndLeave(edit("distance"), "350");
    EXPECT_EQ(edit("odometerOut")->text(), "1300"); // readings that give a distance stay
    prompts.answers = {Answer::Cancel};
    dialog->accept();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->isVisible());
    TripEntry asked = data.entry;
    asked.distance = 350;
    EXPECT_EQ(prompts.shown.back(), OdometerQuestion(asked));
    prompts.answers = {Answer::Yes};
    dialog->accept();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->data().entry.distance, 350u);
    EXPECT_EQ(dialog->data().entry.odometerOut, 1350);

    open();
    typeAndLeave(edit("distance"), "350");
    typeAndLeave(edit("odometerOut"), "1000"); // no distance: the typed one stays
    EXPECT_EQ(edit("distance")->text(), "350");
    prompts.answers = {Answer::No};
    dialog->accept();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->data().entry.distance, 0u); // the readings kept, as answered
    EXPECT_EQ(dialog->data().entry.odometerOut, 1000);
}

TEST_F(EntryDlgTest, UnitLettersSwitchTheUnitButtonsAndAreNotEntered)
{
    data.entry.distance = 12;
    data.entry.fuel = Hundredths{350};
    open();
    EXPECT_EQ(units(), "KM L");
    EXPECT_EQ(captions(), "Distance (Km) Fuel (L)");
    QLineEdit *distance = edit("distance");
    QLineEdit *fuel = edit("fuel");
    distance->setFocus();
    distance->end(false);
    QTest::keyClicks(distance, "m");
    EXPECT_EQ(units(), "MIL L");
    EXPECT_EQ(captions(), "Distance (Mil) Fuel (L)"); // the caption follows at once
    QTest::keyClicks(distance, "k");
    EXPECT_EQ(units(), "KM L");
    QTest::keyClicks(distance, "M");
    EXPECT_EQ(units(), "MIL L");
    QTest::keyClicks(distance, "xg4"); // other letters, the fuel's among them, are refused
    EXPECT_EQ(distance->text(), "124");
    EXPECT_EQ(units(), "MIL L");

    fuel->setFocus();
    fuel->end(false);
    QTest::keyClicks(fuel, "G");
    EXPECT_EQ(units(), "MIL GAL");
    EXPECT_EQ(captions(), "Distance (Mil) Fuel (Gal)");
    QTest::keyClicks(fuel, "k0");
    EXPECT_EQ(units(), "MIL GAL"); // "k" is the distance box's letter, not the fuel box's
    QTest::keyClicks(fuel, "l");
    EXPECT_EQ(units(), "MIL L");
    EXPECT_EQ(fuel->text(), "3.50");

    // The buttons themselves exclude their partner.
    radio("KM")->click();
    radio("GAL")->click();
    EXPECT_EQ(units(), "KM GAL");
    radio("GAL")->click(); // a checked button stays checked
    EXPECT_EQ(units(), "KM GAL");
    EXPECT_EQ(captions(), "Distance (Km) Fuel (Gal)");
    dialog->accept();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->data().entry.distance, 124u);
    EXPECT_EQ(dialog->data().entry.fuel, Hundredths{350});
    EXPECT_EQ(dialog->data().entry.distanceInMiles, 0);
    EXPECT_EQ(dialog->data().entry.fuelInGallons, 1);
}

TEST_F(EntryDlgTest, ClosingInAnyWaySetsTheCurrentEntryUnitsFromTheButtons)
{
    // The dialog opens on the entry's own units, whatever the current units are.
    data.units = EntryUnits{1, 1};
    data.entry.distanceInMiles = 0;
    data.entry.fuelInGallons = 0;
    open();
    EXPECT_EQ(units(), "KM L");
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(dialog->data().units, (EntryUnits{0, 0}));

    // The program keeps what each dialog gave back as the units of the next entry.
    data.units = dialog->data().units;
    open();
    radio("MIL")->click();
    dialog->reject();
    EXPECT_EQ(dialog->data().units, (EntryUnits{1, 0}));

    data.units = dialog->data().units;
    data.entry.distanceInMiles = 1;
    open();
    EXPECT_EQ(units(), "MIL L");
    radio("GAL")->click();
    // A refused OK keeps the dialog open and the units where they were.
    edit("fuel")->setText("x");
    dialog->accept();
    EXPECT_EQ(dialog->data().units.fuelInGallons, 0);
    edit("fuel")->setText("1");
    dialog->accept();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->data().units, (EntryUnits{1, 1}));
}

TEST_F(EntryDlgTest, BadNumbersAreRefusedAndTheDialogStaysOpen)
{
    // Each prompt names the box it is about.
    const struct {
        const char *field;
        const char *text;
        const char *prompt;
    } cases[] = {
        {"distance", "", "Distance: Please enter a positive integer."},
        {"distance", "-5", "Distance: Please enter a positive integer."},
        {"distance", "4294967296", "Distance: Please enter a positive integer."},
        {"distance", "12.5", "Distance: Please enter a positive integer."},
        {"fuel", "", "Fuel: Please enter a number."},
        {"fuel", "1,5", "Fuel: Please enter a number."},
        {"fuel", "abc", "Fuel: Please enter a number."},
        {"odometerIn", "1.5", "Odometer in: Please enter a positive integer."},
        {"odometerOut", "x7", "Odometer out: Please enter a positive integer."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.field) + " \"" + c.text + "\"");
        // The readings can be typed only with the odometer in use.
        data.useOdometer = std::string(c.field).rfind("odometer", 0) == 0 ? 1 : 0;
        open();
        edit(c.field)->setText(QString::fromLatin1(c.text));
        const size_t before = prompts.shown.size();
        QTest::keyClick(edit(c.field), Qt::Key_Return);
        EXPECT_NE(dialog->result(), QDialog::Accepted);
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_EQ(prompts.shown.size(), before + 1);
        EXPECT_EQ(prompts.shown.back(), c.prompt);
        EXPECT_EQ(QApplication::focusWidget(), edit(c.field)); // back in the bad box
    }
    // Blanks around a number are accepted.
    data.useOdometer = 0;
    open();
    edit("distance")->setText(" 42 ");
    edit("fuel")->setText("10.25 ");
    dialog->accept();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->data().entry.distance, 42u);
    EXPECT_EQ(dialog->data().entry.fuel, Hundredths{1025});
}

TEST_F(EntryDlgTest, JurisdictionOutsideTheLoadedTableIsRefused)
{
    // Such a trip would keep slot 0 and be taxed as Quebec's; an empty one would be
    // dropped without a word.
    const char *const choose = "Please choose a state or province from the list.";
    for (const char *text : {"ZZ", ""}) {
        SCOPED_TRACE(text);
        open();
        state()->setEditText(QString::fromLatin1(text));
        const size_t before = prompts.shown.size();
        dialog->accept();
        EXPECT_NE(dialog->result(), QDialog::Accepted);
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_EQ(prompts.shown.size(), before + 1);
        EXPECT_EQ(prompts.shown.back(), choose);
        EXPECT_EQ(QApplication::focusWidget(), state());
    }
    // Without a loaded table only the built-in names pass ("QUEBEC" as typed, upper
    // case, picks "Quebec").
    data.table = nullptr;
    open();
    state()->setEditText("ZZ");
    dialog->accept();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(prompts.shown.back(), choose);
    state()->setEditText("QUEBEC");
    dialog->accept();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->data().abbreviation, "Quebec");
}

TEST_F(EntryDlgTest, TabLeavesTheDatePickerForTheNextBox)
{
    open();
    picker()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(picker()->hasFocus());
    QTest::keyClick(picker(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), state());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_TRUE(picker()->hasFocus());
}

// A stored date of the range opens as it is (an imported 1999 trip too); a text that is
// no date opens blank, is kept as it was on OK, and is never replaced by today. A new
// line without a date starts at today.
TEST_F(EntryDlgTest, PickerShowsStoredDatesAsTheyAreAndNoDateBlank)
{
    const QString today = QDate::currentDate().toString("yyyy/MM/dd");
    open();
    EXPECT_EQ(picker()->maximumDate().toString(Qt::ISODate), "2099-12-31");

    const struct {
        const char *stored;
        bool add;
        const char *shown; // the picker's text; nullptr for today
        const char *kept;  // the line's date on OK; nullptr for today
    } cases[] = {
        {"1900/01/01", false, "1900/01/01", "1900/01/01"},
        {"1999/12/31", false, "1999/12/31", "1999/12/31"},
        {"2099/12/31", false, "2099/12/31", "2099/12/31"},
        {"1899/12/31", false, " ", "1899/12/31"},
        {"2100/01/01", false, " ", "2100/01/01"},
        {"2026/02/31", false, " ", "2026/02/31"}, // no such day
        {"2026/13/01", false, " ", "2026/13/01"},
        {"2026/4/2", false, " ", "2026/4/2"},
        {"", true, nullptr, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        data.entry.date = c.stored;
        data.add = c.add;
        open();
        EXPECT_EQ(picker()->text(), c.shown ? QString(c.shown) : today);
        dialog->accept();
        ASSERT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(dialog->data().entry.date.str(),
                  c.kept ? std::string(c.kept) : today.toStdString());
    }

    // A line being modified with no date at all must be given one.
    data.entry.date = "";
    data.add = false;
    open();
    EXPECT_EQ(picker()->text(), " ");
    prompts.shown.clear();
    dialog->accept();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], "Please choose the date of the trip.");
    picker()->setDate(QDate(1999, 4, 1));
    dialog->accept();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->data().entry.date.str(), "1999/04/01");
}

TEST_F(EntryDlgTest, JurisdictionBoxOffersTheLoadedTableOrTheBuiltInNames)
{
    open();
    EXPECT_EQ(dialog->comboItems(), (std::vector<std::string>{"QC", "ON", "KY", "KX", "ME"}));
    EXPECT_EQ(state()->currentText(), "KY"); // the entry's slot
    EXPECT_EQ(edit("stateName")->text(), "Kentucky");

    // Typed text is upper case; on leaving, the first item after the first one that begins
    // with it is chosen, the first item last.
    typeAndLeave(state(), "k");
    EXPECT_EQ(state()->currentText(), "KY");
    typeAndLeave(state(), "q");
    EXPECT_EQ(state()->currentText(), "QC");
    EXPECT_EQ(edit("stateName")->text(), "Quebec");
    typeAndLeave(state(), "zz"); // no item: no name shown, the text stays
    EXPECT_EQ(state()->currentText(), "ZZ");
    EXPECT_EQ(edit("stateName")->text(), "");
    state()->setEditText("m");
    dialog->accept();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->data().abbreviation, "ME");
    EXPECT_EQ(MatchComboItem({"KX", "KY"}, "k"), 1);

    // A first slot without an abbreviation still counts: the list runs on to the first
    // empty abbreviation after it.
    table[0].abbreviation.clear();
    open();
    EXPECT_EQ(dialog->comboItems(), (std::vector<std::string>{"", "ON", "KY", "KX", "ME"}));

    // No table loaded (slot 1 carries no index): the 63 built-in names.
    const TaxRateTable empty;
    for (const TaxRateTable *none : {static_cast<const TaxRateTable *>(nullptr), &empty}) {
        data.table = none;
        open();
        const std::vector<std::string> items = dialog->comboItems();
        ASSERT_EQ(items.size(), 63u);
        EXPECT_EQ(items.front(), "Alabama");
        EXPECT_EQ(items[13], "IN Surcharge");
        EXPECT_EQ(items[23], "Massachussetts");
        EXPECT_EQ(items.back(), "Wyoming");
        EXPECT_EQ(state()->currentText(), ""); // a new line names no jurisdiction yet
    }
    // A line being modified shows its own jurisdiction by the built-in name of its slot.
    data.add = false;
    data.entry.slot = 8;
    open();
    EXPECT_EQ(state()->currentText(), "QUEBEC"); // the box shows its text in upper case
    EXPECT_EQ(edit("stateName")->text(), "Quebec");
}

} // namespace

TEST_F(EntryDlgTest, UnitNumberRefusesCommasAndLineEndsAndComesBack)
{
    data.entry.reservedText = "T-7";
    open();
    QLineEdit *unit = edit("unit");
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->text(), "T-7");
    unit->clear();
    // A comma would split the stored line: it is not taken, typed or pasted.
    QTest::keyClicks(unit, "T,10");
    EXPECT_EQ(unit->text(), "T10");
    unit->insert(QStringLiteral("a,b"));
    EXPECT_EQ(unit->text(), "T10");
    EXPECT_EQ(unit->maxLength(), 23);
    dialog->accept();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->data().entry.reservedText, "T10");
}
