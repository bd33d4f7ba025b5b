#pragma once

#include <cstdint>

constexpr int64_t PowerOfTen(int exponent)
{
    return exponent == 0 ? 1 : 10 * PowerOfTen(exponent - 1);
}

// An exact decimal amount with a fixed number of decimals, held as a whole number of its
// smallest unit: Hundredths{125} is 1.25. Fuel and money (whole cents) are hundredths, tax
// rates ten-thousandths, as the files store them, interest factors millionths; no binary fraction
// ever stands between the text a carrier typed and the figure on the return.
template <int Decimals>
struct FixedDecimal {
    static_assert(Decimals >= 0 && Decimals <= 8, "a scale that fits 64 bits with room");
    static constexpr int kDecimals = Decimals;
    static constexpr int64_t kScale = PowerOfTen(Decimals);

    int64_t units = 0;

    constexpr bool isZero() const { return units == 0; }

    constexpr FixedDecimal &operator+=(FixedDecimal o)
    {
        units += o.units;
        return *this;
    }
    constexpr FixedDecimal &operator-=(FixedDecimal o)
    {
        units -= o.units;
        return *this;
    }
    friend constexpr FixedDecimal operator+(FixedDecimal a, FixedDecimal b)
    {
        return FixedDecimal{a.units + b.units};
    }
    friend constexpr FixedDecimal operator-(FixedDecimal a, FixedDecimal b)
    {
        return FixedDecimal{a.units - b.units};
    }
    friend constexpr FixedDecimal operator-(FixedDecimal a) { return FixedDecimal{-a.units}; }
    friend constexpr bool operator==(FixedDecimal a, FixedDecimal b) { return a.units == b.units; }
    friend constexpr bool operator!=(FixedDecimal a, FixedDecimal b) { return a.units != b.units; }
    friend constexpr bool operator<(FixedDecimal a, FixedDecimal b) { return a.units < b.units; }
    friend constexpr bool operator>(FixedDecimal a, FixedDecimal b) { return a.units > b.units; }
    friend constexpr bool operator<=(FixedDecimal a, FixedDecimal b) { return a.units <= b.units; }
    friend constexpr bool operator>=(FixedDecimal a, FixedDecimal b) { return a.units >= b.units; }
};

using Hundredths = FixedDecimal<2>;     // fuel amounts and money
using TenThousandths = FixedDecimal<4>; // tax rates per litre or US gallon
using Millionths = FixedDecimal<6>;     // interest factors: 0.007500 is Millionths{7500}
