// The process cycle's effects for a run without a window: the series and the
// picture go nowhere, the timer is a flag, and the warnings that "Proces"
// would show in a box are kept, so that the calculator can press "Proces"
// exactly as the window does and learn what it decided.
#pragma once

#include "sim/ProcessCycle.h"

#include <string>
#include <vector>

namespace otpor {

class QuietProcessEffects : public ProcessEffects {
public:
    SeriesSink& Series1() override { return Nowhere; }
    SeriesSink& Series2() override { return Nowhere; }
    SeriesSink& Series3() override { return Nowhere; }
    void DrawWorkpieceAndTool() override {}
    void DrawForces() override {}
    bool TimerEnabled() const override { return Timer; }
    void SetTimerEnabled(bool enabled) override { Timer = enabled; }
    void Beep() override {}
    void ShowWarning(std::string_view text) override { Warnings.emplace_back(text); }

    const std::vector<std::string>& ShownWarnings() const { return Warnings; }

private:
    class NoSeries : public SeriesSink {
    public:
        void ClearValues() override {}
        void AddPoint(double, double, std::string_view, TColor) override {}
    };
    NoSeries Nowhere;
    bool Timer = false;
    std::vector<std::string> Warnings;
};

} // namespace otpor
