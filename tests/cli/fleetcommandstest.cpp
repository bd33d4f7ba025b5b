// tollmark-cli on a fleet's files, run as a program: imports by heading from mileage and
// fuel-card exports with the report worked out by hand, the refusals and questions of
// those imports, and unit numbers through merge and the entry list.

#include "formats/recordfile.h"
#include "records/ciftadoc.h"

#include "cli/clirun.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kData = TOLLMARK_TEST_DATA;
const std::string kRates = kData + "/report/rates.itx";
const std::string kImports = kData + "/import/";

class FleetCommandsTest : public ::testing::Test
{
protected:
    std::string Temp(const std::string &name) const { return CliTempPath(name); }
    CliRun Run(const std::vector<std::string> &args) const
    {
        return RunCli(args, Temp("stderr.txt"));
    }
    // The line of the output that starts with `start`, or empty.
    static std::string LineOf(const std::string &out, const std::string &start)
    {
        const size_t at = out.find("\n" + start);
        return at == std::string::npos ? std::string()
                                       : out.substr(at + 1, out.find('\n', at + 1) - at - 1);
    }
};

} // namespace

TEST_F(FleetCommandsTest, AMileageAndAFuelCardExportMakeOneQuarter)
{
    // A US carrier: the meters of the mileage export become whole miles (160934.4 m is
    // 100 mi, 804.672 m half a mile, rounded up), the fuel card's 3-decimal gallons
    // hundredths (40.125 -> 40.13); its DEF and reefer lines are left out.
    const std::string out = Temp("quarter.irc");
    const CliRun run =
        Run({"import", kImports + "mileage-meters.csv", kImports + "fuel-card.csv", "--by-heading",
             "--rates", kRates, "--out", out, "--country", "US", "--province", "NY"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, kImports + "fuel-card.csv: 2 lines were left out because their product "
                                  "is not motor fuel: DEF (1), REEFER (1).\n");

    // By hand: distance QC 100, ON 500, KY 200 (its surcharge 200 taxable), ME 50 + 1;
    // 851 miles in all. Fuel 40.13 + 60.00 + 39.87 = 140.00 gallons; average 851 / 140 =
    // 6.0786 -> 6.08. Taxable fuel = distance / 6.08; tax = (taxable - paid) x rate.
    const CliRun report = Run({"report", out, "--rates", kRates});
    ASSERT_EQ(report.exitCode, 0) << report.err;
    EXPECT_EQ(LineOf(report.out, "Quebec"),
              "Quebec\tQC\t100\t100\t6.08\t16.45\t40.13\t-23.68\t0.2020\t-4.78");
    EXPECT_EQ(LineOf(report.out, "Ontario"),
              "Ontario\tON\t500\t500\t6.08\t82.24\t0.00\t82.24\t0.1430\t11.76");
    EXPECT_EQ(LineOf(report.out, "Kentucky"),
              "Kentucky\tKY\t200\t200\t6.08\t32.89\t60.00\t-27.11\t0.2850\t-7.73");
    EXPECT_EQ(LineOf(report.out, "KY Surcharge"),
              "KY Surcharge\tKX\t0\t200\t6.08\t32.89\t0.00\t32.89\t0.0470\t1.55");
    EXPECT_EQ(LineOf(report.out, "Maine"),
              "Maine\tME\t51\t51\t6.08\t8.39\t39.87\t-31.48\t0.3120\t-9.82");
    EXPECT_EQ(LineOf(report.out, "Total"),
              "Total\t\t851\t1051\t6.08\t172.86\t140.00\t32.86\t\t-9.02");

    // Each line keeps its truck.
    CIftaDoc doc;
    ASSERT_TRUE(ReadRecordFile(doc, out).ok());
    ASSERT_EQ(doc.entries().size(), 10u); // 5 + 3 lines, each Kentucky one with its surcharge
    EXPECT_EQ(doc.entries()[0].reservedText, "T-104");
    EXPECT_EQ(doc.entries()[2].reservedText, "T-205");
    EXPECT_EQ(doc.entries()[3].surcharge, 1);
    EXPECT_EQ(doc.entries()[3].reservedText, "T-205");
    EXPECT_EQ(doc.entries()[6].date, "2026/04/01");
    EXPECT_EQ(doc.entries()[9].tripNumber, 10);

    // Per truck: T-104 600 mi on 40.13 gal (14.95), T-205 200 + 50 + 1 = 251 mi on
    // 60.00 + 39.87 = 99.87 gal (2.51); surcharge lines are no trips of their own.
    const CliRun vehicles = Run({"vehicles", out, "--rates", kRates});
    EXPECT_EQ(vehicles.exitCode, 0) << vehicles.err;
    EXPECT_EQ(vehicles.out, "Unit\tTrips\tDistance\tFuel\tAverage\n"
                            "T-104\t3\t600\t40.13\t14.95\n"
                            "T-205\t5\t251\t99.87\t2.51\n"
                            "Fleet\t8\t851\t140.00\t6.08\n");

    // The printed vehicle records name each unit, its trips and its average.
    const std::string pdf = Temp("vehicles.pdf");
    ASSERT_EQ(Run({"print", out, "--rates", kRates, "--what", "vehicles", "--pdf", pdf}).exitCode,
              0);
    SKIP_WITHOUT_PDF_TEXT();
    const std::string printed = RunShell("pdftotext -layout " + Quoted(pdf) + " -");
    for (const char *expected : {"Vehicle Records", "Unit T-104", "Unit T-205",
                                 "Average: 14.95 MPG", "Average: 2.51 MPG", "Average: 6.08 MPG"})
        EXPECT_NE(printed.find(expected), std::string::npos) << expected << "\n" << printed;
}

TEST_F(FleetCommandsTest, ProvinceNamesAndKilometresOfACanadianCarrier)
{
    // Names in any case and with accents (the UTF-8 file has a byte-order mark); a day
    // without kilometres takes its odometer readings' difference.
    const std::string out = Temp("km.irc");
    const CliRun run = Run(
        {"import", kImports + "provinces-km.tsv", "--by-heading", "--rates", kRates, "--out", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const CliRun entries = Run({"entries", out, "--rates", kRates});
    EXPECT_EQ(entries.out,
              "Trip\tUnit\tDate\tState\tAbbrev\tDistance (Km)\tOdometer IN\tOdometer OUT\tFuel "
              "(L)\tSurtax\n"
              "1\t12\t2026/04/06\tOntario\tON\t250\t50000\t50250\t0.00\t\n"
              "2\t12\t2026/04/07\tQuebec\tQC\t300\t50250\t50550\t0.00\t\n"
              "3\t7\t2026/04/06\tQuebec\tQC\t120\t8000\t8120\t0.00\t\n"
              "4\t7\t2026/04/07\tKentucky\tKY\t0\t8120\t8200\t0.00\t\n"
              "5\t7\t2026/04/07\tKY Surcharge\tKX\t0\t8120\t8200\t0.00\tX\n");
}

TEST_F(FleetCommandsTest, AmbiguousDatesNeedTheirOrder)
{
    const std::string out = Temp("dates.irc");
    std::filesystem::remove(out);
    const std::vector<std::string> import = {
        "import", kImports + "ambiguous-dates.csv", "--by-heading", "--rates", kRates, "--out",
        out};
    const CliRun asked = Run(import);
    EXPECT_EQ(asked.exitCode, 1);
    EXPECT_NE(asked.err.find("give --date-order mdy or dmy"), std::string::npos) << asked.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    for (const auto &[order, first] :
         {std::pair<std::string, std::string>{"mdy", "2026/04/05"}, {"dmy", "2026/05/04"}}) {
        std::vector<std::string> args = import;
        args.insert(args.end(), {"--date-order", order});
        ASSERT_EQ(Run(args).exitCode, 0) << order;
        CIftaDoc doc;
        ASSERT_TRUE(ReadRecordFile(doc, out).ok());
        EXPECT_EQ(doc.entries()[0].date, first) << order;
    }
}

TEST_F(FleetCommandsTest, BadLinesAreToldAndKeptOnlyWhenAsked)
{
    const std::string out = Temp("bad.irc");
    std::filesystem::remove(out);
    const std::vector<std::string> import = {
        "import", kImports + "bad-lines.csv", "--by-heading", "--rates", kRates, "--out", out};
    const std::string told = "3 lines of the file could not be read:\n"
                             "line 3: the date \"2026-04-31\" is not a date\n"
                             "line 4: the jurisdiction \"ZZ\" is unknown\n"
                             "line 6: the distance \"1O0\" is not a number";
    const CliRun refused = Run(import);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, kImports + "bad-lines.csv: " + told + "\n\nNothing was imported.\n");
    EXPECT_FALSE(std::filesystem::exists(out));

    std::vector<std::string> skip = import;
    skip.push_back("--skip-bad-lines");
    const CliRun kept = Run(skip);
    EXPECT_EQ(kept.exitCode, 0);
    EXPECT_EQ(kept.err, kImports + "bad-lines.csv: " + told + "\n");
    CIftaDoc doc;
    ASSERT_TRUE(ReadRecordFile(doc, out).ok());
    ASSERT_EQ(doc.entries().size(), 2u);
    EXPECT_EQ(doc.entries()[1].distance, 50u); // "Maine" by its name
}

TEST_F(FleetCommandsTest, ShowMapPrintsTheColumnsAndMapChangesThem)
{
    const CliRun shown = Run({"import", kImports + "fuel-card.csv", "--show-map"});
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.out, "date=Transaction Date\njurisdiction=Merchant State\ndistance=\n"
                         "fuel=Fuel Qty Gallons\nunit=Unit\nodometer-in=\nodometer-out=\n"
                         "product=Product Code\n");
    // Without the product column every line counts; a column the file lacks is refused.
    const std::string out = Temp("all.irc");
    ASSERT_EQ(Run({"import", kImports + "fuel-card.csv", "--by-heading", "--map",
                   "product=", "--rates", kRates, "--out", out})
                  .exitCode,
              0);
    CIftaDoc doc;
    ASSERT_TRUE(ReadRecordFile(doc, out).ok());
    EXPECT_EQ(doc.entries().size(), 7u); // five lines, two in Kentucky
    const CliRun wrong =
        Run({"import", kImports + "fuel-card.csv", "--show-map", "--map", "date=When"});
    EXPECT_EQ(wrong.exitCode, 2);
}

TEST_F(FleetCommandsTest, MergeTakesUnitsFromFileNames)
{
    // Two trucks' files, imported by the options (no units), merged with their names.
    const std::filesystem::path folder = Temp("trucks");
    std::filesystem::create_directories(folder);
    std::vector<std::string> trucks;
    for (const char *name : {"T-104.irc", "T-205.irc"}) {
        trucks.push_back((folder / name).string());
        ASSERT_EQ(
            Run({"import", kData + "/import/trips.csv", "--rates", kRates, "--out", trucks.back()})
                .exitCode,
            0);
    }
    const std::string merged = Temp("fleet.irc");
    const CliRun run = Run({"merge", "--out", merged, "--units-from-names", trucks[0], trucks[1]});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const CliRun entries = Run({"entries", merged, "--rates", kRates});
    EXPECT_EQ(LineOf(entries.out, "1\t"),
              "1\tT-104\t2026/04/01\tQuebec\tQC\t600\t10000\t10600\t300.00\t");
    EXPECT_EQ(LineOf(entries.out, "7\t"),
              "7\tT-205\t2026/04/01\tQuebec\tQC\t600\t10000\t10600\t300.00\t");
    const CliRun dump = Run({"dump-record", merged});
    EXPECT_NE(dump.out.find("\"reservedText\": \"T-205\""), std::string::npos) << dump.out;
}
