// Sorting the entry list by a column heading: by the whole value of the column, ties by
// trip number, and the direction of each click.

#include "dialogs/guiapp.h"

#include "formats/taxfile.h"
#include "numbers/civildate.h"
#include "numbers/decimaltext.h"
#include "numbers/textnumber.h"
#include "records/ciftadoc.h"
#include "records/entrylist.h"
#include "session/ctaxsession.h"
#include "sessionbase/programstate.h"
#include "views/centrylistctrl.h"
#include "views/entryrules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

namespace {

TripEntry Trip(int32_t number, const char *date, uint32_t distance, int64_t fuelHundredths)
{
    TripEntry e;
    e.tripNumber = number;
    e.date = date;
    e.distance = distance;
    e.fuel = Hundredths{fuelHundredths};
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

// The order of the texts shown, as a reader of the list sees it: the State text in upper
// case (for Abbrev too), units of digits only by their numbers before named ones, the
// whole date, every other column by the number it shows; ties by trip number, then as
// the rows stood.
struct ShownKey {
    std::string text;
    double number = 0;
    int32_t trip = 0;
};

ShownKey KeyOfShownText(int column, const std::string &text, int32_t trip)
{
    ShownKey key;
    key.trip = trip;
    const bool digits = !text.empty() && text.size() < 16 &&
                        std::all_of(text.begin(), text.end(), [](char c) { return isdigit(c); });
    if (column == EntryColumnUnit && digits) {
        key.number = static_cast<double>(std::stoll(text));
    } else if (column == EntryColumnState || column == EntryColumnUnit) {
        for (char c : text)
            key.text += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    } else if (column == EntryColumnDate) {
        CivilDate date;
        if (ParseTripDate(text, date))
            key.number = date.year * 10000.0 + date.month * 100.0 + date.day;
    } else {
        key.number = static_cast<double>(TextToDecimal<2>(text).units);
    }
    return key;
}

bool ShownBefore(const ShownKey &a, const ShownKey &b)
{
    if (a.text != b.text)
        return a.text < b.text;
    if (a.number != b.number)
        return a.number < b.number;
    return a.trip < b.trip;
}

TEST_F(EntrySortTest, EveryColumnSortsAsItsShownTextsInBothDirections)
{
    std::mt19937 random(150);
    const char *const units[] = {"", "7", "12", "007", "t-2", "T-2", "Reefer", "9999999999999999"};
    const char *const dates[] = {"2026/04/14", "2026/4/2",   "",
                                 "1999/04/01", "2026/13/01", "2026/06/30",
                                 "2026/05/31", "2026/05/32", "junk"};
    CIftaDoc::Entries entries(400);
    for (size_t i = 0; i < entries.size(); ++i) {
        TripEntry &e = entries[i];
        e.tripNumber = static_cast<int32_t>(i % 150); // some trip numbers twice
        e.reservedText = units[random() % 8];
        e.date = dates[random() % 9];
        e.slot = static_cast<int32_t>(random() % 80) - 4; // some outside the table
        e.distance = static_cast<uint32_t>(random() >> (random() % 32));
        e.distanceInMiles = static_cast<int32_t>(random() % 2);
        e.fuel = Hundredths{static_cast<int64_t>(random() % 100000) - 5000};
        e.fuelInGallons = static_cast<int32_t>(random() % 2);
        e.odometerIn = static_cast<int32_t>(random());
        e.odometerOut = static_cast<int32_t>(random() % 1000);
        e.surcharge = static_cast<int32_t>(random() % 2);
    }
    // Every text of a row: which row stands where.
    const auto rowText = [this](int row) {
        std::string all;
        for (int column = 0; column < EntryColumnCount; ++column)
            all += list.text(row, column) + '|';
        return all;
    };
    for (const bool loaded : {false, true}) {
        if (loaded) {
            ASSERT_TRUE(
                CTaxSession::ReadTaxFileInto(TOLLMARK_SAMPLE_DATA "/ifta.itx", doc.rates()).ok());
        }
        doc.replaceEntries(entries);
        list.Fill();
        for (int column = 0; column < EntryColumnCount; ++column) {
            SCOPED_TRACE("column " + std::to_string(column) + (loaded ? ", table" : ""));
            const int keyColumn = column == EntryColumnAbbrev ? EntryColumnState : column;
            for (const bool ascending : {true, false}) {
                // Rows as they stand now, sorted by their shown texts.
                std::vector<std::pair<ShownKey, std::string>> rows;
                for (int row = 0; row < list.rowCount(); ++row)
                    rows.push_back({KeyOfShownText(keyColumn, list.text(row, keyColumn),
                                                   TextToInt(list.text(row, EntryColumnTrip))),
                                    rowText(row)});
                std::stable_sort(rows.begin(), rows.end(),
                                 [ascending](const auto &a, const auto &b) {
                                     return ascending ? ShownBefore(a.first, b.first)
                                                      : ShownBefore(b.first, a.first);
                                 });
                if (ascending)
                    state.entrySortColumn = -1;
                list.SortByColumn(column);
                ASSERT_EQ(state.entrySortAscending, ascending);
                for (int row = 0; row < list.rowCount(); ++row)
                    ASSERT_EQ(rowText(row), rows[static_cast<size_t>(row)].second) << "row " << row;
            }
        }
    }
}

} // namespace
