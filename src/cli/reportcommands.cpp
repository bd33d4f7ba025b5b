// tollmark-cli subcommands for the quarterly report, CSV import and merging: report,
// import, merge.

#include "cli/cliargs.h"
#include "cli/cliprompts.h"
#include "cli/commands.h"
#include "cli/listoutput.h"

#include "records/ciftadoc.h"
#include "records/cp1252.h"
#include "records/csvimport.h"
#include "records/recordfile.h"
#include "report/report.h"
#include "session/csession.h"
#include "session/sessionsettings.h"

#include <charconv>
#include <iostream>

namespace {

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
// New would give them (fuel type, country, province; everything else empty). False after
// printing the usage error.
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
    if (!args.parse(argc, argv, {"whole-units"}))
        return UsageError(args.error());
    if (args.positional().size() != 1)
        return UsageError("expected exactly one record file");
    if (args.value("rates").empty())
        return UsageError("missing --rates T.itx");

    CIftaDoc doc;
    const Result rates = ReadRates(args.value("rates"), doc.rates());
    if (!rates)
        return InputFailure(rates.message);
    const Result read = ReadRecordFile(doc, args.positional()[0]);
    if (!read)
        return InputFailure(read.message);

    PrintHeadings(ReportColumns(doc.company().country));
    for (const ListLine &line : ListReport(doc, RoundingOption(args)))
        PrintListLine(line);
    const std::string notice = ReportRatesNotice(doc.jurisdictionsWithOtherRates());
    if (!notice.empty())
        std::cerr << notice << '\n';
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

    CompanyInfo company;
    int exitCode = ExitOk;
    if (!SetUpImportCompany(args, company, exitCode))
        return exitCode;
    // File New with these company values, then File Import of the file, then Save As.
    CliPrompts prompts;
    MemorySettings settings;
    CSession session(prompts, settings);
    session.record().skipStartUpSteps();
    const Result rates = ReadRates(args.value("rates"), session.taxRates());
    if (!rates)
        return InputFailure(rates.message);
    session.record().startRecord(company);
    session.state().lastImportOptions = options;
    if (!session.record().importFile(args.positional()[0], options))
        return InputFailure(prompts.lastShown());
    if (!session.record().saveTo(args.value("out")))
        return InputFailure(prompts.lastShown());
    return ExitOk;
}

int CmdMerge(int argc, char **argv)
{
    CliArgs args;
    if (!args.parse(argc, argv))
        return UsageError(args.error());
    if (args.value("out").empty() || args.positional().empty())
        return UsageError("expected --out NEW.irc and at least one record file");

    // Merge Files with the files added in order, then Save As: as the merge dialog does,
    // a refused file is reported and the merge goes on with the next one; the result holds
    // the lines of every file that merged.
    CliPrompts prompts;
    prompts.mergePaths = args.positional();
    MemorySettings settings;
    CSession session(prompts, settings);
    session.record().skipStartUpSteps();
    // Every file refused: there is no merged record, and nothing is written.
    if (!session.record().mergeFiles())
        return InputFailure("No record file could be merged; " + args.value("out") +
                            " was not written.");
    if (!session.record().saveTo(args.value("out")))
        return InputFailure(prompts.lastShown());
    return prompts.mergeRefused ? ExitInputFailure : ExitOk;
}
