// The calculator's exit status, as command-line tools have it: 0 done, 2 a
// command line refused, 1 a failure after the command line was accepted.
#pragma once

namespace otpor {

inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

} // namespace otpor
