// Sorting the entry list by a column heading: by the whole value of the column, ties by
// trip number, and the direction of each click.

#include "dialogs/guiapp.h"

#include "records/ciftadoc.h"
#include "records/entrylist.h"
#include "session/programstate.h"
#include "views/centrylistctrl.h"

#include <gtest/gtest.h>

namespace {

TripEntry Trip(int32_t number, const char *date, uint32_t distance, int64_t fuelCents)
{
    TripEntry e;
    e.tripNumber = number;
    e.date = date;
    e.distance = distance;
    e.fuel = Hundredths{fuelCents};
    return e;
}

class EntrySortTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GuiApp();
        CompanyInfo company = doc.company();
        company.country = "Canada";
        doc.setCompany(company);
        // Same year, different months and days; two trips share a date.
        doc.replaceEntries({Trip(1, "2026/04/14", 90, 1275), Trip(2, "2026/04/17", 100, 850),
                            Trip(3, "2026/09/15", 9, 1250), Trip(4, "2026/04/16", 100, 300),
                            Trip(5, "2026/04/14", 20, 3000)});
        list.SetColumns();
        list.Fill();
    }
    std::string trips() const
    {
        std::string all;
        for (int row = 0; row < list.rowCount(); ++row)
            all += (all.empty() ? "" : " ") + list.text(row, EntryColumnTrip);
        return all;
    }

    CIftaDoc doc;
    ProgramState state;
    CEntryListCtrl list{doc, state};
};

TEST_F(EntrySortTest, OrdersByTheWholeValueThenByTripNumber)
{
    struct Case {
        int column;
        const char *ascending;
    } const cases[] = {
        {EntryColumnDate, "1 5 4 2 3"},     // month and day count, not the year alone
        {EntryColumnDistance, "3 5 1 2 4"}, // numbers, not texts: 9 before 20
        {EntryColumnFuel, "4 2 3 1 5"},     // 12.5 before 12.75
        {EntryColumnUnit, "3 5 2 4 1"},     // unit 9 before unit 12, numbers before names
    };
    CIftaDoc::Entries units = doc.entries();
    const char *const unitOf[] = {"t-2", "12", "", "T-1", "9"};
    for (size_t i = 0; i < units.size(); ++i)
        units[i].reservedText = unitOf[i];
    doc.replaceEntries(units);
    list.Fill();
    for (const Case &c : cases) {
        state.entrySortColumn = -1;
        list.SortByColumn(c.column);
        EXPECT_EQ(trips(), c.ascending) << "column " << c.column;
    }
}

TEST_F(EntrySortTest, SecondClickOnTheSameHeadingReversesAndAnotherHeadingStartsAscending)
{
    list.SortByColumn(EntryColumnDate);
    EXPECT_EQ(trips(), "1 5 4 2 3");
    list.SortByColumn(EntryColumnDate);
    EXPECT_EQ(trips(), "3 2 4 5 1");
    list.SortByColumn(EntryColumnDistance); // another heading: ascending again
    EXPECT_EQ(trips(), "3 5 1 2 4");
    list.SortByColumn(EntryColumnDate); // back to Date: a first click there
    EXPECT_EQ(trips(), "1 5 4 2 3");
    // The record keeps its order.
    EXPECT_EQ(doc.entries()[2].tripNumber, 3);
}

} // namespace
