// Number formatting with a picture such as the axis labels' "#,##0.###":
// '0' a digit always written, '#' a digit written when significant, ',' in
// the integer part groups by thousands, the first '.' marks the decimals.
// Text before the first and after the last placeholder is kept as it stands.
// The value is taken to 15 significant digits and rounded half away from
// zero; the separators are those of the regional settings.
#pragma once

#include "platform/FormatSettings.h"

#include <string>
#include <string_view>

namespace otpor {

std::string FormatFloat(std::string_view format, double value, const FormatSettings& separators);

} // namespace otpor
