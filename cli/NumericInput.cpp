#include "cli/NumericInput.h"

#include "cli/NumberText.h"
#include "cli/UsageError.h"
#include "platform/Numeric.h"

#include <cmath>

namespace otpor {

namespace {

// The handlers write the depth and feed back into the window's edit fields;
// the calculator does not show those texts.
const FormatSettings PointSeparators{".", ","};

// How far a value may lie from a step and still be that step: a few units in
// the last place of the doubles in question, far below any step.
constexpr double StepTolerance = 1e-9;

int Decimals(const NumericInput& input)
{
    int decimals = 0;
    for (int d = input.Control().Divisor; d > 1; d /= 10)
        ++decimals;
    return decimals;
}

} // namespace

const std::array<NumericInput, NumericInputCount> NumericInputs{{
    {InputId::Approach, "approach", "approach angle κ", "deg",
     [](const CuttingInputs& in) -> double { return in.ApproachAngle; }},
    {InputId::Rake, "rake", "rake angle γ", "deg",
     [](const CuttingInputs& in) -> double { return in.RakeAngle; }},
    {InputId::Inclination, "inclination", "inclination angle λ of the edge", "deg",
     [](const CuttingInputs& in) -> double { return in.InclinationAngle; }},
    {InputId::AuxApproach, "aux-approach", "auxiliary approach angle κ1", "deg",
     [](const CuttingInputs& in) -> double { return in.AuxApproachAngle; }},
    {InputId::Depth, "depth", "depth of cut a", "mm",
     [](const CuttingInputs& in) -> double { return in.DepthOfCut; }},
    {InputId::Feed, "feed", "feed s per revolution", "mm/rev",
     [](const CuttingInputs& in) -> double { return in.Feed; }},
    {InputId::Speed, "speed", "cutting speed v", "m/min",
     [](const CuttingInputs& in) -> double { return in.CuttingSpeed; }},
}};

const NumericInput* FindNumericInput(std::string_view name)
{
    for (const NumericInput& input : NumericInputs)
        if (input.Name == name)
            return &input;
    return nullptr;
}

int IndexOf(const NumericInput& input)
{
    return static_cast<int>(&input - NumericInputs.data());
}

std::string NumericInputNames()
{
    std::string names;
    for (const NumericInput& input : NumericInputs)
        names += (names.empty() ? "" : ", ") + std::string(input.Name);
    return names;
}

std::string WindowLabel(const NumericInput& input)
{
    const InputRow& control = input.Control();
    return control.Unit == DegreeMark ? std::string(control.Caption) : LabelText(control);
}

InputResponse ApplyControlValue(const NumericInput& input, SimulationState& s, int controlValue)
{
    return input.Control().Change(s, std::to_string(controlValue), PointSeparators);
}

int ToControlValue(const NumericInput& input, std::string_view text, std::string_view what)
{
    const std::string given(text);
    const std::optional<double> value = ParseDecimal(text);
    if (!value)
        throw UsageError(std::string(what) + ": '" + given + "' is not a number; it takes the " +
                         std::string(input.Quantity) + ", " + DescribeRange(input));

    const InputRow& control = input.Control();
    const double steps = *value * control.Divisor;
    const double nearest = std::nearbyint(steps);
    const bool onStep = std::fabs(steps - nearest) <= StepTolerance * std::fmax(1.0, std::fabs(steps));
    const double lowest = control.MinValue, highest = control.MaxValue;
    if ((onStep ? nearest : steps) < lowest || (onStep ? nearest : steps) > highest)
        throw UsageError(std::string(what) + ": " + given + " " + std::string(input.Unit) +
                         " is outside the range of the window's control, " +
                         FormatControlValue(input, control.MinValue) + " ... " +
                         FormatControlValue(input, control.MaxValue) + " " + std::string(input.Unit));
    if (!onStep)
        throw UsageError(std::string(what) + ": " + given + " " + std::string(input.Unit) +
                         " is not on a step of the window's control, which takes " + DescribeRange(input));
    return Round(nearest);
}

std::string FormatControlValue(const NumericInput& input, int controlValue)
{
    return FormatFixed(InUnit(input.Control(), controlValue), Decimals(input));
}

std::string DescribeRange(const NumericInput& input)
{
    return FormatControlValue(input, input.Control().MinValue) + " ... " +
           FormatControlValue(input, input.Control().MaxValue) + " " + std::string(input.Unit) +
           " in steps of " + FormatControlValue(input, 1);
}

} // namespace otpor
