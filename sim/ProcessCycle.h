// The process cycle: what "Proces", "Pauza", "Polazno stanje" and the 50 ms
// timer do. Its effects on the window (the three chart series, the picture,
// the timer, the beep and the warning box) go through ProcessEffects, which
// the main window implements, so that the whole cycle runs in tests without
// a window or a timer. Whether the process runs is held only by the timer.
#pragma once

#include "platform/Color.h"
#include "sim/SimulationState.h"

#include <array>
#include <string_view>

namespace otpor {

// One chart series as the oscillogram fills it.
class SeriesSink {
public:
    virtual ~SeriesSink() = default;
    virtual void ClearValues() = 0;
    virtual void AddPoint(double x, double y, std::string_view label, TColor color) = 0;
};

class ProcessEffects {
public:
    virtual ~ProcessEffects() = default;
    virtual SeriesSink& Series1() = 0;
    virtual SeriesSink& Series2() = 0;
    virtual SeriesSink& Series3() = 0;
    // Repaint the animation from the scene geometry; forces drawn only after
    // the workpiece and the tool, by the tick.
    virtual void DrawWorkpieceAndTool() = 0;
    virtual void DrawForces() = 0;
    virtual bool TimerEnabled() const = 0;
    virtual void SetTimerEnabled(bool enabled) = 0;
    // The system's default sound.
    virtual void Beep() = 0;
    // The modal warning box; returns once it is closed (ticks go on meanwhile).
    virtual void ShowWarning(std::string_view text) = 0;
};

// The oscillograph's three series in the form's order: the title and colour
// the form gives each in the legend, and the colour its points are added in,
// which the traces are drawn in (F1 aqua, F2 yellow, F3 lime). The legend is
// the form's as it stands: Series2, titled "F3" in lime, receives the F2
// history, and Series3, titled "F2" in light yellow, the F3 history.
struct OscillogramTrace {
    std::string_view Series;
    std::string_view LegendTitle;
    TColor LegendColor;
    TColor PointColor;
};
inline constexpr std::array<OscillogramTrace, 3> OscillogramTraces{{
    {"Series1", "F1", clAqua, clAqua},
    {"Series2", "F3", clLime, clYellow},
    {"Series3", "F2", clLightYellow, clLime},
}};

// The tool's reference corner left of this x ends the run.
inline constexpr int EndPositionX = -5;

inline constexpr std::string_view NoMaterialsMessage = "Izaberite materijal alata i obratka!";
inline constexpr std::string_view NoToolMaterialMessage = "Materijal alata nije zadat!";
inline constexpr std::string_view NoWorkMaterialMessage = "Materijal obratka nije zadat!";
inline constexpr std::string_view UnsuitableToolMessage = "Izabrani materijal alata ne odgovara!";

void StartProcess(SimulationState& s, ProcessEffects& fx); // "Proces"
void PauseProcess(SimulationState& s, ProcessEffects& fx); // "Pauza"
void ProcessTick(SimulationState& s, ProcessEffects& fx);  // Timer1
void ResetProcess(SimulationState& s, ProcessEffects& fx); // "Polazno stanje"

// Replaces the content of the three series with the 335 samples: Series1
// gets the F1 history, Series2 the F2 history and Series3 the F3 history.
void FillOscillogram(const SimulationState& s, SeriesSink& series1, SeriesSink& series2, SeriesSink& series3);

// The tick's logic without its effects on the window: the scene moves, the
// forces and arrow lengths are computed, the oscillogram advances.
void AdvanceProcess(SimulationState& s);
// The histories move one place towards the old end (after the chart is filled).
void ShiftHistories(SimulationState& s);

} // namespace otpor
