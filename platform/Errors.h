// The error types of the program. Each carries its fixed message; the
// application's error report shows what() in a box with the error icon.
#pragma once

#include <exception>
#include <stdexcept>
#include <string>

namespace otpor {

// Base of every error a handler may raise on purpose.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a whole number: "'%s' is not a valid integer value".
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An axis property refused (minimum above maximum, negative increment, ...).
class AxisException : public Exception {
public:
    using Exception::Exception;
};

// A chart property refused (an angle outside 0 ... 360, ...).
class ChartException : public Exception {
public:
    using Exception::Exception;
};

// A legend property refused (a percentage outside 0 ... 100, ...).
class LegendException : public Exception {
public:
    using Exception::Exception;
};

// The message an error report shows for the exception: its what(), or
// "Unknown error" for anything that is not a std::exception.
inline std::string ExceptionMessage(std::exception_ptr error) noexcept
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

} // namespace otpor
