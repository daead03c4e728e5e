// The seven numeric inputs of the main window that the force model reads, as
// the calculator takes them: each is a row of the window's input table (its
// control's range, step, start value, label and conversion) with the
// calculator's option name, an English description and unit. A control holds
// a whole number; the depth shows it in tenths of a millimetre and the feed
// in hundredths, so a value in the input's unit is accepted only when it lies
// on that step.
#pragma once

#include "sim/InputTable.h"

#include <array>
#include <string>
#include <string_view>

namespace otpor {

struct NumericInput {
    InputId Id;                // the window's control
    std::string_view Name;     // option name without "--", also the NAME of a sweep
    std::string_view Quantity; // what it is, with the model's symbol
    std::string_view Unit;     // mm, mm/rev, m/min, deg: the control's unit in English
    // The value as the core holds it after the handler, in Unit.
    double (*Held)(const CuttingInputs& in);

    const InputRow& Control() const { return Row(Id); }
};

inline constexpr int NumericInputCount = 7;

// In the order of the window's tab stops: the four angles, then the regime.
extern const std::array<NumericInput, NumericInputCount> NumericInputs;

// The input with that option name, or nullptr.
const NumericInput* FindNumericInput(std::string_view name);
int IndexOf(const NumericInput& input);
// "approach, rake, ..., speed".
std::string NumericInputNames();

// The window's label without its degree mark: "Napadni ugao", "Korak, mm/o".
std::string WindowLabel(const NumericInput& input);

// Runs the window's change handler for the control value.
InputResponse ApplyControlValue(const NumericInput& input, SimulationState& s, int controlValue);

// The control value for a text in the input's unit ("0.2" mm -> 2). A comma
// is taken for the decimal point as well. Refuses, with UsageError naming
// `what`, a text that is not a number, a value outside the range, and a value
// between two steps of the control.
int ToControlValue(const NumericInput& input, std::string_view text, std::string_view what);

// A control value in the input's unit with the step's decimals: 2 -> "0.2",
// 40 -> "4.0", 17 -> "0.17", 50 -> "50".
std::string FormatControlValue(const NumericInput& input, int controlValue);

// "0.2 ... 4.0 mm in steps of 0.1", "30 ... 90 deg in steps of 1".
std::string DescribeRange(const NumericInput& input);

} // namespace otpor
