#include "cli/NumberText.h"

#include "platform/Csv.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace otpor {

namespace {

template <class... Format> std::string ToChars(double value, Format... format)
{
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format...);
    if (ec != std::errc{})
        return "?";
    return std::string(buffer.data(), end);
}

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

std::optional<double> ParseDecimal(std::string_view text)
{
    text = Trimmed(text);
    if (text.starts_with('+'))
        text.remove_prefix(1);

    std::string number(text);
    if (const auto comma = number.find(',');
        comma != std::string::npos && number.find('.') == std::string::npos)
        number[comma] = '.';
    if (number.empty() || !(std::isdigit(static_cast<unsigned char>(number.back())) || number.back() == '.'))
        return std::nullopt; // from_chars would take "inf" and "nan"

    double value = 0;
    const char* end = number.data() + number.size();
    const auto [ptr, ec] = std::from_chars(number.data(), end, value);
    if (ec != std::errc{} || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string FormatFixed(double value, int decimals)
{
    return WithoutNegativeZero(ToChars(value, std::chars_format::fixed, decimals));
}

std::string FormatFull(double value)
{
    return CsvNumber(value);
}

std::string FormatShortest(double value)
{
    return ToChars(value);
}

} // namespace otpor
