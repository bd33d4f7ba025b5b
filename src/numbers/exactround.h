#pragma once

#include "numbers/fixeddecimal.h"

#include <cstdint>
#include <limits>

// Exact quotients of whole numbers, rounded the ways the return needs. Products of a
// quarter's sums with the unit factors and rates pass 64 bits, so the arithmetic is done
// in 128 bits (a compiler extension GCC and Clang share on every target we build for).
__extension__ typedef __int128 Int128;

namespace ExactRound {

// The largest quotient a result may take; beyond it the 64-bit result saturates.
inline int64_t Saturate(Int128 value)
{
    if (value > std::numeric_limits<int64_t>::max())
        return std::numeric_limits<int64_t>::max();
    if (value < std::numeric_limits<int64_t>::min())
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(value);
}

// floor(num / den) for den != 0.
inline Int128 Floor(Int128 num, Int128 den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    Int128 q = num / den;
    if (num % den != 0 && num < 0)
        --q;
    return q;
}

// num / den rounded to a whole number with halves toward plus infinity:
// floor(num / den + 1/2), so 0.125 -> 0.13 and -0.125 -> -0.12 at the cent.
inline int64_t HalfUp(Int128 num, Int128 den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    return Saturate(Floor(2 * num + den, 2 * den));
}

// num / den rounded to a whole number with halves away from zero: -38.675 -> -38.68.
inline int64_t HalfAwayFromZero(Int128 num, Int128 den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    // Halves of a positive quotient already go away from zero; mirror the negative ones.
    if (num < 0)
        return -HalfUp(-num, den);
    return HalfUp(num, den);
}

// num / den with the fraction cut off toward zero.
inline int64_t Truncate(Int128 num, Int128 den)
{
    return Saturate(num / den);
}

// `amount` × `factor` at the amount's scale, rounded once with halves toward plus
// infinity (0.125 -> 0.13, -0.125 -> -0.12). False, `product` left alone, when the
// result passes 64 bits: a figure the caller must refuse rather than show.
template <int D, int F>
bool MultiplyHalfUp(FixedDecimal<D> amount, FixedDecimal<F> factor, FixedDecimal<D> &product)
{
    const Int128 rounded =
        Floor(2 * (Int128(amount.units) * factor.units) + FixedDecimal<F>::kScale,
              2 * Int128(FixedDecimal<F>::kScale));
    if (rounded > std::numeric_limits<int64_t>::max() ||
        rounded < std::numeric_limits<int64_t>::min())
        return false;
    product.units = static_cast<int64_t>(rounded);
    return true;
}

// a + b, or false (`sum` left alone) when it passes 64 bits.
template <int D>
bool Add(FixedDecimal<D> a, FixedDecimal<D> b, FixedDecimal<D> &sum)
{
    int64_t units = 0;
    if (__builtin_add_overflow(a.units, b.units, &units))
        return false;
    sum.units = units;
    return true;
}

} // namespace ExactRound
