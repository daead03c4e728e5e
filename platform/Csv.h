// Comma-separated text, as every output of the program that leaves it for a
// spreadsheet or a plotting tool writes it: the calculator's rows and the
// window's saved oscillogram share these rules, so they read alike.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace otpor {

// A field, quoted where it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);

// A number with a decimal point, whatever the locale, and ten significant
// digits in the shortest form that holds them: 81.324862314 -> "81.32486231".
std::string CsvNumber(double value);

// The fields, each as CsvField makes it, joined by commas; ends in a newline.
std::string CsvLine(std::initializer_list<std::string_view> fields);

// A comment line, "# " and the text; ends in a newline.
std::string CsvComment(std::string_view text);

} // namespace otpor
