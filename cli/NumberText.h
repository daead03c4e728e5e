// Numbers as the calculator reads and writes them: always with a decimal
// point, whatever the locale, so that the output pastes into spreadsheets
// and plotting tools as it stands.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace otpor {

// The text without the blanks around it.
std::string_view Trimmed(std::string_view text);

// A decimal number such as "0.2", "+5", "-5", "1e-1" or "0,2" (a comma for
// the point, as the window shows it); blanks around it are ignored. No value
// for anything else, including "inf" and "nan".
std::optional<double> ParseDecimal(std::string_view text);

// Fixed-point with the given number of decimals: (81.3249, 2) -> "81.32".
std::string FormatFixed(double value, int decimals);

// Ten significant digits, the shortest form that holds them: "81.32486231";
// the same as every CSV of the program writes (CsvNumber).
std::string FormatFull(double value);

// The shortest form that reads back as the same double: 0.2 -> "0.2", 4 -> "4".
std::string FormatShortest(double value);

} // namespace otpor
