// The three force components in one line, as the front-ends speak and show
// them: "F1 81,32 N, F2 38,64 N, F3 15,03 N", each to ForceDecimals decimals
// with the user's decimal separator.
#pragma once

#include <string>
#include <string_view>

namespace otpor {

inline constexpr int ForceDecimals = 2;

// A force in N to ForceDecimals decimals: "81,32"; never "-0,00".
std::string ForceNumber(double newtons, std::string_view decimalSeparator);

std::string ForcesText(double f1, double f2, double f3, std::string_view decimalSeparator);

} // namespace otpor
