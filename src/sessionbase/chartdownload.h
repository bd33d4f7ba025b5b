#pragma once

#include "formats/chartparser.h"
#include "platform/result.h"

#include <string>
#include <vector>

class ChartSource;
class LoadedTaxTable;

// What a download of the rate chart did.
struct ChartDownload {
    // Failed with the source's message, kNotARateChart, the chart's refusal of a rate
    // outside 0 to 10, or the source's message for a chart cut short.
    Result result;
    // The chart's jurisdictions that no slot of the table carries (passed over), and the
    // table's jurisdictions (by name) that the chart did not fill (their rates kept).
    std::vector<std::string> unmatchedNames;
    std::vector<std::string> unfilledNames;
};

// The download, once for both front ends: fetches the chart at `address` from `source`,
// parses it in the units of `country` and, when it is a rate chart, fills the table's
// slots and its period (one undo step, "Download Rates"; the table is marked changed).
// On failure the table stays as it was. `progress` counts on from 50 per jurisdiction.
ChartDownload DownloadChartInto(ChartSource &source, const std::string &address,
                                const std::string &country, LoadedTaxTable &rates,
                                const ChartProgress &progress = {});

// "Not in the tax-rate table, passed over: ..." and "Not in the chart, rates kept: ..."
// on a line each; empty when the chart and the table matched.
std::string ChartMismatchMessage(const ChartDownload &download);
