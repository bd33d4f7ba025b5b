#include "viewrig.h"

#include "dialogs/guiapp.h"
#include "dialogs/scriptedprompts.h"

#include "formats/taxfile.h"
#include "records/ciftadoc.h"
#include "records/entryresolver.h"
#include "report/report.h"
#include "session/csession.h"
#include "sessionbase/sessionsettings.h"
#include "ui/cappsettings.h"
#include "ui/commandids.h"
#include "views/ciftaview.h"
#include "views/cviewmodes.h"

#include <QLabel>
#include <QMenu>
#include <QTableView>

#include <gtest/gtest.h>

// The report and tax-rate modes installed into the real form view, driven by command id.
TEST(ViewModes, TaxCommandsRunThroughTheViewTables)
{
    GuiApp();
    ScriptedPrompts prompts;
    MemorySettings settings;
    CSession session(prompts, settings);
    CIftaDoc &doc = session.document();
    const TaxRateTable &table = doc.taxTable();
    ASSERT_TRUE(
        CTaxSession::ReadTaxFileInto(TOLLMARK_TEST_DATA "/report/rates.itx", doc.rates()).ok());
    CAppSettings appSettings;
    CIftaView view(session, prompts, appSettings);
    CViewModes modes(view);

    view.ShowReport();
    EXPECT_EQ(view.mode(), ViewMode::Report);
    EXPECT_EQ(view.list()->model(), &modes.reportList());
    EXPECT_FALSE(view.isCommandEnabled(ID_EDIT_UNDO));

    ASSERT_TRUE(view.OnCmdMsg(ID_VIEW_TAX_RATES));
    EXPECT_EQ(view.list()->model(), &modes.taxList());
    EXPECT_EQ(view.list()->model()->rowCount(), 5);
    EXPECT_FALSE(view.isCommandEnabled(ID_TAX_CTX_MODIFY)); // nothing selected

    std::unique_ptr<QMenu> menu(modes.BuildTaxContextMenu(&view, false));
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_FALSE(menu->actions()[0]->isEnabled());
    EXPECT_EQ(menu->actions()[1]->data().toInt(), ID_TAX_CTX_ADD_NEW);

    prompts.taxRate = [](TaxRate &rate, bool newRate) {
        EXPECT_TRUE(newRate);
        rate.name = "Ohio";
        rate.abbreviation = "OH";
        return true;
    };
    ASSERT_TRUE(view.OnCmdMsg(ID_TAX_CTX_ADD_NEW));
    EXPECT_EQ(table[5].name, "Ohio");
    EXPECT_TRUE(view.taxRatesModified());
    EXPECT_TRUE(view.isCommandEnabled(ID_EDIT_UNDO));
    ASSERT_TRUE(view.OnCmdMsg(ID_EDIT_UNDO));
    EXPECT_TRUE(table[5].name.empty());
    EXPECT_EQ(view.list()->model()->rowCount(), 5);
}

// The report view over a record of the report tests' table, filed before its quarter is
// due, so that its notice line is about the rates and the table only.
class ReportNoticeTest : public ::testing::Test, protected ViewRig
{
protected:
    void SetUp() override
    {
        session.clock().fix(CivilDate{2005, 4, 15});
        ASSERT_TRUE(
            CTaxSession::ReadTaxFileInto(TOLLMARK_TEST_DATA "/report/rates.itx", doc.rates()).ok());
    }
};

// A rate edited in the tax-rate view reaches the report only with Save/Update Tax Rates:
// the report says so in one line above the list while the rates differ.
TEST_F(ReportNoticeTest, ReportSaysWhenTripsCarryOtherRatesThanTheTable)
{
    TripEntry trip;
    trip.distance = 100;
    for (int32_t number : {1, 2}) {
        trip.tripNumber = number;
        ASSERT_TRUE(ResolveEntry(trip, "QC", doc.taxTable(), doc.isDiesel(), EntryUnits{}));
        doc.addEntry(trip);
    }
    view.ShowReport();
    EXPECT_TRUE(view.notice()->isHidden());

    TaxRate raised = doc.taxTable()[trip.slot];
    raised.dieselRate += TenThousandths{100};
    raised.gasolineRate += TenThousandths{100};
    doc.rates().modifySlot(trip.slot, raised);
    view.ShowReport();
    EXPECT_FALSE(view.notice()->isHidden());
    EXPECT_EQ(view.notice()->text().toStdString(),
              "1 jurisdiction uses rates that differ from the loaded table: File > "
              "Save/Update Tax Rates applies them");
    view.ShowList();
    EXPECT_TRUE(view.notice()->isHidden());

    doc.updateRatesFromTable();
    view.ShowReport();
    EXPECT_TRUE(view.notice()->isHidden());

    // A line naming no slot of the table is left out of the report, and said so.
    trip.tripNumber = 3;
    trip.slot = 9999;
    doc.addEntry(trip);
    view.ShowReport();
    EXPECT_FALSE(view.notice()->isHidden());
    EXPECT_EQ(view.notice()->text().toStdString(), ReportSlotNotice(1));
}

// A row whose lines carry different rates is taxed at its last line's: the report says
// so, and says first when the loaded table is of the other country's units.
TEST_F(ReportNoticeTest, ReportSaysWhenARowMixesRatesOrTheTableIsOfTheOtherUnits)
{
    TripEntry trip;
    trip.distance = 100;
    for (int32_t number : {1, 2}) {
        trip.tripNumber = number;
        ASSERT_TRUE(ResolveEntry(trip, "QC", doc.taxTable(), doc.isDiesel(), EntryUnits{}));
        if (number == 2)
            trip.rate += TenThousandths{100};
        doc.addEntry(trip);
    }
    view.ShowReport();
    EXPECT_EQ(view.notice()->text().toStdString(),
              "1 jurisdiction uses rates that differ from the loaded table: File > "
              "Save/Update Tax Rates applies them\n"
              "Trip lines in QC carry different rates: its row is taxed at the rate of its "
              "last line (View > Check lists them)");

    CompanyInfo company = doc.company();
    company.country = "US";
    doc.setCompany(company);
    view.ShowReport();
    EXPECT_EQ(view.notice()->text().section('\n', 0, 0).toStdString(),
              "The loaded tax-rate table is for Canada (rates per litre); the carrier's "
              "country \"US\" reports in miles and US gallons: load the US table (File > "
              "Load Tax Rates)");
}
