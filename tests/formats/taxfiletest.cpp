// Tax-rate files: the header's fixed-width quirks, blank and surplus lines and the 72-slot
// writer.

#include "records/recordtesthelpers.h"

#include "formats/taxfile.h"
#include "numbers/textnumber.h"

#include <gtest/gtest.h>

using namespace recordtest;

namespace {

// A table whose every slot differs from an empty one, to see which slots a read keeps.
TaxRateTable MarkedTable()
{
    TaxRateTable table;
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        table[slot].name = "Old " + std::to_string(slot);
        table[slot].abbreviation = "O" + std::to_string(slot);
        table[slot].dieselRate = TenThousandths{5000};
        table[slot].slot = 100 + slot;
    }
    return table;
}

// 72 slots of varied texts and rates, each rate with four decimals, as a file holds them.
TaxRateTable FullTable()
{
    TaxRateTable table;
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        TaxRate &rate = table[slot];
        rate.name = slot == 3 ? "Qu\xe9"
                                "bec"
                              : "Jurisdiction " + std::to_string(slot);
        rate.abbreviation =
            std::string(1, static_cast<char>('A' + slot % 26)) + std::to_string(slot);
        rate.dieselRate = TenThousandths{slot * 137};
        rate.gasolineRate = TenThousandths{9999 - slot * 21};
        rate.surcharge = slot % 9 == 4 ? 1 : 0;
        rate.slot = slot;
    }
    return table;
}

} // namespace

TEST(TaxFileHeaderTest, YearIsFourCharactersAndQuarterOne)
{
    struct Case {
        const char *header;
        int32_t year, quarter;
        const char *country;
    } cases[] = {
        {"#TAXHEAD#\t2026\t2\tCanada\t", 2026, 2, "Canada"},
        // "06\t1" are the four characters after the first tab: atoi gives 6.
        {"#TAXHEAD#\t06\t1\tCanada\t", 6, 1, "Canada"},
        // Five digits: only the first four count.
        {"#TAXHEAD#\t20261\t3\tUS\t", 2026, 3, "US"},
        // Two quarter digits: only the first counts.
        {"#TAXHEAD#\t2026\t23\tUS\t", 2026, 2, "US"},
        // The country runs to the next tab, or to the end without one.
        {"#TAXHEAD#\t2026\t4\tUS", 2026, 4, "US"},
        {"#TAXHEAD#\t2026\t4\tNew Country\tgarbage\t", 2026, 4, "New Country"},
        // Missing parts read as 0 and empty.
        {"#TAXHEAD#", 0, 0, ""},
        {"#TAXHEAD#trailing\t2026", 2026, 0, ""},
    };
    for (const Case &c : cases) {
        TaxRateTable table;
        TaxPeriod period;
        ASSERT_TRUE(ParseTaxText(std::string(c.header) + "\n", table, period).ok()) << c.header;
        EXPECT_EQ(period.year, c.year) << c.header;
        EXPECT_EQ(period.quarter, c.quarter) << c.header;
        EXPECT_EQ(period.country, c.country) << c.header;
    }
}

TEST(TaxFileHeaderTest, WithoutTheMarkAtTheStartNothingChanges)
{
    const std::string refused[] = {
        "",
        "\n",
        " #TAXHEAD#\t2026\t2\tCanada\t\n",
        "#TAXHEAD\t2026\n",
        "#taxhead#\t2026\t2\tUS\t\n",
        "Quebec\tQC\t0.2020\t0.1920\t0\t\n",
        "\n#TAXHEAD#\t2026\t2\tUS\t\n", // the mark must be on the first line
    };
    for (const std::string &text : refused) {
        TaxRateTable table = MarkedTable();
        TaxPeriod period{2011, 3, "US"};
        const Result read = ParseTaxText(text, table, period);
        EXPECT_EQ(read.status, Result::Status::BadFormat);
        EXPECT_EQ(read.message, "Wrong file format. Tax not loaded.");
        EXPECT_EQ(table, MarkedTable());
        EXPECT_EQ(period, (TaxPeriod{2011, 3, "US"}));
    }
}

TEST(TaxFileSlotsTest, BlankLinesAreSkippedAndLaterSlotsKeepTheirValues)
{
    TaxRateTable table = MarkedTable();
    TaxPeriod period;
    const std::string text = "#TAXHEAD#\t2026\t2\tCanada\t\r\n"
                             "Quebec\tQC\t0.2020\t0.1920\t0\t\r\n"
                             "\n\n\r\n"
                             "Ontario\tON\t0.0900\t0.0900\t0\t\r"
                             "KY Surcharge\tKYS\t0.0379\t0.0163\t1\t";
    ASSERT_TRUE(ParseTaxText(text, table, period).ok());
    EXPECT_EQ(table[0].name, "Quebec");
    EXPECT_EQ(table[0].slot, 0);
    EXPECT_EQ(table[1].name, "Ontario");
    EXPECT_EQ(table[1].slot, 1);
    EXPECT_EQ(table[2].name, "KY Surcharge");
    EXPECT_EQ(table[2].abbreviation, "KYS");
    EXPECT_EQ(table[2].dieselRate, TenThousandths{379});
    EXPECT_EQ(table[2].gasolineRate, TenThousandths{163});
    EXPECT_EQ(table[2].surcharge, 1);
    EXPECT_EQ(table[2].slot, 2);
    const TaxRateTable before = MarkedTable();
    for (int slot = 3; slot < TaxRateTable::kSlotCount; ++slot)
        EXPECT_EQ(table[slot], before[slot]) << slot;
}

TEST(TaxFileSlotsTest, FieldsFollowTheReadingRules)
{
    TaxRateTable table;
    TaxPeriod period;
    const std::string text = "#TAXHEAD#\t2026\t2\tUS\t\n"
                             "Only A Name\n"                 // the rest reads as empty and 0
                             "Flag\tFL\t 0.5x\t0.25\t12\t\n" // the flag is one character: 1
                             "Letter\tLT\tabc\t\tx\n"        // not numbers: 0
                             "\tEM\t0.1\t0.2\t1";            // an empty name is taken as is
    ASSERT_TRUE(ParseTaxText(text, table, period).ok());
    EXPECT_EQ(table[0].name, "Only A Name");
    EXPECT_EQ(table[0].abbreviation, "");
    EXPECT_EQ(table[0].surcharge, 0);
    EXPECT_EQ(table[1].dieselRate, TenThousandths{5000});
    EXPECT_EQ(table[1].gasolineRate, TenThousandths{2500});
    EXPECT_EQ(table[1].surcharge, 1);
    EXPECT_EQ(table[2].dieselRate, TenThousandths{0});
    EXPECT_EQ(table[2].surcharge, 0);
    EXPECT_EQ(table[3].name, "");
    EXPECT_EQ(table[3].abbreviation, "EM");
    EXPECT_EQ(table[3].surcharge, 1);
    EXPECT_EQ(table[3].slot, 3);
}

TEST(TaxFileSlotsTest, LinesBeyondThe72ndAreIgnoredWithANote)
{
    std::string text = "#TAXHEAD#\t2026\t2\tUS\t\n";
    for (int line = 0; line < 72; ++line)
        text += "Line " + std::to_string(line) + "\tL" + std::to_string(line) + "\t0.1\t0.2\t0\t\n";
    TaxRateTable table;
    TaxPeriod period;
    const Result exact = ParseTaxText(text + "\n\r\n", table, period);
    ASSERT_TRUE(exact.ok());
    EXPECT_EQ(exact.message, ""); // blank lines after the 72nd are no slot lines
    const Result longer = ParseTaxText(text + "Line 72\tL72\t0.1\t0.2\t0\t\n", table, period);
    ASSERT_TRUE(longer.ok());
    EXPECT_EQ(longer.message, kExtraSlotLines);
    EXPECT_EQ(table[71].name, "Line 71");
    EXPECT_EQ(table[71].slot, 71);
    EXPECT_EQ(table[0].name, "Line 0");
}

TEST(TaxFileSlotsTest, ARateOutsideZeroToTenIsRefusedWithItsLine)
{
    // Line 4 as an editor counts (CR LF one line end, a blank line counted). "inf" and
    // "nan" are no numbers and read as 0.
    for (const char *rate : {"1e308", "10.0001", "-0.01", "11"}) {
        TaxRateTable table = MarkedTable();
        TaxPeriod period{2005, 1, "Canada"};
        const std::string text =
            std::string("#TAXHEAD#\t2026\t2\tUS\t\r\nA\tA\t0.1\t10\t0\r\n\nB\tB\t") + rate +
            "\t0.2\t0\t\r\n";
        const Result read = ParseTaxText(text, table, period);
        EXPECT_EQ(read.status, Result::Status::BadFormat) << rate;
        EXPECT_EQ(read.message, "The tax rate on line 4 is not between 0 and 10. Tax not loaded.");
        EXPECT_EQ(table, MarkedTable()) << rate;
        EXPECT_EQ(period, (TaxPeriod{2005, 1, "Canada"}));
    }
}

TEST(TaxFileSlotsTest, Utf8FileIsReadAsTheProgramsText)
{
    // With a byte-order mark (which used to be "Wrong file format"), or without one.
    TempFolder folder;
    for (const std::string head : {"\xEF\xBB\xBF", ""}) {
        const std::string path = folder.file("utf8.itx");
        spit(path, head + "#TAXHEAD#\t2026\t2\tCanada\t\nQu\xC3\xA9"
                          "bec\tQC\t0.1\t0.2\t0\t\n");
        TaxRateTable table;
        TaxPeriod period;
        ASSERT_TRUE(ReadTaxFile(path, table, period).ok());
        EXPECT_EQ(table[0].name, "Qu\xE9"
                                 "bec");
        EXPECT_EQ(period.year, 2026);
    }
}

TEST(TaxFileWriteTest, All72SlotsAreWrittenAndReadBackIdentical)
{
    TaxRateTable table = FullTable();
    table[71] = TaxRate{}; // an empty slot
    table[71].slot = 71;
    const TaxPeriod period{2026, 2, "Canada"};
    const std::string text = FormatTaxText(table, period);

    size_t lines = 0;
    for (char c : text)
        lines += c == '\n';
    EXPECT_EQ(lines, 73u);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.substr(0, 25), "#TAXHEAD#\t2026\t2\tCanada\t\n");
    EXPECT_NE(text.find("\nJurisdiction 1\tB1\t0.0137\t0.9978\t0\t\n"), std::string::npos);
    // An empty slot: tab, tab, both rates, the flag, tab.
    EXPECT_EQ(text.substr(text.size() - 20), "\n\t\t0.0000\t0.0000\t0\t\n");

    TaxRateTable read = MarkedTable();
    TaxPeriod readPeriod;
    ASSERT_TRUE(ParseTaxText(text, read, readPeriod).ok());
    EXPECT_EQ(read, table);
    EXPECT_EQ(readPeriod, period);
}

TEST(TaxFileWriteTest, FileRoundTripAndTheHandMadeFixture)
{
    TempFolder folder;
    const TaxRateTable table = FullTable();
    const std::string path = folder.file("table.itx");
    ASSERT_TRUE(WriteTaxFile(path, table, TaxPeriod{2026, 1, "US"}).ok());
    TaxRateTable read;
    TaxPeriod period;
    ASSERT_TRUE(ReadTaxFile(path, read, period).ok());
    EXPECT_EQ(read, table);
    EXPECT_EQ(period, (TaxPeriod{2026, 1, "US"}));

    // The fixture written by make-fixtures.py is exactly what the writer makes of it.
    TaxRateTable hand;
    TaxPeriod handPeriod;
    ASSERT_TRUE(ReadTaxFile(fixture("hand.itx"), hand, handPeriod).ok());
    EXPECT_EQ(hand[2].name, "ON Surcharge");
    EXPECT_EQ(FormatTaxText(hand, handPeriod), slurp(fixture("hand.itx")));

    // A file that cannot be opened is told apart from one in a wrong format, and leaves
    // the table alone.
    const Result missing = ReadTaxFile(folder.file("none.itx"), read, period);
    EXPECT_EQ(missing.status, Result::Status::CannotOpen);
    EXPECT_NE(missing.message.find("none.itx"), std::string::npos) << missing.message;
    EXPECT_EQ(read, table);
}

TEST(TaxFileWriteTest, TabsAndLineEndsInTextsCannotShiftFields)
{
    TaxRateTable table;
    table[0].name = "Bad\tName\r\n";
    table[0].abbreviation = "B\tN";
    const std::string text = FormatTaxText(table, TaxPeriod{2026, 2, "Can\tada"});
    TaxRateTable read;
    TaxPeriod period;
    ASSERT_TRUE(ParseTaxText(text, read, period).ok());
    EXPECT_EQ(read[0].name, "Bad Name  ");
    EXPECT_EQ(read[0].abbreviation, "B N");
    EXPECT_EQ(period.country, "Can ada");
    EXPECT_EQ(read[1].name, "");
    EXPECT_EQ(read[71].slot, 71);
}
