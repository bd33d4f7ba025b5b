// Saving record and tax-rate files when the disk says no: a read-only folder, a full
// filesystem, a program that dies between writing the new file and renaming it into
// place. The previous file must survive byte for byte, and a save that did not happen
// must say so.

#include "posixonly.h"
#include "records/recordtesthelpers.h"

#include "formats/recordfile.h"
#include "formats/taxfile.h"
#include "numbers/decimaltext.h"
#include "numbers/textnumber.h"
#include "platform/safefile.h"
#include "records/ciftadoc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string_view>

#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using recordtest::slurp;
using recordtest::TempFolder;

namespace {

// Fills `doc` with `lines` trip lines whose texts tell the versions apart.
void FillDocument(CIftaDoc &doc, const std::string &company, int lines)
{
    CompanyInfo info;
    info.companyName = company;
    info.country = "Canada";
    doc.setCompany(info);
    CIftaDoc::Entries entries;
    for (int i = 1; i <= lines; ++i) {
        TripEntry entry;
        entry.tripNumber = i;
        entry.date = "2026/04/" + std::to_string(1 + i % 28);
        entry.slot = i % 60;
        entry.distance = static_cast<uint32_t>(100 + i);
        entry.fuel = Hundredths{4050};
        entry.rate = TenThousandths{1520};
        entries.push_back(entry);
    }
    doc.replaceEntries(std::move(entries));
}

// The file image of such a document.
std::string RecordBytes(const std::string &company, int lines)
{
    CIftaDoc doc;
    FillDocument(doc, company, lines);
    return BuildRecordBytes(doc);
}

// The record file and tax-rate file saves, each over a previous file in `folder`.
struct Saves {
    static Result record(const std::string &path, const std::string &company, int lines)
    {
        CIftaDoc doc;
        FillDocument(doc, company, lines);
        return WriteRecordFile(doc, path);
    }
    static Result tax(const std::string &path, const std::string &name)
    {
        TaxRateTable table;
        for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
            table[slot].name = name + " " + std::to_string(slot);
            table[slot].abbreviation = "A" + std::to_string(slot % 10);
        }
        return WriteTaxFile(path, table, TaxPeriod{2026, 2, "US"});
    }
};

} // namespace

namespace {

// The hooks of the interrupted saves: one looks at the disk at the moment between write
// and rename, one ends the process there as a crash or power loss would.
std::string g_targetAtRename;
std::string g_tempAtRename;

void LookBeforeRename(const std::string &temp, const std::string &path)
{
    g_targetAtRename = slurp(path);
    g_tempAtRename = slurp(temp);
}

struct HookGuard {
    explicit HookGuard(SafeFile::BeforeRenameHook hook) { SafeFile::setBeforeRenameHook(hook); }
    ~HookGuard() { SafeFile::setBeforeRenameHook(nullptr); }
};

} // namespace

TEST(InterruptedSaveTest, UntilTheRenameTheOldFileStandsWhole)
{
    TempFolder folder;
    const std::string path = folder.file("q2.irc");
    ASSERT_TRUE(Saves::record(path, "Old Haulage", 50));
    const std::string oldBytes = slurp(path);
    const std::string newBytes = RecordBytes("New Haulage", 80);

    HookGuard hook(LookBeforeRename);
    ASSERT_TRUE(Saves::record(path, "New Haulage", 80));
    EXPECT_EQ(g_targetAtRename, oldBytes);
    EXPECT_EQ(g_tempAtRename, newBytes) << "the new file was not complete before the rename";
    EXPECT_EQ(slurp(path), newBytes);
}

// Found by the CSV import fuzz target: an empty number field reached the number reader
// as a null pointer pair, and its look for "0x" offset the null pointer.
TEST(ReaderFaultTest, EmptyNumberFieldReadsAsZero)
{
    int64_t units = -1;
    EXPECT_EQ(ReadDecimal(nullptr, nullptr, 2, units), DecimalRead::NoNumber);
    EXPECT_EQ(units, 0);
    EXPECT_EQ(TextToInt(nullptr, nullptr), 0);
}

#ifndef _WIN32
// What needs POSIX: a tmpfs mounted read-only or full, folder permission bits, a child
// process that dies or is killed in the middle of a save.

namespace {

// Folders that refuse writes although this process runs as root, which ignores
// permission bits: a small tmpfs of its own, in a mount namespace of this process only,
// so nothing is left mounted on the machine whatever happens to the test.
class ScratchMount
{
public:
    // Mounts a tmpfs of `size` bytes on a fresh folder; empty() when this process may
    // not mount.
    explicit ScratchMount(const std::string &size)
    {
        if (!privateNamespace())
            return;
        const std::string options = "size=" + size;
        if (::mount("tmpfs", folder_.path().c_str(), "tmpfs", 0, options.c_str()) == 0)
            path_ = folder_.path();
    }
    ~ScratchMount()
    {
        if (!path_.empty())
            ::umount2(path_.c_str(), MNT_DETACH);
    }
    bool empty() const { return path_.empty(); }
    std::string file(const std::string &name) const { return path_ + "/" + name; }
    bool makeReadOnly()
    {
        return ::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    size_t entryCount() const { return folder_.entryCount(); }

private:
    static bool privateNamespace()
    {
        static const bool ready = ::unshare(CLONE_NEWNS) == 0 &&
                                  ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        return ready;
    }

    TempFolder folder_;
    std::string path_;
};

void DieBeforeRename(const std::string &, const std::string &)
{
    ::_exit(0);
}

} // namespace

TEST(SaveFaultTest, ReadOnlyFolderRefusesBothSavesAndKeepsTheOldFiles)
{
    TempFolder plain;
    std::unique_ptr<ScratchMount> mount;
    std::string irc = plain.file("q2.irc");
    std::string itx = plain.file("q2.itx");
    if (::geteuid() == 0) {
        mount = std::make_unique<ScratchMount>("1m");
        if (mount->empty())
            GTEST_SKIP() << "running as root without the right to mount a read-only tmpfs";
        irc = mount->file("q2.irc");
        itx = mount->file("q2.itx");
    }
    ASSERT_TRUE(Saves::record(irc, "Old Haulage", 5));
    ASSERT_TRUE(Saves::tax(itx, "Old"));
    const std::string oldRecord = slurp(irc);
    const std::string oldTax = slurp(itx);

    if (mount)
        ASSERT_TRUE(mount->makeReadOnly());
    else
        ASSERT_EQ(::chmod(plain.path().c_str(), 0555), 0);

    const Result record = Saves::record(irc, "New Haulage", 7);
    const Result tax = Saves::tax(itx, "New");
    if (!mount)
        ::chmod(plain.path().c_str(), 0755);
    EXPECT_FALSE(record);
    EXPECT_FALSE(tax);
    EXPECT_NE(record.message.find("q2.irc"), std::string::npos) << record.message;
    EXPECT_NE(tax.message.find("q2.itx"), std::string::npos) << tax.message;
    EXPECT_EQ(slurp(irc), oldRecord);
    EXPECT_EQ(slurp(itx), oldTax);
}

TEST(SaveFaultTest, FullFilesystemRefusesBothSavesAndKeepsTheOldFiles)
{
    ScratchMount mount("64k");
    if (mount.empty())
        GTEST_SKIP() << "no right to mount a small tmpfs";
    const std::string irc = mount.file("q2.irc");
    const std::string itx = mount.file("q2.itx");
    ASSERT_TRUE(Saves::record(irc, "Old Haulage", 5));
    ASSERT_TRUE(Saves::tax(itx, "Old"));
    const std::string oldRecord = slurp(irc);
    const std::string oldTax = slurp(itx);

    // Fill what is left of the 64 KiB.
    {
        const int fd = ::open(mount.file("filler").c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        const std::string block(512, 'f');
        while (::write(fd, block.data(), block.size()) == static_cast<ssize_t>(block.size())) {
        }
        ::close(fd);
    }
    const size_t before = mount.entryCount();

    const Result record = Saves::record(irc, "New Haulage", 2000); // some 60 KiB
    const Result tax = Saves::tax(itx, "A much longer jurisdiction name than before");
    EXPECT_FALSE(record);
    EXPECT_FALSE(tax);
    EXPECT_EQ(slurp(irc), oldRecord);
    EXPECT_EQ(slurp(itx), oldTax);
    EXPECT_EQ(mount.entryCount(), before) << "a failed save left its temporary file";
}

TEST(InterruptedSaveTest, ProcessEndingBeforeTheRenameLeavesTheOldFile)
{
    TempFolder folder;
    const std::string path = folder.file("q2.irc");
    ASSERT_TRUE(Saves::record(path, "Old Haulage", 50));
    const std::string oldBytes = slurp(path);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SafeFile::setBeforeRenameHook(DieBeforeRename);
        Saves::record(path, "New Haulage", 80);
        ::_exit(3); // the hook did not run
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(slurp(path), oldBytes);

    // The abandoned temporary file is recognisably ours, and the next save of the same
    // file removes it.
    CIftaDoc reread;
    ASSERT_TRUE(ReadRecordFile(reread, path));
    EXPECT_EQ(reread.company().companyName, "Old Haulage");
    ASSERT_EQ(folder.entryCount(), 2u);
    for (const auto &entry : std::filesystem::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "q2.irc" || SafeFile::isTemporaryOf(name, path)) << name;
    }
    ASSERT_TRUE(Saves::record(path, "Next Haulage", 3));
    EXPECT_EQ(slurp(path), RecordBytes("Next Haulage", 3));
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(InterruptedSaveTest, KilledAtAnyMomentLeavesOneWholeVersion)
{
    TempFolder folder;
    const std::string path = folder.file("q2.irc");
    const std::string first = RecordBytes("First Haulage", 3000);
    const std::string second = RecordBytes("Second Haulage", 1000);
    ASSERT_TRUE(Saves::record(path, "First Haulage", 3000));

    for (int round = 0; round < 8; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i)
                Saves::record(path, i % 2 ? "First Haulage" : "Second Haulage",
                              i % 2 ? 3000 : 1000);
        }
        ::usleep(static_cast<useconds_t>(3000 + round * 7000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = slurp(path);
        EXPECT_TRUE(now == first || now == second)
            << "round " << round << ": a file of " << now.size() << " bytes, neither version";
    }
}

#else

POSIX_ONLY_SKIP(SaveFaultTest, ReadOnlyFolderRefusesBothSavesAndKeepsTheOldFiles,
                "folder permission bits, or a read-only tmpfs mount for root")
POSIX_ONLY_SKIP(SaveFaultTest, FullFilesystemRefusesBothSavesAndKeepsTheOldFiles,
                "a small tmpfs mount")
POSIX_ONLY_SKIP(InterruptedSaveTest, ProcessEndingBeforeTheRenameLeavesTheOldFile,
                "the saving process is a fork()ed child")
POSIX_ONLY_SKIP(InterruptedSaveTest, KilledAtAnyMomentLeavesOneWholeVersion,
                "the saving process is a fork()ed child killed with SIGKILL")

#endif
