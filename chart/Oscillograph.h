// The program's oscillograph, Chart1: the chart as the main window creates
// it (2D, gradient panel, black plot, title "Oscilograf", the force axis fixed
// at 0 ... 1000 N, the length axis automatic) with its three traces.
#pragma once

#include "chart/TChart.h"
#include "chart/TLineSeries.h"
#include "platform/Geometry.h"
#include "sim/ProcessCycle.h"

#include <string_view>

namespace otpor {

// Chart1's place in the main window: left, top, width, height (px).
inline constexpr int OscillographLeft = 232;
inline constexpr int OscillographTop = 384;
inline constexpr int OscillographWidth = 433;
inline constexpr int OscillographHeight = 161;
// The force axis' range at start, N.
inline constexpr double OscillographForceMaximum = 1000;

// The traces, in drawing and legend order: F1, F3, F2.
struct OscillographSeries {
    TLineSeries& Series1;
    TLineSeries& Series2;
    TLineSeries& Series3;
};

// Gives a new chart the oscillograph's settings and adds its three series.
OscillographSeries ConfigureOscillograph(TChart& chart);

// One trace as the process cycle fills it.
class TraceFeed final : public SeriesSink {
public:
    explicit TraceFeed(TChartSeries& series) : series_(series) {}
    void ClearValues() override { series_.ClearValues(); }
    void AddPoint(double x, double y, std::string_view label, TColor color) override
    {
        series_.AddPoint(x, y, label, color);
    }

private:
    TChartSeries& series_;
};

} // namespace otpor
