#include "cli/CalcRequest.h"

#include "cli/MaterialChoice.h"
#include "cli/UsageError.h"

namespace otpor {

std::vector<CalcInputs> CalcRequest::Calculations() const
{
    if (!Sweep)
        return {Inputs};
    std::vector<CalcInputs> all;
    for (int value : Sweep->Values()) {
        CalcInputs one = Inputs;
        one.ControlValues[IndexOf(*Sweep->Input)] = value;
        all.push_back(one);
    }
    return all;
}

CalcRequest ValidateOptions(const CalcOptions& options)
{
    CalcRequest request;
    if (!options.WorkMaterial)
        throw UsageError("--work is required: the work material, by its text or row (see --list-materials)");
    if (!options.ToolMaterial)
        throw UsageError("--tool is required: the tool material, by its text or row (see --list-materials)");
    request.Inputs.WorkMaterial = FindWorkMaterial(*options.WorkMaterial);
    request.Inputs.ToolMaterial = FindToolMaterial(*options.ToolMaterial);

    for (const NumericInput& input : NumericInputs) {
        const std::optional<std::string>& text = options.Numeric[IndexOf(input)];
        if (text)
            request.Inputs.ControlValues[IndexOf(input)] =
                ToControlValue(input, *text, "--" + std::string(input.Name));
    }

    if (options.Sweep) {
        request.Sweep = ParseSweep(*options.Sweep);
        const NumericInput& swept = *request.Sweep->Input;
        if (options.Numeric[IndexOf(swept)])
            throw UsageError("--sweep: the " + std::string(swept.Name) + " is swept, so --" +
                             std::string(swept.Name) + " must not be given as well");
    }
    request.Csv = options.Csv || request.Sweep.has_value();
    return request;
}

} // namespace otpor
