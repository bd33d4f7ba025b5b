#include "records/units.h"

#include <cmath>

int32_t RoundWhole(double x)
{
    // Ceiling, then one down when the half-way point lies above x: floor(x + 0.5).
    const double c = std::ceil(x);
    const double r = (c - (x + 0.5) > 0.0) ? c - 1.0 : c;
    if (!(r > -2147483648.0))
        return INT32_MIN;
    if (!(r < 2147483647.0))
        return INT32_MAX;
    return static_cast<int32_t>(r);
}

bool IsCanada(const std::string &country)
{
    return country == "Canada";
}

uint32_t ConvertDistance(uint32_t distance, int32_t distanceInMiles, const std::string &country)
{
    if (IsCanada(country)) {
        if (!distanceInMiles)
            return distance;
        const float km = static_cast<float>(distance) * kKilometresPerMile;
        return static_cast<uint32_t>(RoundWhole(km));
    }
    if (distanceInMiles)
        return distance;
    const float miles = static_cast<float>(distance) / kKilometresPerMile;
    return static_cast<uint32_t>(RoundWhole(miles));
}

float ConvertFuel(float fuel, int32_t fuelInGallons, const std::string &country)
{
    if (IsCanada(country))
        return fuelInGallons ? fuel * kLitresPerGallon : fuel;
    return fuelInGallons ? fuel : fuel / kLitresPerGallon;
}

EntryUnits EntryUnitsForCountry(const std::string &country)
{
    const int32_t imperial = IsCanada(country) ? 0 : 1;
    return EntryUnits{imperial, imperial};
}
