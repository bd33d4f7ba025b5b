// tollmark-cli report, import and merge, run as a program: golden report output for an
// imported quarter in both unit systems, failure texts on standard error, exit codes.

#include "check/tablecountry.h"
#include "formats/recordfile.h"
#include "formats/taxfile.h"
#include "records/ciftadoc.h"
#include "report/report.h"
#include "session/ctaxsession.h"

#include "cli/clirun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::string kData = TOLLMARK_TEST_DATA;
const std::string kRates = kData + "/report/rates.itx";

class ReportCommandsTest : public ::testing::Test
{
protected:
    std::string Temp(const std::string &name) const { return CliTempPath(name); }

    CliRun Run(const std::vector<std::string> &args) const
    {
        return RunCli(args, Temp("stderr.txt"));
    }

    // Imports the sample trips (header, date, state, litres, odometer in, kilometres).
    std::string ImportTrips(const std::vector<std::string> &extra = {}) const
    {
        const std::string out = Temp("trips.irc");
        std::vector<std::string> args = {
            "import", kData + "/import/trips.csv", "--rates", kRates, "--out", out};
        args.insert(args.end(), extra.begin(), extra.end());
        const CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return out;
    }
};

} // namespace

TEST_F(ReportCommandsTest, ImportedQuarterReportsInKilometres)
{
    // Odometers complete the distances, Kentucky gets its surcharge line, and the report
    // prints headings, rows, the empty line and the totals.
    const CliRun run = Run({"report", ImportTrips(), "--rates", kRates});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, ReadBytes(kData + "/report/trips-report-km.txt"));
}

TEST_F(ReportCommandsTest, WholeUnitsRoundFuelAsFilingPortalsDo)
{
    // Taxable fuel 180.18 L becomes 180, so Quebec's credit is -120 x 0.2020 = -24.24;
    // the average stays 1500 / 450 = 3.33 and the totals are the rows' sums.
    const CliRun run = Run({"report", ImportTrips(), "--rates", kRates, "--whole-units"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, ReadBytes(kData + "/report/trips-report-km-whole.txt"));
}

TEST_F(ReportCommandsTest, ImportedQuarterReportsInMilesForAUsCarrier)
{
    // The same kilometre and litre lines in a US carrier's report: miles truncated,
    // gasoline rates from the table.
    const std::string file = ImportTrips(
        {"--country", "US", "--province", "NY", "--fuel", "gasoline", "--options", "475"});
    const CliRun run = Run({"report", file, "--rates", kRates});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, ReadBytes(kData + "/report/trips-report-miles.txt"));

    CIftaDoc doc;
    ASSERT_TRUE(ReadRecordFile(doc, file).ok());
    EXPECT_EQ(doc.company().country, "US");
    EXPECT_EQ(doc.company().provinceState, "NY");
    EXPECT_EQ(doc.company().gasoline, 1);
    EXPECT_EQ(doc.recordPeriod().year, 2026); // the table's period
    EXPECT_EQ(doc.recordPeriod().quarter, 2);
    ASSERT_EQ(doc.entries().size(), 6u);
    EXPECT_EQ(doc.entries()[3].surcharge, 1);
}

TEST_F(ReportCommandsTest, FailedImportPrintsTheTextAndWritesNothing)
{
    const std::string out = Temp("bad.irc");
    const CliRun bad =
        Run({"import", kData + "/import/bad-state.csv", "--rates", kRates, "--out", out});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, "Wrong State abbreviation field:<Q>.\nEdit the file and try again. Exit.\n");
    EXPECT_FALSE(std::filesystem::exists(out));

    const std::string missing = Temp("missing.csv");
    const CliRun absent = Run({"import", missing, "--rates", kRates, "--out", out});
    EXPECT_EQ(absent.exitCode, 1);
    EXPECT_EQ(absent.err, "The file " + missing + " does not exist.\n");
}

TEST_F(ReportCommandsTest, MergeGoesOnPastARefusedFile)
{
    const std::string trips = ImportTrips();
    const std::string out = Temp("merged.irc");
    // The tax-rate file is no record file: reported, and the merge goes on.
    const std::string copy = Temp("trips-copy.irc");
    // Removed first: MinGW's copy_file refuses an existing target even when told to
    // overwrite it, and an earlier run leaves one.
    std::filesystem::remove(copy);
    std::filesystem::copy_file(trips, copy);
    const CliRun run = Run({"merge", "--out", out, trips, kRates, copy});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, kRates + ": Incompatible file format\n");

    CIftaDoc doc;
    ASSERT_TRUE(ReadRecordFile(doc, out).ok());
    ASSERT_EQ(doc.entries().size(), 12u);
    for (size_t i = 0; i < doc.entries().size(); ++i)
        EXPECT_EQ(doc.entries()[i].tripNumber, static_cast<int32_t>(i + 1));
    EXPECT_EQ(doc.entries()[6].slot, doc.entries()[0].slot);
    // The last file's header holds.
    EXPECT_EQ(doc.company().country, "Canada");

    EXPECT_EQ(Run({"merge", "--out", Temp("again.irc"), trips}).exitCode, 0);

    // Every file refused: nothing merged, nothing written.
    const std::string none = Temp("none.irc");
    const CliRun refused = Run({"merge", "--out", none, kRates, kData + "/import/trips.csv"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("was not written"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(none));
}

// The command sums the lines as the file is read, a block at a time, and keeps none: its
// report and notice are those the window makes of the whole document, for records of
// both unit systems and fuel types, with lines in both units, rates of their own and
// slots outside the table.
TEST_F(ReportCommandsTest, ReportMadeWhileReadingIsTheWindowsReport)
{
    LoadedTaxTable rates;
    ASSERT_TRUE(CTaxSession::ReadTaxFileInto(kRates, rates).ok());
    const struct {
        const char *country;
        int diesel;
        size_t lines;
    } records[] = {{"Canada", 1, 30000}, {"US", 0, 30000}, {"Canada", 0, 1}, {"US", 1, 0}};
    uint32_t seed = 21;
    for (const auto &record : records) {
        SCOPED_TRACE(record.country + std::string(record.diesel ? " diesel" : " gasoline"));
        CIftaDoc doc(&rates);
        CompanyInfo company;
        company.companyName = "Stream Freight";
        company.country = record.country;
        company.diesel = record.diesel;
        company.gasoline = !record.diesel;
        doc.setCompany(company);
        CIftaDoc::Entries lines(record.lines);
        for (size_t i = 0; i < lines.size(); ++i) {
            seed = seed * 1103515245u + 12345u;
            TripEntry &e = lines[i];
            e.tripNumber = static_cast<int32_t>(i + 1);
            e.slot = static_cast<int32_t>(seed % 80); // some outside the table
            e.distance = seed >> 20;
            e.distanceInMiles = (seed >> 7) & 1;
            e.fuel = Hundredths{(seed >> 9) % 40000};
            e.fuelInGallons = (seed >> 8) & 1;
            e.rate = (seed >> 5) % 50 ? (record.diesel ? rates.table()[e.slot % 72].dieselRate
                                                       : rates.table()[e.slot % 72].gasolineRate)
                                      : TenThousandths{(seed >> 11) % 3000};
            e.surcharge = rates.table()[e.slot % 72].surcharge;
        }
        doc.replaceEntries(lines);
        const std::string path = Temp("stream.irc");
        ASSERT_TRUE(WriteRecordFile(doc, path).ok());

        CIftaDoc read(&rates);
        ASSERT_TRUE(ReadRecordFile(read, path).ok());
        std::string expected;
        for (const ListLine &line : ListReport(read)) {
            for (size_t i = 0; i < line.size(); ++i)
                expected += (i ? "\t" : "") + line[i];
            expected += '\n';
        }
        std::string notices;
        for (const std::string &notice :
             {TableCountryNotice(read.company().country, rates),
              ReportRatesNotice(read.jurisdictionsWithOtherRates()),
              ReportMixedRatesNotice(ComputeReport(read), rates.table()),
              ReportSlotNotice(LinesOutsideTable(read))})
            notices += notice.empty() ? "" : notice + "\n";
        const CliRun run = Run({"report", path, "--rates", kRates});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out.substr(run.out.find('\n') + 1), expected);
        EXPECT_EQ(run.err, notices);
    }
}
