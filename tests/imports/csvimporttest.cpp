// CSV import: small inline files, each with a comment on the trap it sets.

#include "posixonly.h"
#include "records/recordtesthelpers.h"

#include "imports/csvimport.h"
#include "records/units.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

enum Slot { QC = 0, ON = 1, KY = 2, KX = 3 };

TaxRateTable ImportTable()
{
    TaxRateTable table;
    table[QC] = TaxRate{"Quebec", "QC", TenThousandths{2020}, TenThousandths{1920}, 0, QC};
    table[ON] = TaxRate{"Ontario", "ON", TenThousandths{1430}, TenThousandths{1470}, 0, ON};
    table[KY] = TaxRate{"Kentucky", "KY", TenThousandths{2850}, TenThousandths{2600}, 0, KY};
    table[KX] = TaxRate{"KY Surcharge", "KX", TenThousandths{470}, TenThousandths{310}, 1, KX};
    return table;
}

constexpr ImportOptions kStateOdometer = ImportState | ImportOdometerIn;
constexpr ImportOptions kMetric = ImportDistanceInKm | ImportFuelInLitres;

class CsvImportTest : public ::testing::Test
{
protected:
    CsvImportTest() : doc(&rates) { rates.table() = ImportTable(); }

    Result Import(const std::string &text, ImportOptions options)
    {
        const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
        path = (std::filesystem::path(::testing::TempDir()) /
                (std::string("csvimport-") + info->name() + ".csv"))
                   .string();
        std::ofstream(path, std::ios::binary) << text;
        return ImportCsv(doc, path, options);
    }

    LoadedTaxTable rates;
    CIftaDoc doc;
    std::string path;
};

} // namespace

TEST(ImportOptionsTest, StartWithTheUsualSpreadsheetColumns)
{
    EXPECT_EQ(kDefaultImportOptions, ImportDate | ImportState | ImportFuel | ImportOdometerIn |
                                         ImportFuelInLitres | ImportDistanceInKm | ImportHeader);
}

TEST_F(CsvImportTest, EmptyNumberFieldReadsTheRestOfTheLine)
{
    // The blank after "qc" is trimmed away; the empty distance field is replaced by
    // ",45.5,1000", which begins with a comma and reads as 0. The odometer field has no
    // comma after it and reads the rest, "1000".
    const ImportOptions options =
        ImportDate | ImportState | ImportDistance | ImportFuel | ImportOdometerIn;
    const Result result = Import("2005/01/03,qc ,,45.5,1000\n", options);
    ASSERT_TRUE(result.ok()) << result.message;
    ASSERT_EQ(doc.entries().size(), 1u);
    const TripEntry &line = doc.entries()[0];
    EXPECT_EQ(line.tripNumber, 1);
    EXPECT_EQ(line.date, "2005/01/03");
    EXPECT_EQ(line.slot, QC);
    EXPECT_EQ(line.rate, TenThousandths{2020}); // diesel, the document's fuel type
    EXPECT_EQ(line.distance, 0u);
    EXPECT_EQ(line.fuel, Hundredths{4550});
    EXPECT_EQ(line.odometerIn, 1000);
    EXPECT_EQ(line.odometerOut, 0);
    // Neither "Km" nor "Litre" chosen: miles and US gallons, for the new lines too.
    EXPECT_EQ(line.distanceInMiles, 1);
    EXPECT_EQ(line.fuelInGallons, 1);
    EXPECT_EQ(ImportUnits(options), (EntryUnits{1, 1}));
    EXPECT_TRUE(doc.isModified());
}

TEST_F(CsvImportTest, ShortLineRepeatsItsLastTextAndTabsAreSkippedLikeBlanks)
{
    // Distance, fuel and odometer in all read the last text "120".
    const ImportOptions metric =
        ImportState | ImportDistance | ImportFuel | ImportOdometerIn | kMetric;
    ASSERT_TRUE(Import("QC,120\n", metric));
    EXPECT_EQ(doc.entries()[0].distance, 120u);
    EXPECT_EQ(doc.entries()[0].fuel, Hundredths{12000});
    EXPECT_EQ(doc.entries()[0].odometerIn, 120);
    EXPECT_EQ(ImportUnits(metric), (EntryUnits{0, 0}));

    // In a tab file the rest of the line after an empty distance begins with a tab, which
    // the number reading skips like a blank: the distance reads the fuel column.
    ASSERT_TRUE(Import("QC\t\t45\t7\n", ImportState | ImportDistance | ImportFuel | kMetric));
    EXPECT_EQ(doc.entries()[0].distance, 45u);
    EXPECT_EQ(doc.entries()[0].fuel, Hundredths{4500});
}

TEST_F(CsvImportTest, SeparatorComesFromTheFirstDataLine)
{
    // A tab-separated first line that starts with a tab has nothing before its tab, so the
    // comma decides, and the tab stays in the date text.
    ASSERT_TRUE(Import("\t2005/01/03,QC,5\n", ImportDate | ImportState | ImportDistance));
    EXPECT_EQ(doc.entries()[0].date, "\t2005/01/03");
    EXPECT_EQ(doc.entries()[0].distance, 5u);

    ASSERT_TRUE(Import("2005/01/03\tON\t7\n", ImportDate | ImportState | ImportDistance));
    EXPECT_EQ(doc.entries()[0].slot, ON);
    EXPECT_EQ(doc.entries()[0].distance, 7u);

    const Result none = Import("QC 100 20\n", ImportState | ImportDistance);
    EXPECT_FALSE(none.ok());
    EXPECT_EQ(none.message, "Only coma and tab separator supported. Exit.");
    const Result leadingTabOnly = Import("\tQC\t5\n", ImportState | ImportDistance);
    EXPECT_EQ(leadingTabOnly.message, "Only coma and tab separator supported. Exit.");
    EXPECT_TRUE(doc.entries().empty());
}

TEST_F(CsvImportTest, HeaderAndEmptyLinesAreSkippedAndCrLfIsAccepted)
{
    const std::string text = "\r\n\r\nDate,State,Fuel,Odometer\r\n\r\n"
                             "2005/01/03,QC,45.5,1000\r\n\r\n2005/01/04,ON,20,1100\r\n";
    ASSERT_TRUE(Import(text, kDefaultImportOptions));
    ASSERT_EQ(doc.entries().size(), 2u);
    EXPECT_EQ(doc.entries()[1].date, "2005/01/04");
    EXPECT_EQ(doc.entries()[1].slot, ON);
    EXPECT_EQ(doc.entries()[0].odometerOut, 1100);
    EXPECT_EQ(doc.entries()[0].distance, 100u);
    EXPECT_EQ(doc.entries()[1].odometerIn, 1100);

    // Only a header, or nothing at all: no lines, and nothing to complain about.
    EXPECT_TRUE(Import("Date,State,Fuel,Odometer\n", kDefaultImportOptions).ok());
    EXPECT_TRUE(doc.entries().empty());
    EXPECT_TRUE(Import("", kDefaultImportOptions).ok());
    EXPECT_TRUE(doc.entries().empty());
}

TEST_F(CsvImportTest, OdometersAndDistancesAreCompletedFromTheNextLine)
{
    ASSERT_TRUE(Import("QC,1000\nQC,1200\nON,1500\n", kStateOdometer | kMetric));
    ASSERT_EQ(doc.entries().size(), 3u);
    EXPECT_EQ(doc.entries()[0].odometerOut, 1200);
    EXPECT_EQ(doc.entries()[0].distance, 200u);
    EXPECT_EQ(doc.entries()[1].odometerOut, 1500);
    EXPECT_EQ(doc.entries()[1].distance, 300u);
    // The last line has no follower.
    EXPECT_EQ(doc.entries()[2].odometerOut, 0);
    EXPECT_EQ(doc.entries()[2].distance, 0u);
    EXPECT_FALSE(doc.undo().canUndo());

    // A missing odometer in comes from the line before; a given distance is kept.
    ASSERT_TRUE(Import("QC,50,1000,1300\nON,60,0,1500\n",
                       ImportState | ImportDistance | ImportOdometerIn | ImportOdometerOut));
    EXPECT_EQ(doc.entries()[0].distance, 50u);
    EXPECT_EQ(doc.entries()[1].odometerIn, 1300);
}

TEST_F(CsvImportTest, OdometerRunningBackwardsGivesNoDistance)
{
    // 1500 then 1200: out lies below in. The distance must not wrap to 4294966996.
    ASSERT_TRUE(Import("QC,1500\nQC,1200\n", kStateOdometer | kMetric));
    EXPECT_EQ(doc.entries()[0].odometerOut, 1200);
    EXPECT_EQ(doc.entries()[0].distance, 0u);
    // Nor does a negative distance typed into the sheet.
    ASSERT_TRUE(Import("QC,-40\n", ImportState | ImportDistance));
    EXPECT_EQ(doc.entries()[0].distance, 0u);
}

TEST_F(CsvImportTest, SurchargeLinesFollowTheirJurisdictionAndNumbersRunOn)
{
    CompanyInfo gasoline = doc.company();
    gasoline.diesel = 0;
    gasoline.gasoline = 1;
    doc.setCompany(gasoline);
    ASSERT_TRUE(Import("QC,100,30\nKY,250,40\nON,80,10\n",
                       ImportState | ImportDistance | ImportFuel | kMetric));
    ASSERT_EQ(doc.entries().size(), 4u);
    const TripEntry &kentucky = doc.entries()[1];
    const TripEntry &surcharge = doc.entries()[2];
    EXPECT_EQ(kentucky.slot, KY);
    EXPECT_EQ(kentucky.rate, TenThousandths{2600}); // gasoline
    EXPECT_EQ(surcharge.slot, KX);
    EXPECT_EQ(surcharge.surcharge, 1);
    EXPECT_EQ(surcharge.rate, TenThousandths{310});
    EXPECT_EQ(surcharge.distance, 250u);
    EXPECT_EQ(surcharge.fuel, Hundredths{0});
    for (size_t i = 0; i < doc.entries().size(); ++i)
        EXPECT_EQ(doc.entries()[i].tripNumber, static_cast<int32_t>(i + 1));
    EXPECT_EQ(doc.entries()[3].slot, ON);

    // Surcharge lines at both ends and side by side.
    ASSERT_TRUE(Import("KY,10\nKY,20\nQC,30\nKY,40\n", ImportState | ImportDistance | kMetric));
    std::vector<std::pair<int32_t, uint32_t>> slotsAndDistances;
    for (const TripEntry &line : doc.entries())
        slotsAndDistances.emplace_back(line.slot, line.distance);
    EXPECT_EQ(slotsAndDistances,
              (std::vector<std::pair<int32_t, uint32_t>>{
                  {KY, 10}, {KX, 10}, {KY, 20}, {KX, 20}, {QC, 30}, {KY, 40}, {KX, 40}}));
    EXPECT_EQ(doc.entries().back().tripNumber, 7);
}

TEST_F(CsvImportTest, WrongAbbreviationStopsKeepingTheLinesBefore)
{
    // The lines before the bad one stay, uncompleted and without surcharge lines.
    const Result result = Import("KY,1000\nQC,1200\nq,1300\nON,1400\n", kStateOdometer);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.message,
              "Wrong State abbreviation field:<Q>.\nEdit the file and try again. Exit.");
    ASSERT_EQ(doc.entries().size(), 2u);
    EXPECT_EQ(doc.entries()[0].odometerOut, 0);
    EXPECT_EQ(doc.entries()[1].tripNumber, 2);

    // Two letters that name no slot.
    EXPECT_EQ(Import("ZZ,1\n", kStateOdometer).message,
              "Wrong State abbreviation field:<ZZ>.\nEdit the file and try again. Exit.");
    // The abbreviation is taken only up to a separator: a line ending with it reads empty.
    EXPECT_EQ(Import("2005/01/03,QC\n", ImportDate | ImportState).message,
              "Wrong State abbreviation field:<>.\nEdit the file and try again. Exit.");
}

TEST_F(CsvImportTest, FuelIsReadExactlyAndAnAmountBeyondTheLimitIsRefused)
{
    const ImportOptions fuel = ImportState | ImportFuel | kMetric;
    // Three decimals round half up; two signs are no number, as atof reads them.
    ASSERT_TRUE(Import("QC,6.825\nQC,--5\nON,+-5\n", fuel));
    EXPECT_EQ(doc.entries()[0].fuel, Hundredths{683});
    EXPECT_EQ(doc.entries()[1].fuel, Hundredths{0});
    EXPECT_EQ(doc.entries()[2].fuel, Hundredths{0});

    const Result huge = Import("QC,12\nQC,1e40\n", fuel);
    EXPECT_FALSE(huge.ok());
    EXPECT_EQ(huge.message,
              "The fuel amount <1e40> is too large.\nEdit the file and try again. Exit.");
}

TEST_F(CsvImportTest, FileThatCannotBeOpenedSaysWhy)
{
    recordtest::TempFolder folder;
    const std::string missing = folder.file("no-such-folder/trips.csv");
    const std::string dir = folder.file("trips");
    ASSERT_TRUE(std::filesystem::create_directory(PathFromUtf8(dir)));
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {missing, "The file " + missing + " does not exist."},
        {dir, "The file " + dir + " is a folder."},
    };
    for (const auto &c : cases) {
        doc.replaceEntries(CIftaDoc::Entries(3));
        const Result result = ImportCsv(doc, c.path, kDefaultImportOptions);
        EXPECT_EQ(result.status, Result::Status::CannotOpen);
        EXPECT_EQ(result.message, c.message);
        EXPECT_TRUE(doc.entries().empty());
    }
#ifndef _WIN32
    // A file that is there but cannot be read keeps the old words.
    const std::string locked = folder.file("locked.csv");
    recordtest::spit(locked, "QC,1\n");
    ::chmod(locked.c_str(), 0);
    if (!RunningAsRoot()) {
        const Result result = ImportCsv(doc, locked, kDefaultImportOptions);
        EXPECT_EQ(result.message,
                  "The file " + locked + " is locked.\nClose the file and try again.");
    }
#endif
}

TEST_F(CsvImportTest, OdometersThatGiveNoFittingDistanceGiveZeroAndANote)
{
    // Readings far apart (the distance would not fit) or running backwards: 0, counted.
    const Result far = Import("QC,-2147483648\nQC,2147483647\nQC,2147483647\n", kStateOdometer);
    ASSERT_TRUE(far.ok()) << far.message;
    EXPECT_EQ(doc.entries()[0].distance, 0u);
    EXPECT_EQ(far.message, ZeroedDistancesNote(1));
    EXPECT_EQ(
        far.message,
        "1 line has a distance of 0: the odometer readings run backwards or are too far apart.");

    const Result mixed = Import("QC,500\nQC,100\nQC,150\nQC,90\n", kStateOdometer);
    ASSERT_TRUE(mixed.ok());
    EXPECT_EQ(doc.entries()[0].distance, 0u);
    EXPECT_EQ(doc.entries()[1].distance, 50u);
    EXPECT_EQ(mixed.message, ZeroedDistancesNote(2));

    const Result plain = Import("QC,100\nQC,150\n", kStateOdometer);
    EXPECT_EQ(plain.message, "");
}

TEST_F(CsvImportTest, Utf8TextIsReadAsTheProgramsText)
{
    // A name in a message comes out as its characters, not as the bytes of its UTF-8.
    for (const std::string head : {"\xEF\xBB\xBF", ""}) {
        const Result bad = Import(head + "QC,1\nQ\xC3\x89,2\n", ImportState | ImportFuel);
        EXPECT_EQ(bad.message,
                  "Wrong State abbreviation field:<Q\xC9>.\nEdit the file and try again. Exit.");
    }
    // Bytes that are not UTF-8 stay Windows-1252.
    const Result cp1252 = Import("QC,1\nQ\xC9,2\n", ImportState | ImportFuel);
    EXPECT_EQ(cp1252.message,
              "Wrong State abbreviation field:<Q\xC9>.\nEdit the file and try again. Exit.");
}
