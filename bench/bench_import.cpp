// CSV import of 10,000, 100,000 and 1,000,000 lines (date, state, fuel, odometer in;
// header; kilometres and litres), completion and surcharge lines included. Target at a
// million: 250 ms.

#include "imports/csvimport.h"

#include "benchrecords.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

using bench::Abbreviation;
using bench::ImportTable;
using bench::kUsedSlots;

std::string WriteCsv(size_t lines)
{
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("tollmark-bench-import-" + std::to_string(lines) + ".csv"))
                                 .string();
    std::ofstream out(path, std::ios::binary);
    out << "Date,State,Fuel,Odometer\n";
    uint32_t seed = 987;
    int32_t odometer = 100000;
    char line[96];
    for (size_t i = 0; i < lines; ++i) {
        seed = seed * 1103515245u + 12345u;
        odometer += static_cast<int32_t>((seed >> 8) % 700);
        const int slot = static_cast<int>((seed >> 16) % kUsedSlots);
        std::snprintf(line, sizeof line, "2026/%02u/%02u,%s,%u.%02u,%d\n", 4 + (seed >> 4) % 3,
                      1 + (seed >> 6) % 28, Abbreviation(slot).c_str(), (seed >> 10) % 500,
                      (seed >> 3) % 100, odometer);
        out << line;
    }
    return path;
}

void BM_ImportCsv(benchmark::State &state)
{
    static LoadedTaxTable rates;
    rates.table() = ImportTable();
    const std::string path = WriteCsv(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        CIftaDoc doc(&rates);
        const Result result = ImportCsv(doc, path, kDefaultImportOptions);
        if (!result)
            state.SkipWithError(result.message.c_str());
        benchmark::DoNotOptimize(doc.entries().data());
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_ImportCsv)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
