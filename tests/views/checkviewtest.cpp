// The check view and the report's chart in the real form view: the findings listed, a
// finding's trip opened in the trip dialog by double-click and the check run again, the
// odometer line marked where the check found a gap, the question before the return form
// is printed, and the report's chart following the list through an edit; the vehicles
// view of a record with unit numbers, and the unit a new trip starts from.

#include "viewrig.h"

#include "dialogs/guiapp.h"
#include "dialogs/scriptedprompts.h"

#include "formats/recordfile.h"
#include "print/cprintcommands.h"
#include "records/ciftadoc.h"
#include "session/csession.h"
#include "sessionbase/sessionsettings.h"
#include "ui/cappsettings.h"
#include "ui/commandids.h"
#include "views/centrydlg.h"
#include "views/ciftaview.h"
#include "views/codometerchart.h"
#include "views/creportchart.h"
#include "views/cviewmodes.h"

#include <QBarSet>
#include <QChart>
#include <QStackedBarSeries>
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

class CheckViewTest : public ::testing::Test, protected ViewRig
{
protected:
    void SetUp() override
    {
        // A day on which the sample quarter is still on time.
        session.clock().fix(CivilDate{2026, 7, 2});
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

    OdometerMark MarkOfTrip(int32_t trip)
    {
        for (const OdometerPoint &p : modes.odometerChart().points()) {
            if (p.trip == trip)
                return p.mark;
        }
        return OdometerMark::None;
    }

    int printDialogs = 0;
    CPrintCommands printCommands{std::make_unique<CountingDialogs>(printDialogs)};
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
    // The odometer line is under the list, marked at trip 3.
    EXPECT_FALSE(view.chartArea()->isHidden());
    EXPECT_EQ(view.chartArea()->currentWidget(), &modes.odometerChart());
    EXPECT_EQ(MarkOfTrip(3), OdometerMark::Gap);

    int dialogs = 0;
    prompts.entry = [&](EntryDialogData &d) {
        ++dialogs;
        EXPECT_EQ(d.entry.tripNumber, 3);
        EXPECT_FALSE(d.add);
        d.entry.odometerIn -= 8;
        d.abbreviation = doc.taxTable()[d.entry.slot].abbreviation;
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
    // The check ran again: only the exposure is left, and the mark is gone.
    EXPECT_EQ(view.mode(), ViewMode::Check);
    ASSERT_EQ(modes.checkList().rowCount(), 1);
    EXPECT_EQ(modes.checkList().text(0, 0), "exposure");
    EXPECT_EQ(MarkOfTrip(3), OdometerMark::None);
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

    // Late, with no interest-rate table to work out its interest: asked first, and No
    // prints nothing.
    session.clock().fix(CivilDate{2026, 12, 9});
    view.ShowReport();
    prompts.shown.clear();
    prompts.yesNo = {false};
    view.OnCmdMsg(ID_FILE_PRINT);
    EXPECT_EQ(printDialogs, 3);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_NE(prompts.shown[0].find(kLateFiguresMissingQuestion), std::string::npos);
}

TEST_F(CheckViewTest, ReportChartFollowsTheList)
{
    view.ShowReport();
    EXPECT_EQ(view.chartArea()->currentWidget(), &modes.reportChart());
    const auto chartMatchesList = [this] {
        const CReportChart::Data &data = modes.reportChart().data();
        const CReportListCtrl &list = modes.reportList();
        // Every jurisdiction line, then the empty line and the totals.
        ASSERT_EQ(data.jurisdictions.size() + 2, static_cast<size_t>(list.rowCount()));
        auto *series =
            qobject_cast<QStackedBarSeries *>(modes.reportChart().taxChart()->series().value(0));
        ASSERT_NE(series, nullptr);
        const QBarSet *due = series->barSets().at(0);
        const QBarSet *credit = series->barSets().at(1);
        for (int row = 0; row + 2 < list.rowCount(); ++row) {
            const size_t i = static_cast<size_t>(row);
            EXPECT_EQ(data.jurisdictions[i].toStdString(), list.text(row, 1));
            EXPECT_EQ(QString::number(data.tax[i], 'f', 2).toStdString(), list.text(row, 9));
            EXPECT_EQ(QString::number(data.distance[i], 'f', 0).toStdString(), list.text(row, 3));
            EXPECT_DOUBLE_EQ(due->at(row) + credit->at(row), data.tax[i]);
        }
    };
    chartMatchesList();
    const CReportChart::Data before = modes.reportChart().data();

    // An edit: the first trip twice as long. The report is shown again and the chart
    // with it: its jurisdiction's bar grows by the trip's distance.
    const auto distanceOf = [this](const std::string &abbreviation) {
        const CReportChart::Data &data = modes.reportChart().data();
        for (size_t i = 0; i < data.jurisdictions.size(); ++i) {
            if (data.jurisdictions[i].toStdString() == abbreviation)
                return data.distance[i];
        }
        return -1.0;
    };
    TripEntry longer = doc.entries()[0];
    const std::string abbreviation = doc.taxTable()[longer.slot].abbreviation;
    const double distance = distanceOf(abbreviation);
    ASSERT_GT(distance, 0.0);
    longer.distance *= 2;
    doc.modifyEntry(0, longer);
    view.refreshMode();
    chartMatchesList();
    EXPECT_EQ(distanceOf(abbreviation), distance + longer.distance / 2);
    EXPECT_NE(modes.reportChart().data().tax, before.tax);
}

TEST_F(CheckViewTest, VehiclesViewListsEachUnitAndTheFleet)
{
    CIftaDoc::Entries lines = doc.entries();
    for (size_t i = 0; i < lines.size(); ++i)
        lines[i].reservedText = i % 2 ? "T-2" : "";
    doc.replaceEntries(lines);
    ASSERT_TRUE(view.OnCmdMsg(ID_VIEW_VEHICLES));
    EXPECT_EQ(view.mode(), ViewMode::Vehicles);
    const CVehicleListCtrl &list = modes.vehicleList();
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.text(0, 0), "T-2");
    EXPECT_EQ(list.text(1, 0), "(none)"); // lines without a unit come last
    EXPECT_EQ(list.text(2, 0), "Fleet");
}

TEST_F(CheckViewTest, ANewTripStartsFromTheLastUnitTyped)
{
    ASSERT_TRUE(view.OnCmdMsg(ID_VIEW_LIST));
    std::vector<std::string> offered;
    const auto typeTrip = [&](const char *unit) {
        prompts.entry = [&, unit](EntryDialogData &d) {
            offered.push_back(d.entry.reservedText);
            d.abbreviation = "QC";
            d.entry.reservedText = unit;
            return true;
        };
        ASSERT_TRUE(view.OnCmdMsg(ID_EDIT_ADD_NEW));
    };
    typeTrip("T-9");
    typeTrip("T-12");
    EXPECT_EQ(offered, (std::vector<std::string>{"", "T-9"}));
    EXPECT_EQ(doc.entries().back().reservedText, "T-12");
}
