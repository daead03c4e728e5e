// The text-to-integer conversion on any bytes: the two entry points agree, a
// refusal carries the text in its message, and a value's own decimal and
// hexadecimal forms give it back. The sanitizers watch the arithmetic.
#include "platform/Convert.h"
#include "platform/Errors.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "str_to_int: %s\n", what);
        std::abort();
    }
}

std::string Hex(int value)
{
    const long long wide = value;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s$%llX", wide < 0 ? "-" : "", wide < 0 ? -wide : wide);
    return buffer;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<int> value = otpor::TryStrToInt(text);
    try {
        const int converted = otpor::StrToInt(text);
        Require(value && *value == converted, "StrToInt gives a value TryStrToInt refuses");
    } catch (const otpor::EConvertError& e) {
        Require(!value, "StrToInt refuses a value TryStrToInt gives");
        // what() is a C string: a NUL in the text ends the message there.
        const std::string message = "'" + std::string(text) + "' is not a valid integer value";
        Require(std::strcmp(e.what(), message.c_str()) == 0, "wrong message");
    }
    if (value) {
        Require(otpor::TryStrToInt(std::to_string(*value)) == value, "decimal form does not round-trip");
        Require(otpor::TryStrToInt(Hex(*value)) == value, "hexadecimal form does not round-trip");
    }
    return 0;
}
