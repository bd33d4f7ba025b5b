#include "session/chartdownload.h"

#include "records/loadedtaxtable.h"
#include "session/chartsource.h"

#include <algorithm>

namespace {

std::string JoinNames(const char *heading, const std::vector<std::string> &names)
{
    if (names.empty())
        return {};
    std::string line = heading;
    for (size_t i = 0; i < names.size(); ++i)
        line += (i == 0 ? " " : ", ") + names[i];
    return line + ".";
}

} // namespace

ChartDownload DownloadChartInto(ChartSource &source, const std::string &address,
                                const std::string &country, LoadedTaxTable &rates,
                                const ChartProgress &progress)
{
    ChartDownload download;
    if (source.FetchChart(address) < 0) {
        download.result = Result::failure(source.errorMessage());
        return download;
    }
    if (progress)
        progress(50);
    TaxRateTable filled = rates.table();
    TaxPeriod period = rates.period();
    ChartParseReport report;
    if (ParseChart(source.text(), country, filled, period, &report, progress, 50) == kNotAChart) {
        // A page of the server (an error page, a login page) answered with 200.
        download.result = Result::failure(kNotARateChart);
        return download;
    }
    rates.replaceFromChart(filled);
    rates.setPeriod(period);
    download.unmatchedNames = report.unmatchedNames;
    for (int slot = 0; slot < filled.usedCount(); ++slot) {
        const bool fromChart = std::find(report.filledSlots.begin(), report.filledSlots.end(),
                                         slot) != report.filledSlots.end();
        if (!fromChart)
            download.unfilledNames.push_back(filled[slot].name);
    }
    return download;
}

std::string ChartMismatchMessage(const ChartDownload &download)
{
    const std::string unmatched =
        JoinNames("Not in the tax-rate table, passed over:", download.unmatchedNames);
    const std::string unfilled = JoinNames("Not in the chart, rates kept:", download.unfilledNames);
    if (unmatched.empty() || unfilled.empty())
        return unmatched + unfilled;
    return unmatched + "\n" + unfilled;
}
