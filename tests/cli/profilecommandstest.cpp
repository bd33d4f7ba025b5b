// tollmark-cli dump-profiles, profiles-add and profiles-delete, run as a program: the bytes
// of the profiles file through create, adds and deletes, a file held by another store,
// refused files left untouched. (Usage errors: usageerrorstest.cpp.)

#include "profiles/cprofilestore.h"

#include "cli/clirun.h"
#include "cli/commands.h"
#include "cli/inprocesscli.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr size_t kHeader = 24;
constexpr size_t kRecord = 508;

const std::string kEmptyHeader("\x00\x00\x00\x00\xfc\x01\x00\x00\x0c\x00\x00\x00"
                               "\x23\xf0\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00",
                               24);

void WriteBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

uint32_t U32(const std::string &bytes, size_t at)
{
    return GetUint32(reinterpret_cast<const uint8_t *>(bytes.data() + at));
}

std::string TextAt(const std::string &bytes, size_t at)
{
    return std::string(bytes.c_str() + at);
}

class ProfileCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::path(::testing::TempDir()) / (std::string("cli-") + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "ifta.usr").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    CliRun Run(const std::vector<std::string> &args) const
    {
        return RunCli(args, (dir_ / "stderr.txt").string());
    }

    void Add(const std::string &name, const std::string &fuel = "1")
    {
        const CliRun run =
            Run({"profiles-add", path_, "--companyName", name, "--city", "Laval", "--provinceState",
                 "QC", "--country", "Canada", "--iftaNumber", "IFTA-" + name, "--fuelType", fuel});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(run.out.empty());
    }

    // `args` parsed as tollmark-cli parses a subcommand's arguments.
    static CliArgs Parsed(std::vector<std::string> args, const CliOptions &options = {})
    {
        std::vector<char *> pointers;
        for (std::string &arg : args)
            pointers.push_back(arg.data());
        CliArgs parsed;
        EXPECT_TRUE(parsed.parse(static_cast<int>(pointers.size()), pointers.data(), options))
            << parsed.error();
        return parsed;
    }

    std::filesystem::path dir_;
    std::string path_;
};

} // namespace

TEST_F(ProfileCommandsTest, CreateAddDeleteKeepTheFixedLengthLayout)
{
    // An empty file takes the 24-byte header 0, 508, 12, 61475, 0, 0 with the first add.
    WriteBytes(path_, "");
    for (const char *name : {"Alpha", "Bravo", "Charlie"})
        Add(name);
    std::string b = ReadBytes(path_);
    ASSERT_EQ(b.size(), kHeader + 3 * kRecord);
    EXPECT_EQ(U32(b, 0), 3u);
    EXPECT_EQ(b.substr(4, 20), kEmptyHeader.substr(4, 20));
    const char *names[] = {"Alpha", "Bravo", "Charlie"};
    for (size_t n = 0; n < 3; ++n) {
        const size_t r = kHeader + n * kRecord;
        EXPECT_EQ(U32(b, r), 61475u);
        EXPECT_EQ(TextAt(b, r + 20), names[n]);
        EXPECT_EQ(TextAt(b, r + 116), "Laval");
        EXPECT_EQ(TextAt(b, r + 140), "QC");
        EXPECT_EQ(TextAt(b, r + 164), "Canada");
        EXPECT_EQ(TextAt(b, r + 216), std::string("IFTA-") + names[n]);
        EXPECT_EQ(U32(b, r + 252), 1u);
        EXPECT_EQ(U32(b, r + 256), n);
    }

    // The middle one goes: Charlie moves to index 1 of a file written anew.
    const std::string beforeDelete = b;
    CliRun run = Run({"profiles-delete", path_, "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    b = ReadBytes(path_);
    ASSERT_EQ(b.size(), kHeader + 2 * kRecord);
    EXPECT_EQ(U32(b, 0), 2u);
    EXPECT_EQ(b.substr(kHeader, kRecord), beforeDelete.substr(kHeader, kRecord));
    EXPECT_EQ(TextAt(b, kHeader + kRecord + 20), "Charlie");
    EXPECT_EQ(U32(b, kHeader + kRecord + 256), 1u);

    // Deleting the rest leaves a header that counts nothing.
    ASSERT_EQ(Run({"profiles-delete", path_, "1"}).exitCode, 0);
    ASSERT_EQ(Run({"profiles-delete", path_, "0"}).exitCode, 0);
    b = ReadBytes(path_);
    EXPECT_EQ(b, kEmptyHeader);

    // A later add takes the first record place again.
    Add("Delta", "2");
    b = ReadBytes(path_);
    EXPECT_EQ(U32(b, 0), 1u);
    EXPECT_EQ(TextAt(b, kHeader + 20), "Delta");
    EXPECT_EQ(U32(b, kHeader + 252), 2u);
    EXPECT_EQ(U32(b, kHeader + 256), 0u);
}

TEST_F(ProfileCommandsTest, DumpShowsHeaderAndEveryFieldInUtf8)
{
    // The file holds Windows-1252 bytes ("é" is one byte); the JSON shows UTF-8.
    ASSERT_EQ(Run({"profiles-add", path_, "--companyName", "Café Nord", "--address", "1 rue Main",
                   "--postalCode", "H7A 1A1", "--phone", "450-555-0101", "--fuelType", "2"})
                  .exitCode,
              0);
    EXPECT_EQ(TextAt(ReadBytes(path_), kHeader + 20), "Caf\xe9 Nord");

    const CliRun run = Run({"dump-profiles", path_});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, R"({
  "recordCount": 1,
  "recordLength": 508,
  "extraHeaderLength": 12,
  "extraHeader": [
    61475,
    0,
    0
  ],
  "profiles": [
    {
      "signature": 61475,
      "periodFrom": [
        0,
        0,
        0
      ],
      "periodTo": [
        0,
        0,
        0
      ],
      "companyName": "Café Nord",
      "address": "1 rue Main",
      "city": "",
      "provinceState": "",
      "country": "",
      "postalCode": "H7A 1A1",
      "phone": "450-555-0101",
      "iftaNumber": "",
      "notes": "",
      "startOdometer": 0,
      "year": 0,
      "quarter": 0,
      "fuelType": 2,
      "recordIndex": 0,
      "useOdometer": 0
    }
  ]
}
)");
}

TEST_F(ProfileCommandsTest, FileHeldByAnotherStoreIsLeftAlone)
{
    Add("Alpha");
    const std::string held = ReadBytes(path_);
    {
        CProfileStore other; // another instance of the program holds the file
        ASSERT_TRUE(other.open(path_));
        // The two commands that take the store, run here with a short wait for it (the
        // refusal from another process: secondinstancetest.cpp).
        const std::chrono::milliseconds wait(50);
        const CliRun add = RunCaught([&] {
            return ProfilesAdd(
                Parsed({path_, "--companyName", "Bravo"}, {{"companyName"}, {}, {}, {}}), wait);
        });
        const CliRun remove = RunCaught([&] { return ProfilesDelete(Parsed({path_, "0"}), wait); });
        for (const CliRun &run : {add, remove}) {
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_EQ(run.err, "The file " + path_ + " is in use by another program.\n");
            EXPECT_EQ(ReadBytes(path_), held);
        }
        // A look at the file takes no lock and needs no write access: it reads while the
        // store is held.
        const CliRun dump = RunCliInProcess({"dump-profiles", path_});
        EXPECT_EQ(dump.exitCode, 0) << dump.err;
        EXPECT_NE(dump.out.find("\"companyName\": \"Alpha\""), std::string::npos) << dump.out;
        EXPECT_EQ(ReadBytes(path_), held);
    }
    // Once it has been let go, the add goes through.
    Add("Bravo");
    EXPECT_EQ(U32(ReadBytes(path_), 0), 2u);
}

TEST_F(ProfileCommandsTest, ForeignFilesAreRefusedUntouched)
{
    std::string otherLayout = kEmptyHeader;
    otherLayout[4] = '\xf4'; // record length 500
    for (const std::string &content : {otherLayout, std::string("not a store")}) {
        WriteBytes(path_, content);
        const CliRun run = Run({"profiles-add", path_, "--companyName", "Alpha"});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_FALSE(run.err.empty());
        EXPECT_EQ(ReadBytes(path_), content);
    }

    // Looking at a file that is not there does not make one, nor does it write a header
    // into one of zero length: that holds no profiles.
    const std::string missing = (dir_ / "missing.usr").string();
    EXPECT_EQ(Run({"dump-profiles", missing}).exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(missing));
    WriteBytes(path_, "");
    const CliRun empty = Run({"dump-profiles", path_});
    EXPECT_EQ(empty.exitCode, 0) << empty.err;
    EXPECT_NE(empty.out.find("\"recordCount\": 0"), std::string::npos) << empty.out;
    EXPECT_EQ(ReadBytes(path_), "");
}
