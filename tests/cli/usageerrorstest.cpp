// Every subcommand's usage errors and the failures of the input that need no real
// process, as one table run in the test's process: the exit code, what standard error
// says first, and nothing written. Every subcommand checks its options the same way
// before it runs: an option it does not take (a misspelling, most often) is a usage error
// that names it; an option without its value and a required one missing are usage errors
// too; each subcommand then checks the forms of its own values.

#include "cli/clirun.h"
#include "cli/inprocesscli.h"

#include "formats/recordfile.h"
#include "records/ciftadoc.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::string kData = TOLLMARK_TEST_DATA;
const std::string kSamples = TOLLMARK_SAMPLE_DATA;
const std::string kRates = kData + "/report/rates.itx";
const std::string kRecord = kData + "/filing/late-us.irc";
const std::string kFilingRates = kData + "/filing/rates-us.itx";
const std::string kShipped = kSamples + "/ifta.itx";
const std::string kCsv = kData + "/import/trips.csv";

struct Case {
    std::vector<std::string> args;
    int exitCode;
    std::string error; // how standard error begins
};

// The download's options with one of them changed to `value`.
std::vector<std::string> DownloadWith(const std::string &option, const std::string &value,
                                      const std::string &out)
{
    const std::vector<std::string> good = {"--year",    "2026", "--quarter", "2",
                                           "--country", "US",   "--rates",   kShipped,
                                           "--out",     out,    "--base",    "http://127.0.0.1:9/"};
    std::vector<std::string> args = {"download"};
    for (size_t i = 0; i < good.size(); i += 2) {
        args.push_back(good[i]);
        args.push_back(good[i] == option ? value : good[i + 1]);
    }
    return args;
}

} // namespace

TEST(CliUsage, UsageErrorsExitWithTwoAndWriteNothing)
{
    const std::string out = CliTempPath("out");
    const std::string pdf = CliTempPath("out.pdf");
    const std::string record = CliTempPath("unchanged.irc");
    std::filesystem::copy_file(kData + "/records/current-layout.irc", record,
                               std::filesystem::copy_options::overwrite_existing);
    const std::string profiles = CliTempPath("profiles.usr");
    std::filesystem::remove(profiles);
    ASSERT_EQ(RunCliInProcess({"profiles-add", profiles, "--companyName", "Alpha"}).exitCode, 0);
    const std::string recordBytes = ReadBytes(record);
    const std::string profileBytes = ReadBytes(profiles);
    const std::string usage = "usage: tollmark-cli SUBCOMMAND ...\n";
    const std::string chart = kData + "/charts/2Q2026.csv";
    const std::string sample = kSamples + "/sample.irc";
    const std::string tool = "tollmark-cli: ";
    // clang-format off
    const Case cases[] = {
        {{}, 2, usage},
        {{"no-such-command"}, 2, tool + "unknown subcommand no-such-command\n" + usage},
        // What every subcommand takes, checked before it runs.
        {{"export-summary", kRecord, "--rates", kRates, "--filled", "2026-12-01", "--out", out},
         2, tool + "unknown option --filled\n"},
        {{"late", kRecord, "--rates", kRates, "--filed", "2026-12-01", "--interest-rate", "F"},
         2, tool + "unknown option --interest-rate\n"},
        {{"report", kRecord, "--rates", kRates, "--whole-unit", "x"}, 2,
         tool + "unknown option --whole-unit\n"},
        {{"check", kRecord, "--rates", kRates, "--fail-on-finding"}, 2,
         tool + "unknown option --fail-on-finding\n"},
        {{"import", kCsv, "--rates", kRates, "--out", out, "--province-state", "ON"}, 2,
         tool + "unknown option --province-state\n"},
        {{"print", kRecord, "--rates", kRates, "--what", "report", "--pdf", pdf, "--landscpe"},
         2, tool + "unknown option --landscpe\n"},
        {{"merge", "--out", out, "--units-from-name", kRecord}, 2,
         tool + "unknown option --units-from-name\n"},
        {{"profiles-add", profiles, "--companyname", "Acme"}, 2, tool + "unknown option --companyname\n"},
        {{"profiles-add", profiles, "--company", "Misspelt"}, 2, tool + "unknown option --company\n"},
        {{"dump-record", kRecord, "--rates", kRates}, 2, tool + "unknown option --rates\n"},
        {{"entries", kRecord, "--rates"}, 2, tool + "option --rates needs a value\n"},
        {{"profiles-add", profiles, "--companyName"}, 2, tool + "option --companyName needs a value\n"},
        {{"vehicles", kRecord}, 2, tool + "missing --rates T.itx\n"},
        {{"entries", record}, 2, tool + "missing --rates T.itx\n"},
        {{"update-rates", record}, 2, tool + "missing --rates T.itx\n"},
        {{"report", kCsv}, 2, tool + "missing --rates T.itx\n"},
        {{"late", kRecord, "--rates", kRates}, 2, tool + "missing --filed YYYY-MM-DD\n"},
        {{"export-summary", kRecord, "--rates", kRates}, 2, tool + "missing --out S.csv\n"},
        {{"import", kCsv, "--rates", kRates}, 2, tool + "missing --rates T.itx or --out NEW.irc\n"},
        {{"parse-chart", chart, "--rates", kShipped, "--country", "US"}, 2,
         tool + "missing --out NEW.itx\n"},
        {{"print", sample, "--rates", kShipped, "--what", "report"}, 2, tool + "missing --pdf OUT.pdf\n"},
        {{"download", "--year", "2026", "--quarter", "2", "--country", "US"}, 2,
         tool + "missing --rates T.itx\n"},
        {{"report", "--rates", kRates}, 2, tool + "expected exactly one record file\n"},
        {{"print", "--rates", kShipped, "--what", "report", "--pdf", pdf}, 2,
         tool + "expected exactly one record file\n"},
        {{"dump-record"}, 2, tool + "expected exactly one file name\n"},
        {{"dump-record", record, record}, 2, tool + "expected exactly one file name\n"},
        {{"dump-rates"}, 2, tool + "expected exactly one file name\n"},
        {{"rates", kShipped, kShipped}, 2, tool + "expected exactly one file name\n"},
        {{"dump-profiles"}, 2, tool + "expected exactly one profiles file\n"},
        {{"parse-chart", "--rates", kShipped, "--country", "US", "--out", out}, 2,
         tool + "expected exactly one chart file\n"},
        {{"merge", "--out", out}, 2, tool + "expected --out NEW.irc and at least one record file\n"},
        // The forms of the values, checked by each subcommand.
        {{"import", kCsv, "--rates", kRates, "--out", out, "--options", "many"}, 2,
         tool + "--options takes a number from 0 to 511\n"},
        {{"import", kCsv, "--rates", kRates, "--out", out, "--fuel", "propane"}, 2,
         tool + "--fuel takes diesel or gasoline\n"},
        {{"profiles-add", profiles, "--fuelType", "3"}, 2,
         tool + "--fuelType takes 1 (diesel) or 2 (gasoline)\n"},
        {{"profiles-delete", profiles}, 2, tool + "expected a profiles file and a position\n"},
        {{"profiles-delete", profiles, "-1"}, 2, tool + "INDEX is a position in the list, from 0\n"},
        {{"profiles-delete", profiles, "first"}, 2, tool + "INDEX is a position in the list, from 0\n"},
        {{"parse-chart", chart, "--rates", kShipped, "--country", "Mexico", "--out", out}, 2,
         tool + "--country takes US or Canada\n"},
        {DownloadWith("--year", "1999", out), 2, tool + "--year takes a year from 2000 to 2099\n"},
        {DownloadWith("--year", "2100", out), 2, tool + "--year takes a year from 2000 to 2099\n"},
        {DownloadWith("--year", "twenty", out), 2, tool + "--year takes a year from 2000 to 2099\n"},
        {DownloadWith("--quarter", "0", out), 2, tool + "--quarter takes 1 to 4\n"},
        {DownloadWith("--quarter", "5", out), 2, tool + "--quarter takes 1 to 4\n"},
        {DownloadWith("--country", "canada", out), 2, tool + "--country takes US or Canada\n"},
        {{"print", sample, "--rates", kShipped, "--what", "form", "--pdf", pdf}, 2,
         tool + "--what takes entries, report, rates, check or vehicles\n"},
        {{"print", sample, "--rates", kShipped, "--what", "report", "--pdf", pdf, "--page-size", "B5"},
         2, tool + "--page-size takes Letter or A4\n"},
        {{"late", kRecord, "--rates", kFilingRates, "--filed", "2025-2-10"}, 2,
         tool + "--filed takes a date YYYY-MM-DD\n"},
        {{"late", kRecord, "--rates", kFilingRates, "--filed", "2025-02-30"}, 2,
         tool + "--filed takes a date YYYY-MM-DD\n"},
        {{"late", kRecord, "--rates", kFilingRates, "--filed", "2025-02-10", "--due", "x"}, 2,
         tool + "--due takes a date YYYY-MM-DD\n"},
        // Failures of the input, found before anything is written.
        {{"report", kRates, "--rates", kRates}, 1, "Incompatible file format\n"},
        {{"profiles-delete", profiles, "1"}, 1, "There is no profile at that position.\n"},
        {{"parse-chart", chart, "--rates", chart, "--country", "US", "--out", out}, 1,
         "Wrong file format. Tax not loaded.\n"},
        {{"print", CliTempPath("missing.irc"), "--rates", kShipped, "--what", "report", "--pdf", pdf},
         1, "Cannot open the file \"" + CliTempPath("missing.irc") + "\""},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE((c.args.empty() ? std::string("(none)") : c.args[0]) + ": " + c.error);
        const CliRun run = RunCliInProcess(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.err.substr(0, c.error.size()), c.error);
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(std::filesystem::exists(out));
        EXPECT_FALSE(std::filesystem::exists(pdf));
        EXPECT_EQ(ReadBytes(record), recordBytes);
        EXPECT_EQ(ReadBytes(profiles), profileBytes);
    }
}

TEST(CliUsage, ARecordWithoutEntriesPrintsNothing)
{
    CIftaDoc doc;
    CompanyInfo company = doc.company();
    company.country = "Canada";
    doc.setCompany(company);
    const std::string empty = CliTempPath("empty.irc");
    ASSERT_TRUE(WriteRecordFile(doc, empty));
    const std::string pdf = CliTempPath("out.pdf");
    const CliRun run =
        RunCliInProcess({"print", empty, "--rates", kShipped, "--what", "entries", "--pdf", pdf});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Nothing to print."), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

// The program itself gives what its command line gives.
TEST(CliUsage, TheProgramExitsWithItsCommandLinesCode)
{
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{}, std::vector<std::string>{"no-such-command"},
          std::vector<std::string>{"vehicles", kRecord}}) {
        const CliRun run = RunCli(args, CliTempPath("stderr.txt"));
        const CliRun inProcess = RunCliInProcess(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, inProcess.err);
    }
}
