#include "platform/Convert.h"

#include "platform/Errors.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace otpor {

std::optional<int> TryStrToInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return std::nullopt;

    // Accumulate the magnitude; the negative end of the range is one larger.
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int StrToInt(std::string_view text)
{
    if (auto v = TryStrToInt(text))
        return *v;
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

std::string FloatToStr(double value, std::string_view decimalSeparator)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";

    // %.15g already gives the shortest form within 15 significant digits;
    // only the separator and the exponent's spelling differ.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string raw(buffer);

    std::string mantissa = raw;
    std::string exponent;
    if (const auto e = raw.find('e'); e != std::string::npos) {
        mantissa = raw.substr(0, e);
        const int exp = std::atoi(raw.c_str() + e + 1);
        if (exp == -5) {
            // Fixed-point down to 0.00001, one decade further than %g goes.
            const bool negative = mantissa[0] == '-';
            std::string digits;
            for (char c : mantissa)
                if (c >= '0' && c <= '9')
                    digits += c;
            mantissa = (negative ? "-0.0000" : "0.0000") + digits;
        } else {
            exponent = "E" + std::to_string(exp);
        }
    }
    std::string out;
    for (char c : mantissa) {
        if (c == '.')
            out += decimalSeparator;
        else
            out += c;
    }
    return out + exponent;
}

namespace {

// "-0.00" reads as a sign that is not there.
std::string WithoutNegativeZero(std::string text)
{
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

} // namespace

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Through the standard library's charconv, which ignores the process's
// locale; the web build's library lacks its floating-point part, and its C
// library knows no locale but "C", so strtod and snprintf do there.
std::optional<double> ParseDecimal(std::string_view text)
{
    text = Trimmed(text);
    if (text.starts_with('+'))
        text.remove_prefix(1);

    std::string number(text);
    if (const auto comma = number.find(',');
        comma != std::string::npos && number.find('.') == std::string::npos)
        number[comma] = '.';
    // Digits, a point and an exponent only: no "inf", "nan" or hexadecimal.
    if (number.empty() || number.find_first_not_of("0123456789.eE+-") != std::string::npos)
        return std::nullopt;

    double value = 0;
    const char* const end = number.data() + number.size();
#if defined(__cpp_lib_to_chars)
    const auto [stop, ec] = std::from_chars(number.data(), end, value);
    const bool whole = ec == std::errc{} && stop == end;
#else
    char* stop = nullptr;
    errno = 0;
    value = std::strtod(number.c_str(), &stop);
    const bool whole = errno == 0 && stop == end && stop != number.data();
#endif
    if (!whole || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {

// A double in fixed notation with `precision` decimals, or in the shortest of
// fixed and scientific with `precision` significant digits ("%.*f", "%.*g"
// of the C locale).
std::string FormatDouble(double value, bool fixed, int precision)
{
    std::array<char, 512> buffer{}; // the widest double in fixed notation, with its decimals
#if defined(__cpp_lib_to_chars)
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                      fixed ? std::chars_format::fixed : std::chars_format::general, precision);
    if (ec != std::errc{})
        return "?";
    return std::string(buffer.data(), end);
#else
    const int n = std::snprintf(buffer.data(), buffer.size(), fixed ? "%.*f" : "%.*g", precision, value);
    if (n < 0 || static_cast<std::size_t>(n) >= buffer.size())
        return "?";
    return std::string(buffer.data(), static_cast<std::size_t>(n));
#endif
}

} // namespace

std::string FormatFixed(double value, int decimals)
{
    return WithoutNegativeZero(FormatDouble(value, true, decimals));
}

std::string FormatSignificant(double value, int digits)
{
    return FormatDouble(value, false, digits);
}

} // namespace otpor
