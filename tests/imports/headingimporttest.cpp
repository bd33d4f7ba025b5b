// Import by heading: the column names each field is found by, the units the names give,
// the date forms, jurisdiction names, product codes and the lines that are refused.

#include "imports/headingimport.h"
#include "imports/fuelproduct.h"
#include "imports/jurisdictionmatch.h"

#include <gtest/gtest.h>

namespace {

TaxRateTable Table()
{
    TaxRateTable table;
    const char *rows[][2] = {{"Quebec", "QC"},       {"Ontario", "ON"},      {"Kentucky", "KY"},
                             {"KY Surcharge", "KX"}, {"Newfoundland", "NL"}, {"New York", "NY"}};
    for (int i = 0; i < 6; ++i) {
        table[i].name = rows[i][0];
        table[i].abbreviation = rows[i][1];
        table[i].slot = i;
        table[i].dieselRate = TenThousandths{1000 + i};
    }
    table[3].surcharge = 1;
    return table;
}

HeadingImport Import(const std::string &text, HeadingImportSettings settings = {})
{
    HeadingImport import;
    EXPECT_TRUE(ImportByHeading(text, Table(), true, settings, import).ok()) << text;
    return import;
}

} // namespace

TEST(HeadingImportTest, ColumnsAreFoundByTheirNamesWhateverTheirCaseAndBlanks)
{
    const std::vector<std::string> headings = {"Transaction  Date", "LOCATION STATE/PROVINCE",
                                               "Truck #",           "Fuel Qty Gallons",
                                               "Total_Miles",       "Odometer Out",
                                               "Start Odometer",    "Fuel Type"};
    const HeadingMap map = DetectHeadingMap(headings);
    EXPECT_EQ(map.column(ImportField::Date), 0);
    EXPECT_EQ(map.column(ImportField::Jurisdiction), 1);
    EXPECT_EQ(map.column(ImportField::Unit), 2);
    EXPECT_EQ(map.column(ImportField::Fuel), 3);
    EXPECT_EQ(map.column(ImportField::Distance), 4);
    EXPECT_EQ(map.column(ImportField::OdometerOut), 5);
    EXPECT_EQ(map.column(ImportField::OdometerIn), 6);
    EXPECT_EQ(map.column(ImportField::Product), 7);
    EXPECT_TRUE(IsImportHeading(headings));
    // The options' own layout has a heading too, but only the jurisdiction is ours.
    EXPECT_FALSE(IsImportHeading({"Date", "Abbreviation", "Fuel (L)"}));
    EXPECT_FALSE(IsImportHeading({"State"}));

    // A mapping by hand changes the named fields only, and says what it cannot use.
    HeadingMap changed = map;
    std::string error;
    ASSERT_TRUE(ApplyMappingText("distance=truck #, product=", headings, changed, error));
    EXPECT_EQ(changed.column(ImportField::Distance), 2);
    EXPECT_FALSE(changed.has(ImportField::Product));
    EXPECT_EQ(changed.column(ImportField::Date), 0);
    EXPECT_FALSE(ApplyMappingText("date=When", headings, changed, error));
    EXPECT_EQ(error, "the file has no column \"When\"");
    EXPECT_FALSE(ApplyMappingText("colour=Truck #", headings, changed, error));
    // The text of a mapping reads back as the same mapping.
    HeadingMap again;
    ASSERT_TRUE(ApplyMappingText(MappingText(map, headings), headings, again, error));
    EXPECT_EQ(again, map);
}

TEST(HeadingImportTest, ColumnNamesGiveTheUnits)
{
    const struct {
        const char *distance;
        int miles; // of a US carrier's line; -1: the dialog's unit
        int canadianMiles;
        const char *fuel;
        int gallons;
    } cases[] = {
        {"Miles", 1, 1, "Gallons", 1},
        {"Kilometres", 0, 0, "Litres", 0},
        {"KM", 0, 0, "Tax Paid Liters", 0},
        {"Taxable Meters", 1, 0, "Fuel Qty Gallons", 1}, // meters follow the carrier
        {"Distance", -1, -1, "Quantity", -1},
    };
    for (const auto &c : cases) {
        for (const bool canadian : {false, true}) {
            HeadingImportSettings settings;
            settings.canadianCarrier = canadian;
            settings.units = EntryUnits{7, 7}; // the dialog's, told apart from 0 and 1
            const HeadingImport import =
                Import(std::string("State,") + c.distance + "," + c.fuel + "\nQC,1,1\n", settings);
            ASSERT_EQ(import.lines.size(), 1u);
            const int miles = canadian ? c.canadianMiles : c.miles;
            EXPECT_EQ(import.lines[0].distanceInMiles, miles < 0 ? 7 : miles) << c.distance;
            EXPECT_EQ(import.lines[0].fuelInGallons, c.gallons < 0 ? 7 : c.gallons) << c.fuel;
        }
    }
}

TEST(HeadingImportTest, MetersBecomeWholeKilometresOrMilesRoundedHalfUp)
{
    const struct {
        const char *meters;
        bool canadian;
        uint32_t whole;
    } cases[] = {
        {"1499.999", true, 1}, {"1500", true, 2},      {"160934.4", false, 100},
        {"804.672", false, 1}, // exactly half a mile
        {"804.671", false, 0}, {"321869", false, 200}, {"0", true, 0},
    };
    for (const auto &c : cases) {
        HeadingImportSettings settings;
        settings.canadianCarrier = c.canadian;
        const HeadingImport import =
            Import(std::string("State,Meters\nQC,") + c.meters + "\n", settings);
        ASSERT_EQ(import.lines.size(), 1u);
        EXPECT_EQ(import.lines[0].distance, c.whole) << c.meters;
    }
    // Decimal miles and three-decimal gallons round half up too.
    const HeadingImport decimals = Import("State,Miles,Gallons\nQC,10.5,40.125\nQC,10.49,0.004\n");
    EXPECT_EQ(decimals.lines[0].distance, 11u);
    EXPECT_EQ(decimals.lines[0].fuel, Hundredths{4013});
    EXPECT_EQ(decimals.lines[1].distance, 10u);
    EXPECT_EQ(decimals.lines[1].fuel, Hundredths{0});
}

TEST(HeadingImportTest, DatesInEveryFormBecomeTheRecordsForm)
{
    const struct {
        const char *text;
        DateOrder order;
        const char *date; // empty: not a date
    } cases[] = {
        {"2026-04-03", DateOrder::Unknown, "2026/04/03"},
        {"2026/4/3 14:22:10", DateOrder::Unknown, "2026/04/03"},
        {"2026-04-03T23:59:59Z", DateOrder::Unknown, "2026/04/03"},
        {"04/03/2026", DateOrder::MonthFirst, "2026/04/03"},
        {"04/03/2026 2:30 PM", DateOrder::DayFirst, "2026/03/04"},
        {"04/03/2026", DateOrder::Unknown, ""}, // the order is needed
        {"2026-02-29", DateOrder::Unknown, ""}, // no such day
        {"2024-02-29", DateOrder::Unknown, "2024/02/29"},
        {"13/13/2026", DateOrder::DayFirst, ""},
        {"2026-04", DateOrder::Unknown, ""},
        {"04/03/26", DateOrder::MonthFirst, ""}, // two-digit years are not guessed
        {"yesterday", DateOrder::Unknown, ""},
    };
    for (const auto &c : cases) {
        std::string date;
        EXPECT_EQ(ReadExportDate(c.text, c.order, date), *c.date != 0) << c.text;
        if (*c.date) {
            EXPECT_EQ(date, c.date) << c.text;
        }
    }
    // A file's year-last dates tell their order by a number above 12, or leave it open.
    HeadingImport import;
    EXPECT_FALSE(
        ImportByHeading("Date,State\n04/05/2026,QC\n05/04/2026,ON\n", Table(), true, {}, import));
    EXPECT_TRUE(import.datesAmbiguous);
    import = Import("Date,State\n04/05/2026,QC\n04/13/2026,ON\n");
    EXPECT_EQ(import.lines[0].date, "2026/04/05");
    import = Import("Date,State\n04/05/2026,QC\n13/04/2026,ON\n");
    EXPECT_EQ(import.lines[0].date, "2026/05/04");
}

TEST(HeadingImportTest, JurisdictionsByCodeOrFullName)
{
    const JurisdictionMatcher matcher(Table());
    const struct {
        const char *text;
        int slot;
    } cases[] = {
        {"QC", 0},
        {" qc ", 0},
        {"Qu\xe9"
         "bec",
         0},
        {"PQ", 0},
        {"ONTARIO", 1},
        {"new  york", 5},
        {"NF", 4},
        {"Newfoundland and Labrador", 4},
        {"KX", -1},
        {"KY Surcharge", -1}, // a surcharge line follows its state's
        {"Maine", -1},
        {"", -1},
        {"Q", -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(matcher.find(c.text), c.slot) << c.text;
}

TEST(HeadingImportTest, OnlyMotorFuelProductsCount)
{
    for (const char *fuel : {"DIESEL", "ULSD", "Biodiesel B20", "B5", "Gasoline", "UNL REG",
                             "#2 Diesel", "ULSD-B5", "CNG", "Propane", ""})
        EXPECT_TRUE(IsMotorFuelProduct(fuel)) << fuel;
    for (const char *other : {"DEF", "Diesel Exhaust Fluid", "REEFER", "Reefer Diesel", "OIL",
                              "Additives", "Dyed Diesel", "MERCHANDISE", "Car wash", "XYZ"})
        EXPECT_FALSE(IsMotorFuelProduct(other)) << other;

    const HeadingImport import =
        Import("State,Product,Gallons\nQC,DEF,1\nQC,ULSD,2\nQC,def,3\nQC,Reefer,4\n");
    ASSERT_EQ(import.lines.size(), 1u);
    EXPECT_EQ(import.lines[0].fuel, Hundredths{200});
    EXPECT_EQ(import.leftOutCount(), 3u);
    EXPECT_EQ(LeftOutText(import), "3 lines were left out because their product is not motor "
                                   "fuel: DEF (1), def (1), Reefer (1).");
    EXPECT_EQ(LeftOutText(Import("State,Product,Gallons\nQC,DEF,1\nQC,ULSD,2\n")),
              "1 line was left out because its product is not motor fuel: DEF (1).");
}

TEST(HeadingImportTest, LinesThatDoNotReadAreRefusedWithTheirNumbers)
{
    const HeadingImport import =
        Import("\nState,Date,Miles,Gallons,Unit\n"
               "QC,2026-04-01,10,1,\"T,1\"\n" // a quoted comma; the unit cannot keep it
               "XX,2026-04-01,10,1,T2\n"
               "QC,2026-04-31,10,1,T2\n"
               "\n"
               "QC,2026-04-02,1O,1,T2\n"
               "QC,2026-04-02,10,-1,T2\n"
               "QC,2026-04-02,,,T2\n"); // empty numbers are 0: a fuel file has no miles
    ASSERT_EQ(import.lines.size(), 2u);
    EXPECT_EQ(import.lines[0].reservedText, "T 1");
    EXPECT_EQ(import.lines[0].tripNumber, 1);
    EXPECT_EQ(import.lines[1].distance, 0u);
    EXPECT_EQ(import.lines[1].tripNumber, 2);
    EXPECT_EQ(RefusedLinesText(import.refused), "4 lines of the file could not be read:\n"
                                                "line 4: the jurisdiction \"XX\" is unknown\n"
                                                "line 5: the date \"2026-04-31\" is not a date\n"
                                                "line 7: the distance \"1O\" is not a number\n"
                                                "line 8: the fuel \"-1\" is not a number");
    EXPECT_EQ(RefusedLinesText(import.refused, 1),
              "4 lines of the file could not be read:\n"
              "line 4: the jurisdiction \"XX\" is unknown\n... and 3 more");

    HeadingImport none;
    EXPECT_FALSE(ImportByHeading("Date,Miles\n2026-04-01,3\n", Table(), true, {}, none));
    EXPECT_FALSE(ImportByHeading("", Table(), true, {}, none));
}
