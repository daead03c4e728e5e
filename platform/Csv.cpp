#include "platform/Csv.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace otpor {

namespace {
constexpr int SignificantDigits = 10;
}

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string CsvNumber(double value)
{
    std::array<char, 64> buffer{};
#if defined(__cpp_lib_to_chars)
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::general, SignificantDigits);
    if (ec != std::errc{})
        return "?";
    return std::string(buffer.data(), end);
#else
    // The web build's library has no floating-point to_chars; this is what
    // it is specified as (the C locale's "%.*g").
    const int n = std::snprintf(buffer.data(), buffer.size(), "%.*g", SignificantDigits, value);
    if (n < 0 || static_cast<std::size_t>(n) >= buffer.size())
        return "?";
    return std::string(buffer.data(), static_cast<std::size_t>(n));
#endif
}

std::string CsvLine(std::initializer_list<std::string_view> fields)
{
    std::string line;
    bool first = true;
    for (std::string_view field : fields) {
        line += first ? "" : ",";
        line += CsvField(field);
        first = false;
    }
    return line + '\n';
}

std::string CsvComment(std::string_view text)
{
    return "# " + std::string(text) + '\n';
}

} // namespace otpor
