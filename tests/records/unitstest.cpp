#include "records/units.h"
#include "records/cp1252.h"
#include "records/entryresolver.h"

#include <gtest/gtest.h>

TEST(RoundWholeTest, HalvesGoUpAlsoForNegatives)
{
    EXPECT_EQ(RoundWhole(2.5), 3);
    EXPECT_EQ(RoundWhole(2.3), 2);
    EXPECT_EQ(RoundWhole(2.7), 3);
    EXPECT_EQ(RoundWhole(-2.5), -2);
    EXPECT_EQ(RoundWhole(-2.6), -3);
    EXPECT_EQ(RoundWhole(0.0), 0);
}

TEST(ConvertTest, DistanceFollowsTheCarriersCountry)
{
    EXPECT_EQ(ConvertDistance(100, 1, "Canada"), 161u); // 160.9344 rounds up
    EXPECT_EQ(ConvertDistance(161, 0, "US"), 100u);     // 100.04 rounds down
    EXPECT_EQ(ConvertDistance(161, 0, "Canada"), 161u);
    EXPECT_EQ(ConvertDistance(100, 1, "US"), 100u);
    // Only "Canada" exactly selects kilometres.
    EXPECT_EQ(ConvertDistance(161, 0, "canada"), 100u);
}

TEST(ConvertTest, FuelFollowsTheCarriersCountry)
{
    EXPECT_NEAR(ConvertFuel(10.0f, 1, "Canada"), 37.85412f, 1e-4);
    EXPECT_NEAR(ConvertFuel(10.0f, 0, "US"), 2.6417f, 1e-4);
    EXPECT_EQ(ConvertFuel(10.0f, 0, "Canada"), 10.0f);
    EXPECT_EQ(ConvertFuel(10.0f, 1, "Mexico"), 10.0f);
}

TEST(ConvertTest, NewLinesAreEnteredInTheCountrysUnits)
{
    EXPECT_EQ(EntryUnitsForCountry("Canada"), (EntryUnits{0, 0}));
    EXPECT_EQ(EntryUnitsForCountry("US"), (EntryUnits{1, 1}));
    EXPECT_EQ(EntryUnitsForCountry("canada"), (EntryUnits{1, 1}));
    EXPECT_EQ(EntryUnitsForCountry(""), (EntryUnits{1, 1}));
}

namespace {

TaxRateTable tableWithKentucky()
{
    TaxRateTable table;
    const char *rows[][2] = {{"Kentucky", "KY"}, {"Quebec", "QC"}, {"KY Surcharge", "KS"}};
    for (int i = 0; i < 3; ++i) {
        table[i].name = rows[i][0];
        table[i].abbreviation = rows[i][1];
        table[i].slot = i;
        table[i].dieselRate = 0.1 * (i + 1);
        table[i].gasolineRate = 0.01 * (i + 1);
    }
    table[2].surcharge = 1;
    return table;
}

} // namespace

TEST(SurchargeTest, LineFindsTheSurchargeSlotOfItsJurisdiction)
{
    const TaxRateTable table = tableWithKentucky();
    TripEntry line;
    line.slot = 0;
    EXPECT_EQ(FindSurchargeSlot(line, table), 2);
    line.slot = 1;
    EXPECT_EQ(FindSurchargeSlot(line, table), -1);
    // A surcharge line never gets a surcharge line of its own.
    line.slot = 0;
    line.surcharge = 1;
    EXPECT_EQ(FindSurchargeSlot(line, table), -1);
    line.surcharge = 0;
    line.slot = 200; // outside the table
    EXPECT_EQ(FindSurchargeSlot(line, table), -1);
}

TEST(SurchargeTest, ResolveCopiesSlotRateAndTheGivenUnits)
{
    const TaxRateTable table = tableWithKentucky();
    const EntryUnits units{1, 0};
    TripEntry line;
    line.abbreviation = "KS";
    line.slot = 7;
    ASSERT_TRUE(ResolveEntry(line, table, /*diesel=*/false, units));
    EXPECT_EQ(line.slot, 2);
    EXPECT_DOUBLE_EQ(line.rate, 0.03);
    EXPECT_EQ(line.surcharge, 1);
    EXPECT_EQ(line.distanceInMiles, 1);
    EXPECT_EQ(line.fuelInGallons, 0);

    TripEntry unknown;
    unknown.abbreviation = "ZZ";
    unknown.slot = 5;
    unknown.rate = 0.5;
    EXPECT_FALSE(ResolveEntry(unknown, table, true, units));
    EXPECT_EQ(unknown.slot, 5);
    EXPECT_EQ(unknown.rate, 0.5);
}

TEST(Cp1252Test, AccentsAndPunctuationSurviveTheRoundTrip)
{
    const std::string bytes = "Qu\xe9"
                              "bec \x95 \x96 \xf7";
    const std::string utf8 = Cp1252ToUtf8(bytes);
    EXPECT_EQ(utf8, "Qu\xc3\xa9"
                    "bec \xe2\x80\xa2 \xe2\x80\x93 \xc3\xb7");
    EXPECT_EQ(Utf8ToCp1252(utf8), bytes);
    EXPECT_EQ(Utf8ToCp1252("\xe4\xb8\xad"), "?"); // not in the code page
    EXPECT_EQ(Utf8ToCp1252("\xc3"), "?");         // cut sequence
}
