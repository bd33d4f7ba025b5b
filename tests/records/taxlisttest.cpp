// The tax-rate list: which slots it shows and the texts of their six columns.

#include "records/taxlist.h"

#include <gtest/gtest.h>

namespace {

TaxRateTable LoadedTable(int named)
{
    TaxRateTable table;
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot)
        table[slot].slot = slot; // as reading a tax-rate file leaves it
    for (int slot = 0; slot < named; ++slot) {
        table[slot].name = "J" + std::to_string(slot);
        table[slot].abbreviation = "A" + std::to_string(slot);
    }
    return table;
}

} // namespace

TEST(TaxListTest, HeadingsAndAlignment)
{
    const std::vector<ListColumn> columns = TaxListColumns();
    ASSERT_EQ(columns.size(), 6u);
    const char *headings[] = {"Index", "State", "Abbrev", "Diesel tax", "Gas tax", "SurTax"};
    const int widths[] = {40, 100, 60, 100, 100, 60};
    for (size_t i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(columns[i].heading, headings[i]);
        EXPECT_EQ(columns[i].width, widths[i]);
        EXPECT_EQ(columns[i].leftAligned, i < 3);
    }
}

TEST(TaxListTest, ShownSlotsRunToTheFirstUnnamedOne)
{
    // Never loaded: slot 1 has index 0, so nothing is shown.
    EXPECT_EQ(ShownTaxSlotCount(TaxRateTable{}), 0);
    TaxRateTable named;
    named[0].name = "Quebec";
    named[1].name = "Ontario";
    EXPECT_EQ(ShownTaxSlotCount(named), 0);

    EXPECT_EQ(ShownTaxSlotCount(LoadedTable(61)), 61);
    EXPECT_EQ(ShownTaxSlotCount(LoadedTable(72)), 72);
    // Slot 0 is shown whatever its name.
    EXPECT_EQ(ShownTaxSlotCount(LoadedTable(0)), 1);
    TaxRateTable gap = LoadedTable(10);
    gap[4].name.clear();
    EXPECT_EQ(ShownTaxSlotCount(gap), 4);
}

TEST(TaxListTest, LineTexts)
{
    TaxRate rate;
    rate.name = "KY Surcharge";
    rate.abbreviation = "KYS";
    rate.dieselRate = TenThousandths{379};
    rate.gasolineRate = TenThousandths{379};
    rate.surcharge = 1;
    rate.slot = 0;
    ListLine line = TaxListLine(rate);
    std::string joined;
    for (const std::string &text : line)
        joined += text + "|";
    EXPECT_EQ(joined, "1|KY Surcharge|KYS|0.0379|0.0379|X|");

    rate.slot = 71;
    rate.dieselRate = TenThousandths{10000};
    rate.gasolineRate = TenThousandths{0};
    rate.surcharge = 0;
    line = TaxListLine(rate);
    EXPECT_EQ(line[0], "72");
    EXPECT_EQ(line[3], "1.0000");
    EXPECT_EQ(line[4], "0.0000");
    EXPECT_EQ(line[5], "");
}
