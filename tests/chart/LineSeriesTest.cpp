#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

// Counts the heap allocations made while counting is on: the traces are
// drawn every 50 ms and must not allocate per point.
namespace {
std::atomic<bool> countAllocations{false};
std::atomic<long> allocations{0};
} // namespace

// The replacements pair malloc with free, which the compiler cannot see.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size)
{
    if (countAllocations)
        ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
#pragma GCC diagnostic pop

namespace otpor {
namespace {

using test::CallKind;
using test::CanvasCall;
using test::PaintedOscillograph;

// The program's chart with the force labels' strip fixed, so that with the
// test metrics PlotRect is (60, 21, 374, 125) whatever the ranges; the length
// axis set to 0 ... 314 and the force axis to 0 ... 104 make one unit one
// pixel: x px = 60 + X, y px = 125 - Y.
struct UnitPlot {
    PaintedOscillograph osc;
    TLineSeries& series = osc.series.Series1;

    UnitPlot()
    {
        osc.chart.LeftAxis.SetLabelsSize(36);
        osc.chart.BottomAxis.SetRange(0, 314);
        osc.chart.LeftAxis.SetRange(0, 104);
        osc.Paint();
        EXPECT_EQ(osc.chart.PlotRect(), (TRect{60, 21, 374, 125}));
    }

    // The series drawn on its own on the layout of the paint.
    std::vector<CanvasCall> Draw()
    {
        osc.canvas.Calls.clear();
        series.DrawSeries(osc.canvas);
        return osc.canvas.Calls;
    }
    std::vector<std::vector<TPoint>> Segments()
    {
        std::vector<std::vector<TPoint>> out;
        for (const auto& c : Draw())
            if (c.Kind == CallKind::Line)
                out.push_back(c.Points);
        return out;
    }
};

using Segments = std::vector<std::vector<TPoint>>;

TEST(LineSeries, DrawsEachSegmentInItsEndPointsColourInsideTheBackWallsFrame)
{
    UnitPlot plot;
    plot.series.AddPoint(10, 10, "", clRed);
    plot.series.AddPoint(20, 30);
    plot.series.AddPoint(30, 30, "", clYellow);
    const auto calls = plot.Draw();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].Kind, CallKind::ClipRect);
    EXPECT_EQ(calls[0].Box, (TRect{61, 22, 374, 124}));
    EXPECT_EQ(calls[1].Points, (std::vector<TPoint>{{70, 115}, {80, 95}}));
    EXPECT_EQ(calls[1].Pen, (Pen{clAqua, 1, PenStyle::Solid, PenMode::Copy})); // no own colour: SeriesColor
    EXPECT_EQ(calls[1].Brush.Style, BrushStyle::Clear);
    EXPECT_EQ(calls[2].Points, (std::vector<TPoint>{{80, 95}, {90, 95}}));
    EXPECT_EQ(calls[2].Pen.Color, clYellow);
    EXPECT_EQ(calls[3].Kind, CallKind::RemoveClip);
    EXPECT_EQ(plot.series.LastX(), 90);
    EXPECT_EQ(plot.series.LastY(), 95);
    EXPECT_EQ(plot.series.LastColor(), clYellow);

    // Without clipping the same lines, and no clip.
    plot.osc.chart.SetClipPoints(false);
    EXPECT_EQ(plot.Draw().size(), 2u);
}

TEST(LineSeries, EntersAtTheLeftEdgeAtTheInterpolatedHeightAndLeavesToThePointBeyondTheRight)
{
    UnitPlot plot;
    plot.series.AddPoint(-30, 0);
    plot.series.AddPoint(-10, 0);
    plot.series.AddPoint(10, 20);
    plot.series.AddPoint(300, 20);
    plot.series.AddPoint(330, 50);
    plot.series.AddPoint(400, 0);
    // At X 0, halfway from (-10, 0) to (10, 20): 10 N, y 115. Up to the first
    // point at or beyond the right edge, which the clip cuts.
    EXPECT_EQ(plot.Segments(),
              (Segments{{{60, 115}, {70, 105}}, {{70, 105}, {360, 105}}, {{360, 105}, {390, 75}}}));

    // Entering from a point without a colour draws no entry.
    plot.series.ClearValues();
    plot.series.AddPoint(-10, 0, "", clNone);
    plot.series.AddPoint(10, 20);
    plot.series.AddPoint(20, 20);
    EXPECT_EQ(plot.Segments(), (Segments{{{70, 105}, {80, 105}}}));

    // A first point at index 0 starts the line where it is.
    plot.series.ClearValues();
    plot.series.AddPoint(10, 20);
    plot.series.AddPoint(20, 20);
    EXPECT_EQ(plot.Segments(), (Segments{{{70, 105}, {80, 105}}}));
}

TEST(LineSeries, AnInvertedLengthAxisEntersAtTheRightEdge)
{
    UnitPlot plot;
    plot.osc.chart.BottomAxis.SetInverted(true);
    plot.osc.Paint();
    plot.series.AddPoint(-10, 0);
    plot.series.AddPoint(10, 20);
    EXPECT_EQ(plot.Segments(), (Segments{{{374, 115}, {364, 105}}}));
}

TEST(LineSeries, APointWithoutColourBreaksTheLineAndPointsOnOnePixelDrawNothingBetween)
{
    UnitPlot plot;
    plot.series.AddPoint(0, 10);
    plot.series.AddPoint(10, 10, "", clNone);
    plot.series.AddPoint(20, 10);
    plot.series.AddPoint(30, 20);
    EXPECT_EQ(plot.Segments(), (Segments{{{80, 115}, {90, 105}}}));
    EXPECT_EQ(plot.series.LastColor(), clAqua);

    plot.series.ClearValues();
    plot.series.AddPoint(0, 10);
    plot.series.AddPoint(0.2, 10.2); // the same pixel (60, 115)
    plot.series.AddPoint(10, 10);
    EXPECT_EQ(plot.Segments(), (Segments{{{60, 115}, {70, 115}}}));
}

TEST(LineSeries, SkipsPointsBeyondTheCanvasRangeAndJoinsTheOnesAroundThem)
{
    UnitPlot plot;
    plot.series.AddPoint(0, 10);
    plot.series.AddPoint(10, 1e6); // y -999875
    plot.series.AddPoint(20, 10);
    EXPECT_EQ(plot.Segments(), (Segments{{{60, 115}, {80, 115}}}));

    // A last point out there leaves LastX, LastY and LastColor as they were.
    plot.series.AddPoint(30, -40000, "", clRed);
    EXPECT_EQ(plot.Segments().size(), 1u);
    EXPECT_EQ(plot.series.LastX(), 80);
    EXPECT_EQ(plot.series.LastColor(), clAqua);

    // An entry height as far out is not drawn either.
    plot.series.ClearValues();
    plot.series.AddPoint(-1e-6, 1e9);
    plot.series.AddPoint(10, 10);
    plot.series.AddPoint(20, 10);
    EXPECT_EQ(plot.Segments(), (Segments{{{70, 115}, {80, 115}}}));
}

TEST(LineSeries, WithoutVisiblePointsDrawsNothingAndFiresNoDrawingEvents)
{
    UnitPlot plot;
    int before = 0;
    int after = 0;
    plot.series.BeforeDrawValues = [&] { ++before; };
    plot.series.AfterDrawValues = [&] { ++after; };
    EXPECT_TRUE(plot.Draw().empty());
    plot.series.AddPoint(-20, 10);
    plot.series.AddPoint(-10, 10);
    EXPECT_TRUE(plot.Draw().empty());
    EXPECT_EQ(before, 0);

    plot.series.AddPoint(5, 10);
    EXPECT_EQ(plot.Draw().size(), 3u);
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
}

TEST(LineSeries, DrawsARunOfTracesWithoutAllocatingPerPoint)
{
    PaintedOscillograph osc;
    test::FillRun(osc.series);
    osc.Paint();

    // Counts lines and nothing else.
    struct LineCounter : Canvas {
        int lines = 0;
        void Rectangle(int, int, int, int) override {}
        void FillRect(const TRect&) override {}
        void Ellipse(int, int, int, int) override {}
        void Polygon(std::span<const TPoint>) override {}
        void Polyline(std::span<const TPoint>) override {}
        void TextOut(int, int, std::string_view) override {}
        void RotatedTextOut(int, int, std::string_view, int) override {}
        int TextWidth(std::string_view) override { return 0; }
        int TextHeight(std::string_view) override { return 0; }
        void BandFill(int, int, int, int, TColor) override {}
        void Bevel(const TRect&, TColor, TColor, int) override {}
        void ClipRect(const TRect&) override {}
        void RemoveClip() override {}
        void DrawLine(TPoint, TPoint) override { ++lines; }
    } canvas;

    allocations = 0;
    countAllocations = true;
    for (TLineSeries* s : {&osc.series.Series1, &osc.series.Series2, &osc.series.Series3})
        s->DrawSeries(canvas);
    countAllocations = false;
    EXPECT_EQ(allocations, 0);
    EXPECT_GT(canvas.lines, 300);
}

TEST(LineSeries, EachTraceOfARunIsDrawnAsOneRunOfJoinedLines)
{
    PaintedOscillograph osc;
    test::FillRun(osc.series);
    osc.Paint();
    // One colour per trace, every point joined to the next: one run each.
    EXPECT_EQ(osc.canvas.PolylineRuns, 3);
    EXPECT_GT(osc.Lines(PenStyle::Solid).size(), 300u);

    // A colour change or a break starts a new run.
    osc.series.Series1.AddPoint(5, 80, "", clRed);
    osc.series.Series1.AddPoint(10, 80, "", clNone);
    osc.series.Series1.AddPoint(15, 81);
    osc.series.Series1.AddPoint(20, 81);
    osc.canvas.PolylineRuns = 0;
    osc.Paint();
    EXPECT_EQ(osc.canvas.PolylineRuns, 5);
}

// A canvas with the test metrics that keeps nothing, so that whatever asks
// the heap during a paint is the chart.
struct SilentCanvas : Canvas {
    void Rectangle(int, int, int, int) override {}
    void FillRect(const TRect&) override {}
    void Ellipse(int, int, int, int) override {}
    void Polygon(std::span<const TPoint>) override {}
    void Polyline(std::span<const TPoint>) override {}
    void TextOut(int, int, std::string_view) override {}
    void RotatedTextOut(int, int, std::string_view, int) override {}
    int TextWidth(std::string_view text) override { return 6 * test::CodePoints(text); }
    int TextHeight(std::string_view) override { return 14; }
    void BandFill(int, int, int, int, TColor) override {}
    void Bevel(const TRect&, TColor, TColor, int) override {}
    void ClipRect(const TRect&) override {}
    void RemoveClip() override {}
    void DrawLine(TPoint, TPoint) override {}
};

TEST(LineSeries, ATicksRefillAndRepaintOfTheProgramsChartAskTheHeapForNothing)
{
    PaintedOscillograph osc;
    SilentCanvas canvas;
    // The first ticks size the point lists and the caches.
    for (int tick = 0; tick < 3; ++tick) {
        test::FillRun(osc.series, 0.3 * tick);
        osc.chart.Draw(canvas, osc.chart.ClientRect());
    }
    allocations = 0;
    countAllocations = true;
    for (int tick = 3; tick < 40; ++tick) {
        test::FillRun(osc.series, 0.3 * tick);
        osc.chart.Draw(canvas, osc.chart.ClientRect());
    }
    countAllocations = false;
    EXPECT_EQ(allocations, 0);
}

TEST(LineSeries, LegendSampleIsALineInTheSeriesColourAcrossTheMiddle)
{
    UnitPlot plot;
    test::RecordingCanvas canvas;
    plot.series.DrawLegendSymbol(canvas, {391, 29, 406, 39});
    ASSERT_EQ(canvas.Calls.size(), 1u);
    EXPECT_EQ(canvas.Calls[0].Points, (std::vector<TPoint>{{391, 34}, {406, 34}}));
    EXPECT_EQ(canvas.Calls[0].Pen, (Pen{clAqua, 1, PenStyle::Solid, PenMode::Copy}));

    plot.series.SetSeriesColor(clNone);
    plot.series.DrawLegendSymbol(canvas, {391, 29, 406, 39});
    plot.series.SetSeriesColor(clAqua);
    plot.series.SetColorEachPoint(true);
    plot.series.DrawLegendSymbol(canvas, {391, 29, 406, 39});
    EXPECT_EQ(canvas.Calls.size(), 1u);
}

TEST(LineSeries, IsHitOnItsPointsAndWithinAboutAPixelOfItsSegmentsInsideThePlot)
{
    UnitPlot plot;
    plot.series.AddPoint(10, 10);             // (70, 115)
    plot.series.AddPoint(30, 30);             // (90, 95), after a diagonal
    plot.series.AddPoint(50, 30);             // (110, 95)
    plot.series.AddPoint(60, 30, "", clNone); // (120, 95), not drawn
    plot.series.AddPoint(80, 30);             // (140, 95)
    plot.series.AddPoint(420, 200);           // (480, -75), beyond the plot's top right
    EXPECT_EQ(plot.series.Clicked(70, 115), 0);
    EXPECT_EQ(plot.series.Clicked(80, 105), 1);
    EXPECT_EQ(plot.series.Clicked(81, 105), -1); // 0.7 px off the diagonal
    EXPECT_EQ(plot.series.Clicked(91, 94), -1);  // beyond the segment's end
    EXPECT_EQ(plot.series.Clicked(100, 95), 2);
    EXPECT_EQ(plot.series.Clicked(100, 96), -1);
    EXPECT_EQ(plot.series.Clicked(115, 95), -1); // the break around the point without colour
    EXPECT_EQ(plot.series.Clicked(120, 95), -1);
    EXPECT_EQ(plot.series.Clicked(130, 95), -1);
    EXPECT_EQ(plot.series.Clicked(140, 95), 4);

    // The last segment rises one pixel in two and leaves the plot at its top;
    // where the clip cuts it off (over the title) it is not hit.
    EXPECT_EQ(plot.series.Clicked(286, 22), 5);
    EXPECT_EQ(plot.series.Clicked(320, 5), -1);
}

} // namespace
} // namespace otpor
