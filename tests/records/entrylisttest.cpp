// The entry list's headings and line texts: the record's units converted to the
// carrier's country, names looked up through the slot in the table loaded now.

#include "records/entrylist.h"
#include "formats/taxfile.h"
#include "records/builtinjurisdictions.h"
#include "records/entryresolver.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace {

TaxRateTable SmallTable()
{
    TaxRateTable table;
    const char *rows[][2] = {{"Quebec", "QC"}, {"Kentucky", "KY"}, {"KY Surcharge", "KYS"}};
    for (int i = 0; i < 3; ++i) {
        table[i].name = rows[i][0];
        table[i].abbreviation = rows[i][1];
        table[i].slot = i;
    }
    table[2].surcharge = 1;
    return table;
}

TripEntry Entry(int32_t slot, uint32_t distance, int32_t miles, int64_t fuel, int32_t gallons)
{
    TripEntry entry;
    entry.tripNumber = 7;
    entry.date = "2026/04/15";
    entry.reservedText = "T-7"; // the unit number
    entry.slot = slot;
    entry.odometerIn = 1000;
    entry.odometerOut = 1016;
    entry.distance = distance;
    entry.distanceInMiles = miles;
    entry.fuel = Hundredths{fuel};
    entry.fuelInGallons = gallons;
    return entry;
}

std::string Joined(const ListLine &line)
{
    std::string text;
    for (size_t i = 0; i < line.size(); ++i)
        text += (i ? "|" : "") + line[i];
    return text;
}

} // namespace

TEST(EntryListTest, HeadingsNameTheCountrysUnits)
{
    const std::vector<ListColumn> canada = EntryListColumns("Canada");
    ASSERT_EQ(canada.size(), 10u);
    std::string headings;
    for (const ListColumn &c : canada)
        headings += c.heading + "|";
    EXPECT_EQ(
        headings,
        "Trip|Unit|Date|State|Abbrev|Distance (Km)|Odometer IN|Odometer OUT|Fuel (L)|Surtax|");
    EXPECT_EQ(EntryListColumns("US")[5].heading, "Distance (Mil)");
    EXPECT_EQ(EntryListColumns("canada")[8].heading, "Fuel (Gal)"); // only "Canada" exactly
    // The first five columns left-aligned, the rest right-aligned, at their widths.
    EXPECT_TRUE(canada[4].leftAligned);
    EXPECT_FALSE(canada[5].leftAligned);
    EXPECT_EQ(canada[0].width, 30);
    EXPECT_EQ(canada[3].width, 150);
    EXPECT_EQ(canada[9].width, 50);
}

TEST(EntryListTest, LinesConvertToTheCarriersUnits)
{
    const TaxRateTable table = SmallTable();
    // A Canadian carrier sees 10 miles as 16 km and 1 gallon as 3.79 litres.
    EXPECT_EQ(Joined(EntryListLine(Entry(1, 10, 1, 100, 1), table, "Canada")),
              "7|T-7|2026/04/15|Kentucky|KY|16|1000|1016|3.79|");
    // A US carrier sees 16 km as 10 miles (rounded) and 10 litres as 2.64 gallons.
    EXPECT_EQ(Joined(EntryListLine(Entry(0, 16, 0, 1000, 0), table, "US")),
              "7|T-7|2026/04/15|Quebec|QC|10|1000|1016|2.64|");
    // Values in the list's own units are shown as they are, fuel with two decimals.
    EXPECT_EQ(Joined(EntryListLine(Entry(0, 161, 0, 1235, 0), table, "Canada")),
              "7|T-7|2026/04/15|Quebec|QC|161|1000|1016|12.35|");
    EXPECT_EQ(Joined(EntryListLine(Entry(0, 100, 1, 3700, 1), table, "Mexico")),
              "7|T-7|2026/04/15|Quebec|QC|100|1000|1016|37.00|");
    // 100 miles for Canada is 160.9344 km, shown as 161.
    EXPECT_EQ(EntryListLine(Entry(0, 100, 1, 0, 0), table, "Canada")[EntryColumnDistance], "161");
}

TEST(EntryListTest, SurchargeMarkAndSlotsOutsideTheTable)
{
    const TaxRateTable table = SmallTable();
    TripEntry surcharge = Entry(2, 5, 0, 0, 0);
    surcharge.surcharge = 1;
    EXPECT_EQ(Joined(EntryListLine(surcharge, table, "Canada")),
              "7|T-7|2026/04/15|KY Surcharge|KYS|5|1000|1016|0.00|X");
    surcharge.surcharge = 2; // only the flag value 1 shows the mark
    EXPECT_EQ(EntryListLine(surcharge, table, "Canada")[EntryColumnSurtax], "");

    // A slot the table has no room for shows no name rather than reading past it.
    for (int32_t slot : {-1, 72, 100000}) {
        const ListLine line = EntryListLine(Entry(slot, 5, 0, 0, 0), table, "Canada");
        EXPECT_EQ(line[EntryColumnState], "");
        EXPECT_EQ(line[EntryColumnAbbrev], "");
    }
    // A distance beyond 2^31 (from a damaged file) is shown as the signed number.
    EXPECT_EQ(EntryListLine(Entry(0, 3000000000u, 0, 0, 0), table, "Canada")[EntryColumnDistance],
              "-1294967296");
}

// A line entered before any table was loaded keeps the slot of the built-in name chosen:
// the shipped table, loaded later, must show the same jurisdiction there, and the list
// names it meanwhile.
TEST(EntryListTest, BuiltInNamesKeepTheirJurisdictionWhenTheShippedTableIsLoaded)
{
    TaxRateTable shipped;
    TaxPeriod period;
    ASSERT_TRUE(ReadTaxFile(TOLLMARK_SAMPLE_DATA "/ifta.itx", shipped, period).ok());
    ASSERT_EQ(BuiltInJurisdictionNames().size(), 63u);
    std::vector<int> slots;
    for (const std::string &name : BuiltInJurisdictionNames()) {
        SCOPED_TRACE(name);
        TripEntry entry;
        ASSERT_TRUE(ResolveBuiltInEntry(entry, name, EntryUnits{1, 0}));
        EXPECT_EQ(entry.surcharge, name.find("Surcharge") != std::string::npos ? 1 : 0);
        EXPECT_EQ(entry.distanceInMiles, 1);
        slots.push_back(entry.slot);
        EXPECT_EQ(EntryListLine(entry, TaxRateTable(), "Canada")[EntryColumnState], name);
        // The shipped table spells Massachusetts right and has no MI or OH surcharge.
        const std::string shown = shipped[entry.slot].name;
        if (name == "Massachussetts")
            EXPECT_EQ(shown, "Massachusetts");
        else if (name == "MI Surcharge" || name == "OH Surcharge")
            EXPECT_EQ(shown, "");
        else
            EXPECT_EQ(shown, name);
    }
    std::sort(slots.begin(), slots.end());
    EXPECT_EQ(std::adjacent_find(slots.begin(), slots.end()), slots.end()); // no slot twice

    TripEntry typed;
    typed.slot = 5;
    EXPECT_FALSE(ResolveBuiltInEntry(typed, "QUEBECX", EntryUnits{}));
    EXPECT_EQ(typed.slot, 5);
}
