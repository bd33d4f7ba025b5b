// Saving never loses the previous file: a write that fails leaves it byte for byte,
// leaves no temporary file behind and is reported as a failure.

#include "posixonly.h"
#include "records/recordtesthelpers.h"

#include "formats/recordfile.h"
#include "formats/taxfile.h"
#include "platform/safefile.h"
#include "records/ciftadoc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

using namespace recordtest;

namespace {

const std::string kOldBytes = std::string("old contents\0with a zero\r\n", 26);

} // namespace

TEST(SafeFileTest, WritesNewFilesAndReplacesOldOnes)
{
    // Saving over a file that is there: Windows' rename() refuses an existing target, so
    // without the platform's replace every second save of a file failed there.
    TempFolder folder;
    const std::string path = folder.file("a.irc");
    ASSERT_TRUE(SafeFile::writeAll(path, kOldBytes).ok());
    EXPECT_EQ(slurp(path), kOldBytes);
    for (const char *bytes : {"new", "newer, and longer than before"}) {
        const Result written = SafeFile::writeAll(path, bytes);
        ASSERT_TRUE(written.ok()) << written.message;
        EXPECT_EQ(slurp(path), bytes);
    }
    EXPECT_EQ(folder.entryCount(), 1u); // no temporary file left

    std::string bytes = "stale";
    ASSERT_TRUE(SafeFile::readAll(path, bytes, SafeFile::kRecordFileLimit).ok());
    EXPECT_EQ(bytes, "newer, and longer than before");
}

TEST(SafeFileTest, AReadOnlyFileIsNotReplaced)
{
    TempFolder folder;
    const std::string path = folder.file("locked.itx");
    spit(path, kOldBytes);
    // On Windows this sets the file's read-only attribute.
    std::filesystem::permissions(PathFromUtf8(path), std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::group_read |
                                                         std::filesystem::perms::others_read);
    const Result written = SafeFile::writeAll(path, "new");
    if (written.ok() && RunningAsRoot())
        GTEST_SKIP() << "running as root: a read-only file is still writable";
    EXPECT_FALSE(written.ok());
    EXPECT_EQ(slurp(path), kOldBytes);
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(SafeFileTest, FolderInTheWayOrMissingFailsCleanly)
{
    TempFolder folder;
    // A folder where the file should go: the rename fails and the folder stays.
    const std::string dir = folder.file("taken.irc");
    ASSERT_TRUE(std::filesystem::create_directory(dir));
    spit(dir + "/inside", "x");
    EXPECT_FALSE(SafeFile::writeAll(dir, "new").ok());
    EXPECT_TRUE(std::filesystem::is_directory(dir));
    EXPECT_EQ(slurp(dir + "/inside"), "x");
    EXPECT_EQ(folder.entryCount(), 1u);

    EXPECT_FALSE(SafeFile::writeAll(folder.file("no/such/folder.irc"), "new").ok());

    std::string bytes = "stale";
    const Result missing =
        SafeFile::readAll(folder.file("none.irc"), bytes, SafeFile::kRecordFileLimit);
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.message.rfind("Cannot open the file \"", 0), 0u);
    EXPECT_EQ(bytes, "");
    EXPECT_FALSE(SafeFile::readAll(dir, bytes, SafeFile::kRecordFileLimit).ok());
}

TEST(SafeFileTest, ABareFileNameIsSavedInTheCurrentFolder)
{
    TempFolder folder;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    const Result written = SafeFile::writeAll("bare.itx", "bytes");
    std::filesystem::current_path(before);
    EXPECT_TRUE(written.ok());
    EXPECT_EQ(slurp(folder.file("bare.itx")), "bytes");
    EXPECT_EQ(folder.entryCount(), 1u);
}

#ifndef _WIN32
// What needs POSIX: permission bits, and the file size limit of the process.

namespace {

mode_t ModeOf(const std::string &path)
{
    struct stat info = {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// Lowers the largest file this process may write for the life of the object, so that
// any write beyond `limit` bytes fails with EFBIG, for root too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = limit;
        active_ = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    bool active() const { return active_; }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
    bool active_ = false;
};

} // namespace

TEST(SafeFileTest, AReplacedFileKeepsItsMode)
{
    TempFolder folder;
    const std::string path = folder.file("a.irc");
    ASSERT_TRUE(SafeFile::writeAll(path, kOldBytes).ok());
    EXPECT_EQ(slurp(path), kOldBytes);

    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(SafeFile::writeAll(path, "new").ok());
    EXPECT_EQ(slurp(path), "new");
    EXPECT_EQ(ModeOf(path), 0640u);
}

TEST(SafeFileTest, AWriteCutShortLeavesTheOldFileByteForByte)
{
    TempFolder folder;
    const std::string path = folder.file("quarter.irc");
    spit(path, kOldBytes);

    LoadedTaxTable rates;
    const TaxRateTable &table = rates.table();
    CIftaDoc doc(&rates);
    editCompany(doc, [](CompanyInfo &c) { c.companyName = "Carrier"; });
    doc.replaceEntries(CIftaDoc::Entries(5000)); // far more than the limit below lets through
    doc.setModified(true);
    Result written;
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.active());
        written = WriteRecordFile(doc, path);
    }
    EXPECT_FALSE(written.ok());
    EXPECT_NE(written.message.find("quarter.irc"), std::string::npos);
    EXPECT_EQ(slurp(path), kOldBytes);
    EXPECT_EQ(folder.entryCount(), 1u);
    // Nothing was saved, so the record still counts as changed.
    EXPECT_TRUE(doc.isModified());

    // The same for a tax-rate file.
    const std::string taxPath = folder.file("rates.itx");
    spit(taxPath, kOldBytes);
    {
        FileSizeLimit limit(100);
        written = WriteTaxFile(taxPath, table, TaxPeriod{});
    }
    EXPECT_FALSE(written.ok());
    EXPECT_EQ(slurp(taxPath), kOldBytes);
    EXPECT_EQ(folder.entryCount(), 2u);
}

TEST(SafeFileTest, AReadOnlyFolderRefusesTheSaveAndKeepsTheOldFile)
{
    TempFolder folder;
    const std::string path = folder.file("quarter.irc");
    spit(path, kOldBytes);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);

    CIftaDoc doc;
    const Result written = WriteRecordFile(doc, path);
    ::chmod(folder.path().c_str(), 0755);
    if (written.ok() && ::geteuid() == 0)
        GTEST_SKIP() << "running as root: the folder's permissions do not stop the write";
    EXPECT_FALSE(written.ok());
    EXPECT_EQ(written.message.rfind("Cannot save the file \"", 0), 0u) << written.message;
    EXPECT_EQ(slurp(path), kOldBytes);
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(SafeFileTest, SavingThroughALinkReplacesItsTargetInItsFolder)
{
    TempFolder links;
    TempFolder targets;
    const std::string target = targets.file("real.irc");
    spit(target, kOldBytes);
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    // A relative link, and a chain of two links.
    const std::string relative =
        "../" + PathFromUtf8(targets.path()).filename().string() + "/real.irc";
    const std::string link = links.file("q2.irc");
    const std::string chain = links.file("chain.irc");
    ASSERT_EQ(::symlink(relative.c_str(), link.c_str()), 0);
    ASSERT_EQ(::symlink(link.c_str(), chain.c_str()), 0);
    for (const std::string &path : {link, chain}) {
        const std::string bytes = "new through " + path;
        ASSERT_TRUE(SafeFile::writeAll(path, bytes).ok());
        struct stat info = {};
        ASSERT_EQ(::lstat(path.c_str(), &info), 0);
        EXPECT_TRUE(S_ISLNK(info.st_mode)) << path << " is no longer a link";
        EXPECT_EQ(slurp(target), bytes);
        EXPECT_EQ(ModeOf(target), 0640u);
    }
    EXPECT_EQ(links.entryCount(), 2u);
    EXPECT_EQ(targets.entryCount(), 1u); // the temporary file was in the target's folder

    // A dangling link gets its file made where it points.
    const std::string dangling = links.file("dangling.irc");
    ASSERT_EQ(::symlink(targets.file("later.irc").c_str(), dangling.c_str()), 0);
    ASSERT_TRUE(SafeFile::writeAll(dangling, "made").ok());
    EXPECT_EQ(slurp(targets.file("later.irc")), "made");

    // A hard link is broken: the saved name has the new bytes, the other the old ones.
    const std::string second = targets.file("second.irc");
    ASSERT_EQ(::link(target.c_str(), second.c_str()), 0);
    ASSERT_TRUE(SafeFile::writeAll(target, "newest").ok());
    EXPECT_EQ(slurp(target), "newest");
    EXPECT_EQ(slurp(second), "new through " + chain);
}

TEST(SafeFileTest, WhatIsNotARegularFileIsNeverReplacedNorRead)
{
    TempFolder folder;
    const std::string fifo = folder.file("pipe.irc");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::string dir = folder.file("dir");
    ASSERT_EQ(::mkdir(dir.c_str(), 0755), 0);
    const std::string toDir = folder.file("to-dir.irc");
    ASSERT_EQ(::symlink(dir.c_str(), toDir.c_str()), 0);
    std::vector<std::string> paths = {fifo, toDir};
    // As root, a device node of its own (the kind of /dev/full), never a real one.
    const std::string device = folder.file("full.irc");
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0)
        paths.push_back(device);

    for (const std::string &path : paths) {
        const Result written = SafeFile::writeAll(path, "new");
        EXPECT_FALSE(written.ok()) << path;
        EXPECT_EQ(written.message, "The file \"" + path + "\" is not a regular file.");
        struct stat info = {};
        ASSERT_EQ(::lstat(path.c_str(), &info), 0);
        EXPECT_FALSE(S_ISREG(info.st_mode)) << path << " was replaced";
    }
    EXPECT_EQ(folder.entryCount(), paths.size() + 1);

    // Reading: a FIFO without a writer is refused at once instead of blocking, a device
    // that never ends is refused before a byte is read.
    for (const std::string &path : {fifo, std::string("/dev/zero")}) {
        std::string bytes;
        const Result read = SafeFile::readAll(path, bytes, SafeFile::kRecordFileLimit);
        EXPECT_EQ(read.status, Result::Status::CannotOpen) << path;
        EXPECT_EQ(read.message, "The file \"" + path + "\" is not a regular file.");
    }
}

TEST(SafeFileTest, AFileOverTheLimitIsRefusedBeforeItIsRead)
{
    TempFolder folder;
    const std::string path = folder.file("big.itx");
    spit(path, std::string(101, 'x'));
    std::string bytes;
    EXPECT_TRUE(SafeFile::readAll(path, bytes, 101).ok());
    const Result read = SafeFile::readAll(path, bytes, 100);
    EXPECT_EQ(read.status, Result::Status::CannotOpen);
    EXPECT_NE(read.message.find("is too large"), std::string::npos) << read.message;
    EXPECT_EQ(bytes, "");
}

TEST(SafeFileTest, AStaleTemporaryFileOfTheSameFileIsRemoved)
{
    TempFolder folder;
    const std::string path = folder.file("q2.irc");
    spit(path, kOldBytes);
    // What a killed save left, beside files that only look alike.
    const std::string stale = folder.file(".q2.irc.tollmark-Ab3dE9.tmp");
    const std::vector<std::string> kept = {folder.file(".q3.irc.tollmark-Ab3dE9.tmp"),
                                           folder.file(".q2.irc.tollmark-Ab3dE9.tmp.mine"),
                                           folder.file(".q2.irc.Ab3dE9")};
    spit(stale, "half");
    for (const std::string &other : kept)
        spit(other, "other");
    ASSERT_TRUE(SafeFile::writeAll(path, "new").ok());
    EXPECT_FALSE(std::filesystem::exists(stale));
    for (const std::string &other : kept)
        EXPECT_EQ(slurp(other), "other") << other;
    EXPECT_EQ(folder.entryCount(), 1u + kept.size());
}

TEST(SafeFileTest, AReplacedFileKeepsItsOwnerWhereTheProcessMay)
{
    if (!RunningAsRoot())
        GTEST_SKIP() << "only root may give a file to another user";
    TempFolder folder;
    const std::string path = folder.file("theirs.irc");
    spit(path, kOldBytes);
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    ASSERT_TRUE(SafeFile::writeAll(path, "new").ok());
    struct stat info = {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
}

#else

POSIX_ONLY_SKIP(SafeFileTest, SavingThroughALinkReplacesItsTargetInItsFolder, "symbolic links")
POSIX_ONLY_SKIP(SafeFileTest, WhatIsNotARegularFileIsNeverReplacedNorRead, "FIFOs and devices")
POSIX_ONLY_SKIP(SafeFileTest, AFileOverTheLimitIsRefusedBeforeItIsRead, "kept with the POSIX cases")
POSIX_ONLY_SKIP(SafeFileTest, AStaleTemporaryFileOfTheSameFileIsRemoved,
                "kept with the POSIX cases")
POSIX_ONLY_SKIP(SafeFileTest, AReplacedFileKeepsItsOwnerWhereTheProcessMay, "file owners")
POSIX_ONLY_SKIP(SafeFileTest, AReplacedFileKeepsItsMode, "permission bits")
POSIX_ONLY_SKIP(SafeFileTest, AWriteCutShortLeavesTheOldFileByteForByte,
                "a file size limit (setrlimit)")
POSIX_ONLY_SKIP(SafeFileTest, AReadOnlyFolderRefusesTheSaveAndKeepsTheOldFile,
                "folder permission bits")

#endif
