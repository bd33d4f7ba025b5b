// Earlier versions kept by saves: how many stay, what Restore Version brings back, and a
// save whose backup cannot be written.

#include "sessiontest.h"

#include "formats/recordfile.h"
#include "platform/pathnames.h"
#include "sessionbase/backupversions.h"

#include <fstream>
#include <iterator>

using namespace sessiontest;

namespace {

std::string Slurp(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct BackupRig : SessionRig {
    BackupRig()
    {
        settings.backups = folder.file("backups");
        CompanyInfo company;
        company.companyName = "Old Haulage";
        company.country = "Canada";
        doc.setCompany(company);
    }
    // One more trip, then Save: the file's bytes after it.
    std::string addAndSave(const std::string &path)
    {
        TripEntry trip = doc.prepareNewEntry(EntryUnits{});
        trip.distance = static_cast<uint32_t>(100 + doc.entries().size());
        doc.addEntry(trip);
        EXPECT_TRUE(session.saveTo(path));
        return Slurp(path);
    }
};

// Twelve saves replace eleven versions; the last ten stay, and each restores to the
// bytes the file had then.
TEST(BackupVersionsTest, SavesKeepTheLastTenVersionsAndEachRestoresExactly)
{
    BackupRig rig;
    const std::string path = rig.folder.file("q2.irc");
    std::vector<std::string> saved;
    for (int i = 0; i < 12; ++i)
        saved.push_back(rig.addAndSave(path));
    ASSERT_TRUE(rig.session.open(path));

    const BackupVersions versions(rig.settings.backups, 10);
    const std::vector<std::string> kept = versions.versionsOf(path);
    ASSERT_EQ(kept.size(), 10u);
    // Newest first: the version the last save replaced is the eleventh save's file.
    for (size_t i = 0; i < kept.size(); ++i)
        EXPECT_EQ(Slurp(kept[i]), saved[10 - i]) << i;
    EXPECT_EQ(BackupVersions::TimeOf(kept[0]).size(), 19u);
    // Another file of the same name elsewhere has versions of its own.
    EXPECT_TRUE(versions.versionsOf(rig.folder.file("other/q2.irc")).empty());

    std::vector<VersionRow> listed;
    rig.prompts.version = [&](VersionDialogData &data) {
        listed = data.rows;
        data.chosen = 3;
        return true;
    };
    ASSERT_TRUE(rig.session.restoreVersion());
    ASSERT_EQ(listed.size(), 10u);
    EXPECT_EQ(listed[3].trips, 8u);
    EXPECT_TRUE(listed[3].problem.empty());
    // A new, unsaved record; the file it came from is as the last save left it.
    EXPECT_EQ(rig.session.title(), "Untitled");
    EXPECT_TRUE(rig.doc.isModified());
    EXPECT_EQ(BuildRecordBytes(rig.doc), saved[7]);
    EXPECT_EQ(Slurp(path), saved[11]);
}

// A backup that cannot be written is said; the save goes ahead only on Yes.
TEST(BackupVersionsTest, AFailedBackupAsksBeforeTheSave)
{
    BackupRig rig;
    const std::string path = rig.folder.file("q2.irc");
    const std::string first = rig.addAndSave(path);
    std::ofstream(rig.settings.backups) << "a file where the folder should be";

    for (const bool agree : {false, true}) {
        rig.prompts.answers = {agree ? SessionPrompts::Answer::Yes : SessionPrompts::Answer::No};
        rig.prompts.shown.clear();
        TripEntry trip = rig.doc.prepareNewEntry(EntryUnits{});
        trip.distance = 7;
        rig.doc.addEntry(trip);
        EXPECT_EQ(rig.session.saveTo(path), agree);
        ASSERT_EQ(rig.prompts.shown.size(), 1u);
        EXPECT_NE(rig.prompts.shown[0].find("could not be kept as a backup"), std::string::npos);
        EXPECT_EQ(Slurp(path) == first, !agree) << agree;
    }
}

} // namespace
