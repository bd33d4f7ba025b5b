#pragma once

// A clean quarter for the check's tests, and helpers to spoil it: a Canadian diesel
// carrier in 2Q2026 with a small table (Quebec, Ontario, Kentucky and its surcharge slot,
// New Brunswick). The lines follow on at the odometer, carry the table's rates and give a
// fleet average of 3.50 km/L, so the check finds nothing but the exposure.

#include "check/quartercheck.h"
#include "records/ciftadoc.h"

#include <cmath>
#include <functional>
#include <ostream>
#include <vector>

// Findings as test failures print them.
inline void PrintTo(const Finding &f, std::ostream *out)
{
    *out << "{" << CheckRuleId(f.rule) << ", " << f.trip << ", " << f.jurisdiction << ", \""
         << f.message << "\"}";
}

namespace checktest {

enum Slot { QC = 0, ON = 1, KY = 2, KX = 3, NB = 4 };

// Rates and fuel written as decimals in the tables below, held exactly.
inline TenThousandths Rate(double rate)
{
    return TenThousandths{static_cast<int64_t>(std::llround(rate * 10000.0))};
}
inline Hundredths Fuel(double fuel)
{
    return Hundredths{static_cast<int64_t>(std::llround(fuel * 100.0))};
}

inline TaxRateTable MakeTable()
{
    TaxRateTable table;
    struct {
        const char *name, *abbreviation;
        double diesel, gasoline;
        int surcharge;
    } const rows[] = {
        {"Quebec", "QC", 0.2020, 0.1920, 0},        {"Ontario", "ON", 0.1430, 0.1470, 0},
        {"Kentucky", "KY", 0.2850, 0.2600, 0},      {"KY Surcharge", "KX", 0.0470, 0.0470, 1},
        {"New Brunswick", "NB", 0.1550, 0.1550, 0},
    };
    int slot = 0;
    for (const auto &r : rows) {
        table[slot] =
            TaxRate{r.name, r.abbreviation, Rate(r.diesel), Rate(r.gasoline), r.surcharge, slot};
        ++slot;
    }
    return table;
}

inline TripEntry Line(int32_t trip, const char *date, int slot, uint32_t distance, double fuel,
                      int32_t in, int32_t out, int surcharge = 0)
{
    TripEntry e;
    e.tripNumber = trip;
    e.date = date;
    e.slot = slot;
    e.distance = distance;
    e.fuel = Fuel(fuel);
    e.odometerIn = in;
    e.odometerOut = out;
    e.surcharge = surcharge;
    e.rate = MakeTable()[slot].dieselRate;
    return e;
}

// 1,400 km on ordinary lines, 400 L: 3.50 km/L.
inline std::vector<TripEntry> CleanLines()
{
    return {
        Line(1, "2026/04/02", QC, 500, 200.0f, 1000, 1500),
        Line(2, "2026/04/03", ON, 300, 100.0f, 1500, 1800),
        Line(3, "2026/04/04", KY, 200, 0.0f, 1800, 2000),
        Line(4, "2026/04/04", KX, 200, 0.0f, 1800, 2000, 1),
        Line(5, "2026/05/10", QC, 400, 100.0f, 2000, 2400),
    };
}

// A record and its loaded table, both in 2Q2026.
struct Quarter {
    LoadedTaxTable rates;
    CIftaDoc doc{&rates};

    explicit Quarter(std::vector<TripEntry> lines = CleanLines(), const char *country = "Canada")
    {
        rates.replaceFromFile(MakeTable());
        rates.setPeriod(TaxPeriod{2026, 2, "Canada"});
        CompanyInfo company;
        company.country = country;
        doc.setCompany(company);
        doc.setRecordPeriod(TaxPeriod{2026, 2, country});
        doc.replaceEntries(std::move(lines));
    }

    Findings check() const { return CheckQuarter(doc, rates); }
};

// The findings of one rule.
inline Findings OfRule(const Findings &findings, CheckRule rule)
{
    Findings of;
    for (const Finding &f : findings) {
        if (f.rule == rule)
            of.push_back(f);
    }
    return of;
}

} // namespace checktest
