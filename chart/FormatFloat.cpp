#include "chart/FormatFloat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace otpor {

namespace {

constexpr int SignificantDigits = 15;
constexpr int GroupSize = 3;
// Digits worked on in place: every double's integer digits and its
// 15 significant ones below the point, with room for a usual number of
// decimals. A longer picture takes the slow way, on the heap.
constexpr std::size_t InPlaceDigits = 400;

struct Picture {
    std::string_view prefix;
    std::string_view suffix;
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
        p.prefix = format;
        return p;
    }
    const auto last = format.find_last_of("0#.,");
    p.prefix = format.substr(0, first);
    p.suffix = format.substr(last + 1);
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

// The decimal digits of |value| rounded at `decimals` places, written to
// `digits` (which must hold them): all integer digits (at least one), then
// exactly `decimals` fraction digits. Returns their count; `integerDigits`
// tells where the point goes.
std::size_t RoundedDigits(double magnitude, int decimals, char* digits, int& integerDigits)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", SignificantDigits - 1, magnitude);
    const char* p = buffer;
    std::size_t n = 0;
    int point = 0;
    for (; *p != '\0' && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits[n++] = *p;
    const int exponent = (*p == 'e') ? std::atoi(p + 1) : 0;
    point = exponent + 1; // digits before the decimal point
    if (point < 1) {
        const auto zeros = static_cast<std::size_t>(1 - point);
        std::memmove(digits + zeros, digits, n);
        std::memset(digits, '0', zeros);
        n += zeros;
        point = 1;
    }
    const std::size_t keep = static_cast<std::size_t>(point + decimals);
    if (n <= keep) {
        std::memset(digits + n, '0', keep + 1 - n);
        n = keep + 1;
    }
    const bool roundUp = digits[keep] >= '5';
    n = keep;
    if (roundUp) {
        std::size_t i = keep;
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0) {
            std::memmove(digits + 1, digits, n);
            digits[0] = '1';
            ++n;
            ++point;
        } else {
            ++digits[i - 1];
        }
    }
    integerDigits = point;
    return n;
}

// Room RoundedDigits needs for a magnitude and a number of decimals.
std::size_t DigitsRoom(double magnitude, int decimals)
{
    const int exponent = magnitude > 0 ? static_cast<int>(std::floor(std::log10(magnitude))) : 0;
    const int zeros = exponent < 0 ? -exponent : 0;
    return static_cast<std::size_t>(std::abs(exponent) + zeros + decimals + SignificantDigits + 8);
}

} // namespace

std::string FormatFloat(std::string_view format, double value, const FormatSettings& separators)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";

    const Picture pic = ParsePicture(format);
    const double magnitude = std::fabs(value);
    char inPlace[InPlaceDigits];
    std::string onHeap;
    char* digits = inPlace;
    const std::size_t room = DigitsRoom(magnitude, pic.maxDecimals);
    if (room > InPlaceDigits) {
        onHeap.resize(room);
        digits = onHeap.data();
    }
    int integerDigits = 0;
    const std::size_t count = RoundedDigits(magnitude, pic.maxDecimals, digits, integerDigits);
    const std::string_view all(digits, count);

    std::string_view integer = all.substr(0, static_cast<std::size_t>(integerDigits));
    std::string_view fraction = all.substr(static_cast<std::size_t>(integerDigits));
    const bool isZero = all.find_first_not_of('0') == std::string_view::npos;

    const std::size_t firstSignificant = integer.find_first_not_of('0');
    integer =
        firstSignificant == std::string_view::npos ? std::string_view() : integer.substr(firstSignificant);
    while (static_cast<int>(fraction.size()) > pic.minDecimals && fraction.back() == '0')
        fraction.remove_suffix(1);

    std::string out(pic.prefix);
    // A value that rounds to zero is written without a sign.
    if (value < 0 && !isZero)
        out += '-';
    // Leading zeros the picture asks for, then the digits, grouped.
    const std::size_t padding = static_cast<int>(integer.size()) < pic.minIntegerDigits
                                    ? static_cast<std::size_t>(pic.minIntegerDigits) - integer.size()
                                    : 0;
    const std::size_t total = padding + integer.size();
    for (std::size_t i = 0; i < total; ++i) {
        if (pic.grouping && i > 0 && (total - i) % GroupSize == 0)
            out += separators.ThousandSeparator;
        out += i < padding ? '0' : integer[i - padding];
    }
    if (!fraction.empty()) {
        out += separators.DecimalSeparator;
        out += fraction;
    }
    out += pic.suffix;
    return out;
}

} // namespace otpor
