// The rate-chart parser over 4 MB texts: a chart of real lines, blank lines and lines
// without a separator (which once made every line rescan the rest of the text). Target:
// each well under 1 s, growing with the text's length, not its square.

#include "formats/chartparser.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr size_t kChartBytes = 4 << 20;

TaxRateTable BenchTable()
{
    static const char *const kNames[] = {"Alabama", "Alberta",  "Arizona", "Arkansas",
                                         "Ontario", "Quebec",   "Texas",   "Utah",
                                         "Vermont", "Virginia", "Wyoming", "KY Surcharge"};
    TaxRateTable table;
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot)
        table[slot].name = kNames[slot % 12] + std::string(slot < 12 ? "" : " ") +
                           (slot < 12 ? "" : std::to_string(slot));
    return table;
}

std::string Chart(const std::string &line, const std::string &end)
{
    std::string text = "2nd Quarter 2026\t\t\n";
    while (text.size() < kChartBytes)
        text += line;
    // One line that fills a slot, so that every text is a chart.
    return text + "ALABAMA\t$0.2900\t$0.3000\t\n" + end;
}

void Parse(benchmark::State &state, const std::string &text)
{
    const TaxRateTable table = BenchTable();
    for (auto _ : state) {
        TaxRateTable filled = table;
        TaxPeriod period;
        ChartParseReport report;
        benchmark::DoNotOptimize(ParseChart(text, "US", filled, period, &report));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

void BM_ChartOfRealLines(benchmark::State &state)
{
    Parse(state, Chart("WYOMING #32\t$0.2400\t$0.2400\t\n", ""));
}

void BM_ChartOfBlankLines(benchmark::State &state)
{
    Parse(state, Chart("\n", ""));
}

void BM_ChartOfLinesWithoutSeparator(benchmark::State &state)
{
    Parse(state, Chart("Footnote text\n", "\t\n"));
}

} // namespace

BENCHMARK(BM_ChartOfRealLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartOfBlankLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartOfLinesWithoutSeparator)->Unit(benchmark::kMillisecond);
