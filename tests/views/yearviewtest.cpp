// View > Year in the real form view: the quarter files chosen in one dialog, the year list
// shown read-only, its export offered, and File Print's listing of it, read back from the
// PDF.

#include "viewrig.h"

#include "dialogs/guiapp.h"
#include "dialogs/scriptedprompts.h"

#include "formats/recordfile.h"
#include "platform/platformfile.h"
#include "print/ciftaprint.h"
#include "records/ciftadoc.h"
#include "session/csession.h"
#include "session/printout.h"
#include "sessionbase/sessionsettings.h"
#include "shellcommand.h"
#include "ui/cappsettings.h"
#include "ui/commandids.h"
#include "views/ciftaview.h"
#include "views/cviewmodes.h"

#include <QTableView>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class YearViewTest : public ::testing::Test, protected ViewRig
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            CTaxSession::ReadTaxFileInto(TOLLMARK_SAMPLE_DATA "/ifta.itx", doc.rates()).ok());
        // The open record is the sample's second quarter; its third is the same trips.
        ASSERT_TRUE(ReadRecordFile(doc, TOLLMARK_SAMPLE_DATA "/sample.irc").ok());
        doc.setRecordPeriod({2026, 3, "Canada"});
        ASSERT_TRUE(WriteRecordFile(doc, q3).ok());
        ASSERT_TRUE(ReadRecordFile(doc, TOLLMARK_SAMPLE_DATA "/sample.irc").ok());
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(PathFromUtf8(folder), ignored);
    }

    std::string folder = MakeTemporaryFolder(::testing::TempDir(), "tollmark-year-");
    std::string q3 = Utf8FromPath(PathFromUtf8(folder) / "q3.irc");
};

} // namespace

TEST_F(YearViewTest, ViewYearListsTheChosenQuartersAndPrintsThem)
{
    EXPECT_FALSE(view.isCommandEnabled(ID_EXPORT_YEAR));
    prompts.fileLists.push_back({q3, TOLLMARK_SAMPLE_DATA "/sample.irc"});
    ASSERT_TRUE(view.OnCmdMsg(ID_VIEW_YEAR));
    ASSERT_EQ(view.mode(), ViewMode::Year);
    EXPECT_TRUE(prompts.shown.empty());
    const CYearListCtrl &list = modes.yearList();
    ASSERT_EQ(view.list()->model(), &list);
    EXPECT_EQ(list.columns()[kYearQuarterColumn].heading, "Quarter");
    // New Brunswick, the first jurisdiction: the second quarter, the third, the year.
    EXPECT_EQ(list.text(0, 0), "New Brunswick");
    EXPECT_EQ(list.text(0, kYearQuarterColumn), "2026Q2");
    EXPECT_EQ(list.text(1, kYearQuarterColumn), "2026Q3");
    EXPECT_EQ(list.text(2, kYearQuarterColumn), "Year 2026");
    EXPECT_EQ(list.text(2, 3), "754");
    const int last = list.rowCount() - 1;
    EXPECT_EQ(list.text(last, 0), "Total");
    EXPECT_EQ(list.text(last, 8), "-34.66"); // twice the quarter's -17.33
    EXPECT_FALSE(view.isCommandEnabled(ID_EDIT_UNDO));
    EXPECT_TRUE(view.isCommandEnabled(ID_EXPORT_YEAR));

    // File Print prints the year listing of the quarters chosen.
    PrintState state;
    const QString pdf = QString::fromStdString(folder + "/year.pdf");
    int pages = 0;
    const Printout printout =
        PreparePrintout(doc, ViewMode::Year, FuelRounding::Hundredths, nullptr, &session.year());
    ASSERT_TRUE(PrintDocumentToPdf(printout, pdf, state, {}, &pages).ok());
    // One page here; the fonts a Windows build finds may run it onto a second.
    EXPECT_GE(pages, 1);
    SKIP_WITHOUT_PDF_TEXT();
    const std::string text =
        RunShell("pdftotext -enc UTF-8 " + ShellQuoted(pdf.toStdString()) + " -");
    for (const char *part : {"IFTA Year Summary", "Transport Boréal inc.", "Year 2026",
                             "2026Q2 filing: not set", "-34.66"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
}
