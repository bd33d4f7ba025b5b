// Reading and writing a record file of 10,000, 100,000 and 1,000,000 trip lines through
// the disk, as File Open and File Save do. Targets at a million: read 120 ms, write 200 ms.

#include "benchrecords.h"
#include "formats/recordfile.h"
#include "records/ciftadoc.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using bench::BenchPath;
using bench::FillEntries;

void BM_WriteRecordFile(benchmark::State &state)
{
    static LoadedTaxTable rates;
    CIftaDoc doc(&rates);
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
    static LoadedTaxTable rates;
    const std::string path = BenchPath();
    {
        CIftaDoc source(&rates);
        FillEntries(source, static_cast<size_t>(state.range(0)));
        if (!WriteRecordFile(source, path)) {
            state.SkipWithError("could not write the file to read");
            return;
        }
    }
    for (auto _ : state) {
        CIftaDoc doc(&rates);
        if (!ReadRecordFile(doc, path))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(doc.entries().data());
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_WriteRecordFile)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRecordFile)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
