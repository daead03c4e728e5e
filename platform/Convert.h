// String and number conversion as the program's handlers use it: the text of
// an input field becomes a whole number or the handler fails with the
// runtime's message; reals are written back in the shortest general form.
// Also the numbers of a command line or a link, always with a point.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace otpor {

// Leading blanks, an optional sign, then decimal digits or hexadecimal digits
// after "$", "x" or "0x" (either case). Anything else, an empty text, or a
// value outside the 32-bit range gives no value.
std::optional<int> TryStrToInt(std::string_view text);

// As TryStrToInt, but fails with EConvertError
// "'<text>' is not a valid integer value".
int StrToInt(std::string_view text);

// The shortest general decimal form with at most 15 significant digits and the
// given decimal separator, in fixed notation from 1e-5 up to 15 integer digits
// and in scientific notation outside: 4 -> "4", 0.17 -> "0,17",
// 1e-5 -> "0,00001", 1e-6 -> "1E-6", 1e15 -> "1E15".
std::string FloatToStr(double value, std::string_view decimalSeparator);

// Numbers as they stand in a command line or a link, with a decimal point
// whatever the locale.

// The text without the blanks around it.
std::string_view Trimmed(std::string_view text);

// A decimal number such as "0.2", "+5", "-5", "1e-1" or "0,2" (a comma for
// the point, as the window shows it); blanks around it are ignored. No value
// for anything else, including "inf" and "nan".
std::optional<double> ParseDecimal(std::string_view text);

// Fixed-point with the given number of decimals: (81.3249, 2) -> "81.32".
std::string FormatFixed(double value, int decimals);

// The shorter of fixed and scientific notation with that many significant
// digits, as "%.*g" writes it in the C locale: (81.324862314, 10) -> "81.32486231".
std::string FormatSignificant(double value, int digits);

} // namespace otpor
