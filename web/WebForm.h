// The main window of the page: the simulation state, the oscillograph, the
// two pictures and the nine spin fields, wired to the core as the desktop
// window wires them. It carries out the core's effects through the page's
// glue (the Host): series, pictures, the timer, the beep, the warning box.
// What the browser does differently: a warning box does not block, so a timer
// started by the handler that showed it waits until the box is closed, while
// a timer that was already running goes on behind it.
#pragma once

#include "chart/Oscillograph.h"
#include "chart/TChart.h"
#include "platform/FormatSettings.h"
#include "sim/InputTable.h"
#include "sim/ProcessCycle.h"
#include "sim/SimulationState.h"
#include "web/WebCanvas.h"
#include "widgets/model/SpinModel.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace otpor::web {

// What the form asks of the page.
class Host {
public:
    virtual ~Host() = default;
    virtual void SetTimerEnabled(bool enabled) = 0;
    virtual void Beep() = 0;
    virtual void ShowWarning(std::string_view text) = 0;
    // Edit1 (1) or Edit2 (2).
    virtual void SetEditText(int edit, std::string_view text) = 0;
    // The spin fields by the input table's rows, 0 ... 8.
    virtual void SetSpinText(int spin, std::string_view text) = 0;
    virtual void InvalidatePicture() = 0;
    virtual void InvalidateChart() = 0;
    // The chart's picture, to be shown now (the bitmap changes after the call).
    virtual void ShowChart(const WebCanvas& picture) = 0;
};

// Where the page puts the spin field of an input (the input table's row of
// the same place gives its name, range, step, start value and label): its
// parent, left, top and width (px), and the labels that show its caption,
// one per line.
struct SpinPlace {
    const char* Parent;
    int Left, Top, Width;
    const char* Labels;
};

inline constexpr int SpinCount = InputCount;
// In the order of the input table's rows.
extern const std::array<SpinPlace, SpinCount> SpinPlaces;

class WebForm : private ProcessEffects {
public:
    WebForm(Host& host, const FormatSettings& format);
    ~WebForm() override;

    SpinModel& Spin(int index) { return spins_.at(static_cast<std::size_t>(index)); }
    // Carries out the effects of a spin field's event that are the form's
    // (the text shown, the change handler, whose failure ends a held
    // button's repeats) and answers the rest for the page.
    SpinEffects ApplySpin(int index, SpinEffects effects);

    void Button2Click() { StartProcess(state_, *this); }
    void Button3Click() { PauseProcess(state_, *this); }
    void Button5Click() { ResetProcess(state_, *this); }
    void Timer1Timer() { ProcessTick(state_, *this); }
    void ComboBox1Change(int itemIndex);
    void ComboBox2Change(int itemIndex);
    // The warning box was closed: a timer started behind it starts now.
    void WarningClosed();

    TChart& Chart() { return *chart_; }
    // Lays the chart out and draws it when stale, and shows it, with the
    // zoom band of a drag in progress over it.
    void PaintChart();
    WebCanvas& Picture() { return picture_; }
    WebCanvas& ChartPicture() { return chartPicture_; }
    // Both pictures drawn anew at the scale (the page's devicePixelRatio).
    void SetScale(double scale);
    const SimulationState& State() const { return state_; }
    bool Timer1Enabled() const { return timerEnabled_; }

private:
    void SpinEditChange(int index);
    void SetLeftAxisMaximum(int maximum);

    // ProcessEffects
    SeriesSink& Series1() override;
    SeriesSink& Series2() override;
    SeriesSink& Series3() override;
    void DrawWorkpieceAndTool() override;
    void DrawForces() override;
    bool TimerEnabled() const override { return timerEnabled_; }
    void SetTimerEnabled(bool enabled) override;
    void Beep() override;
    void ShowWarning(std::string_view text) override;

    Host& host_;
    FormatSettings format_;
    SimulationState state_;
    std::unique_ptr<TChart> chart_;
    std::array<std::unique_ptr<TraceFeed>, 3> series_;
    WebCanvas picture_;
    WebCanvas chartPicture_;
    std::array<SpinModel, SpinCount> spins_;
    bool timerEnabled_ = false;
    // The picture shows the forces of the last tick.
    bool forcesShown_ = false;
    bool warningOpen_ = false;
    bool timerWaitsForWarning_ = false;
};

} // namespace otpor::web
