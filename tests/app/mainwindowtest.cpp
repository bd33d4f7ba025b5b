// The main window driven as a carrier uses it: start-up with the shipped tax-rate file in
// the current folder, trips added, changed, deleted, undone, sorted, saved and reopened.

#include "app/windowtest.h"

#include "app/actiontable.h"
#include "app/ciftaapp.h"
#include "app/ciftadocflows.h"
#include "app/cinfodlgbar.h"
#include "app/cmainframe.h"
#include "app/cwindowprompts.h"
#include "records/ciftadoc.h"
#include "session/ceditsession.h"
#include "session/csession.h"
#include "ui/commandids.h"
#include "views/centrylistctrl.h"
#include "views/ciftaview.h"

#include <QAction>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTableView>

using namespace apptest;

namespace {

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, StartUpLoadsTheCurrentFoldersFilesAndShowsTheirPeriods)
{
    EXPECT_EQ(frame->windowTitle(), "Untitled - IFTA");
    // The first record file shows no company dialog and takes the table's quarter.
    EXPECT_TRUE(prompts.companyDialogsShown.empty());
    EXPECT_EQ(frame->infoBar()->recordInfo(), "2026Q2 for Canada");
    EXPECT_EQ(frame->infoBar()->loadedRates(), "2026Q2 for Canada");
    // Paths are shown and kept as the system writes them (backslashes on Windows).
    const QString ratesPath = QDir::toNativeSeparators(QFileInfo(rates).absoluteFilePath());
    EXPECT_EQ(frame->statusText(1), ratesPath);
    EXPECT_EQ(Sandbox::setting("TaxFile/DefaultTaxFile").toString(), ratesPath);
    // No profiles file yet: an empty one is made in the current folder and remembered.
    EXPECT_TRUE(QFileInfo::exists(box.work("ifta.usr")));
    EXPECT_EQ(Sandbox::setting("ProfilesFile/DefaultProfilesFile").toString(),
              QDir::toNativeSeparators(QFileInfo(box.work("ifta.usr")).absoluteFilePath()));
    EXPECT_EQ(view->mode(), ViewMode::EntryList);
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(view->list()->model()->headerData(5, Qt::Horizontal).toString(), "Distance (Km)");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(MainWindowTest, TripsAddedChangedDeletedUndoneSortedSavedAndReopened)
{
    prompts.yesNo.push_back(true); // keep a date outside the record's quarter 2Q2026
    addTrip("QC", "232", "455", QDate(2024, 4, 2));
    EXPECT_EQ(prompts.shown.back(), "This date is outside the quarter 2Q2026. Keep it?");
    prompts.yesNo.push_back(true); // the surcharge offer for Kentucky
    prompts.entries.push_back(TypeTrip(prompts, "KY", "289", "0", QDate(2026, 4, 5)));
    prompts.entries.push_back([this](EntryDialogData &data) {
        // The surcharge line comes prepared: its slot, no fuel, the distance kept.
        EXPECT_EQ(data.entry.fuel, Hundredths{0});
        EXPECT_EQ(data.entry.distance, 289u);
        EXPECT_EQ(data.useOdometer, 0);
        EXPECT_EQ(data.entry.tripNumber, 3);
        return RunEntryDialog(prompts, data, {});
    });
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_ADD_NEW));
    prompts.yesNo.push_back(true);
    addTrip("ON", "818", "380.5", QDate(2025, 4, 3));
    EXPECT_EQ(
        std::count(prompts.shown.begin(), prompts.shown.end(),
                   std::string("Kentucky has a separate surcharge. Add the surcharge line too?")),
        1);
    ASSERT_EQ(rows(), 4);
    EXPECT_EQ(column(4), QStringList({"QC", "KY", "KYS", "ON"}));
    EXPECT_EQ(column(9), QStringList({"", "", "X", ""}));
    EXPECT_EQ(cell(2, 5), "289");
    EXPECT_EQ(cell(3, 8), "380.50");
    EXPECT_TRUE(doc().isModified());

    view->selectRow(3);
    prompts.entries.push_back([this](EntryDialogData &data) {
        return RunEntryDialog(prompts, data, [](CEntryDlg &d) { SetField(d, "distance", "820"); });
    });
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_MODIFY));
    EXPECT_EQ(prompts.entryDialogsShown.back().add, false);
    EXPECT_EQ(cell(3, 5), "820");

    view->selectRow(0);
    prompts.yesNo.push_back(true);
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_DELETE));
    EXPECT_EQ(prompts.shown.back(), kDeleteItemQuestion);
    EXPECT_EQ(column(0), QStringList({"1", "2", "3"}));
    EXPECT_EQ(column(4), QStringList({"KY", "KYS", "ON"}));

    ASSERT_TRUE(frame->actions().action(ID_EDIT_UNDO)->isEnabled());
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_UNDO));
    EXPECT_EQ(column(4), QStringList({"QC", "KY", "KYS", "ON"}));
    // The steps before stay: the Modify of trip 4 is next.
    EXPECT_EQ(frame->actions().action(ID_EDIT_UNDO)->text(), "&Undo Modify Trip 4\tCtrl+Z");
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_REDO));
    EXPECT_EQ(column(4), QStringList({"KY", "KYS", "ON"}));
    EXPECT_FALSE(frame->actions().action(ID_EDIT_REDO)->isEnabled());

    // A first click sorts ascending, a second click on the same heading reverses.
    const bool firstAscending = true;
    QHeaderView *header = view->list()->horizontalHeader();
    emit header->sectionClicked(2);
    const QStringList byDate = column(2);
    EXPECT_EQ(byDate.first().left(4), firstAscending ? "2025" : "2026");
    emit header->sectionClicked(2);
    EXPECT_EQ(column(2).first().left(4), firstAscending ? "2026" : "2025");
    emit header->sectionClicked(4); // "Abbrev" orders by the state name
    // By the first four letters, case ignored: "KENT" comes before "KY S".
    EXPECT_EQ(column(3), firstAscending ? QStringList({"Kentucky", "KY Surcharge", "Ontario"})
                                        : QStringList({"Ontario", "KY Surcharge", "Kentucky"}));
    // Sorting changes the display only.
    EXPECT_EQ(doc().entries()[2].tripNumber, 3);

    const QString saved = box.work("trips.irc");
    prompts.saveNames.push_back(saved.toStdString());
    CompanyInfo company = CompanyDialogData::DialogDefaults();
    company.companyName = "Acme Haulage";
    prompts.companies.push_back(AcceptCompany(company));
    ASSERT_TRUE(frame->OnCommand(ID_FILE_SAVE));
    ASSERT_EQ(prompts.companyDialogsShown.size(), 1u); // no company name yet
    EXPECT_TRUE(prompts.companyDialogsShown[0].withPeriodDates);
    EXPECT_FALSE(doc().isModified());
    EXPECT_EQ(frame->windowTitle(), "trips.irc - IFTA");
    EXPECT_EQ(Sandbox::setting("Recent File List/File1").toString(),
              QDir::toNativeSeparators(QFileInfo(saved).absoluteFilePath()));
    const QByteArray bytes = ReadBytes(saved);
    ASSERT_GT(bytes.size(), 508);

    ASSERT_TRUE(app->OpenDocumentFile(saved));
    EXPECT_EQ(column(4), QStringList({"KY", "KYS", "ON"}));
    EXPECT_FALSE(frame->actions().action(ID_EDIT_UNDO)->isEnabled());
    ASSERT_TRUE(frame->OnCommand(ID_FILE_SAVE)); // has a name now: no dialogs
    EXPECT_EQ(prompts.companyDialogsShown.size(), 1u);
    EXPECT_EQ(ReadBytes(saved), bytes);
    EXPECT_TRUE(prompts.unanswered.empty());
}

TEST_F(MainWindowTest, CancelledDialogsAndRefusedQuestionsLeaveTheRecordAsItWas)
{
    prompts.yesNo.push_back(false); // no surcharge
    addTrip("KY", "100", "50", QDate(2026, 5, 1));
    ASSERT_EQ(rows(), 1);
    const std::vector<TripEntry> before = doc().entries();

    prompts.entries.push_back(CancelEntry(prompts));
    frame->OnCommand(ID_EDIT_ADD_NEW);
    // An empty jurisdiction counts as cancelled.
    prompts.entries.push_back(TypeTrip(prompts, "", "5", "5", QDate(2026, 5, 2)));
    frame->OnCommand(ID_EDIT_ADD_NEW);
    view->selectRow(0);
    prompts.entries.push_back(CancelEntry(prompts));
    frame->OnCommand(ID_EDIT_MODIFY);
    prompts.yesNo.push_back(false);
    frame->OnCommand(ID_EDIT_DELETE);
    // Surcharge accepted, its dialog then cancelled: only the first line is added.
    prompts.yesNo.push_back(true);
    prompts.entries.push_back(TypeTrip(prompts, "KY", "70", "20", QDate(2026, 5, 3)));
    prompts.entries.push_back(CancelEntry(prompts));
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_ADD_NEW));

    ASSERT_EQ(doc().entries().size(), 2u);
    EXPECT_EQ(doc().entries()[0].distance, before[0].distance);
    EXPECT_EQ(doc().entries()[0].slot, before[0].slot);
    EXPECT_EQ(doc().entries()[1].distance, 70u);
    EXPECT_EQ(doc().entries()[1].surcharge, 0);
    EXPECT_TRUE(prompts.unanswered.empty());

    // Without a selection, Modify and Delete are greyed and do nothing.
    view->selectRow(-1);
    EXPECT_FALSE(frame->actions().action(ID_EDIT_MODIFY)->isEnabled());
    EXPECT_FALSE(frame->OnCommand(ID_EDIT_DELETE));
}

TEST_F(MainWindowTest, OdometerButtonsFollowTheRecordsMode)
{
    QAction *on = frame->actions().action(ID_ODOMETER_ON);
    QAction *off = frame->actions().action(ID_ODOMETER_OFF);
    EXPECT_FALSE(on->isChecked());
    EXPECT_TRUE(off->isChecked());
    on->trigger();
    EXPECT_EQ(doc().company().useOdometer, 1);
    EXPECT_TRUE(on->isChecked());
    EXPECT_FALSE(off->isChecked());
    // The mode is what the next entry dialog starts from.
    prompts.entries.push_back(CancelEntry(prompts));
    frame->OnCommand(ID_EDIT_ADD_NEW);
    EXPECT_EQ(prompts.entryDialogsShown.back().useOdometer, 1);
    off->trigger();
    EXPECT_EQ(doc().company().useOdometer, 0);
    EXPECT_TRUE(off->isChecked());

    // A record whose last line has an odometer-out reading turns the mode on.
    ASSERT_TRUE(app->OpenDocumentFile(box.copySample("sample.irc")));
    EXPECT_EQ(doc().company().useOdometer, 1);
    EXPECT_TRUE(on->isChecked());
    EXPECT_FALSE(off->isChecked());
}

TEST_F(MainWindowTest, ModeSwitchesChangeTheEditMenu)
{
    const auto editTexts = [this] {
        QStringList texts;
        for (QAction *a : frame->editMenu()->actions())
            if (!a->isSeparator())
                texts << a->text();
        return texts;
    };
    EXPECT_TRUE(editTexts().contains("&Delete\tCtrl+D"));
    frame->OnCommand(ID_VIEW_REPORT);
    EXPECT_EQ(view->mode(), ViewMode::Report);
    EXPECT_FALSE(editTexts().contains("&Delete\tCtrl+D"));
    EXPECT_FALSE(editTexts().contains("&Modify\tCtrl+E"));
    EXPECT_FALSE(editTexts().contains("&Add New\tCtrl+A"));
    EXPECT_FALSE(frame->actions().action(ID_EDIT_UNDO)->isEnabled());
    frame->OnCommand(ID_TB_VIEW_TAX_RATES);
    EXPECT_EQ(view->mode(), ViewMode::TaxRates);
    EXPECT_FALSE(editTexts().contains("&Delete\tCtrl+D"));
    EXPECT_TRUE(editTexts().contains("&Add New\tCtrl+A"));
    frame->OnCommand(ID_VIEW_LIST);
    EXPECT_EQ(view->mode(), ViewMode::EntryList);
    EXPECT_TRUE(editTexts().contains("&Delete\tCtrl+D"));
}

TEST_F(MainWindowTest, DialogBarHidesAndShows)
{
    frame->show();
    ASSERT_TRUE(frame->infoBar()->isVisible());
    frame->OnCommand(ID_VIEW_DIALOGBAR);
    EXPECT_FALSE(frame->infoBar()->isVisible());
    EXPECT_FALSE(frame->actions().action(ID_VIEW_DIALOGBAR)->isChecked());
    frame->OnCommand(ID_VIEW_DIALOGBAR);
    EXPECT_TRUE(frame->infoBar()->isVisible());
    EXPECT_TRUE(frame->actions().action(ID_VIEW_DIALOGBAR)->isChecked());
    frame->hide();
}

// A changed rate that is in no file yet is offered for saving before the default tax file
// is read over it, by File New as by Options; before, it was replaced without a word.
TEST_F(MainWindowTest, ChangedRatesAreOfferedForSavingBeforeTheTableIsReadAgain)
{
    const auto changeFirstRate = [this](TenThousandths rate) {
        ASSERT_TRUE(frame->OnCommand(ID_VIEW_TAX_RATES));
        view->selectRow(0);
        prompts.taxRates.push_back([rate](TaxRate &r, bool) {
            r.dieselRate = rate;
            return true;
        });
        ASSERT_TRUE(frame->OnCommand(ID_EDIT_MODIFY));
        ASSERT_TRUE(view->taxRatesModified());
    };
    const auto asked = [this] {
        return std::count(prompts.shown.begin(), prompts.shown.end(),
                          std::string(kSaveModifiedTax));
    };

    // File New, Yes: the table is saved under a new name, which becomes the default, so the
    // table read again is the one just saved.
    changeFirstRate(TenThousandths{5000});
    const QString saved = box.work("changed.itx");
    prompts.yesNo.push_back(true);
    prompts.saveNames.push_back(saved.toStdString());
    prompts.taxPeriods.push_back([](TaxPeriod &) { return true; });
    prompts.companies.push_back(AcceptCompany(doc().company()));
    ASSERT_TRUE(frame->OnCommand(ID_FILE_NEW));
    EXPECT_EQ(asked(), 1);
    EXPECT_EQ(Sandbox::setting("TaxFile/DefaultTaxFile").toString(), saved);
    EXPECT_EQ(doc().taxTable()[0].dieselRate, TenThousandths{5000});
    EXPECT_FALSE(view->taxRatesModified());

    // Options, No: asked once, then the chosen file replaces the change.
    changeFirstRate(TenThousandths{7500});
    prompts.yesNo.push_back(false);
    prompts.preferenceDialogs.push_back([this](PreferencesData &data) {
        data.taxFile = rates.toStdString();
        return true;
    });
    ASSERT_TRUE(frame->OnCommand(ID_OPTIONS));
    EXPECT_EQ(asked(), 2);
    EXPECT_NE(doc().taxTable()[0].dieselRate, TenThousandths{7500});
    EXPECT_FALSE(view->taxRatesModified());

    // An unchanged table is read again without a question.
    prompts.yesNoCancel.push_back(UserPrompts::Answer::No); // the new record's own changes
    prompts.companies.push_back(AcceptCompany(doc().company()));
    ASSERT_TRUE(frame->OnCommand(ID_FILE_NEW));
    EXPECT_EQ(asked(), 2);
    EXPECT_TRUE(prompts.unanswered.empty()) << prompts.unanswered.front();
}

// A new trip starts on the last trip's date, or on the first day of the record's quarter
// when there is none, never on today's date; that of a record just opened too.
TEST_F(MainWindowTest, NewTripsStartOnTheLastTripsDateOrTheQuartersFirstDay)
{
    std::vector<std::string> offered;
    const auto look = [&offered](EntryDialogData &data) {
        offered.push_back(data.entry.date);
        return false;
    };
    prompts.entries.push_back(look);
    frame->OnCommand(ID_EDIT_ADD_NEW);
    addTrip("QC", "232", "45", QDate(2026, 5, 17));
    prompts.entries.push_back(look);
    frame->OnCommand(ID_EDIT_ADD_NEW);

    prompts.yesNoCancel.push_back(UserPrompts::Answer::No); // drop the changed record
    ASSERT_TRUE(app->OpenDocumentFile(box.copySample("sample.irc")));
    ASSERT_FALSE(doc().entries().empty());
    prompts.entries.push_back(look);
    frame->OnCommand(ID_EDIT_ADD_NEW);
    EXPECT_EQ(offered,
              (std::vector<std::string>{"2026/04/01", "2026/05/17", doc().entries().back().date}));
}

// Every top-level menu and item has its own mnemonic, Exit is Alt+F, X, Undo and Redo
// have Ctrl+Z and Ctrl+Y, and no two commands share a shortcut.
TEST_F(MainWindowTest, MenusHaveDistinctMnemonicsAndShortcuts)
{
    const auto mnemonic = [](const QString &text) {
        const int at = text.indexOf(QLatin1Char('&'));
        return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toUpper() : QChar();
    };
    QSet<QChar> menus;
    QSet<QString> shortcuts;
    for (QAction *menu : frame->menuBar()->actions()) {
        const QChar key = mnemonic(menu->text());
        EXPECT_FALSE(key.isNull()) << menu->text().toStdString();
        EXPECT_FALSE(menus.contains(key)) << menu->text().toStdString();
        menus.insert(key);
        QSet<QChar> items;
        for (QAction *item : menu->menu()->actions()) {
            if (item->isSeparator() || !item->isVisible())
                continue;
            const QChar itemKey = mnemonic(item->text());
            EXPECT_FALSE(itemKey.isNull()) << item->text().toStdString();
            EXPECT_FALSE(items.contains(itemKey)) << item->text().toStdString();
            items.insert(itemKey);
            const QString shortcut = item->shortcut().toString();
            if (!shortcut.isEmpty()) {
                EXPECT_FALSE(shortcuts.contains(shortcut)) << shortcut.toStdString();
                shortcuts.insert(shortcut);
            }
        }
    }
    // Alt and a letter opens the menu of that mnemonic: no command's shortcut may take it,
    // and Exit's Alt+X is the only X of the menus.
    for (const QString &shortcut : shortcuts) {
        if (shortcut.startsWith("Alt+") && shortcut.size() == 5) {
            EXPECT_FALSE(menus.contains(shortcut.at(4))) << shortcut.toStdString();
        }
    }
    for (QAction *menu : frame->menuBar()->actions()) {
        for (QAction *item : menu->menu()->actions()) {
            if (item != frame->actions().action(ID_APP_EXIT)) {
                EXPECT_NE(mnemonic(item->text()), QChar('X')) << item->text().toStdString();
            }
        }
    }
    EXPECT_EQ(mnemonic(frame->actions().action(ID_APP_EXIT)->text()), QChar('X'));
    EXPECT_EQ(mnemonic(frame->menuBar()->actions().first()->text()), QChar('F'));
    EXPECT_EQ(frame->actions().action(ID_EDIT_UNDO)->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(frame->actions().action(ID_EDIT_REDO)->shortcut(), QKeySequence("Ctrl+Y"));
    EXPECT_NE(frame->actions().action(ID_IMPORT)->text().section('\t', 1),
              frame->actions().action(ID_TAX_RATES_INFO)->text().section('\t', 1));
}

// A message box's text: escaped, its lines kept, and a date format never broken at its
// slashes when the box wraps the text.
TEST(WindowPrompts, MessageTextKeepsDateFormatsWhole)
{
    const QString nowrap = QStringLiteral("<span style=\"white-space:nowrap\">");
    EXPECT_EQ(MessageBoxText("Are they month first?\nYes: MM/DD/YYYY"),
              "Are they month first?<br>Yes: MM/DD/YYYY");
    EXPECT_EQ(MessageBoxText("read month first (MM/DD/YYYY) or day first (DD/MM/YYYY): <a&b>"),
              "read month first " + nowrap + "(MM/DD/YYYY)</span> or day first " + nowrap +
                  "(DD/MM/YYYY)</span>: &lt;a&amp;b&gt;");
    EXPECT_EQ(MessageBoxText("C:/data/q2 (1).irc"), "C:/data/q2 (1).irc");
}

} // namespace
