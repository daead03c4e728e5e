// The separators of the user's regional settings, read once at start by the
// Qt layer and passed down as data, so that tests can pin them.
#pragma once

#include <string>

namespace otpor {

struct FormatSettings {
    std::string DecimalSeparator = ",";
    std::string ThousandSeparator = ".";
};

} // namespace otpor
