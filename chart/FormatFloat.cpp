#include "chart/FormatFloat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace otpor {

namespace {

constexpr int SignificantDigits = 15;
constexpr int GroupSize = 3;

struct Picture {
    std::string prefix;
    std::string suffix;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
};

bool IsPlaceholder(char c)
{
    return c == '0' || c == '#';
}

Picture ParsePicture(std::string_view format)
{
    Picture p;
    const auto first = format.find_first_of("0#.,");
    if (first == std::string_view::npos) {
        p.prefix = std::string(format);
        return p;
    }
    const auto last = format.find_last_of("0#.,");
    p.prefix = std::string(format.substr(0, first));
    p.suffix = std::string(format.substr(last + 1));
    bool decimals = false;
    for (char c : format.substr(first, last - first + 1)) {
        if (c == '.' && !decimals) {
            decimals = true;
        } else if (c == ',' && !decimals) {
            p.grouping = true;
        } else if (IsPlaceholder(c) && decimals) {
            ++p.maxDecimals;
            if (c == '0')
                p.minDecimals = p.maxDecimals;
        } else if (c == '0') {
            ++p.minIntegerDigits;
        }
    }
    return p;
}

// The decimal digits of |value| rounded at `decimals` places: all integer
// digits (at least one), then exactly `decimals` fraction digits.
std::string RoundedDigits(double magnitude, int decimals, int& integerDigits)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", SignificantDigits - 1, magnitude);
    std::string digits;
    const char* p = buffer;
    for (; *p != '\0' && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits += *p;
    const int exponent = (*p == 'e') ? std::atoi(p + 1) : 0;

    int point = exponent + 1; // digits before the decimal point
    if (point < 1) {
        digits.insert(0, static_cast<std::size_t>(1 - point), '0');
        point = 1;
    }
    const std::size_t keep = static_cast<std::size_t>(point + decimals);
    if (digits.size() <= keep)
        digits.append(keep + 1 - digits.size(), '0');
    const bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        std::size_t i = keep;
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            ++point;
        } else {
            ++digits[i - 1];
        }
    }
    integerDigits = point;
    return digits;
}

std::string Grouped(const std::string& integer, const std::string& separator)
{
    std::string out;
    const std::size_t n = integer.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % GroupSize == 0)
            out += separator;
        out += integer[i];
    }
    return out;
}

} // namespace

std::string FormatFloat(std::string_view format, double value, const FormatSettings& separators)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";

    const Picture pic = ParsePicture(format);
    int integerDigits = 0;
    const std::string digits = RoundedDigits(std::fabs(value), pic.maxDecimals, integerDigits);

    std::string integer = digits.substr(0, static_cast<std::size_t>(integerDigits));
    std::string fraction = digits.substr(static_cast<std::size_t>(integerDigits));
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;

    const std::size_t firstSignificant = integer.find_first_not_of('0');
    integer = firstSignificant == std::string::npos ? std::string() : integer.substr(firstSignificant);
    if (static_cast<int>(integer.size()) < pic.minIntegerDigits)
        integer.insert(0, static_cast<std::size_t>(pic.minIntegerDigits) - integer.size(), '0');
    while (static_cast<int>(fraction.size()) > pic.minDecimals && fraction.back() == '0')
        fraction.pop_back();

    std::string out = pic.prefix;
    // A value that rounds to zero is written without a sign.
    if (value < 0 && !isZero)
        out += '-';
    out += pic.grouping ? Grouped(integer, separators.ThousandSeparator) : integer;
    if (!fraction.empty())
        out += separators.DecimalSeparator + fraction;
    out += pic.suffix;
    return out;
}

} // namespace otpor
