// tollmark-cli late and export-summary, run as a program: the late return of a fixture
// byte for byte, on time, a missing factor, a refused table, and the summary CSV. (Refused
// dates: usageerrorstest.cpp.)

#include "cli/clirun.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

const std::string kData = TOLLMARK_TEST_DATA;
const std::string kRecord = kData + "/filing/late-us.irc";
const std::string kRates = kData + "/filing/rates-us.itx";
const std::string kInterest = std::string(TOLLMARK_SAMPLE_DATA) + "/interest-rates.tsv";

class FilingCommandsTest : public ::testing::Test
{
protected:
    CliRun Run(std::vector<std::string> args) const
    {
        return RunCli(args, CliTempPath("stderr.txt"));
    }
    CliRun Late(const std::string &filed, std::vector<std::string> extra = {}) const
    {
        std::vector<std::string> args = {"late", kRecord, "--rates", kRates, "--filed", filed};
        args.insert(args.end(), extra.begin(), extra.end());
        return Run(args);
    }
};

TEST_F(FilingCommandsTest, LateReturnOfAFixtureByteForByte)
{
    // 3Q2024 due Thursday 2024-10-31, filed 2025-02-10: four months at the 2024 and 2025
    // factors; interest on each owed tax, none on the credits; a net of 5.51 gets the
    // 50.00 floor. Without --interest-rates the shipped table is used; a copy saved with
    // a UTF-8 byte-order mark (as Notepad saves it) reads the same.
    const std::string golden = ReadBytes(kData + "/filing/late-us-2025-02-10.txt");
    const std::string marked = CliTempPath("marked.tsv");
    std::ofstream(marked, std::ios::binary) << "\xEF\xBB\xBF" << ReadBytes(kInterest);
    for (const auto &extra :
         {std::vector<std::string>{"--interest-rates", kInterest}, std::vector<std::string>{},
          std::vector<std::string>{"--interest-rates", marked}}) {
        const CliRun run = Late("2025-02-10", extra);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, golden);
    }
}

TEST_F(FilingCommandsTest, OnTimeReturnOwesNoInterestNorPenalty)
{
    const CliRun run = Late("2024-10-31");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Due\t2024-10-31\nMonths late\t0\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nAR\t22.77\t0.00\n"), std::string::npos);
    EXPECT_NE(run.out.find("Interest total\t0.00\nPenalty\t0.00\nTotal due\t5.51\n"),
              std::string::npos)
        << run.out;
}

TEST_F(FilingCommandsTest, HandSetDueDateDecidesLateness)
{
    // A holiday moved the due date to Monday 2024-11-04: filed that day is on time,
    // the day after is one month late (November).
    EXPECT_NE(Late("2024-11-04", {"--due", "2024-11-04"}).out.find("Months late\t0\n"),
              std::string::npos);
    EXPECT_NE(Late("2024-11-05", {"--due", "2024-11-04"}).out.find("Months late\t1\n"),
              std::string::npos);
}

TEST_F(FilingCommandsTest, MissingFactorFailsAndPrintsNoFigures)
{
    const CliRun run = Late("2027-03-01");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "No interest factor for US 2027-01: add it to the interest-rate table\n");
}

TEST_F(FilingCommandsTest, ABadInterestTableIsRefused)
{
    const std::string table = CliTempPath("rates.tsv");
    std::ofstream(table) << "# factors\nUS\t2024-01-01\t2024-12-31\t0,008333\n";
    const CliRun run = Late("2025-02-10", {"--interest-rates", table});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Line 2 of the interest-rate table: the factor must be a number with at "
                       "most six decimals, such as 0.007500\n");
}

TEST_F(FilingCommandsTest, SummaryCsvForFilingPortals)
{
    const std::string out = CliTempPath("summary.csv");
    const CliRun run =
        Run({"export-summary", kRecord, "--rates", kRates, "--filed", "2025-02-10", "--out", out});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // Surcharge rows carry their state's abbreviation and "Surcharge"; Tax, Interest and
    // Total agree with tollmark-cli late.
    EXPECT_EQ(ReadBytes(out), ReadBytes(kData + "/filing/late-us-2025-02-10-summary.csv"));

    // In whole units the fuel and the tax are the whole-units report's, interest on them.
    ASSERT_EQ(Run({"export-summary", kRecord, "--rates", kRates, "--filed", "2025-02-10",
                   "--whole-units", "--out", out})
                  .exitCode,
              0);
    EXPECT_NE(ReadBytes(out).find("\r\nAR,,Diesel,286,286,3.58,80.00,0.00,80.00,0.2850,22.80,0.72,"
                                  "23.52\r\n"),
              std::string::npos)
        << ReadBytes(out);

    // A Canadian carrier's summary is headed in kilometres and litres.
    const std::string sample = std::string(TOLLMARK_SAMPLE_DATA);
    ASSERT_EQ(Run({"export-summary", sample + "/sample.irc", "--rates", sample + "/ifta.itx",
                   "--filed", "2026-07-02", "--out", out})
                  .exitCode,
              0);
    EXPECT_EQ(ReadBytes(out).substr(0, ReadBytes(out).find('\r')),
              "Jurisdiction,Surcharge,Fuel Type,Total Kilometers,Taxable Kilometers,KPL,"
              "Taxable Litres,Tax Paid Litres,Net Taxable Litres,Rate,Tax,Interest,Total");
}

// Without --filed the return is filed today: a late one with its interest and penalty,
// and standard error names the day and how late it is, so nobody files today's figures
// believing them on time.
TEST_F(FilingCommandsTest, WithoutFiledTheReturnIsFiledToday)
{
    const std::string out = CliTempPath("summary.csv");
    const struct {
        const char *today;
        const char *said;
        const char *summary; // the summary filed on that day, by --filed
    } cases[] = {
        {"2025-02-10", "Filed 2025-02-10: 4 months late\n", "2025-02-10"},
        {"2024-11-05", "Filed 2024-11-05: 1 month late\n", "2024-11-05"},
        // Inside the quarter itself: due, never late.
        {"2024-09-15", "Filed 2024-09-15: on time, due 2024-10-31\n", "2024-09-15"},
    };
    for (const auto &c : cases) {
        const std::string filed = CliTempPath("filed.csv");
        ASSERT_EQ(Run({"export-summary", kRecord, "--rates", kRates, "--filed", c.summary, "--out",
                       filed})
                      .exitCode,
                  0);
        ScopedToday today(c.today);
        const CliRun run = Run({"export-summary", kRecord, "--rates", kRates, "--out", out});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, c.said);
        EXPECT_EQ(ReadBytes(out), ReadBytes(filed)) << c.today;
    }
}

} // namespace
