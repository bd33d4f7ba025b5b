#pragma once

#include "numbers/fixeddecimal.h"

#include <cstdint>

// One jurisdiction's line of the quarterly report. Taxable fuel, difference and tax are
// not kept: they are derived from the row and the fleet average each time it is listed
// or printed.
struct ReportRow {
    int32_t slot = 0;
    uint32_t distance = 0; // whole km or miles in the report's unit
    Hundredths fuelPaid;   // litres or US gallons bought, as the report shows them
    int32_t surcharge = 0;
    TenThousandths rate;
};

// Marks a fleet average that could not be computed (no fuel bought in the quarter); it
// divides like any other average, 100000.00.
constexpr Hundredths kInvalidFleetAverage{10000000};

// Totals of the last report computation: the sums of the rows as shown.
struct ReportTotals {
    int32_t totalDistance = 0;   // rows without surcharge
    int32_t taxableDistance = 0; // all rows
    Hundredths totalFuelPaid;
    Hundredths fleetAverage; // km/L or MPG, two decimals; kInvalidFleetAverage if none
    Hundredths totalTaxableFuel;
    Hundredths totalDifference;
    Hundredths totalTax;
};
