// tollmark-cli dump-record, dump-rates, entries, rates and update-rates, run as a
// program on the shipped sample quarter and on hand-made files of both header layouts:
// outputs, exit codes and the failure texts on standard error.

#include "formats/recordfile.h"
#include "records/ciftadoc.h"

#include "cli/clirun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::string kData = std::string(TOLLMARK_TEST_DATA) + "/records";
const std::string kSamples = TOLLMARK_SAMPLE_DATA;

void WriteText(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

size_t Count(const std::string &text, const std::string &part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class RecordCommandsTest : public ::testing::Test
{
protected:
    std::string Temp(const std::string &name) const
    {
        const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
        return (std::filesystem::path(::testing::TempDir()) /
                (std::string("cli-records-") + info->name() + "-" + name))
            .string();
    }

    // A copy of a fixture under the test's temporary folder, for commands that rewrite it.
    std::string Copy(const std::string &from, const std::string &name) const
    {
        const std::string to = Temp(name);
        WriteText(to, ReadBytes(from));
        return to;
    }

    CliRun Run(const std::vector<std::string> &args) const
    {
        return RunCli(args, Temp("stderr.txt"));
    }
};

} // namespace

TEST_F(RecordCommandsTest, DumpRecordShowsBothLayouts)
{
    // The older layout: layout value, every company field, the fresh document's fuel
    // type (the file has none), every stored trip field in file order.
    const CliRun older = Run({"dump-record", kData + "/older-layout.irc"});
    EXPECT_EQ(older.exitCode, 0) << older.err;
    EXPECT_EQ(older.out, ReadBytes(kData + "/older-layout.json"));

    const CliRun current = Run({"dump-record", kData + "/current-layout.irc"});
    EXPECT_EQ(current.exitCode, 0) << current.err;
    EXPECT_NE(current.out.find("\"layout\": 61475"), std::string::npos);
    EXPECT_NE(current.out.find("\"city\": \"Gaspé\""), std::string::npos); // UTF-8 out
    EXPECT_NE(current.out.find("\"notes\": \"Notes\\r\\nSecond line\""), std::string::npos);
    EXPECT_NE(current.out.find("\"diesel\": 0,\n    \"gasoline\": 1"), std::string::npos);
    EXPECT_NE(current.out.find("\"fuel\": 150.25,"), std::string::npos);
    EXPECT_NE(current.out.find("\"rate\": 0.0379,"), std::string::npos);
    EXPECT_EQ(Count(current.out, "\"tripNumber\""), 3u);
}

TEST_F(RecordCommandsTest, DumpRecordOfTheSampleQuarter)
{
    const CliRun run = Run({"dump-record", kSamples + "/sample.irc"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\"companyName\": \"Transport Boréal inc.\""), std::string::npos);
    EXPECT_NE(run.out.find("\"recordPeriod\": {\n    \"year\": 2026,\n    \"quarter\": 2\n  }"),
              std::string::npos);
    EXPECT_EQ(Count(run.out, "\"tripNumber\""), 22u);
    EXPECT_EQ(Count(run.out, "\"surcharge\": 1"), 2u);

    const CliRun us = Run({"dump-record", kSamples + "/sample-us.irc"});
    EXPECT_EQ(us.exitCode, 0) << us.err;
    EXPECT_NE(us.out.find("\"country\": \"US\""), std::string::npos);
    EXPECT_EQ(Count(us.out, "\"distanceInMiles\": 1"), Count(us.out, "\"tripNumber\""));
}

TEST_F(RecordCommandsTest, DumpRatesListsAll72Slots)
{
    const CliRun run = Run({"dump-rates", kSamples + "/ifta-us.itx"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\"period\": {\n    \"year\": 2026,\n    \"quarter\": 2,\n"
                           "    \"country\": \"US\"\n  }"),
              std::string::npos);
    EXPECT_EQ(Count(run.out, "\"slot\": "), 72u);
    EXPECT_NE(run.out.find("\"slot\": 71\n"), std::string::npos);
    EXPECT_NE(run.out.find("\"name\": \"KY Surcharge\",\n      \"abbreviation\": \"KYS\""),
              std::string::npos);
    // Ten provinces, 48 states and three surcharge slots are named; the rest are empty.
    EXPECT_EQ(Count(run.out, "\"name\": \"\""), 72u - 61u);
    EXPECT_EQ(Count(run.out, "\"surcharge\": 1"), 3u);
}

TEST_F(RecordCommandsTest, EntriesInTheCarriersUnits)
{
    // A Canadian carrier's hand-made file with lines in miles and gallons.
    const CliRun hand =
        Run({"entries", kData + "/current-layout.irc", "--rates", kData + "/hand.itx"});
    EXPECT_EQ(hand.exitCode, 0) << hand.err;
    EXPECT_EQ(hand.out, ReadBytes(kData + "/current-layout-entries.txt"));

    // The older layout reads through the same lines.
    const CliRun older =
        Run({"entries", kData + "/older-layout.irc", "--rates", kData + "/hand.itx"});
    EXPECT_EQ(older.exitCode, 0) << older.err;
    EXPECT_NE(older.out.find("\n1\t\t2005/01/10\tOntario\tON\t320\t150000\t150320\t210.50\t\n"),
              std::string::npos);

    const CliRun us =
        Run({"entries", kSamples + "/sample-us.irc", "--rates", kSamples + "/ifta-us.itx"});
    EXPECT_EQ(us.exitCode, 0) << us.err;
    EXPECT_EQ(
        us.out.substr(0, us.out.find('\n')),
        "Trip\tUnit\tDate\tState\tAbbrev\tDistance (Mil)\tOdometer IN\tOdometer OUT\tFuel (Gal)"
        "\tSurtax");
    EXPECT_EQ(Count(us.out, "\n"), 18u);
    EXPECT_NE(us.out.find("\n6\t\t2026/04/07\tKY Surcharge\tKYS\t192\t269545\t269737\t0.00\tX\n"),
              std::string::npos);

    // The Quebec sample: its Maine line was noted in miles and gallons.
    const CliRun quebec =
        Run({"entries", kSamples + "/sample.irc", "--rates", kSamples + "/ifta.itx"});
    EXPECT_EQ(quebec.exitCode, 0) << quebec.err;
    EXPECT_NE(quebec.out.find("\n15\t\t2026/05/14\tMaine\tME\t298\t417016\t417314\t365.29\t\n"),
              std::string::npos);
}

TEST_F(RecordCommandsTest, RatesShowTheNamedSlots)
{
    const CliRun hand = Run({"rates", kData + "/hand.itx"});
    EXPECT_EQ(hand.exitCode, 0) << hand.err;
    EXPECT_EQ(hand.out, "Index\tState\tAbbrev\tDiesel tax\tGas tax\tSurTax\n"
                        "1\tQuebec\tQC\t0.2020\t0.1920\t\n"
                        "2\tOntario\tON\t0.0900\t0.0900\t\n"
                        "3\tON Surcharge\tONS\t0.0379\t0.0163\tX\n");

    const CliRun sample = Run({"rates", kSamples + "/ifta.itx"});
    EXPECT_EQ(sample.exitCode, 0) << sample.err;
    EXPECT_EQ(Count(sample.out, "\n"), 62u);
    EXPECT_NE(sample.out.find("\n9\tQuebec\tQC\t0.2020\t0.1920\t\n"), std::string::npos);
    EXPECT_NE(sample.out.find("\n27\tKY Surcharge\tKYS\t0.0379\t0.0163\tX\n"), std::string::npos);
}

TEST_F(RecordCommandsTest, UpdateRatesRewritesTheRecordWithTheTablesRates)
{
    // The older layout: diesel (the fresh document's fuel type), written back current.
    const std::string older = Copy(kData + "/older-layout.irc", "older.irc");
    const CliRun run = Run({"update-rates", older, "--rates", kData + "/hand.itx"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    // That choice is told, not made silently.
    EXPECT_NE(run.err.find("older record layout (61474)"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("diesel rates"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("fuel code 1"), std::string::npos) << run.err;
    const std::string bytes = ReadBytes(older);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x23\xf0\x00\x00", 4));

    CIftaDoc doc;
    uint32_t layout = 0;
    ASSERT_TRUE(ReadRecordFile(doc, older, &layout).ok());
    EXPECT_EQ(layout, kCurrentRecordLayout);
    EXPECT_EQ(doc.company().companyName, "Older Carrier Ltd");
    EXPECT_EQ(doc.company().notes, "Line one\r\nLine two");
    EXPECT_EQ(doc.recordPeriod().year, 2026);
    EXPECT_EQ(doc.recordPeriod().quarter, 2);
    ASSERT_EQ(doc.entries().size(), 3u);
    EXPECT_EQ(doc.entries()[0].rate, TenThousandths{900});  // slot 1, Ontario diesel
    EXPECT_EQ(doc.entries()[1].rate, TenThousandths{2020}); // slot 0, Quebec diesel
    EXPECT_EQ(doc.entries()[2].rate, TenThousandths{379});  // the surcharge slot
    EXPECT_EQ(doc.entries()[2].surcharge, 1);
    EXPECT_EQ(doc.entries()[1].odometerOut, 150900);

    // The current layout of a gasoline carrier takes the gasoline rates.
    const std::string current = Copy(kData + "/current-layout.irc", "current.irc");
    const CliRun currentRun = Run({"update-rates", current, "--rates", kData + "/hand.itx"});
    EXPECT_EQ(currentRun.exitCode, 0);
    EXPECT_EQ(currentRun.err, "");
    ASSERT_TRUE(ReadRecordFile(doc, current).ok());
    EXPECT_EQ(doc.company().gasoline, 1);
    EXPECT_EQ(doc.entries()[0].rate, TenThousandths{1920});
    EXPECT_EQ(doc.entries()[2].rate, TenThousandths{163});
}

TEST_F(RecordCommandsTest, RefusedFilesFailWithTheProgramsText)
{
    // A tax-rate file given as a record file, and the other way round.
    const CliRun notRecord = Run({"dump-record", kSamples + "/ifta.itx"});
    EXPECT_EQ(notRecord.exitCode, 1);
    EXPECT_EQ(notRecord.err, "Incompatible file format\n");
    EXPECT_EQ(notRecord.out, "");
    const CliRun notRates = Run({"rates", kSamples + "/sample.irc"});
    EXPECT_EQ(notRates.exitCode, 1);
    EXPECT_EQ(notRates.err, "Wrong file format. Tax not loaded.\n");
    EXPECT_EQ(Run({"dump-rates", kSamples + "/sample.irc"}).err,
              "Wrong file format. Tax not loaded.\n");
    EXPECT_EQ(
        Run({"entries", kSamples + "/sample.irc", "--rates", kSamples + "/sample.irc"}).exitCode,
        1);

    // A known layout value on a file shorter than its header.
    const std::string truncated = Temp("truncated.irc");
    WriteText(truncated, ReadBytes(kData + "/current-layout.irc").substr(0, 400));
    const CliRun shortRun = Run({"entries", truncated, "--rates", kData + "/hand.itx"});
    EXPECT_EQ(shortRun.exitCode, 1);
    EXPECT_EQ(shortRun.err, "Incompatible file format\n");
    EXPECT_EQ(shortRun.out, "");

    // update-rates on a refused file leaves it as it was.
    const std::string before = ReadBytes(truncated);
    const CliRun update = Run({"update-rates", truncated, "--rates", kData + "/hand.itx"});
    EXPECT_EQ(update.exitCode, 1);
    EXPECT_EQ(update.err, "Incompatible file format\n");
    EXPECT_EQ(ReadBytes(truncated), before);

    // A file that does not exist is a failure of the input, with its name.
    const std::string missing = Temp("missing.irc");
    const CliRun none = Run({"dump-record", missing});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.err.find(missing), std::string::npos);
}
