// The cutting-force model: from the tool geometry, the cutting regime and the
// material coefficients to the three components of the cutting resistance,
// F1 (main cutting resistance), F2 (penetration) and F3 (feed motion), in N.
//
//   Pz = C a^0.95 s^0.75 v^n K (1 - 0.01 gamma),  Pn = 0.6 Pz,
//   tan eta = sin(k + k1) s sin^2 k / (sin(k + k1) a + cos(k + k1) s sin^2 k),
//   F1 = Pz + Pn (cos eta sin gamma cos lambda - sin eta sin lambda),
//   F2 = Pn (sin eta cos lambda sin k + cos eta sin gamma sin lambda sin k + cos eta cos gamma cos k),
//   F3 = Pn (cos eta cos gamma sin k - sin eta cos lambda cos k - cos eta sin gamma sin lambda cos k).
#pragma once

#include "sim/SimulationState.h"

namespace otpor {

// base^exponent: 1 for exponent 0; 0 for base 0 and a positive exponent; the
// integer power for a whole exponent; otherwise exp(exponent ln base).
long double Power(long double base, long double exponent);

// The model for the given inputs and coefficients. The result may hold
// non-finite values for inputs no control allows (a speed of 0, say).
ForceResults ComputeForces(const CuttingInputs& in, const MaterialCoefficients& c);

bool IsFinite(const ForceResults& f);

// The resultant of F1, F2 and F3, N.
double Resultant(double f1, double f2, double f3);
// The cutting power F1 v / 60000, kW, for F1 in N and v in m/min.
double CuttingPower(double f1, double cuttingSpeed);

} // namespace otpor
