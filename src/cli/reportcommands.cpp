// tollmark-cli subcommands for the quarterly report, CSV import and merging: report,
// import, merge.

#include "cli/cliargs.h"
#include "cli/cliprompts.h"
#include "cli/commands.h"
#include "cli/listoutput.h"

#include "check/tablecountry.h"
#include "formats/recordfile.h"
#include "imports/csvimport.h"
#include "imports/headingimport.h"
#include "platform/cp1252.h"
#include "platform/platformfile.h"
#include "platform/safefile.h"
#include "platform/textencoding.h"
#include "records/ciftadoc.h"
#include "report/report.h"
#include "session/csession.h"
#include "sessionbase/sessionsettings.h"

#include <charconv>
#include <iostream>
#include <map>

namespace {

constexpr const char *kDateOrderNeeded =
    "the dates read both as month/day/year and as day/month/year (no day is above 12): "
    "give --date-order mdy or dmy.";

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

// --show-map: the columns the import by heading would use, one "field=column" a line.
int ShowHeadingMap(const CliArgs &args)
{
    std::string bytes;
    const Result read = SafeFile::readAll(args.positional()[0], bytes, SafeFile::kRecordFileLimit);
    if (!read)
        return InputFailure(read.message);
    std::vector<std::string> headings;
    if (!ReadHeadings(TextFileToCp1252(bytes), headings))
        return InputFailure("The file has no heading line to import by.");
    HeadingMap map = DetectHeadingMap(headings);
    std::string error;
    if (!ApplyMappingText(Utf8ToCp1252(args.value("map")), headings, map, error))
        return UsageError("--map: " + error);
    std::string text = MappingText(map, headings);
    for (char &c : text)
        c = c == ',' ? '\n' : c;
    std::cout << Cp1252ToUtf8(text) << '\n';
    return ExitOk;
}

// import --by-heading: every file in turn into one record (a mileage file and a fuel
// file make one quarter), then Save As. Nothing is written when a file fails.
int ImportByHeading(const CliArgs &args, const CompanyInfo &company, ImportOptions options)
{
    HeadingImportRequest request;
    request.mapping = Utf8ToCp1252(args.value("map"));
    request.options = options;
    request.badLines = args.has("skip-bad-lines") ? BadLines::Keep : BadLines::Refuse;
    const std::string order = args.value("date-order");
    if (order == "mdy")
        request.dateOrder = DateOrder::MonthFirst;
    else if (order == "dmy")
        request.dateOrder = DateOrder::DayFirst;
    else if (!order.empty())
        return UsageError("--date-order takes mdy or dmy");

    CliPrompts prompts;
    MemorySettings settings;
    CSession session(prompts, settings);
    session.record().skipStartUpSteps();
    const Result rates = CTaxSession::ReadTaxFileInto(args.value("rates"), session.taxRates());
    if (!rates)
        return InputFailure(rates.message);
    session.record().startRecord(company);
    for (const std::string &path : args.positional()) {
        request.path = path;
        const size_t before = prompts.shown.size();
        const bool imported = session.record().importByHeading(request);
        // Lines left out and bad lines kept are told, the import goes on.
        for (size_t i = before; i + (imported ? 0 : 1) < prompts.shown.size(); ++i)
            std::cerr << path << ": " << Cp1252ToUtf8(prompts.shown[i]) << '\n';
        if (!imported) {
            const std::string why =
                prompts.shown.size() > before ? prompts.lastShown() : std::string(kDateOrderNeeded);
            return InputFailure(path + ": " + why);
        }
        request.append = true;
    }
    if (!session.record().saveTo(args.value("out")))
        return InputFailure(prompts.lastShown());
    return ExitOk;
}

} // namespace

int CmdReport(const CliArgs &args)
{

    CIftaDoc doc;
    const Result rates = ReadRates(args.value("rates"), doc.rates());
    if (!rates)
        return InputFailure(rates.message);
    // A million lines never take memory at once: the report is made as the file is read.
    Report report;
    int otherRates = 0;
    const Result read =
        ReportRecordFile(doc, args.positional()[0], RoundingOption(args), report, otherRates);
    if (!read)
        return InputFailure(read.message);

    PrintHeadings(ReportColumns(doc.company().country));
    for (const ListLine &line : ReportLines(report, doc))
        PrintListLine(line);
    for (const std::string &notice :
         {TableCountryNotice(doc.company().country, doc.rates()), ReportRatesNotice(otherRates),
          ReportMixedRatesNotice(report, doc.taxTable()),
          ReportSlotNotice(report.linesOutsideTable)}) {
        if (!notice.empty())
            std::cerr << notice << '\n';
    }
    return ExitOk;
}

int CmdImport(const CliArgs &args)
{
    const bool byHeading = args.has("by-heading") || args.has("show-map");
    if (args.positional().empty() || (args.positional().size() > 1 && !byHeading))
        return UsageError(byHeading ? "expected a CSV file" : "expected exactly one CSV file");
    if (args.has("show-map"))
        return args.positional().size() == 1 ? ShowHeadingMap(args)
                                             : UsageError("--show-map takes one file");
    if (args.value("rates").empty() || args.value("out").empty())
        return UsageError("missing --rates T.itx or --out NEW.irc");
    ImportOptions options = kDefaultImportOptions;
    if (args.has("options") && !ParseOptions(args.value("options"), options))
        return UsageError("--options takes a number from 0 to 511");

    CompanyInfo company;
    int exitCode = ExitOk;
    if (!SetUpImportCompany(args, company, exitCode))
        return exitCode;
    if (byHeading)
        return ImportByHeading(args, company, options);
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
    // The import's notes (lines whose odometers gave a distance of 0) go where the
    // window shows them: to the user, on standard error.
    const size_t notes = prompts.shown.size();
    if (!session.record().saveTo(args.value("out")))
        return InputFailure(prompts.lastShown());
    for (size_t i = 0; i < notes; ++i)
        std::cerr << "tollmark-cli: note: " << Cp1252ToUtf8(prompts.shown[i]) << '\n';
    return ExitOk;
}

int CmdMerge(const CliArgs &args)
{
    if (args.value("out").empty() || args.positional().empty())
        return UsageError("expected --out NEW.irc and at least one record file");
    // A file named twice would bring every one of its trips twice: refused before
    // anything is merged, by the file identity the merge itself uses.
    std::map<std::string, std::string> named;
    for (const std::string &path : args.positional()) {
        const auto [at, added] = named.emplace(FileKey(path), path);
        if (!added)
            return InputFailure(path + " is named twice (also as " + at->second +
                                "); its trips would be merged twice. Nothing was written.");
    }

    // Merge Files with the files added in order, then Save As: as in the window, a refused
    // file is reported and the merge goes on with the next one; the result holds the
    // lines of every file that merged.
    CliPrompts prompts;
    prompts.mergePaths = args.positional();
    prompts.unitsFromNames = args.has("units-from-names");
    MemorySettings settings;
    CSession session(prompts, settings);
    session.record().skipStartUpSteps();
    const bool merged = session.record().mergeFiles();
    const size_t refusals = prompts.shown.size();
    for (const std::string &refusal : prompts.shown)
        std::cerr << Cp1252ToUtf8(refusal) << '\n';
    // Every file refused: there is no merged record, and nothing is written.
    if (!merged)
        return InputFailure("No record file could be merged; " + args.value("out") +
                            " was not written.");
    if (!session.record().saveTo(args.value("out")))
        return InputFailure(prompts.lastShown());
    return refusals > 0 ? ExitInputFailure : ExitOk;
}
