// The calculator's command line as CLI11 takes it: every option as the text
// given (the checks of ranges, steps and materials come afterwards, in
// ValidateOptions), with the help text that explains them all.
#pragma once

#include "cli/NumericInput.h"

#include <CLI/CLI.hpp>

#include <array>
#include <optional>
#include <string>

namespace otpor {

inline constexpr std::string_view CalcProgramName = "otpor-rezanja-calc";

struct CalcOptions {
    std::optional<std::string> WorkMaterial;
    std::optional<std::string> ToolMaterial;
    std::array<std::optional<std::string>, NumericInputCount> Numeric; // per NumericInputs entry
    std::optional<std::string> Sweep;
    bool Csv = false;
    bool ListMaterials = false;
};

// Declares the options, their help and the closing notes with examples.
void AddCalcOptions(CLI::App& app, CalcOptions& options);

} // namespace otpor
