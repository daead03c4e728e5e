// Text that a test reads back: a program's lines, a CSV line's fields, and the
// message of an error a call throws.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace otpor::test {

inline std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    return parts;
}

inline std::vector<std::string> Lines(const std::string& text)
{
    return Split(text, '\n');
}

// The message of the Error that run throws, or "" when it throws none.
template <class Error, class Run> std::string Refusal(Run&& run)
{
    try {
        run();
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

} // namespace otpor::test
