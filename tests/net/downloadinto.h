#pragma once

// The program's download (the session's one function) over a ChartFetcher, into a plain
// table and period as the net tests keep them.

#include "net/chartfetcher.h"
#include "records/loadedtaxtable.h"
#include "sessionbase/chartdownload.h"

#include <string>

// 0, or -1 with `message` set to what the user is told. On failure the table and period
// stay as they were. `progress` counts the parse on from 50, as the window's bar does.
inline int DownloadInto(ChartFetcher &fetcher, const std::string &address,
                        const std::string &country, TaxRateTable &table, TaxPeriod &period,
                        std::string *message = nullptr, const ChartProgress &progress = {})
{
    LoadedTaxTable rates;
    rates.replaceFromFile(table);
    rates.setPeriod(period);
    const ChartDownload download = DownloadChartInto(fetcher, address, country, rates, progress);
    if (message)
        *message = download.result.message;
    if (!download.result)
        return -1;
    table = rates.table();
    period = rates.period();
    return 0;
}
