#pragma once

#include "records/fixeddecimal.h"

#include <cstdint>
#include <string>

// One trip line of a record file. A line names its jurisdiction only by slot in the
// tax-rate table loaded when it was made; distance and fuel stay in the units they were
// entered in, with their unit flags, and are converted only for display, report and print.
struct TripEntry {
    int32_t tripNumber = 0;   // 1-based, kept consecutive within the record file
    std::string date;         // "%04d/%02d/%02d", may be empty (CSV lines without a date)
    std::string reservedText; // carried through files unchanged
    int32_t slot = 0;         // 0..71 in the TaxRateTable
    std::string abbreviation; // in memory only, used to resolve `slot`
    TenThousandths rate;      // tax per unit of fuel, copied from the slot
    int32_t odometerIn = 0;
    int32_t odometerOut = 0;
    uint32_t distance = 0; // whole units, in miles when distanceInMiles is set
    Hundredths fuel;       // in US gallons when fuelInGallons is set, else litres
    int32_t distanceInMiles = 0;
    int32_t fuelInGallons = 0;
    int32_t surcharge = 0; // 1 = line of a surcharge pseudo-jurisdiction

    bool operator==(const TripEntry &o) const
    {
        return tripNumber == o.tripNumber && date == o.date && reservedText == o.reservedText &&
               slot == o.slot && abbreviation == o.abbreviation && rate == o.rate &&
               odometerIn == o.odometerIn && odometerOut == o.odometerOut &&
               distance == o.distance && fuel == o.fuel && distanceInMiles == o.distanceInMiles &&
               fuelInGallons == o.fuelInGallons && surcharge == o.surcharge;
    }
};

// The distance between two odometer readings: out minus in, never below 0 (readings that
// run backwards give no distance rather than one that wraps round to four billion).
inline uint32_t OdometerDistance(int64_t odometerIn, int64_t odometerOut)
{
    return odometerOut > odometerIn ? static_cast<uint32_t>(odometerOut - odometerIn) : 0;
}
