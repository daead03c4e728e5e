#include "cli/Calculation.h"

#include "cli/QuietProcessEffects.h"
#include "platform/Errors.h"
#include "sim/ForceModel.h"
#include "sim/InputHandlers.h"
#include "sim/MaterialTables.h"

#include <string>

namespace otpor {

std::array<int, NumericInputCount> CalcInputs::DefaultControlValues()
{
    std::array<int, NumericInputCount> values{};
    for (const NumericInput& input : NumericInputs)
        values[IndexOf(input)] = input.Control().Value;
    return values;
}

CalcResult Calculate(const CalcInputs& inputs)
{
    SimulationState s;
    FormCreate(s);
    for (const NumericInput& input : NumericInputs)
        ApplyControlValue(input, s, inputs.ControlValues[IndexOf(input)]);
    ComboBox1Change(s, inputs.WorkMaterial - 1);
    ComboBox2Change(s, inputs.ToolMaterial - 1);

    QuietProcessEffects fx;
    StartProcess(s, fx);
    if (!fx.TimerEnabled())
        throw Exception(fx.ShownWarnings().empty() ? "\"Proces\" did not start" : fx.ShownWarnings().front());

    CalcResult r;
    r.Inputs = s.Inputs;
    r.Coefficients = s.Coefficients;
    r.Forces = ComputeForces(s.Inputs, s.Coefficients);
    if (!IsFinite(r.Forces))
        throw Exception("the force model gives no finite value for these inputs");
    r.ToolSuits = ToolSuitsWork(s.Inputs.ToolMaterial, s.Inputs.WorkMaterial);
    r.Resultant = Resultant(r.Forces.F1, r.Forces.F2, r.Forces.F3);
    r.CuttingPower = CuttingPower(r.Forces.F1, s.Inputs.CuttingSpeed);
    return r;
}

} // namespace otpor
