#include "platform/Csv.h"

#include "platform/Convert.h"

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
    return FormatSignificant(value, SignificantDigits);
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
