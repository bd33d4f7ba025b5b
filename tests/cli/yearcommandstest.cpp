// tollmark-cli year over the four quarters of a year of the sample carrier: every quarter's
// line is that quarter's report line and every year's line their sum; the quarters of
// different carriers, or one quarter twice, are refused; the CSV reads back as the list.

#include "formats/recordfile.h"
#include "imports/csvlines.h"
#include "imports/headingimport.h"
#include "records/ciftadoc.h"

#include "cli/clirun.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

const std::string kSample = TOLLMARK_SAMPLE_DATA "/sample.irc";
const std::string kSampleUs = TOLLMARK_SAMPLE_DATA "/sample-us.irc";
const std::string kRates = TOLLMARK_SAMPLE_DATA "/ifta.itx";

using Line = std::vector<std::string>;

Line Split(const std::string &line, char separator)
{
    Line fields;
    size_t start = 0;
    for (size_t end; (end = line.find(separator, start)) != std::string::npos; start = end + 1)
        fields.push_back(line.substr(start, end - start));
    fields.push_back(line.substr(start));
    return fields;
}

// The lines of a listing after its headings, each split at its tabs; the empty lines left
// out.
std::vector<Line> Listing(const std::string &out)
{
    std::vector<Line> lines;
    for (const std::string &text : Split(out, '\n')) {
        const Line line = Split(text, '\t');
        if (!line[0].empty())
            lines.push_back(line);
    }
    if (!lines.empty())
        lines.erase(lines.begin());
    return lines;
}

// A listed amount ("-65.41", always two decimals) in cents.
int64_t Cents(const std::string &text)
{
    std::string digits;
    for (char c : text) {
        if (c != '.')
            digits += c;
    }
    return std::stoll(digits);
}

class YearCommandsTest : public ::testing::Test
{
protected:
    CliRun Run(const std::vector<std::string> &args) const
    {
        return RunCli(args, CliTempPath("stderr.txt"));
    }

    // The sample carrier's quarter `quarter` of 2026: the sample's trips re-dated into the
    // quarter, each quarter without another fourth of them (so jurisdictions come and go
    // from quarter to quarter), the third quarter's lines taxed at their rate + 0.0100.
    std::string Quarter(int quarter)
    {
        CIftaDoc doc;
        EXPECT_TRUE(ReadRecordFile(doc, kSample).ok());
        doc.setRecordPeriod({2026, quarter, "Canada"});
        CIftaDoc::Entries lines;
        for (size_t i = 0; i < doc.entries().size(); ++i) {
            if (static_cast<int>(i % 4) == quarter - 1)
                continue;
            TripEntry line = doc.entries()[i];
            const std::string date(line.date.view());
            const int month = std::stoi(date.substr(5, 2)) - 4 + 3 * (quarter - 1) + 1;
            line.date = date.substr(0, 5) + (month < 10 ? "0" : "") + std::to_string(month) +
                        date.substr(7);
            if (quarter == 3)
                line.rate.units += 100;
            lines.push_back(line);
        }
        doc.replaceEntries(lines);
        const std::string path = CliTempPath("q" + std::to_string(quarter) + ".irc");
        EXPECT_TRUE(WriteRecordFile(doc, path).ok());
        return path;
    }
};

} // namespace

TEST_F(YearCommandsTest, TheYearIsTheSumOfTheFourReportsRowByRow)
{
    // The report's columns as the year list has them: distance, taxable distance,
    // average, taxable fuel, fuel paid and tax.
    const size_t kFromReport[] = {2, 3, 4, 5, 6, 9};
    std::vector<std::string> files;
    // Each quarter's report by jurisdiction name, "Total" included.
    std::map<int, std::map<std::string, Line>> reports;
    for (int quarter = 4; quarter >= 1; --quarter) { // given out of order
        files.push_back(Quarter(quarter));
        const CliRun report = Run({"report", files.back(), "--rates", kRates});
        ASSERT_EQ(report.exitCode, 0) << report.err;
        for (const Line &line : Listing(report.out))
            reports[quarter][line[0]] = line;
    }
    const std::string csv = CliTempPath("year.csv");
    std::vector<std::string> args = {"year"};
    args.insert(args.end(), files.begin(), files.end());
    for (const char *arg : {"--rates", kRates.c_str(), "--csv", csv.c_str()})
        args.push_back(arg);
    const CliRun year = Run(args);
    ASSERT_EQ(year.exitCode, 0) << year.err;

    const std::vector<Line> lines = Listing(year.out);
    std::map<std::string, int> quartersSeen;
    std::map<std::string, std::vector<int64_t>> sums;
    size_t yearLines = 0;
    for (const Line &line : lines) {
        ASSERT_EQ(line.size(), 10u);
        const std::string &name = line[0];
        if (line[2] == "Year 2026") {
            ++yearLines;
            // Distances and money: the quarters' lines added up, to the cent.
            for (size_t c : {3, 4, 6, 7, 8})
                EXPECT_EQ(Cents(line[c] + (c < 5 ? ".00" : "")), sums[name][c]) << name << c;
            continue;
        }
        ASSERT_EQ(line[2].substr(0, 5), "2026Q") << name;
        const int quarter = line[2][5] - '0';
        ++quartersSeen[name];
        const auto row = reports[quarter].find(name);
        ASSERT_NE(row, reports[quarter].end()) << name << " has no line in quarter " << quarter;
        for (size_t c = 0; c < 6; ++c)
            EXPECT_EQ(line[3 + c], row->second[kFromReport[c]]) << name << " " << line[2];
        sums[name].resize(9);
        for (size_t c : {3, 4, 6, 7, 8})
            sums[name][c] += Cents(line[c] + (c < 5 ? ".00" : ""));
    }
    // Every jurisdiction of every report is there, once a quarter, and once for the year.
    for (const auto &[quarter, report] : reports) {
        for (const auto &[name, line] : report)
            EXPECT_TRUE(quartersSeen.count(name)) << name << " of quarter " << quarter;
    }
    EXPECT_EQ(quartersSeen["Total"], 4);
    EXPECT_EQ(yearLines, quartersSeen.size());
    // The year's average is its distance over its fuel, rounded half up to cents.
    const Line &total = lines.back();
    const int64_t distance = std::stoll(total[3]);
    const int64_t fuel = Cents(total[7]);
    EXPECT_EQ(Cents(total[5]), (distance * 20000 / fuel + 1) / 2);

    // The CSV holds the same lines, read back field by field as a spreadsheet reads it.
    const std::string text = ReadBytes(csv);
    LineReader reader(text);
    std::string_view csvLine;
    std::vector<Line> rows;
    while (reader.nextNonEmpty(csvLine)) {
        Line fields;
        ASSERT_TRUE(ReadHeadings(csvLine, fields));
        rows.push_back(fields);
    }
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), Split(Split(year.out, '\n')[0], '\t'));
    rows.erase(rows.begin());
    EXPECT_EQ(rows, lines);
}

TEST_F(YearCommandsTest, QuartersThatAreNotOneCarriersYearAreRefused)
{
    const std::string q1 = Quarter(1);
    const std::string q2 = Quarter(2);
    const std::string again = CliTempPath("q1-again.irc");
    // Removed first: MinGW's copy_file refuses an existing target even when told to
    // overwrite it, and an earlier run leaves one.
    std::filesystem::remove(again);
    ASSERT_TRUE(std::filesystem::copy_file(q1, again));
    const struct {
        std::vector<std::string> files;
        int exitCode;
        std::string message;
    } cases[] = {
        {{q1, kSampleUs},
         1,
         "are of different carriers (Transport Boréal inc., IFTA 1234567890QC; Prairie Line "
         "Freight LLC, IFTA IA 421987650): a year summary takes the quarters of one carrier."},
        {{q1, q2, again},
         1,
         "cli-QuartersThatAreNotOneCarriersYearAreRefused-q1.irc and "
         "cli-QuartersThatAreNotOneCarriersYearAreRefused-q1-again.irc are both 2026Q1: a year "
         "summary takes each quarter once."},
        {{q1, q1}, 1, "are both 2026Q1"},
        {{q1, q2, q1, q2, q1}, 2, "expected one to four record files"},
    };
    for (const auto &c : cases) {
        std::vector<std::string> args = c.files;
        args.insert(args.begin(), "year");
        args.push_back("--rates");
        args.push_back(kRates);
        const CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}
