// tollmark-cli's trip edits and check over the rules the window shares: the odometer rule
// (add-trip over carried readings, modify-trip against readings with and without --keep),
// the units a new trip starts in and a modified one keeps, and the table-country and
// rate-mixed findings of check and notices of report.

#include "formats/recordfile.h"
#include "records/ciftadoc.h"
#include "session/ctaxsession.h"

#include "cli/clirun.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kSamples = TOLLMARK_SAMPLE_DATA;

class EditCommandsTest : public ::testing::Test
{
protected:
    CliRun Run(const std::vector<std::string> &args) const
    {
        return RunCli(args, CliTempPath("stderr.txt"));
    }
    // A copy of a shipped sample to edit.
    std::string Copy(const std::string &sample) const
    {
        const std::string path = CliTempPath(sample);
        std::filesystem::copy_file(kSamples + "/" + sample, path,
                                   std::filesystem::copy_options::overwrite_existing);
        return path;
    }
    // The record's lines, read back as the program reads them.
    std::vector<TripEntry> Lines(const std::string &path, const std::string &rates) const
    {
        CIftaDoc doc;
        EXPECT_TRUE(CTaxSession::ReadTaxFileInto(rates, doc.rates()).ok());
        EXPECT_TRUE(ReadRecordFile(doc, path).ok());
        return doc.entries();
    }
};

// sample.irc keeps odometers: a trip added with a distance goes on from the last odometer
// out; a distance changed against readings is a question --keep answers.
TEST_F(EditCommandsTest, TripsFollowTheOdometerRule)
{
    const std::string record = Copy("sample.irc"), rates = kSamples + "/ifta.itx";
    const TripEntry last = Lines(record, rates).back();
    ASSERT_NE(last.odometerOut, 0);
    CliRun run = Run({"add-trip", record, "--rates", rates, "--date", "2026/04/20",
                      "--jurisdiction", "ON", "--distance", "300", "--fuel", "100"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const TripEntry added = Lines(record, rates).back();
    EXPECT_EQ(added.distance, 300u);
    EXPECT_EQ(added.odometerIn, last.odometerOut);
    EXPECT_EQ(added.odometerOut, last.odometerOut + 300);

    const TripEntry first = Lines(record, rates).front();
    const std::string number = std::to_string(first.tripNumber);
    run = Run({"modify-trip", record, "--rates", rates, "--trip", number, "--distance", "5"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("disagree"), std::string::npos) << run.err;
    EXPECT_EQ(Lines(record, rates).front().distance, first.distance);
    run = Run({"modify-trip", record, "--rates", rates, "--trip", number, "--distance", "5",
               "--keep", "readings"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Lines(record, rates).front().distance, first.distance);
    run = Run({"modify-trip", record, "--rates", rates, "--trip", number, "--distance", "5",
               "--keep", "distance"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Lines(record, rates).front().distance, 5u);
    EXPECT_EQ(Lines(record, rates).front().odometerOut, first.odometerIn + 5);
    EXPECT_EQ(
        Run({"modify-trip", record, "--rates", rates, "--trip", number, "--keep", "both"}).exitCode,
        2);
}

// The US sample's trips are in miles and gallons: a trip added without unit options is
// too, and a trip modified keeps its units; --km and --litres choose the others.
TEST_F(EditCommandsTest, TripsStartInTheRecordsUnitsAndKeepTheirOwn)
{
    const std::string record = Copy("sample-us.irc"), rates = kSamples + "/ifta-us.itx";
    ASSERT_EQ(Lines(record, rates).back().distanceInMiles, 1);
    CliRun run = Run({"add-trip", record, "--rates", rates, "--date", "2026/04/20",
                      "--jurisdiction", "SD", "--distance", "500", "--fuel", "80"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    TripEntry added = Lines(record, rates).back();
    EXPECT_EQ(added.distanceInMiles, 1);
    EXPECT_EQ(added.fuelInGallons, 1);

    const std::string number = std::to_string(added.tripNumber);
    run = Run({"modify-trip", record, "--rates", rates, "--trip", number, "--fuel", "81"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    added = Lines(record, rates).back();
    EXPECT_EQ(added.distanceInMiles, 1);
    EXPECT_EQ(added.fuelInGallons, 1);

    run = Run({"modify-trip", record, "--rates", rates, "--trip", number, "--km", "--litres"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    added = Lines(record, rates).back();
    EXPECT_EQ(added.distanceInMiles, 0);
    EXPECT_EQ(added.fuelInGallons, 0);
    EXPECT_EQ(Run({"modify-trip", record, "--rates", rates, "--trip", number, "--km", "--miles"})
                  .exitCode,
              2);
}

// The US sample checked with the Canadian table: rates per litre for a carrier in
// miles. The same layer as the window's: check lists it, report says it first.
TEST_F(EditCommandsTest, CheckAndReportTellATableOfTheOtherUnits)
{
    const std::string record = kSamples + "/sample-us.irc";
    const CliRun check = Run({"check", record, "--rates", kSamples + "/ifta.itx"});
    ASSERT_EQ(check.exitCode, 0) << check.err;
    EXPECT_NE(check.out.find("table-country\t\t\tThe loaded tax-rate table is for Canada (rates "
                             "per litre); the carrier's country \"US\" reports in miles and US "
                             "gallons\n"),
              std::string::npos)
        << check.out;
    const CliRun report = Run({"report", record, "--rates", kSamples + "/ifta.itx"});
    ASSERT_EQ(report.exitCode, 0) << report.err;
    EXPECT_EQ(report.err.rfind("The loaded tax-rate table is for Canada", 0), 0u) << report.err;

    const CliRun fits = Run({"check", record, "--rates", kSamples + "/ifta-us.itx"});
    EXPECT_EQ(fits.out.find("table-country"), std::string::npos) << fits.out;
}

} // namespace
