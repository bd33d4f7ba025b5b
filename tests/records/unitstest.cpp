#include "records/units.h"
#include "platform/cp1252.h"
#include "records/entryresolver.h"

#include <gtest/gtest.h>

TEST(ConvertTest, DistanceFollowsTheCarriersCountry)
{
    EXPECT_EQ(ConvertDistance(100, 1, "Canada"), 161u); // 160.9344 rounds up
    EXPECT_EQ(ConvertDistance(161, 0, "US"), 100u);     // 100.04 rounds down
    EXPECT_EQ(ConvertDistance(161, 0, "Canada"), 161u);
    EXPECT_EQ(ConvertDistance(100, 1, "US"), 100u);
    // Only "Canada" exactly selects kilometres.
    EXPECT_EQ(ConvertDistance(161, 0, "canada"), 100u);
}

TEST(ConvertTest, FuelFollowsTheCarriersCountryExactly)
{
    struct Case {
        int64_t fuel;
        int32_t gallons;
        const char *country;
        int64_t shown;
    } const cases[] = {
        {1000, 1, "Canada", 3785},     // 37.85412 L
        {1000, 0, "US", 264},          // 2.64172... gal
        {1000, 0, "Canada", 1000},     // already in the carrier's unit
        {1000, 1, "Mexico", 1000},     //
        {125000, 1, "Canada", 473177}, // exactly 4731.765 L: the half goes up
        {-125000, 1, "Canada", -473176},
        {1, 0, "US", 0}, // 0.0026 gal
    };
    for (const Case &c : cases)
        EXPECT_EQ(ConvertFuel(Hundredths{c.fuel}, c.gallons, c.country), Hundredths{c.shown})
            << c.fuel << " " << c.country;
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
        table[i].dieselRate = TenThousandths{1000 * (i + 1)};
        table[i].gasolineRate = TenThousandths{100 * (i + 1)};
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
    line.slot = 7;
    ASSERT_TRUE(ResolveEntry(line, "KS", table, /*diesel=*/false, units));
    EXPECT_EQ(line.slot, 2);
    EXPECT_EQ(line.rate, TenThousandths{300});
    EXPECT_EQ(line.surcharge, 1);
    EXPECT_EQ(line.distanceInMiles, 1);
    EXPECT_EQ(line.fuelInGallons, 0);

    TripEntry unknown;
    unknown.slot = 5;
    unknown.rate = TenThousandths{5000};
    EXPECT_FALSE(ResolveEntry(unknown, "ZZ", table, true, units));
    EXPECT_EQ(unknown.slot, 5);
    EXPECT_EQ(unknown.rate, TenThousandths{5000});
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
