// Merging record files into one return: numbering, which header holds, refused files.

#include "formats/recordmerge.h"
#include "formats/recordfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

TripEntry StoredLine(int32_t tripNumber, int32_t slot, uint32_t distance)
{
    TripEntry line;
    line.tripNumber = tripNumber;
    line.date = "2005/02/14";
    line.slot = slot;
    line.distance = distance;
    line.fuel = Hundredths{1250};
    line.rate = TenThousandths{1520};
    line.odometerOut = 90000 + static_cast<int32_t>(distance);
    return line;
}

class RecordMergeTest : public ::testing::Test
{
protected:
    std::string PathFor(const std::string &name) const
    {
        const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
        return (std::filesystem::path(::testing::TempDir()) /
                (std::string("merge-") + info->name() + "-" + name))
            .string();
    }

    // A record file of the current layout whose stored trip numbers start at 7, so the
    // merge visibly renumbers them.
    std::string WriteFile(const std::string &name, const std::string &company, int quarter,
                          uint32_t fuelCode, std::vector<uint32_t> distances)
    {
        CIftaDoc source(&rates);
        CompanyInfo info;
        info.companyName = company;
        info.startOdometer = 1000 * quarter;
        info.setFuelCode(fuelCode);
        source.setCompany(info);
        source.setRecordPeriod(TaxPeriod{2006, quarter, "Canada"});
        CIftaDoc::Entries lines;
        int32_t number = 7;
        for (uint32_t distance : distances)
            lines.push_back(StoredLine(number++, quarter, distance));
        source.replaceEntries(std::move(lines));
        const std::string path = PathFor(name);
        EXPECT_TRUE(WriteRecordFile(source, path).ok());
        return path;
    }

    std::string WriteBytes(const std::string &name, const std::string &bytes)
    {
        const std::string path = PathFor(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::vector<uint32_t> Distances() const
    {
        std::vector<uint32_t> distances;
        for (const TripEntry &line : doc.entries())
            distances.push_back(line.distance);
        return distances;
    }

    LoadedTaxTable rates;
    CIftaDoc doc{&rates};
};

} // namespace

TEST_F(RecordMergeTest, LinesAreRenumberedInOrderAndTheLastHeaderHolds)
{
    const std::string first = WriteFile("truck1.irc", "Truck one", 1, FuelCodeDiesel, {10, 20, 30});
    const std::string second = WriteFile("truck2.irc", "Truck two", 3, FuelCodeGasoline, {40, 50});
    ASSERT_TRUE(MergeFile(doc, first).ok());
    EXPECT_EQ(doc.recordPeriod().quarter, 1);
    ASSERT_TRUE(MergeFile(doc, second).ok());

    EXPECT_EQ(Distances(), (std::vector<uint32_t>{10, 20, 30, 40, 50}));
    for (size_t i = 0; i < doc.entries().size(); ++i)
        EXPECT_EQ(doc.entries()[i].tripNumber, static_cast<int32_t>(i + 1));
    EXPECT_EQ(doc.mergeCounter(), 5);
    // Files of different quarters merge without a word; the last one's header holds.
    EXPECT_EQ(doc.company().companyName, "Truck two");
    EXPECT_EQ(doc.recordPeriod().year, 2006);
    EXPECT_EQ(doc.recordPeriod().quarter, 3);
    EXPECT_EQ(doc.company().gasoline, 1);
    EXPECT_EQ(doc.company().diesel, 0);
    EXPECT_EQ(doc.sourcePath(), std::filesystem::absolute(second).lexically_normal().string());
    // The odometer state comes from the header, not from the merged lines.
    EXPECT_EQ(doc.currentOdometer(), 3000);
    EXPECT_TRUE(doc.isModified());
    // Slots, rates and units stay as stored.
    EXPECT_EQ(doc.entries()[4].slot, 3);
    EXPECT_EQ(doc.entries()[4].rate, TenThousandths{1520});
}

TEST_F(RecordMergeTest, SameFileTwiceDuplicatesItsLines)
{
    const std::string file = WriteFile("truck.irc", "Truck", 2, FuelCodeDiesel, {10, 20});
    ASSERT_TRUE(MergeFile(doc, file).ok());
    ASSERT_TRUE(MergeFile(doc, file).ok());
    EXPECT_EQ(Distances(), (std::vector<uint32_t>{10, 20, 10, 20}));
    EXPECT_EQ(doc.entries()[3].tripNumber, 4);
}

TEST_F(RecordMergeTest, RefusedFileClearsCompanyButKeepsEarlierLines)
{
    const std::string good = WriteFile("good.irc", "Good", 1, FuelCodeDiesel, {10, 20, 30});
    const std::string later = WriteFile("later.irc", "Later", 2, FuelCodeDiesel, {40});
    // The older 332-byte layout does not merge, however well-formed its lines are.
    std::string older(kOlderHeaderSize, '\0');
    older[0] = '\x22';
    older[1] = '\xF0';
    older += "1,2005/01/01,,0,0,0,0,99,1.00,0.1000,0,0,\n";
    const std::string olderPath = WriteBytes("older.irc", older);
    const std::string textPath = WriteBytes("notes.irc", "just some text\n");

    ASSERT_TRUE(MergeFile(doc, good).ok());
    for (const std::string &refused : {olderPath, textPath}) {
        const Result result = MergeFile(doc, refused);
        EXPECT_EQ(result.status, Result::Status::BadFormat);
        EXPECT_EQ(result.message, "Incompatible file format");
        EXPECT_EQ(doc.company().companyName, "");
        EXPECT_TRUE(doc.sourcePath().empty());
        EXPECT_FALSE(doc.isModified());
        EXPECT_EQ(doc.entries().size(), 3u);
    }
    // The next good file continues the numbering.
    ASSERT_TRUE(MergeFile(doc, later).ok());
    EXPECT_EQ(doc.entries().back().tripNumber, 4);
    EXPECT_EQ(doc.company().companyName, "Later");
}

TEST_F(RecordMergeTest, UnreadableFileLeavesTheDocumentAsItWas)
{
    const std::string good = WriteFile("good.irc", "Good", 1, FuelCodeDiesel, {10});
    ASSERT_TRUE(MergeFile(doc, good).ok());
    const Result result = MergeFile(doc, PathFor("missing.irc"));
    EXPECT_EQ(result.status, Result::Status::CannotOpen);
    EXPECT_FALSE(result.message.empty());
    EXPECT_EQ(doc.company().companyName, "Good");
    EXPECT_EQ(doc.entries().size(), 1u);
    EXPECT_TRUE(doc.isModified());
}
