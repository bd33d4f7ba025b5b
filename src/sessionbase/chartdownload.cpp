#include "sessionbase/chartdownload.h"

#include "numbers/uitext.h"
#include "records/loadedtaxtable.h"
#include "sessionbase/chartsource.h"

#include <algorithm>
#include <cctype>

namespace {

std::string JoinNames(const std::string &heading, const std::vector<std::string> &names)
{
    if (names.empty())
        return {};
    std::string line = heading;
    for (size_t i = 0; i < names.size(); ++i)
        line += (i == 0 ? " " : ", ") + names[i];
    return line + ".";
}

// Whether the chart reached the table's jurisdiction that sorts last by name (charts run
// in alphabetical order; surcharge lines left aside): an answer without a length that
// stops before it was cut short, and would leave the jurisdictions after the cut at last
// quarter's rates under the new period.
bool ReachedTheLastJurisdiction(const TaxRateTable &table, const ChartParseReport &found)
{
    int last = -1;
    std::string lastName;
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        std::string name = table[slot].name;
        for (char &c : name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (name.empty() || table[slot].surcharge != 0 ||
            name.find("SURCHARGE") != std::string::npos)
            continue;
        if (last < 0 || name > lastName) {
            last = slot;
            lastName = name;
        }
    }
    return last < 0 || std::find(found.filledSlots.begin(), found.filledSlots.end(), last) !=
                           found.filledSlots.end();
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
    const int parsed = ParseChart(source.text(), country, filled, period, &report, progress, 50);
    if (parsed == kNotAChart) {
        // A page of the server (an error page, a login page) answered with 200.
        download.result = Result::failure(kNotARateChart);
        return download;
    }
    if (parsed == kChartRateOutside) {
        download.result = Result::failure(report.refusal);
        return download;
    }
    if (!source.lengthKnown() && !ReachedTheLastJurisdiction(rates.table(), report)) {
        download.result = Result::failure(source.cutShort());
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
        JoinNames(UiText("ChartDownload", "Not in the tax-rate table, passed over:"),
                  download.unmatchedNames);
    const std::string unfilled =
        JoinNames(UiText("ChartDownload", "Not in the chart, rates kept:"), download.unfilledNames);
    if (unmatched.empty() || unfilled.empty())
        return unmatched + unfilled;
    return unmatched + "\n" + unfilled;
}
