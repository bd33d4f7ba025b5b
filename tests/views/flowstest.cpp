#include "dialogs/guiapp.h"
#include "dialogs/scriptedprompts.h"
#include "net/chartserver.h"
#include "shellcommand.h"

#include "dialogs/cdownloaddlg.h"
#include "dialogs/cstepedit.h"
#include "dialogs/ctaxinfodlg.h"
#include "formats/recordfile.h"
#include "formats/taxfile.h"
#include "records/ciftadoc.h"
#include "session/csession.h"
#include "sessionbase/sessionsettings.h"
#include "ui/cappsettings.h"
#include "ui/commandids.h"
#include "views/ciftaview.h"
#include "views/creportlistctrl.h"
#include "views/ctaxlistctrl.h"
#include "views/cviewmodes.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <memory>

#include <gtest/gtest.h>

namespace {

std::string ReadAll(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Counts what the session asks the window to show.
class RecordingEvents : public SessionEvents
{
public:
    void taxRatesLoaded(const std::string &) override { ++taxShown; }
    int taxShown = 0;
};

// The view's tax-rate and merge commands over a session of their own, with the
// remembered tax file in memory: each is the session's use case, run directly or by its
// command id through the view's tables.
class FlowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GuiApp();
        session.setEvents(&events);
        session.record().skipStartUpSteps();
    }
    std::string path(const char *name) const { return dir.filePath(name).toStdString(); }
    std::string &defaultTax() { return settings.taxFile; }
    void setCountry(const std::string &country)
    {
        CompanyInfo company = doc.company();
        company.country = country;
        doc.setCompany(company);
    }
    // Reads a tax-rate file into the session's table, as tollmark-cli's --rates does.
    bool readRates(const std::string &file)
    {
        return CTaxSession::ReadTaxFileInto(file, doc.rates()).ok();
    }

    // The application object comes before the view that is a member here.
    int guiApp_ = (GuiApp(), 0);
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    MemorySettings settings;
    CSession session{prompts, settings};
    CIftaDoc &doc = session.document();
    const TaxRateTable &table = doc.taxTable();
    RecordingEvents events;
    CAppSettings appSettings;
    CIftaView view{session, prompts, appSettings};
    CViewModes modes{view};
    CTaxListCtrl &list = modes.taxList();
};

} // namespace

TEST_F(FlowsTest, LoadThenSaveUnderTheChosenPeriod)
{
    CTaxSession &flows = session.tax();
    EXPECT_FALSE(flows.loadTaxRates()); // file dialog cancelled
    EXPECT_EQ(events.taxShown, 0);
    prompts.files = {TOLLMARK_TEST_DATA "/charts/table-2026.itx"};
    doc.rates().setModified(true);
    ASSERT_TRUE(flows.loadTaxRates());
    EXPECT_EQ(prompts.filters.back(), "IFTA tax files (*.itx)|*.itx||");
    EXPECT_FALSE(doc.rates().isModified());
    EXPECT_EQ(events.taxShown, 1);
    EXPECT_GT(list.shownCount(), 60);
    EXPECT_EQ(defaultTax(), TOLLMARK_TEST_DATA "/charts/table-2026.itx");

    // Cancelling the tax period writes nothing.
    const std::string out = path("saved.itx");
    prompts.files = {out};
    doc.rates().setModified(true);
    EXPECT_FALSE(flows.saveTaxRates());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(out)));
    EXPECT_TRUE(doc.rates().isModified());
    EXPECT_EQ(prompts.proposals.back(), defaultTax());

    prompts.files = {out};
    prompts.taxPeriod = [](TaxPeriod &p) {
        p = TaxPeriod{2026, 3, "US"};
        return true;
    };
    ASSERT_TRUE(flows.saveTaxRates());
    EXPECT_FALSE(doc.rates().isModified());
    EXPECT_EQ(defaultTax(), out);
    EXPECT_EQ(ReadAll(out).substr(0, 21), "#TAXHEAD#\t2026\t3\tUS\t\n");
}

TEST_F(FlowsTest, WrongTaxFileIsRefusedButRemembered)
{
    const std::string bad = path("bad.itx");
    std::ofstream(bad) << "no header\n";
    CTaxSession &flows = session.tax();
    prompts.files = {bad};
    EXPECT_FALSE(flows.loadTaxRates());
    EXPECT_EQ(prompts.shown.back(), "Wrong file format. Tax not loaded.");
    EXPECT_EQ(defaultTax(), bad);
    prompts.files = {path("missing.itx")};
    EXPECT_FALSE(flows.loadTaxRates());
    EXPECT_EQ(defaultTax(), bad);
}

TEST_F(FlowsTest, SaveUpdateAsksAndCancelWritesNothing)
{
    ASSERT_TRUE(readRates(TOLLMARK_TEST_DATA "/report/rates.itx"));

    // A record saved before (its file since gone), its line at last quarter's rate.
    const std::string docPath = path("trips.irc");
    CompanyInfo company = doc.company();
    company.companyName = "Carrier";
    doc.setCompany(company);
    ASSERT_TRUE(session.record().saveTo(docPath));
    ASSERT_EQ(std::remove(docPath.c_str()), 0);
    TripEntry trip;
    trip.slot = 0;
    trip.rate = TenThousandths{9000};
    doc.replaceEntries({trip});
    doc.rates().setPeriod({2026, 2, "Canada"});
    prompts.answers = {UserPrompts::Answer::Cancel, UserPrompts::Answer::No,
                       UserPrompts::Answer::Yes};
    EXPECT_FALSE(session.record().saveWithCurrentRates());
    // The question says what Yes and No do.
    EXPECT_EQ(
        prompts.shown.back().rfind("Do you want to update the tax rate for the saved file?", 0),
        0u);
    EXPECT_NE(prompts.shown.back().find("Yes: every trip takes the rate of the loaded"),
              std::string::npos);
    EXPECT_NE(prompts.shown.back().find("No: the file is saved with the rates its trips carry"),
              std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(docPath)));
    ASSERT_TRUE(session.record().saveWithCurrentRates());
    EXPECT_EQ(doc.entries()[0].rate, TenThousandths{9000});
    ASSERT_TRUE(session.record().saveWithCurrentRates());
    EXPECT_EQ(doc.entries()[0].rate, table[0].dieselRate);
    EXPECT_EQ(doc.recordPeriod().year, 2026);
    EXPECT_EQ(doc.recordPeriod().quarter, 2);
}

TEST_F(FlowsTest, TaxInfoShowsBothPeriods)
{
    doc.rates().setPeriod({2026, 2, "US"});
    doc.setRecordPeriod({2025, 4, "Canada"});
    setCountry("Canada");
    TaxInfoData seen;
    prompts.taxInfo = [&seen](const TaxInfoData &d) { seen = d; };
    ASSERT_TRUE(view.OnCmdMsg(ID_TAX_RATES_INFO));
    EXPECT_EQ(seen.loadedYear, "2026");
    EXPECT_EQ(seen.loadedCountry, "US");
    EXPECT_EQ(seen.documentQuarter, "4");
    EXPECT_EQ(seen.documentCountry, "Canada");
}

TEST_F(FlowsTest, DownloadFromALoopbackServerFillsTheTableAndMarksIt)
{
    ASSERT_TRUE(readRates(TOLLMARK_TEST_DATA "/charts/table-2026.itx"));
    const int quebec = table.findAbbreviation("QC");
    ASSERT_GE(quebec, 0);
    ChartServer server(
        QByteArray::fromStdString(ReadAll(TOLLMARK_TEST_DATA "/charts/2Q2026-can.txt")));
    setCountry("Canada");
    prompts.download = [&](CIftaDoc &d, DownloadDialogData &data) {
        CDownloadDlg dlg(prompts, d, data);
        dlg.setBaseAddress(server.base());
        dlg.show();
        dlg.findChild<CStepEdit *>("quarter")->setValue("2");
        dlg.findChild<CStepEdit *>("year")->setValue("2026");
        dlg.OnDownload();
        return dlg.result() == QDialog::Accepted;
    };
    ASSERT_TRUE(view.OnCmdMsg(ID_DOWNLOAD));
    ASSERT_EQ(server.paths.size(), 1u);
    EXPECT_EQ(server.paths[0], "/taxmatrix/charts/2Q2026.txt");
    EXPECT_EQ(prompts.shown.back(), "Tax rates loaded. Please check for errors");
    EXPECT_TRUE(doc.rates().isModified());
    EXPECT_EQ(view.mode(), ViewMode::TaxRates);
    EXPECT_EQ(doc.tablePeriod(), (TaxPeriod{2026, 2, "Canada"}));
    EXPECT_NE(table[quebec].gasolineRate, TenThousandths{11111});
}

TEST_F(FlowsTest, MergeOffersTheChangedRecordForSavingFirst)
{
    CIftaDoc source;
    TripEntry trip;
    trip.distance = 50;
    source.replaceEntries({trip, trip, trip});
    const std::string file = path("a.irc");
    ASSERT_TRUE(WriteRecordFile(source, file));
    CRecordSession &flow = session.record();
    prompts.merge = [&](MergeDialogData &d) {
        d.paths = {file};
        return true;
    };
    // The changed record is offered for saving first ("No" drops it).
    doc.replaceEntries({trip});
    doc.setModified();
    prompts.answers = {UserPrompts::Answer::No};
    ASSERT_TRUE(flow.mergeFiles());
    EXPECT_EQ(prompts.shown.back(), "Save changes to Untitled?");
    EXPECT_EQ(doc.entries().size(), 3u);
    EXPECT_TRUE(session.record().companyDialogBeforeSave());

    // Cancel at the question: nothing merged, the record stays.
    doc.replaceEntries({trip});
    doc.setModified();
    prompts.answers = {UserPrompts::Answer::Cancel};
    EXPECT_FALSE(flow.mergeFiles());
    EXPECT_EQ(doc.entries().size(), 1u);
}

TEST_F(FlowsTest, ReportListMatchesTheCommandLineReport)
{
    const std::string rates = TOLLMARK_TEST_DATA "/report/rates.itx";
    ASSERT_TRUE(readRates(rates));
    TripEntry a;
    a.slot = 0;
    a.rate = table[0].dieselRate;
    a.distance = 400;
    a.fuel = Hundredths{12000};
    a.tripNumber = 1;
    TripEntry b = a;
    b.slot = 1;
    b.rate = table[1].dieselRate;
    b.distance = 250;
    b.fuel = Hundredths{2000};
    b.tripNumber = 2;
    doc.replaceEntries({a, b});
    const std::string record = path("q.irc");
    ASSERT_TRUE(WriteRecordFile(doc, record));

    CReportListCtrl report(session);
    report.Fill();
    std::string shown;
    for (int c = 0; c < report.columnCount(); ++c)
        shown += (c ? "\t" : "") + report.headerData(c, Qt::Horizontal).toString().toStdString();
    shown += "\n";
    for (int r = 0; r < report.rowCount(); ++r) {
        for (int c = 0; c < report.columnCount(); ++c)
            shown += (c ? "\t" : "") + report.text(r, c);
        shown += "\n";
    }
    const std::string command = ShellProgram(TOLLMARK_CLI) + " report " + ShellQuoted(record) +
                                " --rates " + ShellQuoted(rates);
    int exitCode = -1;
    const std::string printed = RunShell(command, &exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(report.rowCount(), 4); // two rows, the empty line, the totals
    EXPECT_EQ(shown, printed);
    EXPECT_FALSE(report.flags(report.index(0, 0)) & Qt::ItemIsEditable);
}
