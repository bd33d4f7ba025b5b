#pragma once

#include "numbers/fixeddecimal.h"
#include "numbers/shorttext.h"

#include <cstdint>

// One trip line of a record file. A line names its jurisdiction only by slot in the
// tax-rate table loaded when it was made; distance and fuel stay in the units they were
// entered in, with their unit flags, and are converted only for display, report and print.
//
// A million of them make a large quarter, so a line is compact: 80 bytes, its texts kept
// in place (ShortText), no heap block of its own, numbers first so that nothing is padded.
struct TripEntry {
    int32_t tripNumber = 0; // 1-based, kept consecutive within the record file
    int32_t slot = 0;       // 0..71 in the TaxRateTable
    int32_t odometerIn = 0;
    int32_t odometerOut = 0;
    uint32_t distance = 0; // whole units, in miles when distanceInMiles is set
    int32_t distanceInMiles = 0;
    int32_t fuelInGallons = 0;
    int32_t surcharge = 0;      // 1 = line of a surcharge pseudo-jurisdiction
    TenThousandths rate;        // tax per unit of fuel, copied from the slot
    Hundredths fuel;            // in US gallons when fuelInGallons is set, else litres
    ShortText<12> date;         // "%04d/%02d/%02d", may be empty (CSV lines without a date)
    ShortText<20> reservedText; // the unit number; carried through files unchanged

    bool operator==(const TripEntry &o) const
    {
        return tripNumber == o.tripNumber && date == o.date && reservedText == o.reservedText &&
               slot == o.slot && rate == o.rate && odometerIn == o.odometerIn &&
               odometerOut == o.odometerOut && distance == o.distance && fuel == o.fuel &&
               distanceInMiles == o.distanceInMiles && fuelInGallons == o.fuelInGallons &&
               surcharge == o.surcharge;
    }
};

// The largest distance odometers may give: what a 32-bit signed reading can count.
constexpr int64_t kLargestOdometerDistance = 2147483647;

// The distance between two odometer readings: out minus in, or 0 when that is negative
// (readings that run backwards) or larger than kLargestOdometerDistance (readings that
// are not of one vehicle), rather than a distance that wraps round to four billion.
inline uint32_t OdometerDistance(int64_t odometerIn, int64_t odometerOut)
{
    const int64_t distance = odometerOut - odometerIn;
    return distance > 0 && distance <= kLargestOdometerDistance ? static_cast<uint32_t>(distance)
                                                                : 0;
}
