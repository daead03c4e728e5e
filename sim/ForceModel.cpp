#include "sim/ForceModel.h"

#include <cmath>

namespace otpor {

long double Power(long double base, long double exponent)
{
    if (exponent == 0)
        return 1;
    if (base == 0 && exponent > 0)
        return 0;
    if (std::trunc(exponent) == exponent && std::fabs(exponent) <= 2147483647.0L) {
        long long n = static_cast<long long>(std::fabs(exponent));
        long double result = 1;
        long double square = base;
        while (n > 0) {
            if (n & 1)
                result *= square;
            square *= square;
            n >>= 1;
        }
        return exponent < 0 ? 1 / result : result;
    }
    return std::exp(exponent * std::log(base));
}

ForceResults ComputeForces(const CuttingInputs& in, const MaterialCoefficients& c)
{
    // Intermediate terms in extended precision; each field is stored as a double.
    using R = long double;
    ForceResults f;
    const R a = in.DepthOfCut;
    const R s = in.Feed;
    const R kappa = in.ApproachRad;
    const R kappa1 = in.AuxApproachRad;
    const R gamma = in.RakeRad;
    const R lambda = in.InclinationRad;

    f.MainForce =
        static_cast<double>(Power(a, c.DepthExponent) * c.MaterialCoefficient * Power(s, c.FeedExponent) *
                            Power(in.CuttingSpeed, c.SpeedExponent) * c.MismatchFactor * in.RakeFactor);
    f.NormalForce = static_cast<double>(R{0.6} * f.MainForce);

    const R sinSum = std::sin(kappa + kappa1);
    const R sinK = std::sin(kappa);
    const R cosK = std::cos(kappa);
    f.ChipFlowNumerator = static_cast<double>(sinSum * s * (sinK * sinK));
    f.ChipFlowDenominator = static_cast<double>(sinSum * a + std::cos(kappa + kappa1) * s * (sinK * sinK));
    f.ChipFlowAngle = static_cast<double>(std::atan(R{f.ChipFlowNumerator} / f.ChipFlowDenominator));

    const R eta = f.ChipFlowAngle;
    const R sinEta = std::sin(eta), cosEta = std::cos(eta);
    const R sinG = std::sin(gamma), cosG = std::cos(gamma);
    const R sinL = std::sin(lambda), cosL = std::cos(lambda);
    const R pn = f.NormalForce;

    f.F1 = static_cast<double>((cosEta * sinG * cosL - sinEta * sinL) * pn + f.MainForce);
    f.F2 =
        static_cast<double>((sinEta * cosL * sinK + cosEta * sinG * sinL * sinK + cosEta * cosG * cosK) * pn);
    f.F3 =
        static_cast<double>((cosEta * cosG * sinK - sinEta * cosL * cosK - cosEta * sinG * sinL * cosK) * pn);
    return f;
}

bool IsFinite(const ForceResults& f)
{
    return std::isfinite(f.F1) && std::isfinite(f.F2) && std::isfinite(f.F3);
}

double Resultant(double f1, double f2, double f3)
{
    return std::hypot(f1, f2, f3);
}

double CuttingPower(double f1, double cuttingSpeed)
{
    // N m/min in one kW: 1000 N m/s.
    constexpr double NewtonMetresPerMinutePerKilowatt = 60000;
    return f1 * cuttingSpeed / NewtonMetresPerMinutePerKilowatt;
}

} // namespace otpor
