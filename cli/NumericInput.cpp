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
    for (int d = input.Divisor; d > 1; d /= 10)
        ++decimals;
    return decimals;
}

} // namespace

const std::array<NumericInput, NumericInputCount> NumericInputs{{
    {"approach", "approach angle κ", "Napadni ugao", "deg", 1, 30, 90, 45,
     [](SimulationState& s, std::string_view t) { return SpinEdit2Change(s, t); },
     [](const CuttingInputs& in) -> double { return in.ApproachAngle; }},
    {"rake", "rake angle γ", "Grudni ugao", "deg", 1, 0, 15, 15,
     [](SimulationState& s, std::string_view t) { return SpinEdit3Change(s, t); },
     [](const CuttingInputs& in) -> double { return in.RakeAngle; }},
    {"inclination", "inclination angle λ of the edge", "Ugao nagiba sečiva", "deg", 1, -5, 5, 0,
     [](SimulationState& s, std::string_view t) { return SpinEdit5Change(s, t); },
     [](const CuttingInputs& in) -> double { return in.InclinationAngle; }},
    {"aux-approach", "auxiliary approach angle κ1", "Pomoćni napadni ugao", "deg", 1, 30, 60, 45,
     [](SimulationState& s, std::string_view t) { return SpinEdit4Change(s, t); },
     [](const CuttingInputs& in) -> double { return in.AuxApproachAngle; }},
    {"depth", "depth of cut a", "Dubina rezanja, mm", "mm", 10, 2, 40, 2,
     [](SimulationState& s, std::string_view t) { return SpinEdit1Change(s, t, PointSeparators); },
     [](const CuttingInputs& in) -> double { return in.DepthOfCut; }},
    {"feed", "feed s per revolution", "Korak, mm/o", "mm/rev", 100, 5, 50, 17,
     [](SimulationState& s, std::string_view t) { return SpinEdit6Change(s, t, PointSeparators); },
     [](const CuttingInputs& in) -> double { return in.Feed; }},
    {"speed", "cutting speed v", "Brzina rezanja, m/min", "m/min", 1, 10, 200, 50,
     [](SimulationState& s, std::string_view t) { return SpinEdit7Change(s, t); },
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

int ToControlValue(const NumericInput& input, std::string_view text, std::string_view what)
{
    const std::string given(text);
    const std::optional<double> value = ParseDecimal(text);
    if (!value)
        throw UsageError(std::string(what) + ": '" + given + "' is not a number; it takes the " +
                         std::string(input.Quantity) + ", " + DescribeRange(input));

    const double steps = *value * input.Divisor;
    const double nearest = std::nearbyint(steps);
    const bool onStep = std::fabs(steps - nearest) <= StepTolerance * std::fmax(1.0, std::fabs(steps));
    const double lowest = input.Min, highest = input.Max;
    if ((onStep ? nearest : steps) < lowest || (onStep ? nearest : steps) > highest)
        throw UsageError(std::string(what) + ": " + given + " " + std::string(input.Unit) +
                         " is outside the range of the window's control, " +
                         FormatControlValue(input, input.Min) + " ... " +
                         FormatControlValue(input, input.Max) + " " + std::string(input.Unit));
    if (!onStep)
        throw UsageError(std::string(what) + ": " + given + " " + std::string(input.Unit) +
                         " is not on a step of the window's control, which takes " + DescribeRange(input));
    return Round(nearest);
}

std::string FormatControlValue(const NumericInput& input, int controlValue)
{
    return FormatFixed(static_cast<double>(controlValue) / input.Divisor, Decimals(input));
}

std::string DescribeRange(const NumericInput& input)
{
    return FormatControlValue(input, input.Min) + " ... " + FormatControlValue(input, input.Max) + " " +
           std::string(input.Unit) + " in steps of " + FormatControlValue(input, 1);
}

} // namespace otpor
