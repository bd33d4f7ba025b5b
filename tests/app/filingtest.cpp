// Filing a return in the window: Filing Date, the report's Interest and Total columns,
// the information bar, and Export Summary writing what tollmark-cli writes.

#include "app/windowtest.h"
#include "cli/clirun.h"

#include "app/cinfodlgbar.h"
#include "ui/commandids.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTest>

using namespace apptest;

namespace {

class FilingTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        // Today is before the due date of the record's quarter: on time until a filing
        // date is chosen (tollmark-cli, run beside the window, has the same day).
        app->session().clock().fix(CivilDate{2024, 10, 15});
        record = box.work("late-us.irc").toStdString();
        ASSERT_TRUE(
            QFile::copy(TOLLMARK_TEST_DATA "/filing/late-us.irc", QString::fromStdString(record)));
        ASSERT_TRUE(app->OpenDocumentFile(QString::fromStdString(record)));
    }
    // tollmark-cli export-summary of the same record and table, with `extra` options.
    std::string CliSummary(std::vector<std::string> extra = {})
    {
        const std::string out = box.work("cli.csv").toStdString();
        std::vector<std::string> args = {"export-summary",    record,  "--rates",
                                         rates.toStdString(), "--out", out};
        args.insert(args.end(), extra.begin(), extra.end());
        const CliRun run = RunCli(args, box.work("cli.err").toStdString());
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return ReadBytes(QString::fromStdString(out)).toStdString();
    }
    std::string WindowSummary()
    {
        const std::string out = box.work("window.csv").toStdString();
        prompts.saveNames.push_back(out);
        EXPECT_TRUE(frame->OnCommand(ID_EXPORT_SUMMARY));
        return ReadBytes(QString::fromStdString(out)).toStdString();
    }

    std::string record;
    ScopedToday filingToday{"2024-10-15"};
};

TEST_F(FilingTest, ExportSummaryWritesWhatTheCommandLineWrites)
{
    const std::string window = WindowSummary();
    EXPECT_EQ(window.substr(0, 13), "Jurisdiction,");
    EXPECT_EQ(window, CliSummary());
    EXPECT_TRUE(prompts.unanswered.empty()) << prompts.unanswered.front();
}

TEST_F(FilingTest, LateFilingShowsInterestInTheReportAndTheInformationBar)
{
    EXPECT_EQ(frame->infoBar()->filingText(), "Due 2024-10-31");
    ASSERT_TRUE(frame->OnCommand(ID_VIEW_REPORT));
    EXPECT_EQ(model()->columnCount(), 10); // on time: the plain report

    // The dialog opens on today and the due date; the user types the filing day.
    prompts.filingDates.push_back([](FilingDialogData &data) {
        EXPECT_EQ(data.choices.due, (CivilDate{2024, 10, 31}));
        data.choices.filed = CivilDate{2025, 2, 10};
        return true;
    });
    ASSERT_TRUE(frame->OnCommand(ID_FILING_DATE));
    EXPECT_EQ(frame->infoBar()->filingText(), "Late: 4 months");
    ASSERT_EQ(model()->columnCount(), 12);
    EXPECT_EQ(model()->headerData(10, Qt::Horizontal).toString(), "Interest");
    EXPECT_EQ(model()->headerData(11, Qt::Horizontal).toString(), "Total");
    // The figures of tollmark-cli late: Arkansas first, the totals, penalty and total due.
    EXPECT_EQ(cell(0, 1), "AR");
    EXPECT_EQ(cell(0, 10), "0.72");
    EXPECT_EQ(cell(0, 11), "23.49");
    EXPECT_EQ(cell(1, 10), "0.00"); // Colorado's credit earns no interest
    const int totals = rows() - 3;
    EXPECT_EQ(cell(totals, 0), "Total");
    EXPECT_EQ(cell(totals, 10), "4.08");
    EXPECT_EQ(cell(totals, 11), "9.59");
    EXPECT_EQ(cell(totals + 1, 0), "Penalty");
    EXPECT_EQ(cell(totals + 1, 11), "50.00");
    EXPECT_EQ(cell(totals + 2, 0), "Total due");
    EXPECT_EQ(cell(totals + 2, 11), "59.59");

    EXPECT_EQ(WindowSummary(), CliSummary({"--filed", "2025-02-10"}));
    EXPECT_TRUE(prompts.unanswered.empty()) << prompts.unanswered.front();
}

TEST_F(FilingTest, MissingFactorIsSaidAndTheReportStaysPlain)
{
    prompts.filingDates.push_back([](FilingDialogData &data) {
        data.choices.filed = CivilDate{2027, 3, 1};
        return true;
    });
    ASSERT_TRUE(frame->OnCommand(ID_VIEW_REPORT));
    ASSERT_TRUE(frame->OnCommand(ID_FILING_DATE));
    ASSERT_FALSE(prompts.shown.empty());
    EXPECT_EQ(prompts.shown.back(),
              "No interest factor for US 2027-01: add it to the interest-rate table");
    EXPECT_EQ(frame->infoBar()->filingText(), "Late: 29 months");
    EXPECT_EQ(model()->columnCount(), 10);
}

TEST_F(FilingTest, OptionsNameTheInterestRateTable)
{
    // One factor of 0.01 for every month from 2024 to 2025: four months give 4%.
    const QString table = box.work("factors.tsv");
    {
        QFile file(table);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("US\t2024-01-01\t2025-12-31\t0.010000\n");
    }
    prompts.preferenceDialogs.push_back([this, table](PreferencesData &data) {
        CPreferencesDlg dialog(prompts, data);
        EXPECT_EQ(Text(dialog, "interestRatesFile"), "");
        Type(dialog, "interestRatesFile", table);
        dialog.accept();
        data = dialog.data();
        return true;
    });
    ASSERT_TRUE(frame->OnCommand(ID_OPTIONS));
    EXPECT_EQ(Sandbox::setting("InterestRates/InterestRatesFile").toString(), table);

    prompts.filingDates.push_back([](FilingDialogData &data) {
        data.choices.filed = CivilDate{2025, 2, 10};
        return true;
    });
    ASSERT_TRUE(frame->OnCommand(ID_FILING_DATE));
    ASSERT_TRUE(frame->OnCommand(ID_VIEW_REPORT));
    EXPECT_EQ(cell(0, 10), "0.91"); // 22.77 x 0.04
}

// Opened after its due date, a return is filed today: interest, penalty and total due
// show at once, in the report, the information bar and the summary; the window's default
// size shows every column of the late report and its last line, and a small window keeps
// at least half its height for the list.
TEST_F(FilingTest, ALateReturnIsLateFromTheStartAndFitsTheWindow)
{
    app->session().clock().fix(CivilDate{2025, 2, 10});
    ASSERT_TRUE(app->OpenDocumentFile(QString::fromStdString(record)));
    EXPECT_EQ(frame->infoBar()->filingText(), "Late: 4 months");
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    ASSERT_TRUE(frame->OnCommand(ID_VIEW_REPORT));
    ASSERT_EQ(model()->columnCount(), 12);
    EXPECT_EQ(cell(rows() - 1, 0), "Total due");
    EXPECT_EQ(cell(rows() - 1, 11), "59.59");
    {
        ScopedToday cliToday("2025-02-10");
        EXPECT_EQ(WindowSummary(), CliSummary({"--filed", "2025-02-10"}));
    }

    QTableView *list = view->list();
    QApplication::processEvents();
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
    const QRect last = list->visualRect(model()->index(rows() - 1, 11));
    EXPECT_TRUE(list->viewport()->rect().contains(last)) << last.bottom();
    for (int c = 0; c < model()->columnCount(); ++c) {
        const QString text = cell(rows() - 3, c); // the totals
        EXPECT_GE(list->columnWidth(c), list->fontMetrics().horizontalAdvance(text)) << c;
    }

    frame->resize(760, 420);
    QApplication::processEvents();
    const QSplitter *splitter = qobject_cast<QSplitter *>(list->parentWidget());
    ASSERT_NE(splitter, nullptr);
    EXPECT_GE(list->height() * 2, splitter->height() - splitter->handleWidth() - 1);
    EXPECT_TRUE(view->chartArea()->isVisible());
}

} // namespace
