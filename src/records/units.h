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

// The units new trip lines get: the entry list sets them by the carrier's country when it
// is shown, the entry dialog from its unit buttons whenever it closes, and the CSV import
// from its options. One set for the whole program.
struct EntryUnits {
    int32_t distanceInMiles = 0;
    int32_t fuelInGallons = 0;
};

EntryUnits &CurrentEntryUnits();

// Sets the current entry units to the carrier's country: 0/0 for "Canada", else 1/1.
void SetEntryUnitsForCountry(const std::string &country);
