#pragma once

#include "numbers/fixeddecimal.h"
#include "numbers/uitext.h"
#include "records/ciftadoc.h"
#include "records/listcolumn.h"

#include <cstdint>
#include <string>
#include <vector>

// The individual vehicle mileage record an audit asks for: for each unit (truck) of the
// fleet its trips in date order, its distance by jurisdiction, its fuel and its average;
// then the fleet's. Figures are the report's: distances in the carrier's unit by the
// report's rule, each jurisdiction's fuel summed in litres and gallons apart and
// converted once, a unit's fuel the sum of its jurisdictions' and the fleet's the sum of
// its units', averages rounded to cents with halves up. Surcharge lines repeat their
// trip and do not count.

// One jurisdiction's share of a unit's distance and fuel.
struct VehicleJurisdiction {
    int slot = 0;
    uint32_t distance = 0;
    Hundredths fuel;
};

struct VehicleRecord {
    std::string unit;          // the unit number; empty for lines without one
    std::vector<size_t> trips; // positions of its trip lines in the record, in date order
    std::vector<VehicleJurisdiction> jurisdictions; // in slot order
    uint32_t distance = 0;
    Hundredths fuel;
    Hundredths average; // kInvalidFleetAverage without fuel
};

struct FleetRecord {
    // Units in order (numbers by their value, then names), the lines without a unit last.
    std::vector<VehicleRecord> vehicles;
    size_t trips = 0;
    uint32_t distance = 0;
    Hundredths fuel;
    Hundredths average;
};

FleetRecord ComputeFleetRecord(const CIftaDoc &doc);

// What the list and tollmark-cli show for the empty unit.
constexpr const char *kNoUnit = UI_TEXT_NOOP("ListColumns", "(none)");
constexpr const char *kFleetLine = UI_TEXT_NOOP("ListColumns", "Fleet");

// Unit, Trips, Distance, Fuel, Average.
std::vector<ListColumn> VehicleColumns();
// One line per unit, then the fleet's.
std::vector<ListLine> VehicleLines(const FleetRecord &fleet);
