// Trips typed with the keyboard alone into the new-trip row, and trips pasted from a
// spreadsheet: the row must add what Add New adds, byte for byte, and a paste must read
// as `tollmark-cli import --by-heading` reads the same text.

#include "app/windowtest.h"
#include "cli/clirun.h"

#include "formats/recordfile.h"
#include "records/ciftadoc.h"
#include "records/entrylist.h"
#include "views/cnewtriprow.h"
#include "views/cunitedit.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTest>

#include <iostream>
#include <iterator>

using namespace apptest;

namespace {

// One trip of the sheet: an empty date keeps the one before.
struct SheetLine {
    const char *date;
    const char *typed;  // what the row's jurisdiction box is given
    const char *abbrev; // what the dialog's box is given
    const char *distance;
    const char *fuel;
    bool miles; // the distance unit switched to miles with M
};

// clang-format off
const SheetLine kSheet[] = {
    {"2026/04/01", "ont", "ON", "420", "150.5", false}, {"", "qc", "QC", "310", "0", false},
    {"2026/04/02", "new b", "NB", "120", "80", false},  {"", "ON", "ON", "55", "0", false},
    {"2026/04/03", "kent", "KY", "200", "60", false},   {"", "oh", "OH", "95", "0", false},
    {"2026/04/06", "mich", "MI", "140", "75.25", true},  {"", "il", "IL", "220", "0", false},
    {"", "iowa", "IA", "180", "90", false},             {"2026/04/07", "neb", "NE", "300", "0", false},
    {"", "wy", "WY", "260", "110", false},              {"2026/04/08", "ut", "UT", "150", "0", false},
    {"", "nev", "NV", "330", "130", false},             {"2026/04/09", "cal", "CA", "410", "0", false},
    {"", "ariz", "AZ", "290", "120", false},            {"2026/04/10", "nm", "NM", "250", "0", false},
    {"", "tex", "TX", "520", "200", false},             {"2026/04/13", "ok", "OK", "230", "0", false},
    {"", "kans", "KS", "210", "95", false},             {"2026/04/14", "mo", "MO", "240", "0", false},
};
// clang-format on

QDate DateOf(const std::string &text)
{
    return QDate::fromString(QString::fromStdString(text), QStringLiteral("yyyy/MM/dd"));
}

class KeyboardEntryTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    }

    // A key that is not part of a field's text: counted.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        ++keystrokes;
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // A field's text, a key at a time to whatever has the focus then (the first key typed
    // on the list opens a cell's box).
    void type(const char *text)
    {
        for (const char *c = text; *c; ++c)
            QTest::keyClicks(QApplication::focusWidget(), QString(QLatin1Char(*c)));
    }

    std::string saved(const char *name)
    {
        const std::string path = box.work(name).toStdString();
        EXPECT_TRUE(WriteRecordFile(doc(), path).ok());
        return ReadBytes(QString::fromStdString(path)).toStdString();
    }

    CIftaDoc::Entries cliImport(const std::string &text)
    {
        const std::string data = box.work("pasted.tsv").toStdString();
        QFile file(QString::fromStdString(data));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        file.close();
        const std::string out = box.work("cli.irc").toStdString();
        std::vector<std::string> args = {"import",
                                         data,
                                         "--by-heading",
                                         "--rates",
                                         rates.toStdString(),
                                         "--out",
                                         out,
                                         "--fuel",
                                         doc().isDiesel() ? "diesel" : "gasoline"};
        if (!doc().company().country.empty())
            args.insert(args.end(), {"--country", doc().company().country});
        const CliRun run = RunCli(args, box.path("cli.err").toStdString());
        EXPECT_EQ(run.exitCode, 0) << run.err;
        CIftaDoc read;
        EXPECT_TRUE(ReadRecordFile(read, out).ok());
        return read.entries();
    }

    void paste(const std::string &text)
    {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
        ASSERT_TRUE(frame->OnCommand(ID_EDIT_PASTE_TRIPS));
    }

    int keystrokes = 0;
};

TEST_F(KeyboardEntryTest, TypedRowSavesWhatAddNewSaves)
{
    // The sheet through Add New and the real dialog.
    std::string date;
    for (const SheetLine &line : kSheet) {
        date = *line.date ? line.date : date;
        const QDate day = DateOf(date);
        prompts.entries.push_back([this, line, day](EntryDialogData &data) {
            return RunEntryDialog(prompts, data, [&](CEntryDlg &dialog) {
                SetDate(dialog, day);
                SetField(dialog, "state", line.abbrev);
                if (line.miles)
                    QTest::keyClick(dialog.findChild<QLineEdit *>("distance"), Qt::Key_M);
                SetField(dialog, "distance", line.distance);
                SetField(dialog, "fuel", line.fuel);
            });
        });
        if (std::string(line.abbrev) == "KY") {
            prompts.yesNo.push_back(true); // "Add surcharge?", its line taken as offered
            prompts.entries.push_back(
                [this](EntryDialogData &data) { return RunEntryDialog(prompts, data, {}); });
        }
        ASSERT_TRUE(frame->OnCommand(ID_EDIT_ADD_NEW));
    }
    ASSERT_EQ(doc().entries().size(), 21u);
    const std::string byDialog = saved("dialog.irc");

    // The same sheet into the row, keys only: Insert on the list goes to the row.
    doc().startNew(doc().company());
    view->list()->setFocus();
    press(Qt::Key_Insert);
    for (const SheetLine &line : kSheet) {
        if (*line.date)
            type(line.date); // over the last date, selected; a whole date moves on
        if (&line == &kSheet[0]) {
            // A Tab from habit after the date is taken, not a skip past the jurisdiction.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget()->objectName(), "rowState");
        }
        type(line.typed);
        press(Qt::Key_Tab);
        if (line.miles)
            press(Qt::Key_M);
        type(line.distance);
        press(Qt::Key_Tab);
        type(line.fuel);
        if (std::string(line.abbrev) == "KY")
            prompts.yesNo.push_back(true);
        press(Qt::Key_Return);
    }
    EXPECT_EQ(saved("row.irc"), byDialog);
    EXPECT_EQ(doc().undo().undoName(), "Add Trip 21");
    EXPECT_TRUE(prompts.unanswered.empty()) << prompts.unanswered.front();
    // Tab, Tab and Enter a line: a whole date, or the jurisdiction's first letter, leaves
    // the date box; the unit switch one more; Insert once to reach the row.
    size_t dates = 0;
    for (const SheetLine &line : kSheet)
        dates += *line.date ? 1 : 0;
    std::cout << "keystrokes beyond the field texts: " << keystrokes << " for " << std::size(kSheet)
              << " lines, " << dates << " of them with a new date\n";
    EXPECT_EQ(keystrokes, static_cast<int>(3 * std::size(kSheet) + 1 + 1));
}

TEST_F(KeyboardEntryTest, RowRefusesAnUnknownJurisdictionNamingIt)
{
    view->list()->setFocus();
    press(Qt::Key_Insert);
    type("zz");
    press(Qt::Key_Tab);
    ASSERT_FALSE(prompts.shown.empty());
    EXPECT_EQ(prompts.shown.back(), "State: Please choose a state or province from the list.");
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "rowState");
    EXPECT_TRUE(doc().entries().empty());
}

TEST_F(KeyboardEntryTest, RowFollowsTheOdometerRule)
{
    ASSERT_TRUE(frame->OnCommand(ID_ODOMETER_ON));
    view->list()->setFocus();
    press(Qt::Key_Insert);
    type("2026/04/02");
    press(Qt::Key_Tab);
    type("on");
    press(Qt::Key_Tab);
    press(Qt::Key_Tab); // the distance is left to the readings
    type("120000");
    press(Qt::Key_Tab);
    type("350"); // completed from the reading in: 120350
    press(Qt::Key_Tab);
    type("90");
    press(Qt::Key_Return);
    ASSERT_EQ(doc().entries().size(), 1u);
    const TripEntry &first = doc().entries()[0];
    EXPECT_EQ(first.odometerIn, 120000);
    EXPECT_EQ(first.odometerOut, 120350);
    EXPECT_EQ(first.distance, 350u);
    // The next row starts at the last reading; a distance typed moves odometer out.
    EXPECT_EQ(view->newTripRow().findChild<QLineEdit *>("rowOdometerIn")->text(), "120350");
    type("qc");
    press(Qt::Key_Tab);
    type("200");
    press(Qt::Key_Return);
    ASSERT_EQ(doc().entries().size(), 2u);
    EXPECT_EQ(doc().entries()[1].odometerIn, 120350);
    EXPECT_EQ(doc().entries()[1].odometerOut, 120550);
}

TEST_F(KeyboardEntryTest, F2EditsOneCellAsModifyDoes)
{
    addTrip("ON", "100", "40", QDate(2026, 4, 2));
    addTrip("QC", "200", "0", QDate(2026, 4, 3));
    view->list()->setFocus();
    view->list()->setCurrentIndex(model()->index(1, EntryColumnDistance));
    press(Qt::Key_F2);
    type("250");
    press(Qt::Key_Return);
    EXPECT_EQ(doc().entries()[1].distance, 250u);
    EXPECT_EQ(doc().undo().undoName(), "Modify Trip 2");
    // Typing on a cell starts over its text; a bad number is refused, naming the field.
    view->list()->setCurrentIndex(model()->index(0, EntryColumnFuel));
    type("x");
    press(Qt::Key_Return);
    EXPECT_EQ(prompts.shown.back(), "Fuel: Please enter a number.");
    press(Qt::Key_Escape);
    // The jurisdiction cell takes a name's beginning.
    view->list()->setCurrentIndex(model()->index(0, EntryColumnAbbrev));
    type("new b");
    press(Qt::Key_Return);
    EXPECT_EQ(cell(0, EntryColumnAbbrev), "NB");
    EXPECT_EQ(doc().entries()[0].fuel, Hundredths{4000});
}

// A spreadsheet's text: heading in its own order, miles and gallons, month-first dates.
std::string SpreadsheetText(size_t rows)
{
    const char *states[] = {"TX", "Oklahoma", "KY", "ar", "Tennessee", "GA", "fl", "AL"};
    std::string text = "State\tGallons\tTruck\tMiles\tDate\r\n";
    for (size_t i = 0; i < rows; ++i) {
        const auto twoDigits = [](size_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
        const std::string date = twoDigits(4 + i % 3) + "/" + twoDigits(1 + i % 28) + "/2026";
        text += std::string(states[i % 8]) + '\t' + std::to_string(i % 90) + "." +
                std::to_string(i % 10) + '\t' + std::to_string(100 + i % 7) + '\t' +
                std::to_string(50 + i % 400) + '\t' + date + "\r\n";
    }
    return text;
}

TEST_F(KeyboardEntryTest, PastedRowsAreTheCliImportsLines)
{
    const std::string text = SpreadsheetText(1000);
    paste(text);
    ASSERT_EQ(doc().entries().size(), 1125u); // one KY surcharge line every eight rows
    EXPECT_EQ(doc().entries(), cliImport(text));
    EXPECT_EQ(rows(), 1125);
    // One undo step takes the whole paste back.
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_UNDO));
    EXPECT_TRUE(doc().entries().empty());
}

TEST_F(KeyboardEntryTest, CopiedLinesPasteBackAsTheSameLines)
{
    paste(SpreadsheetText(44)); // 50 lines with their surcharge lines
    ASSERT_EQ(doc().entries().size(), 50u);
    view->list()->selectAll();
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_COPY_TRIPS));
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_PASTE_TRIPS));
    const CIftaDoc::Entries &lines = doc().entries();
    ASSERT_EQ(lines.size(), 100u);
    for (size_t i = 0; i < 50; ++i) {
        TripEntry copy = lines[50 + i];
        EXPECT_EQ(copy.tripNumber, static_cast<int32_t>(51 + i));
        copy.tripNumber = lines[i].tripNumber;
        EXPECT_EQ(copy, lines[i]) << i;
    }
}

TEST_F(KeyboardEntryTest, BadRowsAreListedAndAddedOnlyOnYes)
{
    // Without a heading the columns are the list's: Trip, Unit, Date, State, Abbrev,
    // distance, Odometer IN and OUT, fuel, Surtax.
    const std::string text = ",7,2026/04/02,Ontario,ON,120,0,0,40,\n"
                             ",7,2026/04/31,Ontario,ON,50,0,0,0,\n"
                             ",7,2026/04/03,,XX,70,0,0,1,\n";
    prompts.yesNo.push_back(false);
    paste(text);
    ASSERT_FALSE(prompts.shown.empty());
    EXPECT_EQ(prompts.shown.back(), "2 rows of the pasted text could not be read:\n"
                                    "row 2: the date \"2026/04/31\" is not a date\n"
                                    "row 3: the jurisdiction \"XX\" is unknown\n\n"
                                    "Add the 1 good row?");
    EXPECT_TRUE(doc().entries().empty());
    prompts.yesNo.push_back(true);
    paste(text);
    ASSERT_EQ(doc().entries().size(), 1u);
}

} // namespace
