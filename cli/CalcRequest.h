// What the command line asks for, checked: the inputs of one calculation in
// the controls' steps, an optional sweep, and the output form. Every refusal
// is a UsageError whose message names the option and what it accepts.
#pragma once

#include "cli/CalcOptions.h"
#include "cli/Calculation.h"
#include "cli/SweepRange.h"

#include <optional>
#include <vector>

namespace otpor {

struct CalcRequest {
    CalcInputs Inputs; // the swept input at its default until the sweep sets it
    std::optional<SweepRange> Sweep;
    bool Csv = false;

    // One set of inputs, or one per value of the sweep, in order.
    std::vector<CalcInputs> Calculations() const;
};

CalcRequest ValidateOptions(const CalcOptions& options);

} // namespace otpor
