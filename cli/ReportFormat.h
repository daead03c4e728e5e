// The calculator's output as text: an aligned table of one calculation, CSV
// with a header line (one row per calculation), and the two material tables.
// Every number is written with a decimal point, whatever the locale: forces
// with 2 decimals and the chip-flow angle (rad) with 4 in the table, every
// result with 10 significant digits in CSV.
#pragma once

#include "cli/Calculation.h"
#include "platform/Csv.h"

#include <string>
#include <string_view>
#include <vector>

namespace otpor {

std::string FormatTable(const CalcResult& r);

// The header line and one line per calculation, each ending in a newline.
std::string CsvHeader();
std::string CsvRow(const CalcResult& r);

// Both material tables, as --list-materials prints them.
std::string FormatMaterialTables();

// Columns wide enough for every cell, two blanks apart, each aligned as its
// letter in `alignment` says ('L' left, 'R' right); widths count characters,
// not bytes, and no line ends in blanks.
std::string AlignColumns(const std::vector<std::vector<std::string>>& rows, std::string_view alignment);

} // namespace otpor
