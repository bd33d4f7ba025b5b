#pragma once

#include <cstdint>
#include <string>

// Unit factors, single precision as the return's arithmetic has always used them.
constexpr float kLitresPerGallon = 3.785412f;
constexpr float kKilometresPerMile = 1.609344f;

// Rounds to the nearest whole number, halves upward (2.5 gives 3, -2.5 gives -2),
// computed in double from the argument.
int32_t RoundWhole(double x);

// True when the carrier's country selects kilometres and litres: exactly "Canada".
bool IsCanada(const std::string &country);

// A trip line's distance in whole units of the carrier's country, for display.
uint32_t ConvertDistance(uint32_t distance, int32_t distanceInMiles, const std::string &country);

// A trip line's fuel in the carrier's country's unit (litres or US gallons), for display.
float ConvertFuel(float fuel, int32_t fuelInGallons, const std::string &country);

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
