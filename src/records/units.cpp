#include "records/units.h"

#include "numbers/exactround.h"

#include <algorithm>

bool IsCanada(const std::string &country)
{
    return country == "Canada";
}

namespace {

// Rounded distances stop at the largest 32-bit signed number, as they always have.
uint32_t CapDistance(int64_t distance)
{
    return static_cast<uint32_t>(std::min<int64_t>(distance, INT32_MAX));
}

} // namespace

uint32_t MilesToKilometres(uint32_t miles)
{
    return CapDistance(
        ExactRound::HalfUp(Int128(miles) * kKilometresPerMileMillionths, kFactorScale));
}

uint32_t KilometresToMilesRounded(uint32_t kilometres)
{
    return CapDistance(
        ExactRound::HalfUp(Int128(kilometres) * kFactorScale, kKilometresPerMileMillionths));
}

uint32_t KilometresToMilesTruncated(uint32_t kilometres)
{
    return static_cast<uint32_t>(
        ExactRound::Truncate(Int128(kilometres) * kFactorScale, kKilometresPerMileMillionths));
}

uint32_t ConvertDistance(uint32_t distance, int32_t distanceInMiles, const std::string &country)
{
    if (IsCanada(country))
        return distanceInMiles ? MilesToKilometres(distance) : distance;
    return distanceInMiles ? distance : KilometresToMilesRounded(distance);
}

Hundredths ConvertFuel(Hundredths fuel, int32_t fuelInGallons, const std::string &country)
{
    const bool litres = IsCanada(country);
    if (litres != (fuelInGallons != 0))
        return fuel;
    if (litres)
        return Hundredths{
            ExactRound::HalfUp(Int128(fuel.units) * kLitresPerGallonMillionths, kFactorScale)};
    return Hundredths{
        ExactRound::HalfUp(Int128(fuel.units) * kFactorScale, kLitresPerGallonMillionths)};
}

EntryUnits EntryUnitsForCountry(const std::string &country)
{
    const int32_t imperial = IsCanada(country) ? 0 : 1;
    return EntryUnits{imperial, imperial};
}
