#include "dialogs/guiapp.h"
#include "dialogs/scriptedprompts.h"

#include "dialogs/ccompanydlg.h"
#include "dialogs/cdownloaddlg.h"
#include "dialogs/cheadingmapbox.h"
#include "dialogs/cimportdlg.h"
#include "dialogs/cmergedlg.h"
#include "dialogs/cstepedit.h"
#include "dialogs/ctaxperioddlg.h"
#include "dialogs/cversionsdlg.h"
#include "dialogs/dialogvalidation.h"
#include "formats/recordfile.h"
#include "imports/csvimport.h"
#include "records/ciftadoc.h"
#include "ui/cappsettings.h"
#include "views/ctaxratedlg.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

template <class W>
W *Child(QWidget &dialog, const char *name)
{
    W *w = dialog.findChild<W *>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void Click(QWidget &dialog, const char *name)
{
    Child<QPushButton>(dialog, name)->click();
}

} // namespace

TEST(TaxRateDlg, RateAboveOneIsRefusedAndTheDialogStaysOpen)
{
    GuiApp();
    ScriptedPrompts prompts;
    TaxRate rate{"Quebec", "QC", {2000}, {1900}, 0, 10};
    CTaxRateDlg dlg(prompts, rate, false);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Tax Rate Modify");
    EXPECT_TRUE(Child<QLineEdit>(dlg, "name")->isReadOnly());
    Child<QLineEdit>(dlg, "dieselRate")->setText("1.5");
    dlg.accept();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], "Diesel tax: Please enter a number between 0 and 1.");
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.rate(), rate);

    Child<QLineEdit>(dlg, "dieselRate")->setText("0.25");
    Child<QCheckBox>(dlg, "surcharge")->setChecked(true);
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.rate().dieselRate, TenThousandths{2500});
    EXPECT_EQ(dlg.rate().surcharge, 1);
    EXPECT_EQ(dlg.rate().slot, 10);
}

TEST(TaxRateDlg, NewRateIsEditableUnderItsOwnCaption)
{
    GuiApp();
    ScriptedPrompts prompts;
    CTaxRateDlg dlg(prompts, TaxRate{}, true);
    EXPECT_EQ(dlg.windowTitle(), "New Tax");
    EXPECT_FALSE(Child<QLineEdit>(dlg, "name")->isReadOnly());
    EXPECT_FALSE(Child<QCheckBox>(dlg, "surcharge")->isChecked());
}

TEST(TaxPeriodDlg, YearOutsideTheRangeKeepsItOpenAndSpinsClamp)
{
    GuiApp();
    ScriptedPrompts prompts;
    TaxPeriod period{2000, 2, "US"};
    CTaxPeriodDlg dlg(prompts, period);
    dlg.show();
    auto *year = Child<CStepEdit>(dlg, "year");
    EXPECT_EQ(year->value(), "2000");
    year->stepBy(-1);
    EXPECT_EQ(year->value(), "2000");
    year->setValue("2099");
    year->stepBy(1);
    EXPECT_EQ(year->value(), "2099");
    year->setValue("2015");
    year->stepBy(1);
    EXPECT_EQ(year->value(), "2016");

    year->setValue("2100");
    dlg.accept();
    EXPECT_EQ(prompts.shown.back(), "Year: Please enter an integer between 2000 and 2099.");
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.period(), period);

    year->setValue("2026");
    Child<QComboBox>(dlg, "country")->setCurrentText("Canada");
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.period(), (TaxPeriod{2026, 2, "Canada"}));
}

TEST(CompanyDlg, BadOdometerKeepsItOpenAndOkGivesTheFieldsBack)
{
    GuiApp();
    ScriptedPrompts prompts;
    CompanyDialogData data;
    data.fuelChoice = true;
    data.withPeriodDates = true;
    data.company.periodFrom = {2026, 4, 1};
    data.company.periodTo = {2026, 6, 30};
    CCompanyDlg dlg(prompts, nullptr, data);
    dlg.show();
    Child<QLineEdit>(dlg, "companyName")->setText("Transport Nord");
    Child<QLineEdit>(dlg, "startOdometer")->setText("10000001");
    dlg.accept();
    EXPECT_EQ(prompts.shown.back(),
              "Start odometer: Please enter an integer between 0 and 10000000.");
    EXPECT_TRUE(dlg.isVisible());

    Child<QLineEdit>(dlg, "startOdometer")->setText("1500");
    Child<QAbstractButton>(dlg, "gasoline")->click();
    Child<QPlainTextEdit>(dlg, "notes")->setPlainText("line one\nline two");
    dlg.accept();
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    const CompanyInfo &c = dlg.data().company;
    EXPECT_EQ(c.companyName, "Transport Nord");
    EXPECT_EQ(c.startOdometer, 1500);
    EXPECT_EQ(c.gasoline, 1);
    EXPECT_EQ(c.diesel, 0);
    EXPECT_EQ(c.notes, "line one\rline two");
    EXPECT_EQ(c.periodTo, (PeriodDate{2026, 6, 30}));
}

// File New's dialog gives back the period dates typed, and both modes refuse a period
// that ends before it starts.
TEST(CompanyDlg, PeriodDatesComeBackInBothModesAndToBeforeFromIsRefused)
{
    GuiApp();
    CompanyInfo previous = CompanyDialogData::DialogDefaults();
    for (const CompanyDialogData &data : {CompanyDialogData::ForNewRecord(previous),
                                          CompanyDialogData::ForRecord(previous, false)}) {
        ScriptedPrompts prompts;
        CCompanyDlg dlg(prompts, nullptr, data);
        dlg.show();
        Child<QLineEdit>(dlg, "companyName")->setText("Transport Nord");
        Child<QDateEdit>(dlg, "periodFrom")->setDate(QDate(2026, 4, 1));
        Child<QDateEdit>(dlg, "periodTo")->setDate(QDate(2026, 3, 31));
        dlg.accept();
        ASSERT_FALSE(prompts.shown.empty());
        EXPECT_EQ(prompts.shown.back(), kPeriodEndsBeforeStart);
        EXPECT_TRUE(dlg.isVisible());

        Child<QDateEdit>(dlg, "periodTo")->setDate(QDate(2026, 6, 30));
        dlg.accept();
        ASSERT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.data().company.periodFrom, (PeriodDate{2026, 4, 1}));
        EXPECT_EQ(dlg.data().company.periodTo, (PeriodDate{2026, 6, 30}));
    }
}

TEST(CompanyDlg, CountryChoiceRefillsTheStatesAndEntriesLockTheFuel)
{
    GuiApp();
    ScriptedPrompts prompts;
    CompanyDialogData data; // fuel choice off: the record already has entries
    CCompanyDlg dlg(prompts, nullptr, data);
    EXPECT_FALSE(Child<QAbstractButton>(dlg, "diesel")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(dlg, "goToProfiles")->isEnabled());
    auto *states = Child<QComboBox>(dlg, "provinceState");
    EXPECT_EQ(states->count(), 10);
    auto *country = Child<QComboBox>(dlg, "country");
    country->setCurrentIndex(1);
    emit country->activated(1);
    EXPECT_EQ(states->count(), 50);
    Click(dlg, "help");
    ASSERT_EQ(prompts.helpContexts.size(), 1u);
    EXPECT_EQ(prompts.helpContexts[0], 0x18012u);
}

TEST(ImportDlg, NoFileKeepsItOpenAndOptionsAreRemembered)
{
    GuiApp();
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    CAppSettings settings(folder.filePath("settings.ini"));
    ImportDialogData remembered{std::string(), kDefaultImportOptions, false, std::string()};
    {
        CImportDlg dlg(prompts, remembered, settings);
        dlg.show();
        EXPECT_EQ(dlg.windowTitle(), "Import Fields Selection");
        EXPECT_FALSE(Child<QCheckBox>(dlg, "state")->isEnabled());
        dlg.accept();
        EXPECT_EQ(prompts.shown.back(), "Select the file to import first");
        EXPECT_TRUE(dlg.isVisible());

        // A name that is absolute on every system (on Windows "/tmp" lacks its drive).
        const std::string trips =
            QDir(QDir::tempPath()).absoluteFilePath("trips.csv").toStdString();
        prompts.files.push_back(trips);
        Click(dlg, "selectFile");
        EXPECT_EQ(prompts.filters.back(),
                  "Trip files (*.csv *.txt *.tsv)|*.csv;*.txt;*.tsv|All files (*)|*||");
        Child<QCheckBox>(dlg, "distance")->setChecked(true);
        Child<QCheckBox>(dlg, "header")->setChecked(false);
        dlg.accept();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.data().filePath, trips);
        EXPECT_EQ(dlg.data().options, 475u + 4u - 256u);
        remembered = dlg.data();
    }
    EXPECT_EQ(remembered.options, 223u);
    // The next import opens with the options given back.
    CImportDlg again(prompts, remembered, settings);
    EXPECT_TRUE(Child<QCheckBox>(again, "distance")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(again, "header")->isChecked());
    again.reject();
}

TEST(ImportDlg, AnExportsHeadingIsShownAsItsMappingAndKeptAsAPreset)
{
    GuiApp();
    ScriptedPrompts prompts;
    const std::string card = TOLLMARK_TEST_DATA "/import/fuel-card.csv";
    // Settings of their own: the presets of an earlier run start nothing here.
    QTemporaryDir folder;
    CAppSettings settings(folder.filePath("settings.ini"));
    CImportDlg dlg(prompts,
                   ImportDialogData{std::string(), kDefaultImportOptions, false, std::string()},
                   settings);
    Child<QComboBox>(dlg, "preset")->setEditText("Fuel card test");
    dlg.setFile(card);
    // The heading names the jurisdiction and more of ours: "by heading" is preselected.
    EXPECT_TRUE(Child<QRadioButton>(dlg, "byHeading")->isChecked());
    QComboBox *product = dlg.headingMap()->fieldBox(ImportField::Product);
    EXPECT_EQ(product->currentText(), "Product Code");
    EXPECT_EQ(dlg.headingMap()->fieldBox(ImportField::Distance)->currentText(), "(none)");
    product->setCurrentIndex(0); // every product counts this time
    dlg.accept();
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(dlg.data().byHeading);
    EXPECT_EQ(dlg.data().mapping, "date=Transaction Date,jurisdiction=Merchant State,distance=,"
                                  "fuel=Fuel Qty Gallons,unit=Unit,odometer-in=,odometer-out=,"
                                  "product=");

    // Next quarter the preset used last gives the same columns.
    CImportDlg next(prompts,
                    ImportDialogData{std::string(), kDefaultImportOptions, false, std::string()},
                    settings);
    EXPECT_EQ(Child<QComboBox>(next, "preset")->currentText(), "Fuel card test");
    next.setFile(card);
    EXPECT_EQ(next.headingMap()->fieldBox(ImportField::Product)->currentText(), "(none)");
    // A file without a heading of ours keeps the first way.
    const QString plain = folder.filePath("plain.csv");
    QFile file(plain);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2026/04/01,QC,300,10000\n");
    file.close();
    next.setFile(plain.toStdString());
    EXPECT_TRUE(Child<QRadioButton>(next, "byOptions")->isChecked());
    next.reject();
}

TEST(ImportDlg, CancelLeavesTheRememberedOptions)
{
    GuiApp();
    ScriptedPrompts prompts;
    CAppSettings settings;
    CImportDlg dlg(prompts,
                   ImportDialogData{std::string(), kDefaultImportOptions, false, std::string()},
                   settings);
    Child<QCheckBox>(dlg, "date")->setChecked(false);
    dlg.reject();
    EXPECT_EQ(dlg.data().options, kDefaultImportOptions);
}

TEST(DownloadDlg, BadQuarterKeepsItOpenWithoutFetching)
{
    GuiApp();
    ScriptedPrompts prompts;
    CIftaDoc doc;
    CompanyInfo company = doc.company();
    company.country = "US";
    doc.setCompany(company);
    CDownloadDlg dlg(prompts, doc);
    dlg.show();
    EXPECT_EQ(Child<QComboBox>(dlg, "country")->currentText(), "US");
    auto *quarter = Child<CStepEdit>(dlg, "quarter");
    quarter->stepBy(-1);
    EXPECT_EQ(quarter->value(), "1");
    quarter->setValue("5");
    dlg.OnDownload();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], "Quarter: Please enter an integer between 1 and 4.");
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(CDownloadDlg::ChartAddress("http://h/taxmatrix/charts/", 1, 2005),
              "http://h/taxmatrix/charts/1Q2005.txt");
}

TEST(DownloadDlg, RefusedConnectionSaysDownloadFailAndStaysOpen)
{
    GuiApp();
    ScriptedPrompts prompts;
    CIftaDoc doc;
    const TaxPeriod before = doc.tablePeriod();
    CDownloadDlg dlg(prompts, doc);
    // Port 1 on this machine: nothing listens there.
    dlg.setBaseAddress("http://127.0.0.1:1/taxmatrix/charts/");
    dlg.show();
    dlg.OnDownload();
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].rfind("Connection to server fail (error: ", 0), 0u);
    EXPECT_EQ(prompts.shown[1], "Download fail");
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(doc.tablePeriod(), before);
}

TEST(MergeDlg, ListsTheFilesTheMergeWouldTakeAndMergesNothing)
{
    GuiApp();
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    CIftaDoc source;
    source.setRecordPeriod({2026, 2, "Canada"});
    TripEntry trip;
    trip.tripNumber = 7;
    trip.distance = 120;
    source.replaceEntries({trip, trip});
    const std::string good = dir.filePath("a.irc").toStdString();
    ASSERT_TRUE(WriteRecordFile(source, good));
    const std::string other = dir.filePath("b.irc").toStdString();
    ASSERT_TRUE(WriteRecordFile(source, other));
    const std::string bad = dir.filePath("bad.irc").toStdString();
    FILE *f = std::fopen(bad.c_str(), "wb");
    std::fputs("not a record file", f);
    std::fclose(f);

    CMergeDlg dlg(prompts);
    EXPECT_EQ(dlg.windowTitle(), "Merge Files");
    prompts.files = {good, bad, good};
    EXPECT_TRUE(dlg.OnAdd());
    EXPECT_FALSE(dlg.OnAdd());
    EXPECT_EQ(prompts.shown.back(), "Incompatible file format");
    EXPECT_FALSE(dlg.OnAdd()); // the same file again
    EXPECT_EQ(prompts.shown.back(), good + " is already in the list.");
    EXPECT_FALSE(dlg.OnAdd()); // cancelled file dialog
    EXPECT_EQ(prompts.filters[0], "IFTA record files (*.irc)|*.irc||");
    prompts.files = {other};
    EXPECT_TRUE(dlg.OnAdd());
    ASSERT_EQ(dlg.rowCount(), 2);
    EXPECT_EQ(dlg.list()->item(1, 1)->text(), "2026/2");
    EXPECT_EQ(dlg.list()->horizontalHeaderItem(0)->text(), "File Name");

    // Remove drops the selected file; the box comes back as it stands.
    EXPECT_FALSE(dlg.OnRemove());
    dlg.list()->selectRow(0);
    EXPECT_TRUE(dlg.OnRemove());
    dlg.unitsFromNames()->setChecked(true);
    const MergeDialogData data = dlg.data();
    EXPECT_EQ(data.paths, std::vector<std::string>{other});
    EXPECT_TRUE(data.unitsFromNames);
}

// A version that cannot be read is listed with its reason and cannot be chosen.
TEST(VersionsDlg, OnlyAReadableVersionCanBeChosen)
{
    GuiApp();
    VersionDialogData data;
    data.file = "/data/q2.irc";
    data.rows.resize(2);
    data.rows[0].when = "2026-12-10 14:32:05";
    data.rows[0].problem = "Incompatible file format";
    data.rows[1].when = "2026-12-09 09:00:00";
    data.rows[1].trips = 22;
    CVersionsDlg dlg(data);
    EXPECT_EQ(dlg.list()->item(0, 1)->text(), "Incompatible file format");
    EXPECT_EQ(dlg.list()->item(1, 1)->text(), "22");
    EXPECT_EQ(dlg.chosen(), -1); // the first row is selected and unreadable
    dlg.list()->selectRow(1);
    EXPECT_EQ(dlg.chosen(), 1);
}
