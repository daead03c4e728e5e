// The calculator from its command line to its exit status: parse, check,
// compute, write. Output goes to `out`, refusals and failures to `err`, each
// as one line starting with the program's name.
#pragma once

#include <iosfwd>

namespace otpor {

// argv[0] is the program's path, as main receives it.
int RunCalc(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace otpor
