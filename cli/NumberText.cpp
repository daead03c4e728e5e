#include "cli/NumberText.h"

#include "platform/Csv.h"

#include <array>
#include <charconv>

namespace otpor {

std::string FormatFull(double value)
{
    return CsvNumber(value);
}

std::string FormatShortest(double value)
{
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (ec != std::errc{})
        return "?";
    return std::string(buffer.data(), end);
}

} // namespace otpor
