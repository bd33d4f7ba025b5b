// The quarterly report over records of 10,000, 100,000 and 1,000,000 trip lines spread
// over a full table, mixed units, a few surcharge lines. Target at a million: 30 ms for
// the whole listing.

#include "report/report.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kUsedSlots = 64;

TaxRateTable BenchTable()
{
    TaxRateTable table;
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        TaxRate &rate = table[slot];
        rate.slot = slot;
        if (slot >= kUsedSlots)
            continue;
        rate.name = "Jurisdiction " + std::to_string(slot);
        rate.abbreviation = {static_cast<char>('A' + slot / 26),
                             static_cast<char>('A' + slot % 26)};
        rate.dieselRate = TenThousandths{1000 + slot * 10};
        rate.gasolineRate = TenThousandths{900 + slot * 10};
        rate.surcharge = slot % 16 == 15 ? 1 : 0;
    }
    return table;
}

void FillEntries(CIftaDoc &doc, size_t count)
{
    CIftaDoc::Entries entries(count);
    uint32_t seed = 12345;
    for (size_t i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        TripEntry &entry = entries[i];
        entry.tripNumber = static_cast<int32_t>(i + 1);
        entry.slot = static_cast<int32_t>((seed >> 8) % kUsedSlots);
        entry.surcharge = doc.taxTable()[entry.slot].surcharge;
        entry.rate = doc.taxTable()[entry.slot].dieselRate;
        entry.distance = (seed >> 4) % 900;
        entry.fuel =
            Hundredths{entry.surcharge ? 0 : static_cast<int64_t>((seed >> 12) % 5000) * 10};
        entry.distanceInMiles = (seed >> 20) & 1;
        entry.fuelInGallons = (seed >> 21) & 1;
    }
    doc.replaceEntries(std::move(entries));
}

void BM_ListReport(benchmark::State &state, const char *country)
{
    static LoadedTaxTable rates;
    rates.replaceFromFile(BenchTable());
    CIftaDoc doc(&rates);
    CompanyInfo company = doc.company();
    company.country = country;
    doc.setCompany(company);
    FillEntries(doc, static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        std::vector<ListLine> lines = ListReport(doc);
        benchmark::DoNotOptimize(lines);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK_CAPTURE(BM_ListReport, kilometres, "Canada")
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ListReport, miles, "US")
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
