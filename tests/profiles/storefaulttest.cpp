// The profiles file when the disk is full: an add either completes or leaves the file
// byte for byte as it was, and a store that cannot be made leaves no file behind. The
// full disk is the process's file size limit, which holds for root too.

#include "posixonly.h"

#include "platform/platformfile.h"
#include "profiles/cprofilestore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

// Any write past `limit` bytes fails with EFBIG while the object lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = limit;
        active_ = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    bool active() const { return active_; }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
    bool active_ = false;
};

std::string BytesOf(const std::string &path)
{
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

ProfileRecord Named(const std::string &name)
{
    ProfileRecord p;
    p.companyName = name;
    return p;
}

} // namespace

TEST(ProfileStoreFaultTest, AnAddOnAFullDiskLeavesTheFileAsItWas)
{
    const std::string dir = MakeTemporaryFolder(::testing::TempDir(), "tollmark-storefault-");
    ASSERT_FALSE(dir.empty());
    const std::string path = Utf8FromPath(PathFromUtf8(dir) / "ifta.usr");
    CProfileStore store;
    ASSERT_TRUE(store.open(path));
    ASSERT_TRUE(store.addProfile(Named("Alpha")));
    ASSERT_TRUE(store.addProfile(Named("Bravo")));
    const std::string before = BytesOf(path);

    Result added;
    {
        // Room for part of a third record only.
        FileSizeLimit limit(before.size() + 100);
        ASSERT_TRUE(limit.active());
        added = store.addProfile(Named("Charlie"));
    }
    EXPECT_FALSE(added.ok());
    EXPECT_FALSE(added.message.empty());
    EXPECT_EQ(BytesOf(path), before) << "stray bytes after the counted records";
    ASSERT_EQ(store.profiles().size(), 2u);
    // With room again the add works.
    ASSERT_TRUE(store.addProfile(Named("Charlie")));
    store.close();

    // A new store that cannot get its header is not left as an empty file.
    const std::string fresh = Utf8FromPath(PathFromUtf8(dir) / "new.usr");
    Result opened;
    {
        FileSizeLimit limit(10);
        opened = store.open(fresh);
    }
    EXPECT_FALSE(opened.ok());
    EXPECT_FALSE(fs::exists(PathFromUtf8(fresh)));
    fs::remove_all(PathFromUtf8(dir));
}

#else

POSIX_ONLY_SKIP(ProfileStoreFaultTest, AnAddOnAFullDiskLeavesTheFileAsItWas,
                "a file size limit (setrlimit)")

#endif
