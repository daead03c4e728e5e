// The nine numeric inputs of the main window, one row each, in the order of
// the window's tab stops: the spin control that holds the input, its range,
// step and start value, the words of its label, and how the control's whole
// number becomes the value the simulation holds. The window builds its spin
// controls and their labels from these rows, the calculator its options, and
// any front-end names its fields from the caption and the unit.
#pragma once

#include "platform/FormatSettings.h"
#include "sim/InputHandlers.h"

#include <array>
#include <string>
#include <string_view>

namespace otpor {

enum class InputId {
    Approach,
    Rake,
    Inclination,
    AuxApproach,
    Depth,
    Feed,
    Speed,
    ForceMaximum,
    DisplayScale
};

inline constexpr int InputCount = 9;

// The form writes the degree sign as a raised letter o, in a label of its own
// beside the caption's.
inline constexpr std::string_view DegreeMark = "o";
// The degree sign read aloud.
inline constexpr std::string_view DegreeWord = "stepeni";

struct InputRow {
    InputId Id;
    std::string_view Control; // the spin control's name on the form
    // The label's words; a line break where the form goes on in a second label.
    std::string_view Caption;
    // As the form writes it after the caption and ", ": "mm", "mm/o", "m/min",
    // "N", or DegreeMark; empty where the label names no unit.
    std::string_view Unit;
    int MinValue, MaxValue, Increment, Value; // the control's range, step and start value
    // The control's value / Divisor is the input in Unit: the depth is set in
    // tenths of a millimetre and the feed in hundredths.
    int Divisor;
    // The edit field left of a control too narrow to show its own number,
    // where the value in Unit is shown; empty where the control shows it.
    std::string_view ValueField;
    // The window's change handler for the control's text; the separators
    // are those the value field is written with.
    InputResponse (*Change)(SimulationState& s, std::string_view text, const FormatSettings& fmt);
};

extern const std::array<InputRow, InputCount> InputRows;

const InputRow& Row(InputId id);

// The control's whole number in the input's unit: depth 2 -> 0.2 mm.
double InUnit(const InputRow& row, int controlValue);
// The start value in the input's unit.
double StartValue(InputId id);

// The form's label: "Dubina rezanja, mm"; "Napadni ugao, " (the degree mark
// is a label of its own); the scale's two lines with a line break between.
std::string LabelText(const InputRow& row);
// The input's name on one line with its unit in words: "Napadni ugao,
// stepeni", "Dubina rezanja, mm", "Razmera prikaza u prozoru animacije".
std::string InputName(const InputRow& row);
// The text the value field starts with: the form's, so "0,2" with a comma
// whatever the locale (the handlers write the locale's separator).
std::string ValueFieldStartText(const InputRow& row);

} // namespace otpor
