// The runtime's message boxes as both front-ends show them: the warning box
// captioned "Warning", the error report's box captioned with the program's
// name, each with the one button "OK".
#pragma once

#include <string_view>

namespace otpor {

inline constexpr std::string_view ProgramName = "otpor-rezanja";
inline constexpr std::string_view WarningCaption = "Warning";
inline constexpr std::string_view BoxButtonText = "OK";

} // namespace otpor
