// A second instance of the program pointed at the profiles file that the first holds:
// refused from another process, and the first's file left untouched and still its own to
// write. (The refusal within one process is in cprofilestoretest.cpp, tollmark-cli's in
// tests/cli/profilecommandstest.cpp.)

#include "posixonly.h"

#include "platform/platformfile.h"
#include "profiles/cprofilestore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

class SecondInstanceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir_ = PathFromUtf8(
            MakeTemporaryFolder(Utf8FromPath(fs::temp_directory_path()), "tollmark-second-"));
        ASSERT_FALSE(dir_.empty());
        path_ = Utf8FromPath(dir_ / "ifta.usr");
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string bytes() const
    {
        std::ifstream in(PathFromUtf8(path_), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static ProfileRecord profile(const std::string &name)
    {
        ProfileRecord p;
        p.companyName = name;
        p.country = "Canada";
        p.provinceState = "QC";
        p.fuelType = 1;
        return p;
    }
#ifndef _WIN32
    // Runs `body` in a child process and gives its exit status (-1 when it did not exit).
    template <typename Body>
    static int inChild(Body body)
    {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(body());
        int status = 0;
        if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
            return -1;
        return WEXITSTATUS(status);
    }
#endif

    fs::path dir_;
    std::string path_;
};

} // namespace

#ifndef _WIN32
// The second instance here is a fork()ed child: POSIX only.

TEST_F(SecondInstanceTest, AnotherProcessIsRefusedAndTheFirstKeepsWriting)
{
    CProfileStore first;
    ASSERT_TRUE(first.open(path_));
    ASSERT_TRUE(first.addProfile(profile("Transport Boreal")));
    ASSERT_TRUE(first.addProfile(profile("Northern Haul")));
    const std::string held = bytes();

    // 0: refused with a message, nothing held; 1: it opened the file; 2: no message.
    const int status = inChild([this] {
        CProfileStore second(std::chrono::milliseconds(50));
        const Result opened = second.open(path_);
        if (opened)
            return 1;
        if (opened.message.empty() || second.isOpen())
            return 2;
        // Creating the file anew is refused as well and must not empty it.
        return second.CreateStoreFile(path_) ? 1 : 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(bytes(), held);

    ASSERT_TRUE(first.addProfile(profile("Cote Freight")));
    CProfileStore check;
    first.close();
    ASSERT_TRUE(check.open(path_));
    ASSERT_EQ(check.profiles().size(), 3u);
    EXPECT_EQ(check.profiles()[2].companyName, "Cote Freight");
}

TEST_F(SecondInstanceTest, AnInstanceThatDiesReleasesTheFileIntact)
{
    // The first instance is a process that is killed while it holds the file.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        CProfileStore store;
        const bool ok = store.open(path_) && store.addProfile(profile("Transport Boreal"));
        const char answer = ok ? 'y' : 'n';
        (void)!::write(ready[1], &answer, 1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    ::close(ready[0]);
    ASSERT_EQ(answer, 'y');

    CProfileStore second(std::chrono::milliseconds(50));
    EXPECT_FALSE(second.open(path_));
    const std::string held = bytes();

    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(bytes(), held);
    ASSERT_TRUE(second.open(path_));
    ASSERT_EQ(second.profiles().size(), 1u);
    EXPECT_EQ(second.profiles()[0].companyName, "Transport Boreal");
}

TEST_F(SecondInstanceTest, ASecondInstanceWaitsForTheLockAndTakesTheNewFile)
{
    {
        CProfileStore store;
        ASSERT_TRUE(store.open(path_));
        for (const char *name : {"Alpha", "Bravo", "Charlie"})
            ASSERT_TRUE(store.addProfile(profile(name)));
    }
    // The holder deletes a profile (a new file renamed over the old) while the second
    // waits for the old file's lock; then it lets go.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        CProfileStore store;
        const char answer = store.open(path_) ? 'y' : 'n';
        (void)!::write(ready[1], &answer, 1);
        ::usleep(300000);
        const bool deleted = store.deleteProfile(0).ok();
        ::usleep(300000);
        ::_exit(deleted ? 0 : 1);
    }
    ::close(ready[1]);
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    ::close(ready[0]);
    ASSERT_EQ(answer, 'y');

    CProfileStore second; // waits up to 5 s
    const Result opened = second.open(path_);
    int status = 0;
    ::waitpid(holder, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(opened) << opened.message;
    ASSERT_EQ(second.profiles().size(), 2u);
    EXPECT_EQ(second.profiles()[0].companyName, "Bravo");
    ASSERT_TRUE(second.addProfile(profile("Delta")));
    second.close();
    CProfileStore check;
    ASSERT_TRUE(check.open(path_));
    ASSERT_EQ(check.profiles().size(), 3u);
    EXPECT_EQ(check.profiles()[2].companyName, "Delta");
}

TEST_F(SecondInstanceTest, DeletesKilledAtAnyMomentLeaveOneWholeStore)
{
    constexpr int kProfiles = 3000;
    {
        // The store's bytes made at once (3000 adds would each flush to the disk).
        CProfileStore store;
        ASSERT_TRUE(store.open(path_));
        ASSERT_TRUE(store.addProfile(profile("Carrier 0")));
        store.close();
        std::string file = bytes();
        file[0] = static_cast<char>(kProfiles & 0xff);
        file[1] = static_cast<char>(kProfiles >> 8);
        for (int i = 1; i < kProfiles; ++i) {
            ProfileRecord next = profile("Carrier " + std::to_string(i));
            next.recordIndex = i;
            const auto record = CProfileStore::ToFileRecord(next);
            file.append(reinterpret_cast<const char *>(record.data()), record.size());
        }
        std::ofstream(PathFromUtf8(path_), std::ios::binary | std::ios::trunc) << file;
    }
    for (int round = 0; round < 6; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            CProfileStore store;
            if (!store.open(path_))
                ::_exit(1);
            while (!store.profiles().empty())
                store.deleteProfile(0);
            ::_exit(0);
        }
        ::usleep(static_cast<useconds_t>(2000 + round * 5000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        // Whatever moment the kill came, the store is the list less its first few.
        CProfileStore check;
        ASSERT_TRUE(check.open(path_));
        const std::vector<ProfileRecord> &left = check.profiles();
        ASSERT_FALSE(left.empty()) << "round " << round;
        const int first = kProfiles - static_cast<int>(left.size());
        for (size_t i = 0; i < left.size(); ++i)
            ASSERT_EQ(left[i].companyName, "Carrier " + std::to_string(first + static_cast<int>(i)))
                << "round " << round << ", profile " << i;
    }
}

#else

POSIX_ONLY_SKIP_F(SecondInstanceTest, ASecondInstanceWaitsForTheLockAndTakesTheNewFile,
                  "the holder is a fork()ed child")
POSIX_ONLY_SKIP_F(SecondInstanceTest, DeletesKilledAtAnyMomentLeaveOneWholeStore,
                  "the deleting process is a fork()ed child killed with SIGKILL")
POSIX_ONLY_SKIP_F(SecondInstanceTest, AnotherProcessIsRefusedAndTheFirstKeepsWriting,
                  "the second instance is a fork()ed child")
POSIX_ONLY_SKIP_F(SecondInstanceTest, AnInstanceThatDiesReleasesTheFileIntact,
                  "the holder is a fork()ed child killed with SIGKILL")

#endif
