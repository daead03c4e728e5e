// The main window without a window system: the simulation state, the
// oscillograph with its three traces, the nine inputs' spin models, and what
// the events of the window's controls do to them. A view (the Qt window, the
// page) builds the controls from the layout, passes their events in, and
// carries out through FormView what the core asks of it. So every rule of
// the window is written once, for both front-ends, and tested without one.
#pragma once

#include "chart/Oscillograph.h"
#include "chart/TChart.h"
#include "form/FormLayout.h"
#include "form/FormView.h"
#include "platform/FormatSettings.h"
#include "sim/ProcessCycle.h"
#include "sim/SimulationState.h"
#include "widgets/model/SpinModel.h"

#include <array>
#include <memory>
#include <string_view>

namespace otpor {

class FormCore final : private ProcessEffects {
public:
    // Timer1's period, ms.
    static constexpr int TickInterval = 50;
    // The shortest time between two descriptions of the forces to a screen
    // reader, ms, so that the ticks do not flood it.
    static constexpr int DescriptionInterval = 1000;

    // The chart and the spin models as the form creates them (separators,
    // limits, steps and start values); the state holds zeros until FormCreate.
    FormCore(FormView& view, const FormatSettings& format);
    ~FormCore() override;
    FormCore(const FormCore&) = delete;
    FormCore& operator=(const FormCore&) = delete;

    // Once the view's controls exist: the start values, the oscillogram laid
    // out, the scene built and drawn.
    void FormCreate();

    void Button2Click() { StartProcess(state_, *this); } // "Proces"
    void Button3Click() { PauseProcess(state_, *this); } // "Pauza"
    void Button5Click();                                 // "Polazno stanje"
    void Timer1Timer();

    // The text of the input's spin field changed (typed, stepped, clamped):
    // the input row's handler converts it and the core carries out its
    // answer. Throws what the handler throws (a text that is no number, an
    // axis maximum the chart refuses).
    void InputChanged(InputId input);
    // As if the user had typed text into the input's field: the model takes
    // it, the view shows it, and the handler runs if the text changed.
    void SetInputText(InputId input, std::string_view text);
    // A list's item was chosen (0 ...), or text typed into its field (-1),
    // which chooses nothing.
    void ListChanged(MaterialList list, int itemIndex);

    SpinModel& Spin(InputId input) { return spins_[static_cast<std::size_t>(input)]; }
    TChart& Chart() { return *chart_; }
    const SimulationState& State() const { return state_; }
    const FormatSettings& Format() const { return format_; }

    // The picture as last drawn, drawn again onto the view's canvas (after
    // the view made a new one, at a new device scale); nothing is shown.
    void RedrawPicture();

private:
    // The force maximum: the left axis' maximum, then its minimum 0.
    void SetLeftAxisMaximum(int maximum);
    void Apply(const InputResponse& response);

    // ProcessEffects
    SeriesSink& Series1() override { return feeds_[0]; }
    SeriesSink& Series2() override { return feeds_[1]; }
    SeriesSink& Series3() override { return feeds_[2]; }
    void DrawWorkpieceAndTool() override;
    void DrawForces() override;
    bool TimerEnabled() const override { return view_.TimerEnabled(); }
    void SetTimerEnabled(bool enabled) override { view_.SetTimerEnabled(enabled); }
    void Beep() override { view_.Beep(); }
    void ShowWarning(std::string_view text) override { view_.ShowWarning(text); }

    FormView& view_;
    FormatSettings format_;
    SimulationState state_;
    std::unique_ptr<TChart> chart_;
    std::array<TraceFeed, 3> feeds_;
    std::array<SpinModel, InputCount> spins_;
    bool forcesShown_ = false; // the picture shows the force arrows
};

} // namespace otpor
