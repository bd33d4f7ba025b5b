// Every subcommand checks its options the same way before it runs: an option it does not
// take (a misspelling, most often) is a usage error that names it, and nothing is
// written; an option without its value and a required one missing are usage errors too.

#include "clirun.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::string kData = TOLLMARK_TEST_DATA;
const std::string kRates = kData + "/report/rates.itx";
const std::string kRecord = kData + "/filing/late-us.irc";

TEST(CliOptions, AMisspeltOrMissingOptionIsAUsageErrorNamingIt)
{
    const std::string out = CliTempPath("out");
    const std::string pdf = CliTempPath("out.pdf");
    struct Case {
        std::vector<std::string> args;
        std::string error; // what standard error must say
    };
    // clang-format off
    const Case cases[] = {
        {{"export-summary", kRecord, "--rates", kRates, "--filled", "2026-12-01", "--out", out},
         "unknown option --filled"},
        {{"late", kRecord, "--rates", kRates, "--filed", "2026-12-01", "--interest-rate", "F"},
         "unknown option --interest-rate"},
        {{"report", kRecord, "--rates", kRates, "--whole-unit", "x"}, "unknown option --whole-unit"},
        {{"check", kRecord, "--rates", kRates, "--fail-on-finding"},
         "unknown option --fail-on-finding"},
        {{"import", kData + "/import/trips.csv", "--rates", kRates, "--out", out, "--province-state",
          "ON"}, "unknown option --province-state"},
        {{"print", kRecord, "--rates", kRates, "--what", "report", "--pdf", pdf, "--landscpe"},
         "unknown option --landscpe"},
        {{"merge", "--out", out, "--units-from-name", kRecord}, "unknown option --units-from-name"},
        {{"profiles-add", out, "--companyname", "Acme"}, "unknown option --companyname"},
        {{"dump-record", kRecord, "--rates", kRates}, "unknown option --rates"},
        {{"entries", kRecord, "--rates"}, "option --rates needs a value"},
        {{"vehicles", kRecord}, "missing --rates T.itx"},
        {{"late", kRecord, "--rates", kRates}, "missing --filed YYYY-MM-DD"},
        {{"export-summary", kRecord, "--rates", kRates}, "missing --out S.csv"},
        {{"report", "--rates", kRates}, "expected exactly one record file"},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args[0] + ": " + c.error);
        const CliRun run = RunCli(c.args, CliTempPath("stderr.txt"));
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, "tollmark-cli: " + c.error + "\n");
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(std::filesystem::exists(out));
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
}

} // namespace
