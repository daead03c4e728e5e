// Helpers of the chart tests: the program's chart painted on a recording
// canvas with fixed metrics (6 px per character, 14 px per line), and
// filters over the recorded calls.
#pragma once

#include "chart/Oscillograph.h"
#include "platform/Errors.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace otpor::test {

// Runs f, which must fail with an exception of type E carrying message.
template <class E, class F> void ExpectRefused(F&& f, const std::string& message)
{
    try {
        f();
        ADD_FAILURE() << "accepted, expected: " << message;
    } catch (const E& e) {
        EXPECT_EQ(std::string(e.what()), message);
    }
}

// One tick's refill of the three traces as the process cycle does it: 335
// samples 0.3 mm apart ending at X = shift mm, F1 about 81 N on Series1 in
// aqua, F2 about 39 N on Series2 in yellow, F3 about 15 N on Series3 in lime.
inline void FillRun(const OscillographSeries& s, double shift = 0)
{
    constexpr int Points = 335;
    constexpr double Step = 0.3;
    for (TLineSeries* series : {&s.Series1, &s.Series2, &s.Series3})
        series->ClearValues();
    for (int k = 0; k < Points; ++k) {
        const double x = (k - (Points - 1)) * Step + shift;
        s.Series1.AddPoint(x, 81 + 3 * std::sin(k / 7.0), "", clAqua);
        s.Series2.AddPoint(x, 39 + 2 * std::sin(k / 5.0), "", clYellow);
        s.Series3.AddPoint(x, 15 + std::cos(k / 9.0), "", clLime);
    }
}

struct PaintedOscillograph {
    TChart chart;
    OscillographSeries series = ConfigureOscillograph(chart);
    RecordingCanvas canvas{FixedMetrics{6, 14}};

    PaintedOscillograph() { chart.SetSeparators({",", "."}); }

    void Paint()
    {
        canvas.Calls.clear();
        chart.Draw(canvas, chart.ClientRect());
    }

    std::vector<CanvasCall> Calls(const std::function<bool(const CanvasCall&)>& keep) const
    {
        std::vector<CanvasCall> out;
        std::copy_if(canvas.Calls.begin(), canvas.Calls.end(), std::back_inserter(out), keep);
        return out;
    }

    // Lines drawn with a pen of this style and width.
    std::vector<CanvasCall> Lines(PenStyle style, int width = 1) const
    {
        return Calls([&](const CanvasCall& c) {
            return c.Kind == CallKind::Line && c.Pen.Style == style && c.Pen.Width == width;
        });
    }

    std::vector<std::string> Texts(const std::function<bool(const CanvasCall&)>& keep) const
    {
        std::vector<std::string> out;
        for (const auto& c : canvas.Calls)
            if (c.Kind == CallKind::TextOut && keep(c))
                out.push_back(c.Text);
        return out;
    }
};

} // namespace otpor::test
