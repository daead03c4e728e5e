// A command line that the calculator refuses: an unknown option, a value
// outside its control's range or off its step, an unknown material. The
// message names the option and says what it accepts; the exit code is 2.
#pragma once

#include "platform/Errors.h"

namespace otpor {

class UsageError : public Exception {
public:
    using Exception::Exception;
};

} // namespace otpor
