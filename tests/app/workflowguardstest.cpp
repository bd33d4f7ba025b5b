// What the window shows of the record's quarter and its table: the status bar names the
// tax-rate file really loaded, and Download starts on the record's quarter.

#include "app/windowtest.h"

#include "dialogs/cdownloaddlg.h"
#include "session/csession.h"

#include <QDir>
#include <QFileInfo>

using namespace apptest;

namespace {

using WorkflowGuards = WindowTest;

// A default tax file that cannot be read (moved away since Options named it) leaves the
// table that is loaded, and the status bar goes on naming that one.
TEST_F(WorkflowGuards, StatusBarNamesTheTaxFileReallyLoaded)
{
    const QString loaded = QDir::toNativeSeparators(QFileInfo(rates).absoluteFilePath());
    ASSERT_EQ(frame->statusText(1), loaded);
    const QString gone = box.work("moved-away.itx");
    app->settings().setDefaultTaxFile(gone.toStdString());
    prompts.companies.push_back(
        [](CompanyDialogData &) { return SessionPrompts::CompanyResult::Ok; });
    ASSERT_TRUE(frame->OnCommand(ID_FILE_NEW));
    EXPECT_EQ(frame->statusText(1), loaded);
}

// Download opens on the record's quarter, not the first quarter of 2005.
TEST_F(WorkflowGuards, DownloadOpensOnTheRecordsQuarter)
{
    doc().setRecordPeriod(TaxPeriod{2026, 3, "Canada"});
    int quarter = 0;
    int year = 0;
    prompts.downloads.push_back([&](CIftaDoc &, DownloadDialogData &data) {
        quarter = data.quarter;
        year = data.year;
        return false;
    });
    ASSERT_TRUE(frame->OnCommand(ID_DOWNLOAD));
    EXPECT_EQ(quarter, 3);
    EXPECT_EQ(year, 2026);
}

} // namespace
