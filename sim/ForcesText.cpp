#include "sim/ForcesText.h"

#include <cmath>
#include <cstdio>

namespace otpor {

std::string ForceNumber(double newtons, std::string_view decimalSeparator)
{
    if (!std::isfinite(newtons))
        return "?";
    char digits[400]; // the widest double in fixed notation, with its decimals
    const int written = std::snprintf(digits, sizeof digits, "%.*f", ForceDecimals, newtons);
    std::string text;
    bool zero = true;
    for (int i = 0; i < written && i < static_cast<int>(sizeof digits) - 1; ++i) {
        const char c = digits[i];
        if (c >= '0' && c <= '9') {
            text += c;
            zero = zero && c == '0';
        } else if (c == '-') {
            text += c;
        } else if (text.find(decimalSeparator) == std::string::npos) {
            // The C library's decimal point, whatever the process's locale made it.
            text += decimalSeparator;
        }
    }
    if (zero && !text.empty() && text.front() == '-')
        text.erase(0, 1);
    return text;
}

std::string ForcesText(double f1, double f2, double f3, std::string_view decimalSeparator)
{
    return "F1 " + ForceNumber(f1, decimalSeparator) + " N, F2 " + ForceNumber(f2, decimalSeparator) +
           " N, F3 " + ForceNumber(f3, decimalSeparator) + " N";
}

} // namespace otpor
