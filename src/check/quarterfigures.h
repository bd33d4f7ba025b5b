#pragma once

#include "records/taxratetable.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CIftaDoc;
struct TaxRate;
struct TripEntry;

// The return's figures the check compares, as exact whole numbers: distances in the
// carrier's unit, fuel in hundredths of a litre or US gallon, the fleet average in
// hundredths, money in cents, rates in ten-thousandths (the units of the report's and
// the trip lines' fixed-point figures). This file is the check's one reader of the report
// and of the money fields of trip lines and rates, so a change in how they are kept
// touches nothing else of the check.
struct SlotFigures {
    bool listed = false;    // the report has a line for the slot
    uint32_t distance = 0;  // taxable distance
    int64_t fuelPaid = 0;   // hundredths
    bool surcharge = false; // the line is a surcharge pseudo-jurisdiction's
};

// One unit's (truck's) average, when the record's lines carry unit numbers.
struct UnitAverage {
    std::string unit;
    int64_t average = 0; // hundredths of km/L or MPG
};

struct QuarterFigures {
    std::array<SlotFigures, TaxRateTable::kSlotCount> slots{};
    int64_t totalDistance = 0; // without surcharge lines
    int64_t totalFuelPaid = 0; // hundredths
    bool averageValid = false; // fuel was bought, so the fleet average means something
    int64_t fleetAverage = 0;  // hundredths of km/L or MPG
    int64_t tax = 0;           // cents: the return's tax due (negative: credit)
    int64_t taxAtDefault = 0;  // cents: the same with every line at the default average
    // The averages of the units that bought fuel; none when no line names a unit.
    std::vector<UnitAverage> unitAverages;
};

// The default average of an audit without adequate records: 4.00 MPG, or 1.70 km/L, in
// hundredths.
int64_t DefaultAverage(bool metric);

// The report of the record, and its tax recomputed at the default average.
QuarterFigures ReadQuarterFigures(const CIftaDoc &doc);

// A trip line's fuel in hundredths of its own unit, and its stored rate and a slot's rate
// by fuel type in ten-thousandths.
int64_t EntryFuel(const TripEntry &entry);
int64_t EntryRate(const TripEntry &entry);
int64_t SlotRateUnits(const TaxRate &rate, bool diesel);
