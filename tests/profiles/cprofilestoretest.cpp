#include "profiles/cprofilestore.h"
#include "platform/platformfile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

constexpr size_t kHeader = 24;
constexpr size_t kRecord = 508;

class ProfileStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir_ = PathFromUtf8(
            MakeTemporaryFolder(fs::temp_directory_path().u8string(), "tollmark-profiles-"));
        ASSERT_FALSE(dir_.empty());
        path_ = Utf8FromPath(dir_ / "ifta.usr");
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string bytes() const { return bytesOf(path_); }
    static std::string bytesOf(const std::string &path)
    {
        std::ifstream in(PathFromUtf8(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void write(const std::string &path, const std::string &content)
    {
        std::ofstream(PathFromUtf8(path), std::ios::binary) << content;
    }
    static uint32_t u32(const std::string &b, size_t at)
    {
        return GetUint32(reinterpret_cast<const uint8_t *>(b.data() + at));
    }
    static std::string text(const std::string &b, size_t at) { return std::string(b.c_str() + at); }

    static ProfileRecord profile(const std::string &name, int32_t fuel = 1)
    {
        ProfileRecord p;
        p.companyName = name;
        p.address = "12 " + name + " Road";
        p.city = "Laval";
        p.provinceState = "QC";
        p.country = "Canada";
        p.postalCode = "H7A 1A1";
        p.phone = "450-555-0101";
        p.iftaNumber = "IFTA-" + name;
        p.fuelType = fuel;
        return p;
    }
    // A store holding three profiles A, B, C.
    void addThree(CProfileStore &store)
    {
        ASSERT_TRUE(store.open(path_));
        for (const char *name : {"Alpha", "Bravo", "Charlie"})
            ASSERT_TRUE(store.addProfile(profile(name)));
    }

    fs::path dir_;
    std::string path_;
};

const std::string kEmptyHeader("\x00\x00\x00\x00\xfc\x01\x00\x00\x0c\x00\x00\x00"
                               "\x23\xf0\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00",
                               24);

} // namespace

TEST_F(ProfileStoreTest, MissingOrEmptyFileBecomesA24ByteStore)
{
    CProfileStore store;
    ASSERT_TRUE(store.open(path_));
    EXPECT_TRUE(store.isOpen());
    EXPECT_TRUE(store.profiles().empty());
    EXPECT_EQ(bytes(), kEmptyHeader); // 0, 508, 12, 61475, 0, 0
    store.close();

    const std::string empty = (dir_ / "empty.usr").string();
    write(empty, "");
    ASSERT_TRUE(store.open(empty));
    EXPECT_EQ(bytesOf(empty), kEmptyHeader);
}

TEST_F(ProfileStoreTest, ThreeAddsWriteHeaderCountAndRecordIndexes)
{
    CProfileStore store;
    addThree(store);
    const std::string b = bytes();
    ASSERT_EQ(b.size(), kHeader + 3 * kRecord);
    EXPECT_EQ(u32(b, 0), 3u);
    EXPECT_EQ(b.substr(4, 20), kEmptyHeader.substr(4, 20));
    const char *names[] = {"Alpha", "Bravo", "Charlie"};
    for (size_t n = 0; n < 3; ++n) {
        const size_t r = kHeader + n * kRecord;
        EXPECT_EQ(u32(b, r), 61475u);
        EXPECT_EQ(text(b, r + 20), names[n]);
        EXPECT_EQ(text(b, r + 116), "Laval");
        EXPECT_EQ(text(b, r + 188), "H7A 1A1");
        EXPECT_EQ(text(b, r + 216), std::string("IFTA-") + names[n]);
        EXPECT_EQ(u32(b, r + 252), 1u);
        EXPECT_EQ(u32(b, r + 256), n) << "recordIndex of record " << n;
        EXPECT_EQ(u32(b, r + 264), 0u);
    }
    for (size_t n = 0; n < 3; ++n)
        EXPECT_EQ(store.profiles()[n].recordIndex, static_cast<int32_t>(n));

    // A second run reads the same list back.
    store.close();
    CProfileStore again;
    ASSERT_TRUE(again.open(path_));
    ASSERT_EQ(again.profiles().size(), 3u);
    EXPECT_EQ(again.profiles()[2].companyName, "Charlie");
    EXPECT_EQ(again.profiles()[2].phone, "450-555-0101");
    EXPECT_EQ(again.profiles()[2].recordIndex, 2);
}

TEST_F(ProfileStoreTest, MiddleDeleteRenumbersAndWritesTheStoreAnew)
{
    CProfileStore store;
    addThree(store);
    ASSERT_TRUE(store.deleteProfile(1));

    // A new file of exactly the profiles left, renamed over the old one.
    const std::string b = bytes();
    ASSERT_EQ(b.size(), kHeader + 2 * kRecord);
    EXPECT_EQ(u32(b, 0), 2u);
    EXPECT_EQ(text(b, kHeader + 20), "Alpha");
    EXPECT_EQ(text(b, kHeader + kRecord + 20), "Charlie");
    EXPECT_EQ(u32(b, kHeader + kRecord + 256), 1u);
    ASSERT_EQ(store.profiles().size(), 2u);
    EXPECT_EQ(store.profiles()[1].companyName, "Charlie");
    EXPECT_EQ(store.profiles()[1].recordIndex, 1);
    EXPECT_FALSE(store.deleteProfile(2)); // no such position
}

TEST_F(ProfileStoreTest, DeletingTheLastThenAddingLosesNothing)
{
    CProfileStore store;
    ASSERT_TRUE(store.open(path_));
    ASSERT_TRUE(store.addProfile(profile("Alpha")));
    ASSERT_TRUE(store.deleteProfile(0));
    std::string b = bytes();
    EXPECT_EQ(u32(b, 0), 0u);
    EXPECT_EQ(b.size(), kHeader);
    EXPECT_TRUE(store.profiles().empty());
    EXPECT_FALSE(store.isOpen());

    ASSERT_TRUE(store.addProfile(profile("Delta", 2)));
    b = bytes();
    EXPECT_EQ(u32(b, 0), 1u);
    EXPECT_EQ(text(b, kHeader + 20), "Delta");
    EXPECT_EQ(u32(b, kHeader + 252), 2u);

    // The same after the file was let go by DeleteContents.
    store.DeleteContents();
    EXPECT_FALSE(store.isOpen());
    EXPECT_EQ(u32(bytes(), 0), 0u);
    ASSERT_TRUE(store.addProfile(profile("Echo")));
    EXPECT_TRUE(store.isOpen());
    EXPECT_EQ(u32(bytes(), 0), 1u);
    ASSERT_EQ(store.profiles().size(), 1u);
    EXPECT_EQ(store.profiles()[0].companyName, "Echo");
}

// Once the last profile is deleted the file is let go; when another instance has taken it
// meanwhile, the add is refused with a reason and the other's file is not touched.
TEST_F(ProfileStoreTest, AddAfterTheFileWasTakenElsewhereIsRefused)
{
    CProfileStore store(std::chrono::milliseconds(50)); // the other store holds on
    ASSERT_TRUE(store.open(path_));
    ASSERT_TRUE(store.addProfile(profile("Alpha")));
    ASSERT_TRUE(store.deleteProfile(0));

    CProfileStore other;
    ASSERT_TRUE(other.open(path_));
    const std::string held = bytes();
    const Result added = store.addProfile(profile("Bravo"));
    EXPECT_FALSE(added);
    EXPECT_NE(added.message.find("in use"), std::string::npos) << added.message;
    EXPECT_TRUE(store.profiles().empty());
    EXPECT_EQ(bytes(), held);
}

TEST_F(ProfileStoreTest, ProfilesHoldingNewlineAndEndOfFileBytesComeBackWhole)
{
    // A fuel type of 10 is the byte 0x0A, which a text-mode file (Windows' default)
    // wrote as 0D 0A, shifting every record after it; 0x1A ended a text-mode read.
    ProfileRecord odd = profile("Transport\x1a Nord", 10);
    odd.notes = "line one\r\nline two\n";
    odd.startOdometer = 0x1A0A;
    {
        CProfileStore store;
        ASSERT_TRUE(store.open(path_));
        ASSERT_TRUE(store.addProfile(odd));
        ASSERT_TRUE(store.addProfile(profile("After", 26)));
    }
    const std::string b = bytes();
    ASSERT_EQ(b.size(), kHeader + 2 * kRecord);
    EXPECT_EQ(u32(b, kHeader + 252), 10u);
    EXPECT_EQ(u32(b, kHeader + kRecord + 252), 26u);
    EXPECT_EQ(text(b, kHeader + 380), "line one\r\nline two\n"); // kept, not read back

    CProfileStore again;
    ASSERT_TRUE(again.open(path_));
    ASSERT_EQ(again.profiles().size(), 2u);
    const ProfileRecord &back = again.profiles()[0];
    EXPECT_EQ(back.companyName, "Transport\x1a Nord");
    EXPECT_EQ(back.fuelType, 10);
    EXPECT_EQ(back.startOdometer, 0x1A0A);
    EXPECT_EQ(again.profiles()[1].companyName, "After");
    EXPECT_EQ(again.profiles()[1].fuelType, 26);
}

TEST_F(ProfileStoreTest, AnAccentedFileNameIsThatNameOnDisk)
{
    const std::string path = Utf8FromPath(dir_ / PathFromUtf8("Qu\xc3\xa9"
                                                              "bec.usr"));
    {
        CProfileStore store;
        ASSERT_TRUE(store.open(path));
        ASSERT_TRUE(store.addProfile(profile("Alpha")));
    }
    EXPECT_TRUE(fs::exists(dir_ / PathFromUtf8("Qu\xc3\xa9"
                                               "bec.usr")));
    CProfileStore again;
    ASSERT_TRUE(again.open(path));
    ASSERT_EQ(again.profiles().size(), 1u);
}

TEST_F(ProfileStoreTest, ASecondStoreCannotOpenAHeldFile)
{
    CProfileStore first;
    addThree(first);
    const std::string held = bytes();

    CProfileStore second(std::chrono::milliseconds(50));
    Result r = second.open(path_);
    EXPECT_FALSE(r);
    EXPECT_NE(r.message.find("in use"), std::string::npos) << r.message;
    EXPECT_FALSE(second.isOpen());
    EXPECT_EQ(bytes(), held);
    EXPECT_FALSE(second.CreateStoreFile(path_));
    EXPECT_EQ(bytes(), held);

    first.close();
    ASSERT_TRUE(second.open(path_));
    EXPECT_EQ(second.profiles().size(), 3u);
}

TEST_F(ProfileStoreTest, BadHeadersAreRefusedAndNeverTruncated)
{
    const std::string shortFile = "hello"; // under 12 bytes
    std::string wrongRecord = kEmptyHeader;
    wrongRecord[4] = '\xf4'; // record length 500
    std::string wrongExtra = kEmptyHeader;
    wrongExtra[8] = 0;                                 // no extra header
    std::string extraCut = kEmptyHeader.substr(0, 16); // extra header cut short
    for (const std::string &content : {shortFile, wrongRecord, wrongExtra, extraCut}) {
        write(path_, content);
        CProfileStore store;
        EXPECT_FALSE(store.open(path_));
        EXPECT_FALSE(store.isOpen());
        EXPECT_EQ(bytes(), content);
        EXPECT_FALSE(store.addProfile(profile("Alpha")));
        EXPECT_EQ(bytes(), content);
    }

    // Something that exists but cannot be opened as a file is not replaced either.
    CProfileStore store;
    EXPECT_FALSE(store.open(dir_.string()));
    EXPECT_TRUE(fs::is_directory(dir_));

    // CreateStoreFile never empties a file with content.
    write(path_, kEmptyHeader + std::string(kRecord, 'x'));
    EXPECT_FALSE(store.CreateStoreFile(path_));
    EXPECT_EQ(bytes().size(), kHeader + kRecord);
}

TEST_F(ProfileStoreTest, AHeaderCountingMissingRecordsLoadsOnlyThosePresent)
{
    {
        CProfileStore store;
        addThree(store);
    }
    // Cut the file after two and a half records; the header still counts three.
    std::string b = bytes();
    write(path_, b.substr(0, kHeader + 2 * kRecord + kRecord / 2));

    CProfileStore store;
    ASSERT_TRUE(store.open(path_));
    ASSERT_EQ(store.profiles().size(), 2u);
    EXPECT_EQ(store.recordCount(), 2u);
    ASSERT_TRUE(store.addProfile(profile("Foxtrot")));
    b = bytes();
    EXPECT_EQ(u32(b, 0), 3u);
    EXPECT_EQ(text(b, kHeader + 2 * kRecord + 20), "Foxtrot");
    EXPECT_EQ(u32(b, kHeader + 2 * kRecord + 256), 2u);
    EXPECT_EQ(b.size(), kHeader + 3 * kRecord);
}

TEST(ProfileRecordTest, FileRecordKeepsEveryFieldAndCutsLongTexts)
{
    ProfileRecord p;
    p.signature = 7; // not stored: the record always starts with 61475
    p.periodFrom = {2026, 4, 1};
    p.periodTo = {2026, 6, 30};
    p.companyName = std::string(60, 'N');
    p.postalCode = "123456789";
    p.notes = "kept in the file, not read back";
    p.startOdometer = -5;
    p.year = 2026;
    p.quarter = 2;
    p.fuelType = 2;
    p.recordIndex = 9;
    p.useOdometer = 1;

    const auto record = CProfileStore::ToFileRecord(p);
    EXPECT_EQ(GetUint32(record.data()), 61475u);
    EXPECT_EQ(GetUint16(record.data() + 14), 2026);
    EXPECT_EQ(record[20 + 47], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(record.data()) + 380), p.notes);

    const ProfileRecord back = CProfileStore::FromFileRecord(record.data());
    EXPECT_EQ(back.signature, 61475u);
    EXPECT_EQ(back.periodFrom, p.periodFrom);
    EXPECT_EQ(back.periodTo, p.periodTo);
    EXPECT_EQ(back.companyName, std::string(47, 'N'));
    EXPECT_EQ(back.postalCode, "1234567");
    EXPECT_EQ(back.startOdometer, -5);
    EXPECT_EQ(back.year, 2026);
    EXPECT_EQ(back.quarter, 2);
    EXPECT_EQ(back.fuelType, 2);
    EXPECT_EQ(back.recordIndex, 9);
    EXPECT_EQ(back.useOdometer, 1);
    EXPECT_TRUE(back.notes.empty());
}
