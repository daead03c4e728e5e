// The runtime's number rules that the simulation's pictures depend on:
// rounding to nearest with ties to even, truncation, and degrees to radians
// with the program's constant 3.1415 in place of pi.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace otpor {

// The program's value of pi, used for every degree-to-radian conversion.
inline constexpr double Pi = 3.1415;

inline double DegToRad(double degrees)
{
    return degrees * Pi / 180.0;
}

// Saturates instead of invoking undefined behaviour: NaN gives 0 and values
// beyond the 32-bit range give its nearest end. Within range it is exact.
inline int SaturateToInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= 2147483647.0)
        return std::numeric_limits<int>::max();
    if (v <= -2147483648.0)
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

// Nearest integer, ties to even: Round(210.5) = 210, Round(211.5) = 212.
inline int Round(double v)
{
    return SaturateToInt(std::nearbyint(v));
}

// Toward zero.
inline int Trunc(double v)
{
    return SaturateToInt(std::trunc(v));
}

// Multiply then divide with halves rounded away from zero, as the gradient and
// margin arithmetic do it in one step: MulDiv(127, 160, 161) = 126.
inline int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const std::int64_t p = std::int64_t{number} * numerator;
    const std::int64_t d = denominator;
    const bool negative = (p < 0) != (d < 0);
    const std::int64_t ap = p < 0 ? -p : p;
    const std::int64_t ad = d < 0 ? -d : d;
    std::int64_t q = (ap + ad / 2) / ad;
    if (negative)
        q = -q;
    if (q > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (q < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(q);
}

} // namespace otpor
