// The check view and the report's chart in the real form view: the findings listed, a
// finding's trip opened in the trip dialog by double-click and the check run again, the
// odometer line marked where the check found a gap, the question before the return form
// is printed, and the report's chart following the list through an edit.

#include "dialogs/guiapp.h"
#include "dialogs/scriptedprompts.h"

#include "print/cprintcommands.h"
#include "records/ciftadoc.h"
#include "records/recordfile.h"
#include "session/csession.h"
#include "session/sessionsettings.h"
#include "ui/commandids.h"
#include "views/centrydlg.h"
#include "views/ciftaview.h"
#include "views/cviewmodes.h"

#include <QStackedWidget>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Print dialogs that count how often File Print got as far as the print dialog.
class CountingDialogs : public PrintDialogs
{
public:
    explicit CountingDialogs(int &shown) : shown_(shown) {}
    bool runPrintDialog(QPrinter &, QWidget *) override
    {
        ++shown_;
        return false;
    }
    void runPreview(QPrinter &, QWidget *, const std::function<void(QPrinter *)> &, int &) override
    {
    }
    bool runPrintSetup(QPrinter &, QWidget *) override { return false; }

private:
    int &shown_;
};

class CheckViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            CTaxSession::ReadTaxFileInto(TOLLMARK_SAMPLE_DATA "/ifta.itx", doc.rates()).ok());
        ASSERT_TRUE(ReadRecordFile(doc, TOLLMARK_SAMPLE_DATA "/sample.irc").ok());
        view.setPrintCommands(&printCommands);
    }

    // Trip 3 of the sample starts 8 km after trip 2 ended.
    void SpoilTrip3()
    {
        TripEntry late = doc.entries()[2];
        late.odometerIn += 8;
        doc.modifyEntry(2, late);
    }

    // The printer settings need the application object before anything else is made.
    QApplication &app = GuiApp();
    ScriptedPrompts prompts;
    MemorySettings settings;
    CSession session{prompts, settings};
    CIftaDoc &doc = session.document();
    int printDialogs = 0;
    CPrintCommands printCommands{std::make_unique<CountingDialogs>(printDialogs)};
    CIftaView view{session, prompts};
    CViewModes modes{view};
};

} // namespace

TEST_F(CheckViewTest, DoubleClickOpensTheTripAndChecksAgain)
{
    SpoilTrip3();
    ASSERT_TRUE(view.OnCmdMsg(ID_VIEW_CHECK));
    EXPECT_EQ(view.mode(), ViewMode::Check);
    ASSERT_EQ(view.list()->model(), &modes.checkList());
    ASSERT_EQ(modes.checkList().rowCount(), 2);
    EXPECT_EQ(modes.checkList().text(0, 0), "odometer-gap");
    EXPECT_EQ(modes.checkList().text(0, 1), "3");
    EXPECT_EQ(modes.checkList().text(1, 0), "exposure");
    EXPECT_FALSE(view.isCommandEnabled(ID_EDIT_UNDO));

    int dialogs = 0;
    prompts.entry = [&](EntryDialogData &d) {
        ++dialogs;
        EXPECT_EQ(d.entry.tripNumber, 3);
        EXPECT_FALSE(d.add);
        d.entry.odometerIn -= 8;
        d.entry.abbreviation = doc.taxTable()[d.entry.slot].abbreviation;
        return true;
    };
    // The exposure names no trip: a double-click on it opens nothing.
    view.selectRow(1);
    QTest::mouseDClick(view.list()->viewport(), Qt::LeftButton, {},
                       view.list()->visualRect(modes.checkList().index(1, 0)).center());
    EXPECT_EQ(dialogs, 0);

    view.selectRow(0);
    QTest::mouseDClick(view.list()->viewport(), Qt::LeftButton, {},
                       view.list()->visualRect(modes.checkList().index(0, 0)).center());
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(doc.entries()[2].odometerIn, doc.entries()[1].odometerOut);
    // The check ran again: only the exposure is left.
    EXPECT_EQ(view.mode(), ViewMode::Check);
    ASSERT_EQ(modes.checkList().rowCount(), 1);
    EXPECT_EQ(modes.checkList().text(0, 0), "exposure");
    EXPECT_TRUE(doc.undo().canUndo());
}

TEST_F(CheckViewTest, ReturnFormAsksBeforePrintingWhenTheCheckFoundProblems)
{
    // A clean quarter prints without a question (the exposure is no problem).
    view.ShowReport();
    view.OnCmdMsg(ID_FILE_PRINT);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(printDialogs, 1);

    SpoilTrip3();
    TripEntry july = doc.entries()[6];
    july.date = "2026/07/01";
    doc.modifyEntry(6, july);
    using Answer = UserPrompts::PrintAnswer;
    prompts.printAnswers = {Answer::Cancel, Answer::Print, Answer::ShowProblems};
    const std::string question = "The check found 2 problems in this quarter. Print anyway?";

    view.OnCmdMsg(ID_FILE_PRINT); // Cancel: nothing printed
    EXPECT_EQ(printDialogs, 1);
    view.OnCmdMsg(ID_FILE_PRINT); // Print anyway
    EXPECT_EQ(printDialogs, 2);
    view.OnCmdMsg(ID_FILE_PRINT); // Show the problems instead
    EXPECT_EQ(printDialogs, 2);
    EXPECT_EQ(view.mode(), ViewMode::Check);
    EXPECT_EQ(prompts.shown, std::vector<std::string>(3, question));

    // The listings are not the return form: no question.
    view.OnCmdMsg(ID_FILE_PRINT);
    EXPECT_EQ(printDialogs, 3);
    EXPECT_EQ(prompts.shown.size(), 3u);
}
