// Import by heading of a 1,000,000-line telematics export (vehicle name, date with a
// time, jurisdiction, taxable meters, gallons with three decimals, product code), from
// the file on disk to the record's lines with their surcharge lines, through the use case
// the window and tollmark-cli share. Target: under 1 s.

#include "records/ciftadoc.h"
#include "sessionbase/headingimportcase.h"
#include "sessionbase/sessionprompts.h"

#include "benchrecords.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

using bench::Abbreviation;
using bench::ImportTable;
using bench::kUsedSlots;

std::string WriteExport(size_t lines)
{
    const std::string path =
        (std::filesystem::temp_directory_path() / "tollmark-bench-heading.csv").string();
    std::ofstream out(path, std::ios::binary);
    out << "Vehicle Name,Date,Jurisdiction,Taxable Meters,Fuel Qty Gallons,Product Code\r\n";
    uint32_t seed = 987;
    char line[128];
    for (size_t i = 0; i < lines; ++i) {
        seed = seed * 1103515245u + 12345u;
        int slot = static_cast<int>((seed >> 16) % kUsedSlots);
        if (slot % 16 == 15)
            --slot; // exports name jurisdictions, never surcharge slots
        std::snprintf(
            line, sizeof line, "Truck %u,2026-%02u-%02u 08:%02u:00,%s,%u.%u,%u.%03u,%s\r\n",
            (seed >> 3) % 40, 4 + (seed >> 4) % 3, 1 + (seed >> 6) % 28, (seed >> 9) % 60,
            Abbreviation(slot).c_str(), (seed >> 7) % 900000, (seed >> 5) % 10, (seed >> 10) % 200,
            (seed >> 2) % 1000, (seed >> 12) % 20 == 0 ? "DEF" : "ULSD");
        out << line;
    }
    return path;
}

// Nothing to ask: the dates are year first and every line reads.
class QuietPrompts : public SessionPrompts
{
public:
    void warn(const std::string &) override {}
    void inform(const std::string &) override {}
    bool askYesNo(const std::string &) override { return true; }
    Answer askYesNoCancel(const std::string &) override { return Answer::Cancel; }
    std::string openFileName(const std::string &) override { return {}; }
    std::string saveFileName(const std::string &, const std::string &) override { return {}; }
    bool editEntry(EntryDialogData &) override { return false; }
    bool editTaxRate(TaxRate &, bool) override { return false; }
    CompanyResult editCompany(CompanyDialogData &, CProfileStore *) override
    {
        return CompanyResult::Cancel;
    }
    bool chooseProfile(CProfileStore &, ProfileRecord &) override { return false; }
    bool chooseImport(ImportDialogData &) override { return false; }
    bool chooseMergeFiles(MergeDialogData &) override { return false; }
    bool editTaxPeriod(TaxPeriod &) override { return false; }
    bool editPreferences(PreferencesData &) override { return false; }
    bool editFilingDate(FilingDialogData &) override { return false; }
};

void BM_ImportByHeading(benchmark::State &state)
{
    static LoadedTaxTable rates;
    rates.replaceFromFile(ImportTable());
    static const std::string path = WriteExport(static_cast<size_t>(state.range(0)));
    QuietPrompts prompts;
    HeadingImportRequest request;
    request.path = path;
    for (auto _ : state) {
        CIftaDoc doc(&rates);
        HeadingImport import;
        if (!ImportFileByHeading(doc, prompts, request, import))
            state.SkipWithError("the import failed");
        benchmark::DoNotOptimize(doc.entries().data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_ImportByHeading)->Arg(1000000)->Unit(benchmark::kMillisecond);
