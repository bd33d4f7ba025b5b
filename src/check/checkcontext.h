#pragma once

#include "check/quarterfigures.h"

#include <cstddef>
#include <string>
#include <vector>

class CIftaDoc;
class LoadedTaxTable;
struct TripEntry;

// What every rule of the quarter check reads, gathered once: the record, the loaded
// table and its period, the carrier's unit system, the report's figures and the ordinary
// trip lines (surcharge lines passed over) in trip order.
struct CheckContext {
    CheckContext(const CIftaDoc &doc, const LoadedTaxTable &rates);

    const CIftaDoc &doc;
    const LoadedTaxTable &rates;
    bool metric = false;
    QuarterFigures figures;
    std::vector<size_t> tripOrder; // positions in doc.entries()

    const TripEntry &entry(size_t position) const;
    // The abbreviation and name of a slot in the loaded table (empty outside it).
    std::string abbreviation(int slot) const;
    std::string name(int slot) const;

    // Unit texts of the carrier's country: "km" or "mi", "L" or "gal", "km/L" or "MPG".
    const char *distanceUnit() const { return metric ? "km" : "mi"; }
    const char *fuelUnit() const { return metric ? "L" : "gal"; }
    const char *averageUnit() const { return metric ? "km/L" : "MPG"; }
};

// Positions of the ordinary trip lines (surcharge lines passed over) in trip order.
std::vector<size_t> OrdinaryLinesInTripOrder(const std::vector<TripEntry> &entries);
