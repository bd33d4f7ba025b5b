// tollmark-cli parse-chart and download, run as a program: a chart of either form into the
// shipped tables, a download from an HTTP server on 127.0.0.1 that the test runs in a
// thread of its own, failure texts and exit codes.

#include "formats/taxfile.h"

#include "cli/clirun.h"
#include "cli/threadchartserver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>

namespace {

const std::string kCharts = TOLLMARK_TEST_DATA "/charts/";
const std::string kShipped = TOLLMARK_SAMPLE_DATA "/ifta.itx";
const std::string kShippedUs = TOLLMARK_SAMPLE_DATA "/ifta-us.itx";

class ChartCommandsTest : public ::testing::Test
{
protected:
    // An output left by an earlier run would hide a file written by mistake.
    void SetUp() override { std::filesystem::remove(Temp("out.itx")); }

    std::string Temp(const std::string &name) const { return CliTempPath(name); }

    CliRun Run(const std::vector<std::string> &args) const
    {
        return RunCli(args, Temp("stderr.txt"));
    }

    // The shipped table with every rate set to 9, so that a filled rate is easy to see.
    std::string BlankedTable(const std::string &shipped) const
    {
        TaxRateTable table;
        TaxPeriod period;
        EXPECT_TRUE(ParseTaxText(ReadBytes(shipped), table, period));
        for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
            if (!table[slot].name.empty())
                table[slot].dieselRate = table[slot].gasolineRate = TenThousandths{90000};
        }
        period = TaxPeriod{2005, 1, "Canada"};
        const std::string path = Temp("blank.itx");
        EXPECT_TRUE(WriteTaxFile(path, table, period));
        return path;
    }
};

} // namespace

// The shipped tables hold the quarter's published rates: parsing the quarter's chart into
// a blanked copy gives them back byte for byte, from either chart form.
TEST_F(ChartCommandsTest, ChartsRebuildTheShippedTables)
{
    struct Case {
        const char *chart;
        const char *country;
        std::string shipped;
    };
    for (const Case &c :
         {Case{"2Q2026.csv", "Canada", kShipped}, Case{"2Q2026-can.txt", "Canada", kShipped},
          Case{"2Q2026.csv", "US", kShippedUs}, Case{"2Q2026-us.txt", "US", kShippedUs}}) {
        SCOPED_TRACE(std::string(c.chart) + " " + c.country);
        const std::string out = Temp("out.itx");
        const CliRun run = Run({"parse-chart", kCharts + c.chart, "--rates",
                                BlankedTable(c.shipped), "--country", c.country, "--out", out});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(run.err.empty()) << run.err; // no chart line passed over
        EXPECT_EQ(ReadBytes(out), ReadBytes(c.shipped));
    }
}

TEST_F(ChartCommandsTest, ParseChartFailures)
{
    const std::string out = Temp("out.itx");
    const std::string chart = kCharts + "2Q2026.csv";
    const CliRun noChart = Run(
        {"parse-chart", Temp("missing.txt"), "--rates", kShipped, "--country", "US", "--out", out});
    EXPECT_EQ(noChart.exitCode, 1);
    EXPECT_FALSE(noChart.err.empty());
    EXPECT_FALSE(std::filesystem::exists(out));
    // A page that is no chart is refused; nothing is written.
    const std::string page = Temp("page.html");
    std::ofstream(page) << "<html><body>Sign in</body></html>\n";
    const CliRun notChart =
        Run({"parse-chart", page, "--rates", kShipped, "--country", "US", "--out", out});
    EXPECT_EQ(notChart.exitCode, 1);
    EXPECT_EQ(notChart.err, "The answer is not a rate chart\n");
    EXPECT_FALSE(std::filesystem::exists(out));

    // A tax-rate file with more than 72 slot lines is read with a note.
    const std::string longer = Temp("longer.itx");
    std::ofstream(longer) << ReadBytes(kShipped) << "Atlantis\tAT\t0\t0\t0\t\n";
    const CliRun noted =
        Run({"parse-chart", chart, "--rates", longer, "--country", "US", "--out", out});
    EXPECT_EQ(noted.exitCode, 0);
    EXPECT_NE(noted.err.find("tollmark-cli: note: The tax-rate file has more than 72 slot lines"),
              std::string::npos)
        << noted.err;
    std::filesystem::remove(out);

    // A jurisdiction the table lacks is named on standard error and passed over.
    const std::string onlyAlberta = Temp("alberta.itx");
    std::ofstream(onlyAlberta) << "#TAXHEAD#\t2026\t1\tUS\t\nAlberta\tAB\t0\t0\t0\t\n";
    const CliRun partial =
        Run({"parse-chart", chart, "--rates", onlyAlberta, "--country", "US", "--out", out});
    EXPECT_EQ(partial.exitCode, 0);
    EXPECT_NE(partial.err.find("BRITISH COLUMBIA"), std::string::npos) << partial.err;
    EXPECT_NE(ReadBytes(out).find("Alberta\tAB\t0.3596\t0.3596\t0\t"), std::string::npos);
}

// The .txt name is gone for the quarter; the chart is fetched under .csv.
TEST_F(ChartCommandsTest, DownloadFallsBackToTheCsvChart)
{
    ThreadChartServer server({{"/taxmatrix/charts/2Q2026.csv", ReadBytes(kCharts + "2Q2026.csv")}});
    const std::string out = Temp("out.itx");
    const CliRun run =
        Run({"download", "--year", "2026", "--quarter", "2", "--country", "Canada", "--rates",
             BlankedTable(kShipped), "--out", out, "--base", server.base()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(out), ReadBytes(kShipped));

    const std::vector<std::string> requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].substr(0, 35), "GET /taxmatrix/charts/2Q2026.txt HT");
    EXPECT_EQ(requests[1].substr(0, 35), "GET /taxmatrix/charts/2Q2026.csv HT");
    EXPECT_NE(requests[0].find("\r\nUser-Agent: My Session"), std::string::npos) << requests[0];
}

TEST_F(ChartCommandsTest, FailedDownloadWritesNothing)
{
    const std::string out = Temp("out.itx");
    {
        ThreadChartServer server({});
        const CliRun notFound =
            Run({"download", "--year", "2026", "--quarter", "2", "--country", "US", "--rates",
                 kShipped, "--out", out, "--base", server.base()});
        EXPECT_EQ(notFound.exitCode, 1);
        EXPECT_EQ(
            notFound.err,
            "Connection to server fail (error: 404)\nHTTP 404: the server has no rate chart at "
            "that address (not found).\nDownload fail\n");
    }
    {
        // A 200 answer that is a web page, not a chart.
        ThreadChartServer server(std::map<std::string, std::string>{
            {"/taxmatrix/charts/2Q2026.txt", "<html>Sign in</html>\n"}});
        const CliRun page = Run({"download", "--year", "2026", "--quarter", "2", "--country", "US",
                                 "--rates", kShipped, "--out", out, "--base", server.base()});
        EXPECT_EQ(page.exitCode, 1);
        EXPECT_EQ(page.err, "The answer is not a rate chart\nDownload fail\n");
    }
    // The server is gone: the connection is refused.
    const Socket probe = OpenTcpSocket();
    const int freePort = BindLoopback(probe);
    CloseSocket(probe);
    ASSERT_NE(freePort, 0);
    const CliRun refused =
        Run({"download", "--year", "2026", "--quarter", "2", "--country", "US", "--rates", kShipped,
             "--out", out, "--base", "http://127.0.0.1:" + std::to_string(freePort) + "/"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err,
              "Connection to server fail (error: 1)\nThe server refused the connection.\nDownload "
              "fail\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}
