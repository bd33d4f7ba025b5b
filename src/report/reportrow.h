#pragma once

#include <cstdint>

// One jurisdiction's line of the quarterly report. Taxable fuel, difference and tax are
// not kept: they are derived from the row and the fleet average each time it is listed
// or printed.
struct ReportRow {
    int32_t slot = 0;
    uint32_t distance = 0; // whole km or miles in the report's unit
    float fuelPaid = 0.0f; // litres or US gallons bought
    int32_t surcharge = 0;
    double rate = 0.0;
};

// Marks a fleet average that could not be computed (no fuel bought in the quarter).
constexpr float kInvalidFleetAverage = 100000.0f;

// Totals of the last report computation.
struct ReportTotals {
    int32_t totalDistance = 0;   // rows without surcharge
    int32_t taxableDistance = 0; // all rows
    float totalFuelPaid = 0.0f;
    float fleetAverage = 0.0f; // km/L or MPG, two decimals; kInvalidFleetAverage if none
    float totalTaxableFuel = 0.0f;
    float totalDifference = 0.0f;
    float totalTax = 0.0f;
};
