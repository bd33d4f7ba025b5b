// One flow driven both ways, through the real window and through tollmark-cli, must
// write the same file byte for byte: both front ends run the session's one use case.

#include "app/windowtest.h"
#include "cli/clirun.h"
#include "cli/threadchartserver.h"

#include "app/cmainframe.h"
#include "dialogs/ccompanydlg.h"
#include "dialogs/cdownloaddlg.h"
#include "dialogs/cmergedlg.h"
#include "dialogs/cprofilesdlg.h"
#include "formats/taxfile.h"
#include "imports/csvimport.h"
#include "numbers/decimaltext.h"
#include "profiles/cprofilestore.h"
#include "records/ciftadoc.h"
#include "session/crecordsession.h"
#include "ui/commandids.h"
#include "views/centrylistctrl.h"
#include "views/ciftaview.h"

#include <QCheckBox>
#include <QFile>

using namespace apptest;

namespace {

class FrontEndsTest : public WindowTest
{
protected:
    CliRun cli(const std::vector<std::string> &args)
    {
        return RunCli(args, box.path("cli.err").toStdString());
    }
    std::string work(const char *name) { return box.work(name).toStdString(); }
    // The company dialog confirmed as it opens.
    static ScriptedPrompts::CompanyScript Confirm()
    {
        return [](CompanyDialogData &) { return UserPrompts::CompanyResult::Ok; };
    }
};

TEST_F(FrontEndsTest, ImportWritesTheSameRecordFile)
{
    const std::string csv = work("trips.csv");
    ASSERT_TRUE(QFile::copy(TOLLMARK_TEST_DATA "/import/trips.csv", QString::fromStdString(csv)));
    // File New confirmed as it opens (the CLI's defaults: diesel, Canada, QC), Import of
    // the file with the default options, Save As with the company dialog confirmed.
    prompts.companies.push_back(Confirm());
    prompts.imports.push_back([csv](ImportDialogData &data) {
        EXPECT_EQ(data.options, kDefaultImportOptions);
        data.filePath = csv;
        return true;
    });
    ASSERT_TRUE(frame->OnCommand(ID_IMPORT));
    ASSERT_FALSE(doc().entries().empty());
    const std::string window = work("window.irc");
    prompts.saveNames.push_back(window);
    prompts.companies.push_back(Confirm());
    ASSERT_TRUE(frame->OnCommand(ID_FILE_SAVE));

    const std::string command = work("cli.irc");
    const CliRun run = cli({"import", csv, "--rates", rates.toStdString(), "--out", command});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(QString::fromStdString(window)),
              ReadBytes(QString::fromStdString(command)));
    EXPECT_TRUE(prompts.unanswered.empty()) << prompts.unanswered.front();
}

TEST_F(FrontEndsTest, MergeWritesTheSameRecordFile)
{
    const QString sample = box.copySample("sample.irc");
    const QString us = box.copySample("sample-us.irc");
    // Both files added at once, then the box ticked: it counts for both.
    prompts.merges.push_back([this, sample, us](MergeDialogData &data) {
        CMergeDlg dialog(prompts);
        prompts.openNames.push_back(sample.toStdString());
        prompts.openNames.push_back(us.toStdString());
        Click(dialog, "add");
        Click(dialog, "add");
        dialog.unitsFromNames()->setChecked(true);
        dialog.accept();
        data = dialog.data();
        return true;
    });
    ASSERT_TRUE(frame->OnCommand(ID_MERGE_FILES));
    const std::string window = work("window.irc");
    prompts.saveNames.push_back(window);
    prompts.companies.push_back(Confirm()); // a merged record asks first
    ASSERT_TRUE(frame->OnCommand(ID_FILE_SAVE));

    const std::string command = work("cli.irc");
    const CliRun run = cli(
        {"merge", "--out", command, "--units-from-names", sample.toStdString(), us.toStdString()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QByteArray merged = ReadBytes(QString::fromStdString(window));
    EXPECT_TRUE(merged.contains("sample-us")); // a unit taken from a file name
    EXPECT_EQ(merged, ReadBytes(QString::fromStdString(command)));
    EXPECT_TRUE(prompts.unanswered.empty()) << prompts.unanswered.front();
}

TEST_F(FrontEndsTest, DownloadWritesTheSameTaxFile)
{
    // The shipped table with every rate 9, so that each rate downloaded shows.
    TaxRateTable table;
    TaxPeriod period;
    ASSERT_TRUE(ReadTaxFile(rates.toStdString(), table, period).ok());
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        if (!table[slot].name.empty())
            table[slot].dieselRate = table[slot].gasolineRate = TenThousandths{90000};
    }
    const std::string blank = work("blank.itx");
    ASSERT_TRUE(WriteTaxFile(blank, table, TaxPeriod{2005, 1, "Canada"}).ok());
    prompts.openNames.push_back(blank);
    ASSERT_TRUE(frame->OnCommand(ID_LOAD_TAX_RATES));

    ThreadChartServer server(
        {{"/taxmatrix/charts/2Q2026.txt",
          ReadBytes(QStringLiteral(TOLLMARK_TEST_DATA "/charts/2Q2026-can.txt")).toStdString()}});
    prompts.downloads.push_back([this, &server](CIftaDoc &d, DownloadDialogData &data) {
        CDownloadDlg dialog(prompts, d, data);
        dialog.setBaseAddress(server.base());
        dialog.show();
        Type(dialog, "quarter", "2");
        Type(dialog, "year", "2026");
        Click(dialog, "download");
        data = dialog.data();
        return dialog.result() == QDialog::Accepted;
    });
    ASSERT_TRUE(frame->OnCommand(ID_DOWNLOAD));
    const std::string window = work("window.itx");
    prompts.saveNames.push_back(window);
    prompts.taxPeriods.push_back([](TaxPeriod &) { return true; });
    ASSERT_TRUE(frame->OnCommand(ID_SAVE_TAX_RATES));

    const std::string command = work("cli.itx");
    const CliRun run = cli({"download", "--year", "2026", "--quarter", "2", "--country", "Canada",
                            "--rates", blank, "--out", command, "--base", server.base()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QByteArray downloaded = ReadBytes(QString::fromStdString(window));
    EXPECT_EQ(downloaded, ReadBytes(rates)); // the shipped table is this chart
    EXPECT_EQ(downloaded, ReadBytes(QString::fromStdString(command)));
    EXPECT_EQ(server.requests().size(), 2u);
    EXPECT_TRUE(prompts.unanswered.empty()) << prompts.unanswered.front();
}

TEST_F(FrontEndsTest, SaveUpdateTaxRatesRewritesTheRecordAlikeAndTheReportFollows)
{
    // This quarter's table with Quebec's diesel rate corrected, and two copies of the
    // sample record made with the old rate.
    TaxRateTable table;
    TaxPeriod period;
    ASSERT_TRUE(ReadTaxFile(rates.toStdString(), table, period).ok());
    const int qc = table.findAbbreviation("QC");
    ASSERT_GE(qc, 0);
    table[qc].dieselRate += TenThousandths{125};
    const std::string corrected = work("corrected.itx");
    ASSERT_TRUE(WriteTaxFile(corrected, table, period).ok());
    const QString sample = box.copySample("sample.irc");
    const std::string window = work("window.irc");
    const std::string command = work("cli.irc");
    ASSERT_TRUE(QFile::copy(sample, QString::fromStdString(window)));
    ASSERT_TRUE(QFile::copy(sample, QString::fromStdString(command)));

    ASSERT_TRUE(app->OpenDocumentFile(QString::fromStdString(window)));
    prompts.openNames.push_back(corrected);
    ASSERT_TRUE(frame->OnCommand(ID_LOAD_TAX_RATES));
    // The report shown before the update taxes Quebec at the rate its trips were made with.
    ASSERT_TRUE(frame->OnCommand(ID_VIEW_REPORT));
    const int quebec = static_cast<int>(column(1).indexOf("QC"));
    ASSERT_GE(quebec, 0);
    const QString oldRate = cell(quebec, 8);
    const QString newRate = QString::fromStdString(FormatFixed(table[qc].dieselRate));
    ASSERT_NE(oldRate, newRate);
    prompts.yesNoCancel.push_back(UserPrompts::Answer::Yes);
    ASSERT_TRUE(frame->OnCommand(ID_SAVE_WITH_CURRENT_RATES));
    EXPECT_EQ(prompts.shown.back(), kUpdateRatesQuestion);
    // Still in the report, which now shows the updated rates.
    EXPECT_EQ(view->mode(), ViewMode::Report);
    EXPECT_EQ(cell(quebec, 8), newRate);

    const CliRun run = cli({"update-rates", command, "--rates", corrected});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QByteArray updated = ReadBytes(QString::fromStdString(window));
    EXPECT_NE(updated, ReadBytes(sample)); // the rates did change
    EXPECT_EQ(updated, ReadBytes(QString::fromStdString(command)));
    EXPECT_TRUE(prompts.unanswered.empty()) << prompts.unanswered.front();
}

TEST_F(FrontEndsTest, ProfilesAddedAndDeletedGiveTheSameFile)
{
    // Two profiles from Company Setup: the first with Diesel ticked, the second without
    // (a gasoline carrier, as "Add Profile" stores it); then the first deleted.
    prompts.companies.push_back([this](CompanyDialogData &data) {
        return RunCompanyDialog(prompts, data, [](CCompanyDlg &d) {
            Type(d, "companyName", "Northern Freight");
            Type(d, "provinceState", "ON");
            if (!Button(d, "diesel")->isChecked())
                Click(d, "diesel");
            Click(d, "addProfile");
            Type(d, "companyName", "Green Mountain Haul");
            Type(d, "country", "US");
            Type(d, "provinceState", "VT");
            Click(d, "gasoline");
            Click(d, "addProfile");
        });
    });
    ASSERT_TRUE(frame->OnCommand(ID_COMPANY_INFO));
    ASSERT_EQ(app->profileStore().profiles().size(), 2u);
    prompts.profiles.push_back([this](CProfileStore &s, ProfileRecord &) {
        CProfilesDlg dialog(prompts, s);
        EXPECT_EQ(Text(dialog, "companyName"), "Northern Freight");
        prompts.yesNo.push_back(true); // "Delete the profile of Northern Freight?"
        dialog.OnDeleteProfile();
        dialog.reject();
        return false;
    });
    frame->OnCommand(ID_PROFILES);
    ASSERT_EQ(app->profileStore().profiles().size(), 1u);
    const QString window = box.work("ifta.usr");

    const std::string command = work("cli.usr");
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"profiles-add", command, "--companyName", "Northern Freight",
                                   "--provinceState", "ON", "--country", "Canada", "--fuelType",
                                   "1"},
          std::vector<std::string>{"profiles-add", command, "--companyName", "Green Mountain Haul",
                                   "--provinceState", "VT", "--country", "US"},
          std::vector<std::string>{"profiles-delete", command, "0"}}) {
        const CliRun run = cli(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }
    app.reset(); // lets the window's profiles file go
    EXPECT_EQ(ReadBytes(window), ReadBytes(QString::fromStdString(command)));
}

} // namespace

namespace {

// Trip lines added, changed and deleted and a rate changed, through the window's Edit
// commands and through tollmark-cli's edit subcommands: the same record and tax-rate
// files, byte for byte.
TEST_F(FrontEndsTest, EditsWriteTheSameRecordAndTaxFiles)
{
    const QString sample = box.copySample("sample.irc");
    const std::string window = work("window.irc"), command = work("cli.irc");
    const std::string windowRates = work("window.itx"), commandRates = work("cli.itx");
    ASSERT_TRUE(QFile::copy(sample, QString::fromStdString(window)));
    ASSERT_TRUE(QFile::copy(sample, QString::fromStdString(command)));
    ASSERT_TRUE(QFile::copy(rates, QString::fromStdString(commandRates)));

    ASSERT_TRUE(app->OpenDocumentFile(QString::fromStdString(window)));
    prompts.entries.push_back([](EntryDialogData &d) {
        d.abbreviation = "ON";
        d.entry.date = "2026/04/15";
        d.entry.distance = 123;
        d.entry.fuel = Hundredths{4550};
        return true;
    });
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_ADD_NEW));
    const auto selectTrip = [this](int32_t trip) {
        view->selectRow(
            view->entryList().rowOfEntry(static_cast<size_t>(doc().findTripNumber(trip))));
    };
    selectTrip(2);
    prompts.entries.push_back([](EntryDialogData &d) {
        d.abbreviation = "QC";
        d.entry.distance = 300;
        return true;
    });
    // Trip 2's readings give 818: keep the distance typed (odometer out moves).
    prompts.yesNoCancel.push_back(SessionPrompts::Answer::Yes);
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_MODIFY));
    selectTrip(3);
    prompts.yesNo.push_back(true);
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_DELETE));
    ASSERT_TRUE(frame->OnCommand(ID_FILE_SAVE));

    ASSERT_TRUE(frame->OnCommand(ID_VIEW_TAX_RATES));
    view->selectRow(doc().taxTable().findAbbreviation("QC"));
    prompts.taxRates.push_back([](TaxRate &rate, bool) {
        rate.dieselRate = TenThousandths{2050};
        return true;
    });
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_MODIFY));
    prompts.saveNames.push_back(windowRates);
    prompts.taxPeriods.push_back([](TaxPeriod &) { return true; });
    ASSERT_TRUE(frame->OnCommand(ID_SAVE_TAX_RATES));
    EXPECT_TRUE(prompts.unanswered.empty()) << prompts.unanswered.front();

    const std::string table = rates.toStdString();
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"add-trip", command, "--rates", table, "--date", "2026/04/15", "--jurisdiction", "ON",
              "--distance", "123", "--fuel", "45.5"},
             {"modify-trip", command, "--rates", table, "--trip", "2", "--jurisdiction", "QC",
              "--distance", "300", "--keep", "distance"},
             {"delete-trip", command, "--trip", "3"},
             {"set-rate", commandRates, "--jurisdiction", "QC", "--diesel", "0.2050"},
         }) {
        const CliRun run = cli(args);
        ASSERT_EQ(run.exitCode, 0) << args[0] << ": " << run.err;
    }
    EXPECT_EQ(ReadBytes(QString::fromStdString(window)),
              ReadBytes(QString::fromStdString(command)));
    EXPECT_EQ(ReadBytes(QString::fromStdString(windowRates)),
              ReadBytes(QString::fromStdString(commandRates)));

    // A trip the record does not have and a value the dialog would refuse are errors.
    EXPECT_EQ(cli({"delete-trip", command, "--trip", "99"}).exitCode, 1);
    EXPECT_EQ(cli({"add-trip", command, "--rates", table, "--date", "2026/04/15", "--jurisdiction",
                   "ON", "--distance", "12", "--fuel", "1.234"})
                  .exitCode,
              2);
    EXPECT_EQ(cli({"set-rate", commandRates, "--jurisdiction", "ZZ", "--diesel", "1"}).exitCode, 1);
    // A distance against readings that give another, without --keep, is the question
    // unanswered: nothing changes.
    const std::string before = ReadBytes(QString::fromStdString(command)).toStdString();
    const CliRun unanswered =
        cli({"modify-trip", command, "--rates", table, "--trip", "1", "--distance", "5"});
    EXPECT_EQ(unanswered.exitCode, 1);
    EXPECT_NE(unanswered.err.find("disagree"), std::string::npos) << unanswered.err;
    EXPECT_NE(unanswered.err.find("--keep distance"), std::string::npos) << unanswered.err;
    EXPECT_EQ(ReadBytes(QString::fromStdString(command)).toStdString(), before);
}

} // namespace
