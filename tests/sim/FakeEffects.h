// Process effects for tests: the series keep their points, the picture
// counts its redraws, the timer is a flag, beeps and warnings are recorded.
#pragma once

#include "sim/ProcessCycle.h"

#include <functional>
#include <string>
#include <vector>

namespace otpor::test {

struct RecordedPoint {
    double X, Y;
    TColor Color;
};

class RecordingSeries : public SeriesSink {
public:
    std::vector<RecordedPoint> Points;
    int Clears = 0;
    void ClearValues() override
    {
        Points.clear();
        ++Clears;
    }
    void AddPoint(double x, double y, std::string_view, TColor color) override
    {
        Points.push_back({x, y, color});
    }
};

class FakeEffects : public ProcessEffects {
public:
    RecordingSeries S1, S2, S3;
    bool Timer = false;
    int Beeps = 0;
    std::vector<std::string> Warnings;
    std::vector<std::string> Log; // "scene", "forces", "timer on", "timer off", "beep", "warning", "fill"
    // Runs while a warning box is "open", as ticks do behind a modal box.
    std::function<void()> WhileWarningShown;

    SeriesSink& Series1() override
    {
        Log.push_back("fill");
        return S1;
    }
    SeriesSink& Series2() override { return S2; }
    SeriesSink& Series3() override { return S3; }
    void DrawWorkpieceAndTool() override { Log.push_back("scene"); }
    void DrawForces() override { Log.push_back("forces"); }
    bool TimerEnabled() const override { return Timer; }
    void SetTimerEnabled(bool on) override
    {
        Timer = on;
        Log.push_back(on ? "timer on" : "timer off");
    }
    void Beep() override
    {
        ++Beeps;
        Log.push_back("beep");
    }
    void ShowWarning(std::string_view text) override
    {
        Warnings.emplace_back(text);
        Log.push_back("warning");
        if (WhileWarningShown)
            WhileWarningShown();
    }
};

} // namespace otpor::test
