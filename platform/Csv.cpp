#include "platform/Csv.h"

#include <array>
#include <charconv>

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
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::general, SignificantDigits);
    if (ec != std::errc{})
        return "?";
    return std::string(buffer.data(), end);
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
