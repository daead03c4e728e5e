// The calculator's command line, as otpor-rezanja-calc's main hands it over:
// the input is split at NUL bytes into the arguments after the program's name.
// Whatever they are, the run ends with one of the three exit statuses and
// never leaves the process; the sanitizers watch everything in between.
#include "cli/CalcExitCode.h"
#include "cli/CalcMain.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

// More arguments than any valid command line has; beyond, inputs only grow slower.
constexpr std::size_t MaxArguments = 24;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments{"otpor-rezanja-calc"};
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\0') {
            arguments.push_back(current);
            current.clear();
        } else {
            current.push_back(static_cast<char>(data[i]));
        }
    }
    if (!current.empty())
        arguments.push_back(current);
    if (arguments.size() > MaxArguments + 1)
        return -1; // not added to the corpus

    std::vector<const char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    argv.push_back(nullptr);

    std::ostringstream out;
    std::ostringstream err;
    const int status = otpor::RunCalc(static_cast<int>(arguments.size()), argv.data(), out, err);
    if (status != otpor::ExitOk && status != otpor::ExitFailure && status != otpor::ExitUsage) {
        std::fprintf(stderr, "calc_command_line: exit status %d\n", status);
        std::abort();
    }
    // A refusal says why; a success writes something.
    if ((status == otpor::ExitOk ? out.str() : err.str()).empty()) {
        std::fprintf(stderr, "calc_command_line: status %d with nothing written\n", status);
        std::abort();
    }
    return 0;
}
