// Runs a program with arguments, no shell between, and collects what it
// writes to standard output and standard error and its exit status.
#pragma once

#include <string>
#include <vector>

namespace otpor::test {

struct ProgramRun {
    int ExitCode = -1; // -1 when the program did not exit normally
    std::string Out;
    std::string Err;
};

// `stdoutPath`, when given, is opened for the program's standard output in
// place of a capture file (for example /dev/full).
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& stdoutPath = {});

} // namespace otpor::test
