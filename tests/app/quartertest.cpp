// One quarter's return walked through the real window: the company's data, a tax-rate
// file loaded, the quarter's chart downloaded from a server on this machine and saved,
// trips typed in, the report held against tollmark-cli's, the rates brought up to date;
// then a CSV imported into a new record and merged with another, stored profiles that
// start a record, new default paths, About and the help.

#include "app/windowtest.h"
#include "cli/clirun.h"
#include "net/chartserver.h"

#include "app/actiontable.h"
#include "app/ciftaapp.h"
#include "app/ciftadocflows.h"
#include "app/cinfodlgbar.h"
#include "app/cmainframe.h"
#include "check/tablecountry.h"
#include "dialogs/caboutdlg.h"
#include "dialogs/chelpwindow.h"
#include "dialogs/cmergedlg.h"
#include "dialogs/cprofilesdlg.h"
#include "dialogs/ctaxperioddlg.h"
#include "numbers/decimaltext.h"
#include "profiles/cprofilestore.h"
#include "records/ciftadoc.h"
#include "records/taxratetable.h"
#include "session/ceditsession.h"
#include "session/crecordsession.h"
#include "session/csession.h"
#include "ui/commandids.h"
#include "views/centrylistctrl.h"
#include "views/ciftaview.h"
#include "views/ctaxratedlg.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTableWidget>
#include <QTextBrowser>

using namespace apptest;

namespace {

QStringList CliLines(const CliRun &run)
{
    QStringList lines = QString::fromStdString(run.out).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The trip lines of a record file: everything after its 508-byte header.
QByteArray TripLines(const QString &record)
{
    return ReadBytes(record).mid(508);
}

class QuarterTest : public WindowTest
{
protected:
    const TaxRateTable &table() { return doc().taxTable(); }
    int rowOf(int c, const QString &text) { return static_cast<int>(column(c).indexOf(text)); }
    // The list as tollmark-cli prints it: the headings, then every line, tab-joined.
    QStringList shownLines()
    {
        QStringList lines, headings;
        for (int c = 0; c < model()->columnCount(); ++c)
            headings << model()->headerData(c, Qt::Horizontal).toString();
        lines << headings.join('\t');
        for (int r = 0; r < rows(); ++r) {
            QStringList texts;
            for (int c = 0; c < model()->columnCount(); ++c)
                texts << cell(r, c);
            lines << texts.join('\t');
        }
        return lines;
    }
    CliRun cli(const std::vector<std::string> &args)
    {
        return RunCli(args, box.path("cli.err").toStdString());
    }
    size_t shown(const std::string &text)
    {
        return static_cast<size_t>(std::count(prompts.shown.begin(), prompts.shown.end(), text));
    }
};

TEST_F(QuarterTest, CompanyRatesDownloadTripsReportAndUpdatedRates)
{
    // Started on the shipped table: an empty record of the table's quarter.
    EXPECT_TRUE(doc().entries().empty());
    EXPECT_EQ(frame->infoBar()->recordInfo(), "2026Q2 for Canada");

    prompts.companies.push_back([this](CompanyDialogData &data) {
        EXPECT_TRUE(data.fuelChoice); // no trips yet
        EXPECT_TRUE(data.withPeriodDates);
        return RunCompanyDialog(prompts, data, [](CCompanyDlg &d) {
            Type(d, "companyName", "Laurentides Transport");
            Type(d, "address", "12 rue du Port");
            Type(d, "city", "Rimouski");
            Type(d, "provinceState", "QC");
            Type(d, "iftaNumber", "QC-123456");
            Click(d, "diesel");
            Type(d, "notes", "Fleet of two\nReefer units");
            SetPicker(d, "periodFrom", QDate(2026, 4, 1));
            SetPicker(d, "periodTo", QDate(2026, 6, 30));
        });
    });
    ASSERT_TRUE(frame->OnCommand(ID_COMPANY_INFO));
    const CompanyInfo &company = doc().company();
    EXPECT_EQ(company.companyName, "Laurentides Transport");
    EXPECT_EQ(company.city, "Rimouski");
    EXPECT_EQ(company.country, "Canada");
    EXPECT_EQ(company.iftaNumber, "QC-123456");
    EXPECT_EQ(company.notes, "Fleet of two\r\nReefer units");
    EXPECT_EQ(company.periodFrom, (PeriodDate{2026, 4, 1}));
    EXPECT_EQ(company.periodTo, (PeriodDate{2026, 6, 30}));
    EXPECT_TRUE(doc().isDiesel());
    EXPECT_EQ(company.gasoline, 0);
    EXPECT_TRUE(doc().isModified());
    EXPECT_TRUE(frame->actions().action(ID_ODOMETER_OFF)->isChecked());

    // Load Tax Rates: last quarter's table, with its placeholder rates.
    const QString firstRates = box.work("rates-1Q2026.itx");
    ASSERT_TRUE(QFile::copy(TOLLMARK_TEST_DATA "/charts/table-2026.itx", firstRates));
    prompts.openNames.push_back(firstRates.toStdString());
    ASSERT_TRUE(frame->OnCommand(ID_LOAD_TAX_RATES));
    EXPECT_EQ(view->mode(), ViewMode::TaxRates);
    EXPECT_EQ(rows(), table().usedCount());
    EXPECT_EQ(doc().tablePeriod(), (TaxPeriod{2026, 1, "Canada"}));
    EXPECT_EQ(frame->infoBar()->loadedRates(), "2026Q1 for Canada");
    EXPECT_EQ(frame->statusText(1), firstRates);
    EXPECT_EQ(Sandbox::setting("TaxFile/DefaultTaxFile").toString(), firstRates);

    // Download: this quarter's Canadian chart from the server on this machine.
    ChartServer server(ReadBytes(QStringLiteral(TOLLMARK_TEST_DATA "/charts/2Q2026-can.txt")));
    prompts.downloads.push_back([this, &server](CIftaDoc &d, DownloadDialogData &data) {
        CDownloadDlg dialog(prompts, d, data);
        dialog.setBaseAddress(server.base());
        dialog.show();
        EXPECT_EQ(Text(dialog, "country"), "Canada"); // the record's country
        Type(dialog, "quarter", "2");
        Type(dialog, "year", "2026");
        Click(dialog, "download");
        return dialog.result() == QDialog::Accepted;
    });
    ASSERT_TRUE(frame->OnCommand(ID_DOWNLOAD));
    EXPECT_EQ(server.paths, std::vector<std::string>{"/taxmatrix/charts/2Q2026.txt"});
    EXPECT_EQ(shown("Tax rates loaded. Please check for errors"), 1u);
    EXPECT_EQ(view->mode(), ViewMode::TaxRates);
    EXPECT_TRUE(view->taxRatesModified());
    EXPECT_EQ(doc().tablePeriod(), (TaxPeriod{2026, 2, "Canada"}));
    EXPECT_EQ(frame->infoBar()->loadedRates(), "2026Q2 for Canada");
    const int qc = table().findAbbreviation("QC");
    ASSERT_GE(qc, 0);
    EXPECT_EQ(table()[qc].dieselRate, TenThousandths{2020});
    EXPECT_EQ(cell(qc, 1), "Quebec");
    EXPECT_EQ(cell(qc, 3), "0.2020");
    ASSERT_TRUE(frame->OnCommand(ID_TAX_RATES_INFO));
    ASSERT_EQ(prompts.taxInfoShown.size(), 1u);
    EXPECT_EQ(prompts.taxInfoShown[0].loadedQuarter, "2");
    EXPECT_EQ(prompts.taxInfoShown[0].loadedYear, "2026");
    EXPECT_EQ(prompts.taxInfoShown[0].documentCountry, "Canada");

    // Save Tax Rates under the period the tax-period dialog offers.
    const QString savedRates = box.work("2Q2026.itx");
    prompts.saveNames.push_back(savedRates.toStdString());
    prompts.taxPeriods.push_back([this](TaxPeriod &period) {
        CTaxPeriodDlg dialog(prompts, period);
        EXPECT_EQ(Text(dialog, "quarter"), "2");
        EXPECT_EQ(Text(dialog, "year"), "2026");
        EXPECT_EQ(Text(dialog, "country"), "Canada");
        dialog.accept();
        period = dialog.period();
        return dialog.result() == QDialog::Accepted;
    });
    ASSERT_TRUE(frame->OnCommand(ID_SAVE_TAX_RATES));
    EXPECT_TRUE(ReadBytes(savedRates).startsWith("#TAXHEAD#\t2026\t2\tCanada\t\n"));
    EXPECT_FALSE(view->taxRatesModified());
    EXPECT_EQ(Sandbox::setting("TaxFile/DefaultTaxFile").toString(), savedRates);
    EXPECT_EQ(frame->statusText(1), savedRates);

    // The quarter's trips, typed into the entry dialog; Kentucky's surcharge declined.
    ASSERT_TRUE(frame->OnCommand(ID_VIEW_LIST));
    addTrip("QC", "512", "180.25", QDate(2026, 4, 6));
    addTrip("ON", "340", "0", QDate(2026, 4, 7));
    addTrip("NH", "415", "95.5", QDate(2026, 5, 12));
    prompts.yesNo.push_back(false);
    addTrip("KY", "260", "60", QDate(2026, 5, 13));
    EXPECT_EQ(shown(AddSurchargeQuestion("Kentucky")), 1u);
    EXPECT_EQ(column(4), QStringList({"QC", "ON", "NH", "KY"}));
    ASSERT_EQ(doc().entries().size(), 4u);
    EXPECT_EQ(doc().entries()[0].rate, TenThousandths{2020}); // the diesel rate just downloaded

    const QString record = box.work("2Q2026.irc");
    prompts.saveNames.push_back(record.toStdString());
    ASSERT_TRUE(frame->OnCommand(ID_FILE_SAVE));
    EXPECT_EQ(prompts.companyDialogsShown.size(), 1u); // the company has a name
    EXPECT_FALSE(doc().isModified());
    EXPECT_EQ(frame->windowTitle(), "2Q2026.irc - IFTA");

    // View Report: line for line what tollmark-cli reports from the two saved files.
    ASSERT_TRUE(frame->OnCommand(ID_VIEW_REPORT));
    EXPECT_EQ(view->mode(), ViewMode::Report);
    const CliRun report =
        cli({"report", record.toStdString(), "--rates", savedRates.toStdString()});
    ASSERT_EQ(report.exitCode, 0) << report.err;
    EXPECT_EQ(shownLines(), CliLines(report));
    EXPECT_EQ(rows(), 6); // four jurisdictions, the empty line, the totals
    // "States" is wide enough for the names at the default width; a name it still cuts
    // is shown whole under the pointer.
    const QModelIndex hampshire = model()->index(rowOf(1, "NH"), 0);
    EXPECT_EQ(hampshire.data().toString(), "New Hampshire");
    EXPECT_EQ(view->list()->columnWidth(0), 150);
    const bool fits = view->list()->fontMetrics().horizontalAdvance("New Hampshire") + 8 <= 150;
    EXPECT_TRUE(fits);
    EXPECT_TRUE(fits || hampshire.data(Qt::ToolTipRole).toString() == "New Hampshire");
    EXPECT_FALSE(model()->index(rows() - 1, 0).data(Qt::ToolTipRole).isValid()); // "Total"

    // A corrected rate reaches the trips only through Save/Update Tax Rates.
    ASSERT_TRUE(frame->OnCommand(ID_VIEW_TAX_RATES));
    view->selectRow(qc);
    prompts.taxRates.push_back([this](TaxRate &rate, bool newRate) {
        EXPECT_FALSE(newRate);
        CTaxRateDlg dialog(prompts, rate, newRate);
        Type(dialog, "dieselRate", "0.2250");
        dialog.accept();
        rate = dialog.rate();
        return dialog.result() == QDialog::Accepted;
    });
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_MODIFY));
    EXPECT_EQ(table()[qc].dieselRate, TenThousandths{2250});
    EXPECT_TRUE(view->taxRatesModified());
    EXPECT_EQ(doc().entries()[0].rate, TenThousandths{2020});
    prompts.yesNoCancel.push_back(UserPrompts::Answer::Yes);
    ASSERT_TRUE(frame->OnCommand(ID_SAVE_WITH_CURRENT_RATES));
    EXPECT_EQ(prompts.shown.back(), kUpdateRatesQuestion);
    EXPECT_EQ(doc().entries()[0].rate, TenThousandths{2250});
    EXPECT_FALSE(doc().isModified());
    ASSERT_TRUE(frame->OnCommand(ID_VIEW_REPORT));
    const CliRun updated =
        cli({"report", record.toStdString(), "--rates", savedRates.toStdString()});
    ASSERT_EQ(updated.exitCode, 0) << updated.err;
    EXPECT_EQ(shownLines(), CliLines(updated));
    EXPECT_EQ(cell(rowOf(1, "QC"), 8), "0.2250");

    // Closing asks about the changed table; No leaves its file as it was.
    const QByteArray ratesOnDisk = ReadBytes(savedRates);
    prompts.yesNo.push_back(false);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(prompts.shown.back(), kSaveModifiedTax);
    EXPECT_EQ(ReadBytes(savedRates), ratesOnDisk);
    EXPECT_TRUE(prompts.unanswered.empty()) << prompts.unanswered.front();
}

TEST_F(QuarterTest, ImportIntoANewRecordThenMergeItWithAnother)
{
    const QString csv = box.work("trips.csv");
    ASSERT_TRUE(QFile::copy(TOLLMARK_TEST_DATA "/import/trips.csv", csv));

    // A new record refused in its company dialog: the import dialog never opens.
    prompts.companies.push_back(CancelCompany());
    frame->OnCommand(ID_IMPORT);
    EXPECT_TRUE(prompts.unanswered.empty());

    CompanyInfo company = CompanyDialogData::DialogDefaults();
    company.companyName = "Outaouais Cartage";
    company.diesel = 1;
    prompts.companies.push_back(AcceptCompany(company));
    prompts.openNames.push_back(csv.toStdString());
    prompts.imports.push_back([this, csv](ImportDialogData &data) {
        CImportDlg dialog(prompts, data, app->settings());
        Click(dialog, "selectFile");
        EXPECT_EQ(Text(dialog, "filePath"), csv);
        Click(dialog, "help");
        for (const char *name : {"header", "date", "fuel", "odometerIn", "km", "litres"})
            Button(dialog, name)->setChecked(true);
        for (const char *name : {"distance", "odometerOut"})
            Button(dialog, name)->setChecked(false);
        dialog.accept();
        data = dialog.data();
        return dialog.result() == QDialog::Accepted;
    });
    ASSERT_TRUE(frame->OnCommand(ID_IMPORT));
    EXPECT_EQ(prompts.helpContexts, std::vector<unsigned>{kImportDialogHelp});
    EXPECT_EQ(doc().company().companyName, "Outaouais Cartage");
    // Five lines and Kentucky's surcharge line, shown at once.
    EXPECT_EQ(column(4), QStringList({"QC", "ON", "KY", "KYS", "ME", "QC"}));
    ASSERT_EQ(doc().entries().size(), 6u);
    EXPECT_EQ(doc().entries()[0].distance, 600u); // from the next line's odometer

    const QString imported = box.work("imported.irc");
    prompts.saveNames.push_back(imported.toStdString());
    ASSERT_TRUE(frame->OnCommand(ID_FILE_SAVE));
    // The same lines as tollmark-cli's import of the file with the same options.
    const QString cliImported = box.work("cli-imported.irc");
    const CliRun import = cli({"import", csv.toStdString(), "--rates", rates.toStdString(), "--out",
                               cliImported.toStdString(), "--options", "475"});
    ASSERT_EQ(import.exitCode, 0) << import.err;
    EXPECT_EQ(TripLines(imported), TripLines(cliImported));

    // Merge Files: the imported record and the shipped sample, in that order.
    const QString sample = box.copySample("sample.irc");
    prompts.merges.push_back([this, imported, sample](MergeDialogData &d) {
        CMergeDlg dialog(prompts);
        prompts.openNames.push_back(imported.toStdString());
        prompts.openNames.push_back(sample.toStdString());
        Click(dialog, "add");
        Click(dialog, "add");
        EXPECT_EQ(dialog.rowCount(), 2);
        EXPECT_EQ(dialog.list()->item(0, 0)->text(), QDir::toNativeSeparators(imported));
        EXPECT_EQ(dialog.list()->item(0, 1)->text(), "2026/2");
        EXPECT_EQ(dialog.list()->item(1, 0)->text(), QDir::toNativeSeparators(sample));
        dialog.accept();
        d = dialog.data();
        return dialog.result() == QDialog::Accepted;
    });
    ASSERT_TRUE(frame->OnCommand(ID_MERGE_FILES));
    ASSERT_GT(doc().entries().size(), 6u);
    for (size_t i = 0; i < doc().entries().size(); ++i)
        EXPECT_EQ(doc().entries()[i].tripNumber, static_cast<int>(i + 1));
    EXPECT_EQ(rows(), static_cast<int>(doc().entries().size()));
    EXPECT_EQ(frame->windowTitle(), "Untitled - IFTA");
    EXPECT_TRUE(app->session().record().companyDialogBeforeSave());

    // Its first save shows the company dialog, then writes what tollmark-cli merges.
    const QString merged = box.work("merged.irc");
    prompts.saveNames.push_back(merged.toStdString());
    company.companyName = "Merged Fleet";
    prompts.companies.push_back(AcceptCompany(company));
    ASSERT_TRUE(frame->OnCommand(ID_FILE_SAVE));
    ASSERT_EQ(prompts.companyDialogsShown.size(), 3u);
    EXPECT_TRUE(prompts.companyDialogsShown.back().withPeriodDates);
    EXPECT_FALSE(app->session().record().companyDialogBeforeSave());
    const QString cliMerged = box.work("cli-merged.irc");
    const CliRun merge = cli(
        {"merge", "--out", cliMerged.toStdString(), imported.toStdString(), sample.toStdString()});
    ASSERT_EQ(merge.exitCode, 0) << merge.err;
    EXPECT_EQ(TripLines(merged), TripLines(cliMerged));
    EXPECT_TRUE(prompts.unanswered.empty()) << prompts.unanswered.front();
}

TEST_F(QuarterTest, ProfilesPreferencesAboutAndHelp)
{
    // Every menu item reaches a handler: at the start only what needs a selection, an
    // undo step, a recent file or a chosen year is greyed.
    QStringList greyed;
    for (QAction *menu : frame->menuBar()->actions()) {
        for (QAction *item : menu->menu()->actions()) {
            if (!item->isSeparator() && item->isVisible() && !item->isEnabled())
                greyed << item->text();
        }
    }
    EXPECT_EQ(greyed, QStringList({"Export Year Summary as &CSV...", "Recent &File",
                                   "&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "&Delete\tCtrl+D",
                                   "&Modify\tCtrl+E", "Cop&y Trips\tCtrl+C"}));

    // Two profiles stored from Company Setup, whose own answer is a third identity.
    prompts.companies.push_back([this](CompanyDialogData &data) {
        return RunCompanyDialog(prompts, data, [](CCompanyDlg &d) {
            Type(d, "companyName", "Northern Freight");
            Type(d, "provinceState", "ON");
            Click(d, "diesel");
            Click(d, "addProfile");
            Type(d, "companyName", "Green Mountain Haul");
            Type(d, "country", "US");
            Type(d, "provinceState", "VT");
            Click(d, "gasoline");
            Click(d, "addProfile");
            Click(d, "help");
            Type(d, "companyName", "Lakehead Lines");
            Type(d, "country", "Canada");
            Type(d, "provinceState", "ON");
            Type(d, "startOdometer", "150000");
        });
    });
    ASSERT_TRUE(frame->OnCommand(ID_COMPANY_INFO));
    EXPECT_EQ(shown("Profile saved"), 2u);
    EXPECT_EQ(prompts.helpContexts.back(), kCompanyInfoHelp);
    const CProfileStore &store = app->profileStore();
    ASSERT_EQ(store.profiles().size(), 2u);
    EXPECT_EQ(store.profiles()[0].fuelType, 1);
    EXPECT_EQ(store.profiles()[1].fuelType, 2);
    EXPECT_EQ(store.profiles()[1].recordIndex, 1);
    EXPECT_TRUE(ReadBytes(box.work("ifta.usr")).contains("Green Mountain Haul"));
    EXPECT_EQ(doc().company().companyName, "Lakehead Lines");
    EXPECT_EQ(doc().company().useOdometer, 1); // a start reading turns the odometer on
    EXPECT_TRUE(frame->actions().action(ID_ODOMETER_ON)->isChecked());
    addTrip("ON", "120", "40", QDate(2026, 4, 2));

    // Edit, Profiles: the second profile, paged to, starts a new record.
    prompts.profiles.push_back([this](CProfileStore &s, ProfileRecord &selected) {
        CProfilesDlg dialog(prompts, s);
        EXPECT_EQ(dialog.windowTitle(), "User record number: 1");
        EXPECT_EQ(Text(dialog, "companyName"), "Northern Freight");
        Click(dialog, "spinRight"); // toward the end of the list
        EXPECT_EQ(dialog.windowTitle(), "User record number: 2");
        EXPECT_TRUE(Button(dialog, "gasoline")->isChecked());
        dialog.accept();
        selected = dialog.selected();
        return true;
    });
    prompts.yesNoCancel.push_back(UserPrompts::Answer::No); // the changed record is dropped
    prompts.companies.push_back([](CompanyDialogData &data) {
        EXPECT_EQ(data.company.companyName, "Green Mountain Haul");
        EXPECT_EQ(data.company.provinceState, "VT");
        EXPECT_EQ(data.company.gasoline, 1);
        EXPECT_EQ(data.company.diesel, 0);
        EXPECT_TRUE(data.fuelChoice);
        EXPECT_TRUE(data.withPeriodDates);
        return UserPrompts::CompanyResult::Ok;
    });
    // A US carrier with the Canadian table loaded: Load Tax Rates is offered, and not
    // taken here (Options below loads the US table).
    prompts.yesNo.push_back(false);
    ASSERT_TRUE(frame->actions().action(ID_PROFILES)->isEnabled());
    frame->actions().action(ID_PROFILES)->trigger();
    EXPECT_EQ(shown("Save changes to Untitled?"), 1u);
    EXPECT_EQ(shown(TableCountryQuestion(TableCountryText("US", doc().rates()))), 1u);
    EXPECT_EQ(doc().company().companyName, "Green Mountain Haul");
    EXPECT_EQ(doc().company().country, "US");
    EXPECT_TRUE(doc().entries().empty());
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(frame->windowTitle(), "Untitled - IFTA");

    // "Go to profiles" from Company Setup, the profiles dialog then cancelled: no change.
    prompts.companies.push_back([this](CompanyDialogData &data) {
        CCompanyDlg dialog(prompts, prompts.companyStore, data);
        Click(dialog, "goToProfiles");
        return dialog.result() == CCompanyDlg::GoToProfiles
                   ? UserPrompts::CompanyResult::GoToProfiles
                   : UserPrompts::CompanyResult::Cancel;
    });
    prompts.profiles.push_back([](CProfileStore &, ProfileRecord &) { return false; });
    ASSERT_TRUE(frame->OnCommand(ID_COMPANY_INFO));
    EXPECT_TRUE(prompts.profiles.empty());
    EXPECT_EQ(doc().company().companyName, "Green Mountain Haul");

    // Options: another tax file by Browse, another profiles file typed in. The tax-rate
    // list is open with a changed rate, whose undo must not survive the new table.
    ASSERT_TRUE(frame->OnCommand(ID_VIEW_TAX_RATES));
    view->selectRow(0);
    prompts.taxRates.push_back([](TaxRate &rate, bool) {
        rate.dieselRate = TenThousandths{5000};
        return true;
    });
    ASSERT_TRUE(frame->OnCommand(ID_EDIT_MODIFY));
    ASSERT_TRUE(frame->actions().action(ID_EDIT_UNDO)->isEnabled());
    const QString usRates = box.copySample("ifta-us.itx");
    ASSERT_TRUE(QDir().mkpath(box.path("elsewhere")));
    const QString otherProfiles = box.path("elsewhere/fleet.usr");
    prompts.openNames.push_back(usRates.toStdString());
    prompts.preferenceDialogs.push_back([this, otherProfiles](PreferencesData &data) {
        CPreferencesDlg dialog(prompts, data);
        EXPECT_EQ(Text(dialog, "taxFile"), QDir::toNativeSeparators(rates));
        EXPECT_EQ(Text(dialog, "profilesFile"), QDir::toNativeSeparators(box.work("ifta.usr")));
        Click(dialog, "browseTax");
        Type(dialog, "profilesFile", otherProfiles);
        Click(dialog, "wholeUnits");
        dialog.accept();
        data = dialog.data();
        return true;
    });
    prompts.yesNo.push_back(false); // the changed rate is not kept
    ASSERT_TRUE(frame->OnCommand(ID_OPTIONS));
    EXPECT_NE(std::find(prompts.shown.begin(), prompts.shown.end(), kSaveModifiedTax),
              prompts.shown.end());
    EXPECT_EQ(Sandbox::setting("TaxFile/DefaultTaxFile").toString(), usRates);
    EXPECT_EQ(Sandbox::setting("ProfilesFile/DefaultProfilesFile").toString(), otherProfiles);
    EXPECT_TRUE(Sandbox::setting("Report/WholeUnits").toBool());
    EXPECT_EQ(app->session().fuelRounding(), FuelRounding::WholeUnits);
    EXPECT_EQ(doc().tablePeriod(), (TaxPeriod{2026, 2, "US"}));
    EXPECT_EQ(frame->infoBar()->loadedRates(), "2026Q2 for US");
    EXPECT_EQ(frame->statusText(1), usRates);
    // The list shows the new file's rates, not the one changed before.
    EXPECT_NE(doc().taxTable()[0].dieselRate, TenThousandths{5000});
    EXPECT_EQ(view->list()->model()->index(0, 3).data().toString(),
              QString::fromStdString(FormatFixed(doc().taxTable()[0].dieselRate)));
    EXPECT_FALSE(view->taxRatesModified());
    EXPECT_FALSE(frame->actions().action(ID_EDIT_UNDO)->isEnabled());
    EXPECT_FALSE(frame->OnCommand(ID_EDIT_UNDO));
    EXPECT_EQ(doc().tablePeriod(), (TaxPeriod{2026, 2, "US"}));
    EXPECT_EQ(store.path(), otherProfiles.toStdString());
    EXPECT_TRUE(store.profiles().empty());
    EXPECT_TRUE(QFileInfo::exists(otherProfiles));

    // About shows the program's version.
    QString aboutTitle, aboutText, aboutLegal;
    prompts.about = [&] {
        CAboutDlg dialog;
        aboutTitle = dialog.windowTitle();
        aboutText = dialog.findChild<QPlainTextEdit *>("versionText")->toPlainText();
        aboutLegal = dialog.findChild<QLabel *>("legalText")->text();
    };
    ASSERT_TRUE(frame->OnCommand(ID_APP_ABOUT));
    EXPECT_EQ(aboutTitle, "About Tollmark");
    EXPECT_TRUE(aboutText.startsWith("FileVersion: Version ")) << aboutText.toStdString();
    EXPECT_TRUE(aboutText.contains("\nProductVersion: ")) << aboutText.toStdString();
    EXPECT_TRUE(aboutLegal.startsWith("Copyright © 2026")) << aboutLegal.toStdString();
    EXPECT_TRUE(aboutLegal.contains("GNU General Public License, version 3 or"));

    // F1, and Shift+F1 then a command: help instead of the command.
    QAction *help = frame->actions().action(ID_HELP);
    EXPECT_EQ(help->shortcut(), QKeySequence(Qt::Key_F1));
    help->trigger();
    EXPECT_EQ(prompts.helpContexts.back(), HelpContext(ID_HELP));
    ASSERT_TRUE(frame->OnCommand(ID_CONTEXT_HELP));
    ASSERT_TRUE(frame->OnCommand(ID_DOWNLOAD));
    EXPECT_EQ(prompts.helpContexts.back(), HelpContext(ID_DOWNLOAD));
    // Each context opens the help window on its topic's own page (the Import dialog's
    // Help asks by its template number).
    const std::pair<unsigned, int> topics[] = {{kCompanyInfoHelp, 13},
                                               {HelpContext(ID_HELP), 1},
                                               {HelpContext(ID_DOWNLOAD), 19},
                                               {kImportDialogHelp, 34}};
    for (const auto &[context, topic] : topics) {
        CHelpWindow *window = CHelpWindow::ShowHelp(context);
        EXPECT_EQ(window->currentTopic(), topic) << std::hex << context;
        EXPECT_EQ(window->browser()->source().toString(),
                  QString("qrc:/help/topic%1.html").arg(topic));
        EXPECT_FALSE(window->browser()->toPlainText().isEmpty());
    }
    CHelpWindow::instance()->close();
    EXPECT_TRUE(prompts.unanswered.empty()) << prompts.unanswered.front();
}

} // namespace
