#include "sim/ForcesText.h"

#include <charconv>

namespace otpor {

std::string ForceNumber(double newtons, std::string_view decimalSeparator)
{
    char digits[400]; // the widest double in fixed notation, with its decimals
    const auto [end, ec] =
        std::to_chars(digits, digits + sizeof digits, newtons, std::chars_format::fixed, ForceDecimals);
    std::string text = ec == std::errc{} ? std::string(digits, end) : std::string("?");
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-')
        text.erase(0, 1);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

std::string ForcesText(double f1, double f2, double f3, std::string_view decimalSeparator)
{
    return "F1 " + ForceNumber(f1, decimalSeparator) + " N, F2 " + ForceNumber(f2, decimalSeparator) +
           " N, F3 " + ForceNumber(f3, decimalSeparator) + " N";
}

} // namespace otpor
