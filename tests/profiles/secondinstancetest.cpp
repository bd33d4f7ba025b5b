// A second instance of the program pointed at the profiles file that the first holds:
// refused, from this process or from another, and the first's file left untouched and
// still its own to write.

#include "posixonly.h"

#include "profiles/cprofilestore.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

// Every case here starts a second process that holds or asks for the file: fork() and
// /bin/sh. The same refusal within one process is in cprofilestoretest.cpp.
namespace fs = std::filesystem;

namespace {

class SecondInstanceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("tollmark-second-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "ifta.usr").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string bytes() const
    {
        std::ifstream in(path_, std::ios::binary);
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

    fs::path dir_;
    std::string path_;
};

} // namespace

TEST_F(SecondInstanceTest, AnotherProcessIsRefusedAndTheFirstKeepsWriting)
{
    CProfileStore first;
    ASSERT_TRUE(first.open(path_));
    ASSERT_TRUE(first.addProfile(profile("Transport Boreal")));
    ASSERT_TRUE(first.addProfile(profile("Northern Haul")));
    const std::string held = bytes();

    // 0: refused with a message, nothing held; 1: it opened the file; 2: no message.
    const int status = inChild([this] {
        CProfileStore second;
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

TEST_F(SecondInstanceTest, CommandLineToolIsRefusedWhileTheFileIsHeld)
{
    const std::string cli = TOLLMARK_CLI;
    if (cli.empty() || !fs::exists(cli))
        GTEST_SKIP() << "tollmark-cli is not built";
    CProfileStore first;
    ASSERT_TRUE(first.open(path_));
    ASSERT_TRUE(first.addProfile(profile("Transport Boreal")));
    const std::string held = bytes();

    const std::string command =
        "'" + cli + "' profiles-add '" + path_ + "' --companyName Intruder 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(bytes(), held);

    // Once the first lets go, the tool may add.
    first.close();
    const int after = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(after));
    EXPECT_EQ(WEXITSTATUS(after), 0);
    CProfileStore check;
    ASSERT_TRUE(check.open(path_));
    ASSERT_EQ(check.profiles().size(), 2u);
    EXPECT_EQ(check.profiles()[1].companyName, "Intruder");
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

    CProfileStore second;
    EXPECT_FALSE(second.open(path_));
    const std::string held = bytes();

    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(bytes(), held);
    ASSERT_TRUE(second.open(path_));
    ASSERT_EQ(second.profiles().size(), 1u);
    EXPECT_EQ(second.profiles()[0].companyName, "Transport Boreal");
}

#else

POSIX_ONLY_SKIP(SecondInstanceTest, AnotherProcessIsRefusedAndTheFirstKeepsWriting,
                "the second instance is a fork()ed child")
POSIX_ONLY_SKIP(SecondInstanceTest, CommandLineToolIsRefusedWhileTheFileIsHeld,
                "tollmark-cli is started through /bin/sh")
POSIX_ONLY_SKIP(SecondInstanceTest, AnInstanceThatDiesReleasesTheFileIntact,
                "the holder is a fork()ed child killed with SIGKILL")

#endif
