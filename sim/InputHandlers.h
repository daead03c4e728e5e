// What each input of the main window does to the simulation. Every handler
// takes the control's current text as typed (not a clamped value), converts
// it with the runtime's string-to-integer conversion, updates the state, and
// answers what the window must then do. A text that is not a whole number
// fails with EConvertError before anything changes.
#pragma once

#include "platform/FormatSettings.h"
#include "sim/SimulationState.h"

#include <optional>
#include <string>
#include <string_view>

namespace otpor {

struct InputResponse {
    std::optional<std::string> Edit1Text; // the depth of cut in mm
    std::optional<std::string> Edit2Text; // the feed in mm per revolution
    bool RedrawScene = false;             // workpiece and tool, without forces
    std::optional<int> LeftAxisMaximum;   // then the left axis minimum 0
};

InputResponse SpinEdit1Change(SimulationState& s, std::string_view text, const FormatSettings& fmt); // depth
InputResponse SpinEdit2Change(SimulationState& s, std::string_view text); // approach angle
InputResponse SpinEdit3Change(SimulationState& s, std::string_view text); // rake angle
InputResponse SpinEdit4Change(SimulationState& s, std::string_view text); // auxiliary approach angle
InputResponse SpinEdit5Change(SimulationState& s, std::string_view text); // inclination angle
InputResponse SpinEdit6Change(SimulationState& s, std::string_view text, const FormatSettings& fmt); // feed
InputResponse SpinEdit7Change(SimulationState& s, std::string_view text); // cutting speed
InputResponse SpinEdit8Change(SimulationState& s, std::string_view text); // force maximum on the chart
InputResponse SpinEdit9Change(SimulationState& s, std::string_view text); // display scale

// The list's item index; -1 (text typed, nothing selected) leaves the choice.
void ComboBox1Change(SimulationState& s, int itemIndex); // work material
void ComboBox2Change(SimulationState& s, int itemIndex); // tool material

} // namespace otpor
