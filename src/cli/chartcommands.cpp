// tollmark-cli subcommands on the clearinghouse's rate chart: parse-chart (a chart saved
// as a file, in its tab or comma form) and download (fetched over HTTP or HTTPS). Both
// fill the rates of the named slots of a tax-rate file and write the result as a new one.

#include "cli/cliargs.h"
#include "cli/commands.h"

#include "download/chartfetcher.h"
#include "download/chartparser.h"
#include "records/cp1252.h"
#include "records/loadedtaxtable.h"
#include "records/safefile.h"
#include "records/taxfile.h"
#include "session/ctaxsession.h"

#include <QCoreApplication>

#include <charconv>
#include <iostream>

namespace {

// The download dialog's texts.
constexpr const char *kDownloadFail = "Download fail";

bool ParseInt(const std::string &text, int &value)
{
    const char *end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, value);
    return !text.empty() && parsed.ec == std::errc() && parsed.ptr == end;
}

// "--country US|Canada", the units the chart is read in. False after the usage error.
bool TakeCountry(const CliArgs &args, std::string &country, int &exitCode)
{
    country = args.value("country");
    if (country != "US" && country != "Canada") {
        exitCode = UsageError("--country takes US or Canada");
        return false;
    }
    return true;
}

// Chart names that found no slot are worth a look (a table that lacks a jurisdiction, a
// renamed one); they do not make the command fail.
void NoteUnmatched(const ChartParseReport &report)
{
    for (const std::string &name : report.unmatchedNames)
        std::cerr << "tollmark-cli: not in the tax-rate table, passed over: " << Cp1252ToUtf8(name)
                  << '\n';
}

int WriteTable(const std::string &out, const TaxRateTable &table, const TaxPeriod &period)
{
    const Result written = WriteTaxFile(out, table, period);
    if (!written)
        return InputFailure(written.message);
    return ExitOk;
}

} // namespace

int CmdParseChart(int argc, char **argv)
{
    CliArgs args;
    if (!args.parse(argc, argv))
        return UsageError(args.error());
    if (args.positional().size() != 1)
        return UsageError("expected exactly one chart file");
    if (args.value("rates").empty() || args.value("out").empty())
        return UsageError("missing --rates T.itx or --out NEW.itx");
    std::string country;
    int exitCode = ExitOk;
    if (!TakeCountry(args, country, exitCode))
        return exitCode;

    LoadedTaxTable rates;
    const Result read = CTaxSession::ReadTaxFileInto(args.value("rates"), rates);
    if (!read)
        return InputFailure(read.message);
    TaxPeriod period = rates.period();
    std::string chart;
    const Result chartRead = SafeFile::readAll(args.positional()[0], chart);
    if (!chartRead)
        return InputFailure(chartRead.message);

    ChartParseReport report;
    ParseChart(chart, country, rates.table(), period, &report);
    NoteUnmatched(report);
    return WriteTable(args.value("out"), rates.table(), period);
}

int CmdDownload(int argc, char **argv)
{
    CliArgs args;
    if (!args.parse(argc, argv))
        return UsageError(args.error());
    if (!args.positional().empty())
        return UsageError("download takes options only");
    if (args.value("rates").empty() || args.value("out").empty())
        return UsageError("missing --rates T.itx or --out NEW.itx");
    int year = 0;
    int quarter = 0;
    if (!ParseInt(args.value("year"), year) || year < 2000 || year > 2099)
        return UsageError("--year takes a year from 2000 to 2099");
    if (!ParseInt(args.value("quarter"), quarter) || quarter < 1 || quarter > 4)
        return UsageError("--quarter takes 1 to 4");
    std::string country;
    int exitCode = ExitOk;
    if (!TakeCountry(args, country, exitCode))
        return exitCode;

    LoadedTaxTable rates;
    const Result read = CTaxSession::ReadTaxFileInto(args.value("rates"), rates);
    if (!read)
        return InputFailure(read.message);
    TaxPeriod period = rates.period();

    // The fetch waits in a local event loop, which needs the application object; its
    // arguments outlive it in this scope.
    int qtArgc = 1;
    char qtName[] = "tollmark-cli";
    char *qtArgv[] = {qtName, nullptr};
    QCoreApplication app(qtArgc, qtArgv);

    const std::string base = args.value("base", ChartFetcher::kDefaultBase);
    ChartFetcher fetcher;
    ChartParseReport report;
    if (fetcher.DownloadChart(ChartFetcher::ChartAddress(base, quarter, year), country,
                              rates.table(), period, &report) < 0) {
        std::cerr << fetcher.errorMessage() << '\n';
        return InputFailure(kDownloadFail);
    }
    NoteUnmatched(report);
    return WriteTable(args.value("out"), rates.table(), period);
}
