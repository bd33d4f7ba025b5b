#pragma once

// The record file the record benchmarks read and write: a quarter of varied trip lines
// (dates, slots, a fleet of units each with its own odometer run, fuel with cents, both
// kinds of units), and a scratch path for it.

#include "records/ciftadoc.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <utility>

namespace bench {

inline void FillEntries(CIftaDoc &doc, size_t count)
{
    CompanyInfo company = doc.company();
    company.companyName = "Benchmark Freight";
    company.startOdometer = 100000;
    doc.setCompany(company);
    CIftaDoc::Entries entries(count);
    uint32_t seed = 2026;
    constexpr size_t kUnits = 40;
    int32_t odometers[kUnits];
    for (size_t unit = 0; unit < kUnits; ++unit)
        odometers[unit] = static_cast<int32_t>(100000 + 25000 * unit);
    for (size_t i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        TripEntry &entry = entries[i];
        entry.tripNumber = static_cast<int32_t>(i + 1);
        entry.date = "2026/0" + std::to_string(4 + (seed >> 28) % 3) + "/1" +
                     std::to_string((seed >> 24) % 10);
        entry.slot = static_cast<int32_t>((seed >> 8) % 61);
        entry.surcharge = (seed >> 3) % 20 == 0 ? 1 : 0;
        const size_t unit = (seed >> 13) % kUnits;
        entry.reservedText = "T" + std::to_string(1000 + unit * 37);
        entry.distance = (seed >> 4) % 900;
        entry.odometerIn = odometers[unit];
        odometers[unit] += static_cast<int32_t>(entry.distance);
        entry.odometerOut = odometers[unit];
        entry.fuel = Hundredths{entry.surcharge ? 0 : static_cast<int64_t>((seed >> 12) % 50000)};
        entry.rate = TenThousandths{500 + static_cast<int64_t>((seed >> 16) % 2000)};
        entry.distanceInMiles = (seed >> 20) & 1;
        entry.fuelInGallons = (seed >> 21) & 1;
    }
    doc.replaceEntries(std::move(entries));
}

// The table of the import benchmarks: 64 jurisdictions "AA", "AB" ... with a diesel
// rate each, every sixteenth a surcharge slot.
constexpr int kUsedSlots = 64;

inline std::string Abbreviation(int slot)
{
    return {static_cast<char>('A' + slot / 26), static_cast<char>('A' + slot % 26)};
}

inline TaxRateTable ImportTable()
{
    TaxRateTable table;
    for (int slot = 0; slot < kUsedSlots; ++slot) {
        TaxRate &rate = table[slot];
        rate.slot = slot;
        rate.abbreviation = Abbreviation(slot);
        rate.name = rate.abbreviation + (slot % 16 == 15 ? " Surcharge" : " Jurisdiction");
        rate.surcharge = slot % 16 == 15 ? 1 : 0;
        rate.dieselRate = TenThousandths{1000 + slot * 10};
    }
    return table;
}

inline std::string BenchPath()
{
    const char *tmp = std::getenv("TMPDIR");
    return std::string(tmp && *tmp ? tmp : "/tmp") + "/tollmark-bench-" +
           std::to_string(::getpid()) + ".irc";
}

} // namespace bench
