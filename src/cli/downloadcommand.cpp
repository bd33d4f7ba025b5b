// tollmark-cli download: the clearinghouse's rate chart fetched over HTTP or HTTPS fills
// the rates of the named slots of a tax-rate file, written as a new one. Needs Qt's
// network layer: the build without Qt has the stand-in of withoutqtcommands.cpp instead.

#include "cli/chartoptions.h"
#include "cli/cliargs.h"
#include "cli/commands.h"

#include "net/chartfetcher.h"
#include "records/loadedtaxtable.h"
#include "session/ctaxsession.h"
#include "sessionbase/chartdownload.h"

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

} // namespace

int CmdDownload(const CliArgs &args)
{
    if (!args.positional().empty())
        return UsageError("download takes options only");
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
    const Result read = ReadRates(args.value("rates"), rates);
    if (!read)
        return InputFailure(read.message);

    // The fetch waits in a local event loop, which needs the application object; its
    // arguments outlive it in this scope.
    int qtArgc = 1;
    char qtName[] = "tollmark-cli";
    char *qtArgv[] = {qtName, nullptr};
    QCoreApplication app(qtArgc, qtArgv);

    const std::string base = args.value("base", ChartFetcher::kDefaultBase);
    ChartFetcher fetcher;
    const ChartDownload download =
        DownloadChartInto(fetcher, ChartFetcher::ChartAddress(base, quarter, year), country, rates);
    if (!download.result) {
        std::cerr << download.result.message << '\n';
        return InputFailure(kDownloadFail);
    }
    NoteUnmatched(download.unmatchedNames);
    return WriteTable(args.value("out"), rates.table(), rates.period());
}
