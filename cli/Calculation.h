// One calculation of the cutting resistance, done by the simulation core as
// the window does it: the inputs go through the controls' change handlers,
// the materials through the lists, "Proces" loads the coefficients and
// decides on the tool material, and the force model gives F1, F2 and F3.
// Forces in N, the chip-flow angle in rad, the cutting power in kW.
#pragma once

#include "cli/NumericInput.h"
#include "sim/SimulationState.h"

#include <array>

namespace otpor {

struct CalcInputs {
    // Per NumericInputs entry, in its control's steps.
    std::array<int, NumericInputCount> ControlValues = DefaultControlValues();
    int WorkMaterial = 0; // row from 1
    int ToolMaterial = 0; // row from 1

    static std::array<int, NumericInputCount> DefaultControlValues();
};

struct CalcResult {
    CuttingInputs Inputs; // as the core holds them after the handlers
    MaterialCoefficients Coefficients;
    ForceResults Forces;
    bool ToolSuits = true;
    double Resultant = 0;    // |(F1, F2, F3)|, N
    double CuttingPower = 0; // F1 x v / 60000, kW
};

// Fails with Exception if "Proces" does not start (a material not chosen) or
// the model gives a value that is not finite.
CalcResult Calculate(const CalcInputs& inputs);

} // namespace otpor
