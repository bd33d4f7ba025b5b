#pragma once

#include "numbers/fixeddecimal.h"

#include <cstdint>
#include <string>

// Unit factors, exact, in millionths: a US gallon is 3.785412 litres, a mile 1.609344
// kilometres, as the return has always defined them.
constexpr int64_t kFactorScale = 1000000;
constexpr int64_t kLitresPerGallonMillionths = 3785412;
constexpr int64_t kKilometresPerMileMillionths = 1609344;

// Whole kilometres of whole miles: miles * 1.609344 rounded half up, exactly.
uint32_t MilesToKilometres(uint32_t miles);
// Whole miles of whole kilometres, km / 1.609344 rounded half up (for display) or cut
// off (the report's rule), exactly.
uint32_t KilometresToMilesRounded(uint32_t kilometres);
uint32_t KilometresToMilesTruncated(uint32_t kilometres);

// True when the carrier's country selects kilometres and litres: exactly "Canada".
bool IsCanada(const std::string &country);

// A trip line's distance in whole units of the carrier's country, for display.
uint32_t ConvertDistance(uint32_t distance, int32_t distanceInMiles, const std::string &country);

// A trip line's fuel in the carrier's country's unit (litres or US gallons), for display:
// converted exactly and rounded to hundredths, halves up.
Hundredths ConvertFuel(Hundredths fuel, int32_t fuelInGallons, const std::string &country);

// The units a trip line's distance and fuel are entered in.
struct EntryUnits {
    int32_t distanceInMiles = 0;
    int32_t fuelInGallons = 0;

    bool operator==(const EntryUnits &o) const
    {
        return distanceInMiles == o.distanceInMiles && fuelInGallons == o.fuelInGallons;
    }
};

// The units of the carrier's country: kilometres and litres for "Canada", else miles and
// US gallons.
EntryUnits EntryUnitsForCountry(const std::string &country);
