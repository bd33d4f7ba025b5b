// The quarter check over a large record: 1,000,000 trip lines that follow on at the
// odometer, dated inside the quarter and carrying the table's rates, with one line in a
// hundred spoiled (a gap, an overlap, a date of the next quarter, a repeat) so that every
// rule has work. Target: under 0.3 s for the whole check.

#include "check/quartercheck.h"
#include "records/ciftadoc.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kUsedSlots = 60;

void FillTable(LoadedTaxTable &rates)
{
    TaxRateTable table;
    for (int slot = 0; slot < kUsedSlots; ++slot) {
        TaxRate &rate = table[slot];
        rate.slot = slot;
        rate.name = "Jurisdiction " + std::to_string(slot);
        rate.abbreviation = {static_cast<char>('A' + slot / 26),
                             static_cast<char>('A' + slot % 26)};
        rate.dieselRate = TenThousandths{1000 + slot * 10};
        rate.gasolineRate = TenThousandths{900 + slot * 10};
    }
    rates.replaceFromFile(table);
    rates.setPeriod(TaxPeriod{2026, 2, "Canada"});
}

void FillQuarter(CIftaDoc &doc, size_t count)
{
    CIftaDoc::Entries entries(count);
    uint32_t seed = 2026;
    int32_t odometer = 100000;
    for (size_t i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        TripEntry &e = entries[i];
        e.tripNumber = static_cast<int32_t>(i + 1);
        e.date = "2026/0" + std::to_string(4 + (seed >> 28) % 3) + "/1" +
                 std::to_string((seed >> 24) % 10);
        e.slot = static_cast<int32_t>((seed >> 8) % kUsedSlots);
        e.rate = doc.taxTable()[e.slot].dieselRate;
        e.distance = 50 + (seed >> 4) % 900;
        e.odometerIn = odometer;
        odometer += static_cast<int32_t>(e.distance);
        e.odometerOut = odometer;
        e.fuel = Hundredths{static_cast<int64_t>(e.distance / 3) * 100 + (seed >> 12) % 100};
        switch (i % 400) {
        case 100:
            e.odometerIn += 7; // a gap
            break;
        case 200:
            e.odometerIn -= 7; // an overlap
            break;
        case 300:
            e.date = "2026/07/01";
            break;
        case 399:
            e = entries[i - 1]; // a repeat of the line before
            e.tripNumber = static_cast<int32_t>(i + 1);
            break;
        }
    }
    doc.replaceEntries(std::move(entries));
}

void BM_CheckQuarter(benchmark::State &state)
{
    static LoadedTaxTable rates;
    FillTable(rates);
    CIftaDoc doc(&rates);
    doc.setRecordPeriod(TaxPeriod{2026, 2, "Canada"});
    FillQuarter(doc, static_cast<size_t>(state.range(0)));
    size_t findings = 0;
    for (auto _ : state) {
        Findings found = CheckQuarter(doc, rates);
        findings = found.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["findings"] = static_cast<double>(findings);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_CheckQuarter)->Arg(1000000)->Unit(benchmark::kMillisecond);
