// Numbers as the calculator reads and writes them: always with a decimal
// point, whatever the locale, so that the output pastes into spreadsheets
// and plotting tools as it stands.
#pragma once

#include "platform/Convert.h"

#include <string>

namespace otpor {

// Ten significant digits, the shortest form that holds them: "81.32486231";
// the same as every CSV of the program writes (CsvNumber).
std::string FormatFull(double value);

// The shortest form that reads back as the same double: 0.2 -> "0.2", 4 -> "4".
std::string FormatShortest(double value);

} // namespace otpor
