// Unit numbers through the record's use cases: an old file without units is written
// back byte for byte, and merging gives each truck's lines its file's name as unit.

#include "records/unitnumber.h"
#include "sessionbase/mergeunits.h"
#include "sessiontest.h"

#include <fstream>
#include <sstream>

using namespace sessiontest;

namespace {

std::string Bytes(const std::string &path)
{
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TripEntry Line(int32_t trip, const std::string &unit)
{
    TripEntry line;
    line.tripNumber = trip;
    line.date = "2026/04/0" + std::to_string(trip);
    line.reservedText = unit;
    line.slot = 8;
    line.distance = 100 * static_cast<uint32_t>(trip);
    return line;
}

} // namespace

TEST(FleetSessionTest, AFileWrittenBeforeUnitsIsSavedBackByteForByte)
{
    SessionRig rig;
    const std::string original = fixture("records/current-layout.irc");
    ASSERT_TRUE(rig.session.open(original));
    for (const TripEntry &line : rig.doc.entries())
        EXPECT_EQ(line.reservedText, "");
    const std::string copy = rig.folder.file("copy.irc");
    ASSERT_TRUE(rig.session.saveTo(copy));
    EXPECT_EQ(Bytes(copy), Bytes(original));
}

TEST(FleetSessionTest, MergingTakesUnitsFromFileNamesOnlyWhenAsked)
{
    SessionRig rig;
    CompanyInfo company;
    company.companyName = "Fleet";
    const std::string truck = rig.folder.file("T-104.irc");
    WriteRecord(truck, company, {Line(1, ""), Line(2, "T-7")}, TaxPeriod{2026, 2, "Canada"});

    for (const bool fromNames : {false, true}) {
        rig.doc.clearForMerge();
        ASSERT_TRUE(MergeRecordFile(rig.doc, truck, fromNames).ok());
        ASSERT_EQ(rig.doc.entries().size(), 2u);
        // A line that names its unit keeps it; a bare one takes the name only when asked.
        EXPECT_EQ(rig.doc.entries()[0].reservedText, fromNames ? "T-104" : "");
        EXPECT_EQ(rig.doc.entries()[1].reservedText, "T-7");
    }
    // Saved and opened again, the units stay.
    const std::string merged = rig.folder.file("merged.irc");
    rig.prompts.company = [](CompanyDialogData &, CProfileStore *) {
        return SessionPrompts::CompanyResult::Ok;
    };
    rig.doc.setCompany(company);
    ASSERT_TRUE(rig.session.saveTo(merged));
    ASSERT_TRUE(rig.session.open(merged));
    EXPECT_EQ(rig.doc.entries()[0].reservedText, "T-104");
}

TEST(FleetSessionTest, FileNamesBecomeUnitNumbersThatFitTheLine)
{
    const struct {
        const char *path;
        const char *unit;
    } cases[] = {
        {"trucks/T-104.irc", "T-104"},
        {"trucks/unit 7.backup.irc", "unit 7.backup"}, // only the last extension goes
        {"trucks/a,b.irc", "a b"},                     // a comma would split the line
        {"trucks/Camión 12.irc", "Cami\xf3n 12"},      // Windows-1252, as every text
        {"trucks/ABCDEFGHIJKLMNOPQRSTUVWXYZ.irc", "ABCDEFGHIJKLMNOPQRSTUVW"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(UnitFromFileName(c.path), c.unit) << c.path;
}

// Two names alike in their first 23 characters would make two trucks one unit: the
// second is refused and merges nothing; a long name whose cut unit is new merges.
TEST(FleetSessionTest, NamesCutToTheSameUnitAreRefused)
{
    SessionRig rig;
    CompanyInfo company;
    company.companyName = "Fleet";
    const std::string first = rig.folder.file("Northern-Freight-Truck-0001.irc");
    const std::string second = rig.folder.file("Northern-Freight-Truck-0002.irc");
    for (const std::string &path : {first, second})
        WriteRecord(path, company, {Line(1, "")}, TaxPeriod{2026, 2, "Canada"});
    rig.doc.clearForMerge();
    ASSERT_TRUE(MergeRecordFile(rig.doc, first, true).ok());
    const Result refused = MergeRecordFile(rig.doc, second, true);
    EXPECT_FALSE(refused.ok());
    EXPECT_NE(refused.message.find("Northern-Freight-Truck-0002.irc"), std::string::npos);
    EXPECT_NE(refused.message.find("\"Northern-Freight-Truck-\""), std::string::npos)
        << refused.message;
    EXPECT_EQ(rig.doc.entries().size(), 1u);
}

namespace {

// A record session with the test table, for imports by heading.
struct ImportRig : SessionRig {
    ImportRig()
    {
        EXPECT_TRUE(CTaxSession::ReadTaxFileInto(fixture("report/rates.itx"), state.taxRates).ok());
    }
    bool import(const std::string &file)
    {
        HeadingImportRequest request;
        request.path = fixture("import/" + file);
        return session.importByHeading(request);
    }
};

} // namespace

TEST(FleetSessionTest, AmbiguousDatesAreAskedAndCancelLeavesTheRecord)
{
    ImportRig rig;
    rig.prompts.answers = {SessionPrompts::Answer::No}; // day first
    ASSERT_TRUE(rig.import("ambiguous-dates.csv"));
    ASSERT_EQ(rig.prompts.shown.size(), 1u);
    EXPECT_NE(rig.prompts.shown[0].find("Are they month first?"), std::string::npos);
    EXPECT_EQ(rig.doc.entries()[0].date, "2026/05/04");

    rig.prompts.answers = {SessionPrompts::Answer::Cancel};
    EXPECT_FALSE(rig.import("ambiguous-dates.csv"));
    EXPECT_EQ(rig.doc.entries()[0].date, "2026/05/04"); // the record as it was
}

TEST(FleetSessionTest, BadLinesAreToldAndTheGoodOnesKeptOnlyOnYes)
{
    ImportRig rig;
    rig.prompts.answers = {SessionPrompts::Answer::No};
    EXPECT_FALSE(rig.import("bad-lines.csv"));
    EXPECT_TRUE(rig.doc.entries().empty());
    ASSERT_EQ(rig.prompts.shown.size(), 1u);
    EXPECT_NE(rig.prompts.shown[0].find("line 4: the jurisdiction \"ZZ\" is unknown"),
              std::string::npos);
    EXPECT_NE(rig.prompts.shown[0].find("Keep the 2 good lines?"), std::string::npos);

    rig.prompts.answers = {SessionPrompts::Answer::Yes};
    ASSERT_TRUE(rig.import("bad-lines.csv"));
    EXPECT_EQ(rig.doc.entries().size(), 2u);
    EXPECT_TRUE(rig.doc.isModified());
}
