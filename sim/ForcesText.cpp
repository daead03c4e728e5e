#include "sim/ForcesText.h"

#include "platform/Convert.h"

#include <cmath>

namespace otpor {

std::string ForceNumber(double newtons, std::string_view decimalSeparator)
{
    if (!std::isfinite(newtons))
        return "?";
    std::string text = FormatFixed(newtons, ForceDecimals);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

std::string ForcesText(double f1, double f2, double f3, std::string_view decimalSeparator)
{
    return "F1 " + ForceNumber(f1, decimalSeparator) + " N, F2 " + ForceNumber(f2, decimalSeparator) +
           " N, F3 " + ForceNumber(f3, decimalSeparator) + " N";
}

} // namespace otpor
