// tollmark-cli parse-chart: the clearinghouse's rate chart saved as a file (in its tab or
// comma form) fills the rates of the named slots of a tax-rate file, written as a new one.
// Its sibling download (downloadcommand.cpp) fetches the chart over HTTP instead.

#include "cli/chartoptions.h"
#include "cli/cliargs.h"
#include "cli/commands.h"

#include "formats/chartparser.h"
#include "platform/safefile.h"
#include "records/loadedtaxtable.h"
#include "session/ctaxsession.h"

int CmdParseChart(const CliArgs &args)
{
    std::string country;
    int exitCode = ExitOk;
    if (!TakeCountry(args, country, exitCode))
        return exitCode;

    LoadedTaxTable rates;
    const Result read = ReadRates(args.value("rates"), rates);
    if (!read)
        return InputFailure(read.message);
    TaxPeriod period = rates.period();
    std::string chart;
    const Result chartRead =
        SafeFile::readAll(args.positional()[0], chart, SafeFile::kTableFileLimit);
    if (!chartRead)
        return InputFailure(chartRead.message);

    ChartParseReport report;
    if (ParseChart(chart, country, rates.table(), period, &report) == kNotAChart)
        return InputFailure(kNotARateChart);
    NoteUnmatched(report);
    return WriteTable(args.value("out"), rates.table(), period);
}
