// Files are bytes and paths are the system's: what a Windows build lost before the core's
// file access went through the platform file. There, files opened in text mode turned
// 0x0A into 0D 0A on writing and ended a read at 0x1A; paths were split on '/' only, so
// "C:\data\q2.irc" could not be saved; and narrow file names came out in the ANSI code
// page ("QuÃ©bec.irc"). Each case holds on every system.

#include "records/recordtesthelpers.h"

#include "formats/recordfile.h"
#include "platform/safefile.h"
#include "records/ciftadoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace recordtest;

namespace {

// The names of the files in `folder`, as UTF-8.
std::vector<std::string> NamesIn(const std::string &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(PathFromUtf8(folder)))
        names.push_back(Utf8FromPath(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(FileBytesTest, ARecordHoldingNewlineAndEndOfFileBytesComesBackWhole)
{
    TempFolder folder;
    const std::string path = folder.file("q2.irc");
    CIftaDoc doc;
    editCompany(doc, [](CompanyInfo &c) {
        c.companyName = "Transport\x1a Nord";    // 0x1A ended a text-mode read
        c.notes = "first line\r\nsecond\nthird"; // CR LF and a bare LF as typed
        c.startOdometer = 0x001A0A0A;            // the same bytes inside a number
    });
    const std::string image = BuildRecordBytes(doc);
    ASSERT_NE(image.find('\x1a'), std::string::npos);
    ASSERT_NE(image.find('\n'), std::string::npos);

    ASSERT_TRUE(WriteRecordFile(doc, path).ok());
    EXPECT_EQ(slurp(path), image) << "the file on disk is not the record's image";
    CIftaDoc read;
    ASSERT_TRUE(ReadRecordFile(read, path).ok());
    EXPECT_EQ(read.company().companyName, "Transport\x1a Nord");
    EXPECT_EQ(read.company().notes, "first line\r\nsecond\nthird");
    EXPECT_EQ(read.company().startOdometer, 0x001A0A0A);

    // Any byte at all, through the whole-file reader and writer.
    std::string every;
    for (int b = 0; b < 256; ++b)
        every += static_cast<char>(b);
    every += "\x1a\r\n\n\r";
    ASSERT_TRUE(SafeFile::writeAll(path, every).ok());
    std::string back;
    ASSERT_TRUE(SafeFile::readAll(path, back, SafeFile::kRecordFileLimit).ok());
    EXPECT_EQ(back, every);
    EXPECT_EQ(slurp(path), every);
}

TEST(FileBytesTest, BackslashesFollowTheSystemsPathRules)
{
    TempFolder folder;
    // On Windows "\" separates folders, as in "C:\data\q2.irc"; elsewhere it is part of
    // the file's name. Either way the save lands in the folder, its temporary file
    // beside it (not "./.C:\..."), and a second save replaces the first.
    const bool separator = PathFromUtf8("data\\q2.irc").has_parent_path();
    std::string path = folder.path();
    std::string expectedName;
    if (separator) {
        std::replace(path.begin(), path.end(), '/', '\\');
        path += "\\q2.irc";
        expectedName = "q2.irc";
    } else {
        path += "/data\\q2.irc";
        expectedName = "data\\q2.irc";
    }
    for (const char *bytes : {"first save", "second save"}) {
        const Result written = SafeFile::writeAll(path, bytes);
        ASSERT_TRUE(written.ok()) << written.message;
        EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{expectedName});
        EXPECT_EQ(slurp(folder.file(expectedName)), bytes);
    }
}

TEST(FileBytesTest, AnAccentedFileNameIsThatNameOnDisk)
{
    TempFolder folder;
    const std::string path = folder.file("Qu\xc3\xa9"
                                         "bec.irc"); // "Québec.irc" in UTF-8
    CIftaDoc doc;
    editCompany(doc, [](CompanyInfo &c) { c.companyName = "Transport Boreal"; });
    ASSERT_TRUE(WriteRecordFile(doc, path).ok());
    ASSERT_TRUE(WriteRecordFile(doc, path).ok()); // and over itself
    EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"Qu\xc3\xa9"
                                                               "bec.irc"});
    CIftaDoc read;
    ASSERT_TRUE(ReadRecordFile(read, path).ok());
    EXPECT_EQ(read.company().companyName, "Transport Boreal");
}
