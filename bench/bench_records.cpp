// Reading and writing a record file of 1,000,000 trip lines through the disk, as File
// Open and File Save do. Target: each under 0.5 s.

#include "records/ciftadoc.h"
#include "records/recordfile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// A quarter of varied lines: dates, slots, odometer runs, fuel with cents, both units.
void FillEntries(CIftaDoc &doc, size_t count)
{
    doc.company.companyName = "Benchmark Freight";
    doc.company.startOdometer = 100000;
    doc.entries.resize(count);
    uint32_t seed = 2026;
    int32_t odometer = 100000;
    for (size_t i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        TripEntry &entry = doc.entries[i];
        entry.tripNumber = static_cast<int32_t>(i + 1);
        entry.date = "2026/0" + std::to_string(4 + (seed >> 28) % 3) + "/1" +
                     std::to_string((seed >> 24) % 10);
        entry.slot = static_cast<int32_t>((seed >> 8) % 61);
        entry.surcharge = (seed >> 3) % 20 == 0 ? 1 : 0;
        entry.distance = (seed >> 4) % 900;
        entry.odometerIn = odometer;
        odometer += static_cast<int32_t>(entry.distance);
        entry.odometerOut = odometer;
        entry.fuel = entry.surcharge ? 0.0f : static_cast<float>((seed >> 12) % 50000) / 100.0f;
        entry.rate = 0.05 + static_cast<double>((seed >> 16) % 2000) / 10000.0;
        entry.distanceInMiles = (seed >> 20) & 1;
        entry.fuelInGallons = (seed >> 21) & 1;
    }
}

std::string BenchPath()
{
    const char *tmp = std::getenv("TMPDIR");
    return std::string(tmp && *tmp ? tmp : "/tmp") + "/tollmark-bench-" +
           std::to_string(::getpid()) + ".irc";
}

void BM_WriteRecordFile(benchmark::State &state)
{
    static TaxRateTable table;
    CIftaDoc doc(&table);
    FillEntries(doc, static_cast<size_t>(state.range(0)));
    const std::string path = BenchPath();
    for (auto _ : state) {
        if (!WriteRecordFile(doc, path))
            state.SkipWithError("write failed");
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ReadRecordFile(benchmark::State &state)
{
    static TaxRateTable table;
    const std::string path = BenchPath();
    {
        CIftaDoc source(&table);
        FillEntries(source, static_cast<size_t>(state.range(0)));
        if (!WriteRecordFile(source, path)) {
            state.SkipWithError("could not write the file to read");
            return;
        }
    }
    for (auto _ : state) {
        CIftaDoc doc(&table);
        if (!ReadRecordFile(doc, path))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(doc.entries.data());
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_WriteRecordFile)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRecordFile)->Arg(1000000)->Unit(benchmark::kMillisecond);
