#include "cli/NumericInput.h"

#include "cli/UsageError.h"
#include "sim/InputSettings.h"

namespace otpor {

namespace {

// The handlers write the depth and feed back into the window's edit fields;
// the calculator does not show those texts.
const FormatSettings PointSeparators{".", ","};

} // namespace

const std::array<NumericInput, NumericInputCount> NumericInputs{{
    {InputId::Approach, SettingName(InputId::Approach), "approach angle κ", "deg",
     [](const CuttingInputs& in) -> double { return in.ApproachAngle; }},
    {InputId::Rake, SettingName(InputId::Rake), "rake angle γ", "deg",
     [](const CuttingInputs& in) -> double { return in.RakeAngle; }},
    {InputId::Inclination, SettingName(InputId::Inclination), "inclination angle λ of the edge", "deg",
     [](const CuttingInputs& in) -> double { return in.InclinationAngle; }},
    {InputId::AuxApproach, SettingName(InputId::AuxApproach), "auxiliary approach angle κ1", "deg",
     [](const CuttingInputs& in) -> double { return in.AuxApproachAngle; }},
    {InputId::Depth, SettingName(InputId::Depth), "depth of cut a", "mm",
     [](const CuttingInputs& in) -> double { return in.DepthOfCut; }},
    {InputId::Feed, SettingName(InputId::Feed), "feed s per revolution", "mm/rev",
     [](const CuttingInputs& in) -> double { return in.Feed; }},
    {InputId::Speed, SettingName(InputId::Speed), "cutting speed v", "m/min",
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
    const InputRow& control = input.Control();
    const ParsedValue value = ParseInputValue(control, text);
    switch (value.Refusal) {
    case ValueRefusal::NotANumber:
        throw UsageError(std::string(what) + ": '" + given + "' is not a number; it takes the " +
                         std::string(input.Quantity) + ", " + DescribeRange(input));
    case ValueRefusal::OutsideRange:
        throw UsageError(std::string(what) + ": " + given + " " + std::string(input.Unit) +
                         " is outside the range of the window's control, " +
                         FormatControlValue(input, control.MinValue) + " ... " +
                         FormatControlValue(input, control.MaxValue) + " " + std::string(input.Unit));
    case ValueRefusal::OffStep:
        throw UsageError(std::string(what) + ": " + given + " " + std::string(input.Unit) +
                         " is not on a step of the window's control, which takes " + DescribeRange(input));
    case ValueRefusal::None:
        break;
    }
    return value.ControlValue;
}

std::string FormatControlValue(const NumericInput& input, int controlValue)
{
    return FormatInputValue(input.Control(), controlValue);
}

std::string DescribeRange(const NumericInput& input)
{
    return FormatControlValue(input, input.Control().MinValue) + " ... " +
           FormatControlValue(input, input.Control().MaxValue) + " " + std::string(input.Unit) +
           " in steps of " + FormatControlValue(input, 1);
}

} // namespace otpor
