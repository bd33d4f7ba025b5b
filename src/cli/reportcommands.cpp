// tollmark-cli subcommands for the quarterly report, CSV import and merging: report,
// import, merge.

#include "cli/cliargs.h"
#include "cli/commands.h"

#include "records/ciftadoc.h"
#include "records/cp1252.h"
#include "records/csvimport.h"
#include "records/recordfile.h"
#include "records/recordmerge.h"
#include "records/safefile.h"
#include "records/taxfile.h"
#include "report/report.h"

#include <charconv>
#include <iostream>

namespace {

// Reads a tax-rate file into the table and its period; a file that cannot be opened
// gets a message naming it.
Result LoadRates(const std::string &path, TaxRateTable &table, TaxPeriod &period)
{
    std::string text;
    const Result read = SafeFile::readAll(path, text);
    if (!read)
        return read;
    return ParseTaxText(text, table, period);
}

void PrintLine(const ListLine &texts)
{
    std::string line;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (i)
            line += '\t';
        line += texts[i];
    }
    std::cout << Cp1252ToUtf8(line) << '\n';
}

// The import options as a number of the nine option bits, or false.
bool ParseOptions(const std::string &text, ImportOptions &options)
{
    unsigned value = 0;
    const char *end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, value);
    if (text.empty() || parsed.ec != std::errc() || parsed.ptr != end || value > 511)
        return false;
    options = value;
    return true;
}

// Company data of the new record file the import fills, as the company dialog of File
// New would give them. False after printing the usage error.
bool SetUpImportCompany(const CliArgs &args, CompanyInfo &company, int &exitCode)
{
    const std::string fuel = args.value("fuel", "diesel");
    if (fuel != "diesel" && fuel != "gasoline") {
        exitCode = UsageError("--fuel takes diesel or gasoline");
        return false;
    }
    company.diesel = fuel == "diesel" ? 1 : 0;
    company.gasoline = fuel == "gasoline" ? 1 : 0;
    company.country = Utf8ToCp1252(args.value("country", "Canada"));
    company.provinceState = Utf8ToCp1252(args.value("province", "QC"));
    return true;
}

} // namespace

int CmdReport(int argc, char **argv)
{
    CliArgs args;
    if (!args.parse(argc, argv))
        return UsageError(args.error());
    if (args.positional().size() != 1)
        return UsageError("expected exactly one record file");
    if (args.value("rates").empty())
        return UsageError("missing --rates T.itx");

    TaxRateTable table;
    CIftaDoc doc(&table);
    const Result rates = LoadRates(args.value("rates"), table, doc.tablePeriod);
    if (!rates)
        return InputFailure(rates.message);
    const Result read = ReadRecordFile(doc, args.positional()[0]);
    if (!read)
        return InputFailure(read.message);

    ListLine headings;
    for (const ListColumn &column : ReportColumns(doc.company.country))
        headings.push_back(column.heading);
    PrintLine(headings);
    for (const ListLine &line : ListReport(doc))
        PrintLine(line);
    return ExitOk;
}

int CmdImport(int argc, char **argv)
{
    CliArgs args;
    if (!args.parse(argc, argv))
        return UsageError(args.error());
    if (args.positional().size() != 1)
        return UsageError("expected exactly one CSV file");
    if (args.value("rates").empty() || args.value("out").empty())
        return UsageError("missing --rates T.itx or --out NEW.irc");
    ImportOptions options = kDefaultImportOptions;
    if (args.has("options") && !ParseOptions(args.value("options"), options))
        return UsageError("--options takes a number from 0 to 511");

    TaxRateTable table;
    CIftaDoc doc(&table);
    int exitCode = ExitOk;
    if (!SetUpImportCompany(args, doc.company, exitCode))
        return exitCode;
    const Result rates = LoadRates(args.value("rates"), table, doc.tablePeriod);
    if (!rates)
        return InputFailure(rates.message);
    // A new record file takes the loaded table's period.
    doc.recordPeriod.year = doc.tablePeriod.year;
    doc.recordPeriod.quarter = doc.tablePeriod.quarter;

    LastImportOptions() = options;
    const Result imported = ImportCsv(doc, args.positional()[0], options);
    if (!imported)
        return InputFailure(imported.message);
    const Result written = WriteRecordFile(doc, args.value("out"));
    if (!written)
        return InputFailure(written.message);
    return ExitOk;
}

int CmdMerge(int argc, char **argv)
{
    CliArgs args;
    if (!args.parse(argc, argv))
        return UsageError(args.error());
    if (args.value("out").empty() || args.positional().empty())
        return UsageError("expected --out NEW.irc and at least one record file");

    // As the merge dialog does: a refused file is reported and the merge goes on with
    // the next one; the result holds the lines of every file that merged.
    TaxRateTable table;
    CIftaDoc doc(&table);
    doc.mergeCounter = 0;
    bool refused = false;
    for (const std::string &path : args.positional()) {
        const Result merged = MergeFile(doc, path);
        if (!merged) {
            std::cerr << path << ": " << Cp1252ToUtf8(merged.message) << '\n';
            refused = true;
        }
    }
    doc.forceCompanyDialog = true;
    const Result written = WriteRecordFile(doc, args.value("out"));
    if (!written)
        return InputFailure(written.message);
    return refused ? ExitInputFailure : ExitOk;
}
