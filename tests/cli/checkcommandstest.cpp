// tollmark-cli check, run as a program: the heading and the findings in rule order, tab
// by tab, on the shipped samples and on a sample spoiled in several ways; the exit codes
// with and without --fail-on-findings.

#include "formats/recordfile.h"
#include "records/ciftadoc.h"
#include "session/ctaxsession.h"

#include "cli/clirun.h"

#include <gtest/gtest.h>

namespace {

const std::string kSamples = TOLLMARK_SAMPLE_DATA;
const std::string kHeading = "Rule\tTrip\tJurisdiction\tMessage\n";

class CheckCommandsTest : public ::testing::Test
{
protected:
    CliRun Run(const std::vector<std::string> &args) const
    {
        return RunCli(args, CliTempPath("stderr.txt"));
    }

    // The Quebec sample with trip 3 starting 8 km late, trip 5 (Kentucky) entered again at
    // the end without its surcharge line, and trip 7 dated in July.
    std::string SpoiledSample() const
    {
        CIftaDoc doc;
        EXPECT_TRUE(CTaxSession::ReadTaxFileInto(kSamples + "/ifta.itx", doc.rates()).ok());
        EXPECT_TRUE(ReadRecordFile(doc, kSamples + "/sample.irc").ok());
        TripEntry late = doc.entries()[2];
        late.odometerIn += 8;
        doc.modifyEntry(2, late);
        TripEntry july = doc.entries()[6];
        july.date = "2026/07/01";
        doc.modifyEntry(6, july);
        TripEntry again = doc.entries()[4];
        again.tripNumber = static_cast<int32_t>(doc.entries().size()) + 1;
        doc.addEntry(again);
        const std::string path = CliTempPath("spoiled.irc");
        EXPECT_TRUE(WriteRecordFile(doc, path).ok());
        return path;
    }
};

} // namespace

// The samples are clean quarters: the heading and the exposure only, exit 0 even when
// asked to fail on findings.
TEST_F(CheckCommandsTest, SamplesGiveOnlyTheExposure)
{
    const struct {
        const char *record, *rates, *exposure;
    } samples[] = {
        {"/sample.irc", "/ifta.itx", "An audit at 1.70 km/L would add 3.77 to the tax due"},
        {"/sample-us.irc", "/ifta-us.itx", "An audit at 4.00 MPG would add 125.08 to the tax due"},
    };
    for (const auto &s : samples) {
        const CliRun run = Run(
            {"check", kSamples + s.record, "--rates", kSamples + s.rates, "--fail-on-findings"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, kHeading + "exposure\t\t\t" + s.exposure + "\n");
    }
}

TEST_F(CheckCommandsTest, ListsFindingsInRuleOrderAndFailsOnlyWhenAsked)
{
    const std::string record = SpoiledSample();
    const CliRun run = Run({"check", record, "--rates", kSamples + "/ifta.itx"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              kHeading +
                  "odometer-gap\t3\tMI\t8 km on no trip line: trip 2 ends at 413400, trip 3 starts "
                  "at 413408\n"
                  "odometer-overlap\t23\tKY\t5,264 km on two trip lines: trip 23 starts at "
                  "414183, before trip 22 ends at 419447\n"
                  "outside-quarter\t7\tTN\tThe date 2026/07/01 is outside 2Q2026 (2026/04/01 to "
                  "2026/06/30)\n"
                  "surcharge-missing\t\tKY\t578 km driven in Kentucky, 289 km on its KY "
                  "Surcharge lines\n"
                  "duplicate-trip\t23\tKY\tRepeats trip 5: the same date, jurisdiction, distance, "
                  "fuel and odometers\n"
                  "exposure\t\t\tAn audit at 1.70 km/L would add 29.62 to the tax due\n");
    EXPECT_EQ(
        Run({"check", record, "--rates", kSamples + "/ifta.itx", "--fail-on-findings"}).exitCode,
        3);
}

TEST_F(CheckCommandsTest, FailuresKeepTheirExitCodes)
{
    EXPECT_EQ(Run({"check", kSamples + "/sample.irc"}).exitCode, 2);
    EXPECT_EQ(Run({"check", "--rates", kSamples + "/ifta.itx"}).exitCode, 2);
    const CliRun missing =
        Run({"check", CliTempPath("none.irc"), "--rates", kSamples + "/ifta.itx"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(missing.err.empty());
    EXPECT_TRUE(missing.out.empty());
}
