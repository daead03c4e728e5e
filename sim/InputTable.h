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

namespace detail {
// The handlers that take no separators, in the row's one signature.
template <InputResponse (*Handler)(SimulationState&, std::string_view)>
InputResponse Plain(SimulationState& s, std::string_view text, const FormatSettings&)
{
    return Handler(s, text);
}
} // namespace detail

// Id, control, caption, unit, minimum, maximum, step, start value, divisor,
// value field, handler.
inline constexpr std::array<InputRow, InputCount> InputRows{{
    {InputId::Approach, "SpinEdit2", "Napadni ugao", DegreeMark, 30, 90, 1, 45, 1, "",
     detail::Plain<SpinEdit2Change>},
    {InputId::Rake, "SpinEdit3", "Grudni ugao", DegreeMark, 0, 15, 1, 15, 1, "",
     detail::Plain<SpinEdit3Change>},
    {InputId::Inclination, "SpinEdit5", "Ugao nagiba sečiva", DegreeMark, -5, 5, 1, 0, 1, "",
     detail::Plain<SpinEdit5Change>},
    {InputId::AuxApproach, "SpinEdit4", "Pomoćni napadni ugao", DegreeMark, 30, 60, 1, 45, 1, "",
     detail::Plain<SpinEdit4Change>},
    {InputId::Depth, "SpinEdit1", "Dubina rezanja", "mm", 2, 40, 1, 2, 10, "Edit1", SpinEdit1Change},
    {InputId::Feed, "SpinEdit6", "Korak", "mm/o", 5, 50, 1, 17, 100, "Edit2", SpinEdit6Change},
    {InputId::Speed, "SpinEdit7", "Brzina rezanja", "m/min", 10, 200, 1, 50, 1, "",
     detail::Plain<SpinEdit7Change>},
    {InputId::ForceMaximum, "SpinEdit8", "Maksimalna sila", "N", 0, 5000, 50, 1000, 1, "",
     detail::Plain<SpinEdit8Change>},
    {InputId::DisplayScale, "SpinEdit9", "Razmera prikaza \nu prozoru animacije", "", 1, 10, 1, 1, 1, "",
     detail::Plain<SpinEdit9Change>},
}};

// Row looks a row up by its place.
static_assert([] {
    for (std::size_t i = 0; i < InputRows.size(); ++i)
        if (InputRows[i].Id != static_cast<InputId>(i))
            return false;
    return true;
}());

constexpr const InputRow& Row(InputId id)
{
    return InputRows[static_cast<std::size_t>(id)];
}

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
