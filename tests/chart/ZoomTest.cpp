#include "ChartTestSupport.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

using test::CallKind;
using test::CanvasCall;

// The program's chart in a run, painted once on the test metrics: PlotRect
// (60, 21, 374, 125), 314 x 104 px, the length axis -100.2 ... 0 mm from the
// data and the force axis fixed at 0 ... 1000 N. (100, 40) and (150, 80) lie
// inside the plot, away from the traces (rows 117 ... 124).
struct RunningOscillograph : test::PaintedOscillograph {
    int repaints = 0;

    RunningOscillograph()
    {
        chart.SetOnInvalidate([this] { ++repaints; });
        test::FillRun(series);
        Paint();
        EXPECT_EQ(chart.PlotRect(), (TRect{60, 21, 374, 125}));
    }

    void Drag(TMouseButton button, TPoint from, std::initializer_list<TPoint> moves, TPoint to)
    {
        chart.MouseDown(button, 0, from.X, from.Y);
        for (TPoint p : moves)
            chart.MouseMove(0, p.X, p.Y);
        chart.MouseMove(0, to.X, to.Y);
        chart.MouseUp(button, 0, to.X, to.Y);
    }
    void Zoom() { Drag(mbLeft, {100, 40}, {}, {150, 80}); }

    // Both value ends of an axis.
    static std::pair<double, double> Range(const TChartAxis& axis)
    {
        return {axis.Minimum(), axis.Maximum()};
    }
    static bool AnyAutomatic(const TChartAxis& axis)
    {
        return axis.Automatic() || axis.AutomaticMinimum() || axis.AutomaticMaximum();
    }
    // The program's start scale: force 0 ... 1000 fixed, length from the data.
    void ExpectStartScale() const
    {
        EXPECT_EQ(Range(chart.LeftAxis), std::make_pair(0.0, 1000.0));
        EXPECT_FALSE(AnyAutomatic(chart.LeftAxis));
        EXPECT_TRUE(chart.BottomAxis.Automatic());
        EXPECT_TRUE(chart.BottomAxis.AutomaticMinimum());
        EXPECT_TRUE(chart.BottomAxis.AutomaticMaximum());
    }
};

// Value width of n px on the length axis (-100.2 ... 0 over 314 px).
double LengthOf(int px)
{
    return px * 100.2 / 314;
}

TEST(Zoom, ADragToTheLowerRightZoomsAllFourAxesToItsCornersAndClearsTheirAutomaticFlags)
{
    RunningOscillograph osc;
    EXPECT_EQ(osc.chart.ClickedPart(100, 40).Part, cpPlotArea);
    int zooms = 0;
    osc.chart.OnZoom = [&] { ++zooms; };
    osc.Zoom();

    EXPECT_TRUE(osc.chart.Zoomed());
    EXPECT_TRUE(osc.chart.AxesSaved());
    EXPECT_EQ(zooms, 1);
    EXPECT_TRUE(osc.chart.BufferStale());
    // Length: 40 and 90 px from the left; force: 19 and 59 px from the top.
    EXPECT_DOUBLE_EQ(osc.chart.BottomAxis.Minimum(), -100.2 + LengthOf(40));
    EXPECT_DOUBLE_EQ(osc.chart.BottomAxis.Maximum(), -100.2 + LengthOf(90));
    EXPECT_DOUBLE_EQ(osc.chart.LeftAxis.Minimum(), 1000 - 59 * 1000.0 / 104);
    EXPECT_DOUBLE_EQ(osc.chart.LeftAxis.Maximum(), 1000 - 19 * 1000.0 / 104);
    for (const TChartAxis* axis :
         {&osc.chart.TopAxis, &osc.chart.LeftAxis, &osc.chart.RightAxis, &osc.chart.BottomAxis})
        EXPECT_FALSE(RunningOscillograph::AnyAutomatic(*axis));
    // The top and right axes map nothing: their corners are 0, widened.
    EXPECT_EQ(RunningOscillograph::Range(osc.chart.TopAxis), std::make_pair(0.0, 1e-10));

    const auto& saved = osc.chart.SavedAxes();
    EXPECT_TRUE(saved[3].Automatic); // bottom
    EXPECT_EQ(saved[3].Minimum, -100.2);
    EXPECT_FALSE(saved[1].AutomaticMaximum); // left
    EXPECT_EQ(saved[1].Maximum, 1000);

    // The next paint puts the dragged corners on the plot's edges (the
    // force labels, and with them the plot's left edge, change).
    osc.Paint();
    EXPECT_EQ(osc.chart.BottomAxis.ValueToPixel(osc.chart.BottomAxis.Minimum()), osc.chart.PlotRect().Left);
    EXPECT_EQ(osc.chart.BottomAxis.ValueToPixel(osc.chart.BottomAxis.Maximum()), 374);
    EXPECT_EQ(osc.chart.LeftAxis.ValueToPixel(osc.chart.LeftAxis.Maximum()), 21);
}

TEST(Zoom, ABandOfSixteenPixelsOrLessDoesNothingAndTheOtherDirectionsUndo)
{
    RunningOscillograph osc;
    for (TPoint to : {TPoint{116, 80}, TPoint{150, 56}, TPoint{101, 41}}) {
        osc.Drag(mbLeft, {100, 40}, {}, to);
        EXPECT_FALSE(osc.chart.Zoomed());
        EXPECT_FALSE(osc.chart.AxesSaved());
        EXPECT_FALSE(osc.chart.BufferStale());
        osc.ExpectStartScale();
    }

    const std::pair<TPoint, TPoint> undos[] = {
        {{150, 80}, {100, 40}}, {{100, 80}, {150, 40}}, {{150, 40}, {100, 80}}};
    for (const auto& [from, to] : undos) {
        osc.Zoom();
        osc.Paint();
        ASSERT_TRUE(osc.chart.Zoomed());
        osc.Drag(mbLeft, from, {}, to);
        EXPECT_FALSE(osc.chart.Zoomed());
        EXPECT_FALSE(osc.chart.AxesSaved());
        osc.ExpectStartScale();
        osc.Paint();
        EXPECT_EQ(osc.chart.BottomAxis.RangeMin(), -100.2);
    }
}

TEST(Zoom, UndoReturnsToTheScaleBeforeTheFirstZoomAndBeforeAnyZoomOnlyRepaints)
{
    RunningOscillograph osc;
    int undos = 0;
    osc.chart.OnUndoZoom = [&] { ++undos; };
    osc.Drag(mbLeft, {150, 80}, {}, {100, 40});
    EXPECT_EQ(undos, 1);
    EXPECT_TRUE(osc.chart.BufferStale());
    osc.ExpectStartScale();

    osc.Paint();
    osc.Zoom();
    osc.Paint();
    osc.Drag(mbLeft, {70, 30}, {{200, 100}}, {300, 110});
    osc.Paint();
    EXPECT_GT(osc.chart.BottomAxis.Minimum(), -100.2 + LengthOf(40));
    EXPECT_TRUE(osc.chart.AxesSaved());
    osc.Drag(mbLeft, {300, 110}, {}, {70, 30});
    osc.ExpectStartScale();
}

TEST(Zoom, OnlyPressesOnTheTracesTheAxesAndThePlotStartAGesture)
{
    RunningOscillograph osc;
    // F3 at sample 57 is 16 N, row 123, the lowest the clip leaves.
    const TLineSeries& f3 = osc.series.Series3;
    const TChartClickedPart series = osc.chart.ClickedPart(f3.XScreenPos(57), f3.YScreenPos(57));
    EXPECT_EQ(series.Part, cpSeries);
    EXPECT_EQ(series.Series, &f3);         // the last drawn lies on top
    EXPECT_NEAR(series.PointIndex, 57, 1); // samples lie less than a pixel apart

    // Legend (387 ... 424 x 26 ... 70) and title (4 ... 374 x 2 ... 16).
    EXPECT_EQ(osc.chart.ClickedPart(400, 40).Part, cpLegend);
    EXPECT_EQ(osc.chart.ClickedPart(200, 10).Part, cpTitle);
    for (TPoint p : {TPoint{400, 40}, TPoint{200, 10}})
        for (TMouseButton b : {mbLeft, mbRight}) {
            osc.chart.MouseDown(b, 0, p.X, p.Y);
            EXPECT_FALSE(osc.chart.ZoomRecord().Active);
            EXPECT_FALSE(osc.chart.PanningRecord().Active);
            osc.chart.MouseUp(b, 0, p.X, p.Y);
        }

    // The force axis' line is at x 60: 11 px left of it is still the axis,
    // 12 px is nothing.
    const TChartClickedPart axis = osc.chart.ClickedPart(49, 70);
    EXPECT_EQ(axis.Part, cpAxis);
    EXPECT_EQ(axis.Axis, &osc.chart.LeftAxis);
    EXPECT_EQ(osc.chart.ClickedPart(48, 70).Part, cpNone);
    osc.chart.MouseDown(mbLeft, 0, 48, 70);
    EXPECT_FALSE(osc.chart.ZoomRecord().Active);
    osc.chart.MouseDown(mbLeft, 0, 49, 70);
    EXPECT_TRUE(osc.chart.ZoomRecord().Active);

    // During the drag other presses are ignored, the right button's too.
    osc.chart.MouseDown(mbRight, 0, 200, 70);
    osc.chart.MouseDown(mbLeft, 0, 200, 70);
    EXPECT_FALSE(osc.chart.PanningRecord().Active);
    EXPECT_EQ(osc.chart.ZoomRecord().X0, 49);
    osc.chart.MouseUp(mbRight, 0, 200, 70);
    EXPECT_TRUE(osc.chart.ZoomRecord().Active);
    osc.chart.MouseUp(mbLeft, 0, 49, 70);
    EXPECT_FALSE(osc.chart.ZoomRecord().Active);

    // An assigned click event takes the press.
    int clicks = 0;
    osc.chart.OnClickBackground = [&](TMouseButton, TShiftState, int, int) { ++clicks; };
    osc.chart.MouseDown(mbLeft, 0, 100, 40);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(osc.chart.ZoomRecord().Active);
}

TEST(Zoom, TheBandIsDrawnInTheInvertingPenAndMovesWithoutRedrawingThePicture)
{
    RunningOscillograph osc;
    osc.repaints = 0;
    osc.chart.MouseDown(mbLeft, 0, 100, 40);
    osc.chart.MouseMove(0, 150, 80);
    osc.chart.MouseMove(0, 150, 80); // no change, no request
    EXPECT_EQ(osc.repaints, 2);
    EXPECT_FALSE(osc.chart.BufferStale());

    // A paint during the drag keeps the band, last, over the traces.
    osc.Paint();
    const CanvasCall& band = osc.canvas.Calls.back();
    ASSERT_EQ(band.Kind, CallKind::Rectangle);
    EXPECT_EQ(band.Box, (TRect{100, 40, 150, 80}));
    EXPECT_EQ(band.Pen, (Pen{ColorToRGB(clBtnFace), 1, PenStyle::Solid, PenMode::NotXor}));
    EXPECT_EQ(band.Brush.Style, BrushStyle::Clear);

    // Dragged up and left of the press the band still spans the two points;
    // on a white panel it is red.
    osc.chart.MouseMove(0, 20, 10);
    osc.chart.SetColor(clWhite);
    test::RecordingCanvas canvas;
    osc.chart.DrawZoomRect(canvas);
    EXPECT_EQ(canvas.Calls[0].Box, (TRect{20, 10, 100, 40}));
    EXPECT_EQ(canvas.Calls[0].Pen.Color, clRed);
    EXPECT_EQ(canvas.Pen().Mode, PenMode::Copy);

    osc.chart.MouseUp(mbLeft, 0, 100, 50);
    osc.Paint();
    EXPECT_TRUE(osc.Calls([](const CanvasCall& c) { return c.Pen.Mode == PenMode::NotXor; }).empty());
}

TEST(Zoom, AReleaseOutsideTheChartUsesItsCoordinates)
{
    RunningOscillograph osc;
    osc.Zoom();
    osc.Paint();
    osc.Drag(mbLeft, {100, 40}, {{50, 20}}, {-20, -30});
    EXPECT_FALSE(osc.chart.Zoomed());
    osc.ExpectStartScale();

    // The release point counts, not the last move.
    osc.Paint();
    osc.chart.MouseDown(mbLeft, 0, 100, 40);
    osc.chart.MouseMove(0, 20, 10);
    osc.chart.MouseUp(mbLeft, 0, 500, 200);
    EXPECT_TRUE(osc.chart.Zoomed());
    EXPECT_DOUBLE_EQ(osc.chart.BottomAxis.Maximum(), -100.2 + LengthOf(440));
}

TEST(Zoom, AZoomedViewKeepsItsRangesWhileTheTracesAreRefilled)
{
    RunningOscillograph osc;
    osc.Zoom();
    osc.Paint();
    const auto bottom = RunningOscillograph::Range(osc.chart.BottomAxis);
    const auto left = RunningOscillograph::Range(osc.chart.LeftAxis);
    for (int tick = 1; tick <= 3; ++tick) {
        test::FillRun(osc.series, 0.3 * tick);
        osc.Paint();
        EXPECT_EQ(RunningOscillograph::Range(osc.chart.BottomAxis), bottom);
        EXPECT_EQ(RunningOscillograph::Range(osc.chart.LeftAxis), left);
        EXPECT_EQ(osc.chart.BottomAxis.RangeMin(), bottom.first);
    }
    // The traces lie below the zoomed forces: drawn from the left edge to
    // past the right one, and cut off by the clip.
    const auto clips = osc.canvas.CallsOf(CallKind::ClipRect);
    ASSERT_EQ(clips.size(), 3u);
    const auto traces = osc.Calls([](const CanvasCall& c) {
        return c.Kind == CallKind::Line && c.Pen.Color == clAqua && c.Points[0].Y > 125;
    });
    ASSERT_FALSE(traces.empty());
    EXPECT_EQ(traces.front().Points[0].X, osc.chart.PlotRect().Left);
    EXPECT_GE(traces.back().Points[1].X, 374);
}

TEST(Scroll, ARightDragInsideThePlotMovesTheRangesWithTheMouseUntilItLeavesThePlot)
{
    RunningOscillograph left5;
    left5.Drag(mbRight, {200, 70}, {{195, 70}}, {190, 70});
    RunningOscillograph left10;
    left10.Drag(mbRight, {200, 70}, {}, {190, 70});
    RunningOscillograph right10;
    right10.Drag(mbRight, {200, 70}, {}, {210, 70});

    // Dragged left, the content follows: the range moves to larger values.
    EXPECT_NEAR(left5.chart.BottomAxis.Minimum(), -100.2 + LengthOf(10), 1e-12);
    EXPECT_NEAR(left5.chart.BottomAxis.Maximum(), LengthOf(10), 1e-12);
    EXPECT_NEAR(left5.chart.BottomAxis.Minimum(), left10.chart.BottomAxis.Minimum(), 1e-12);
    EXPECT_NEAR(right10.chart.BottomAxis.Minimum(), -100.2 - LengthOf(10), 1e-12);
    EXPECT_FALSE(left5.chart.BottomAxis.Automatic());
    EXPECT_TRUE(left5.chart.AxesSaved());
    EXPECT_FALSE(left5.chart.Zoomed());
    // The force axis did not move.
    EXPECT_EQ(RunningOscillograph::Range(left5.chart.LeftAxis), std::make_pair(0.0, 1000.0));

    // Dragged down, the force range moves up.
    RunningOscillograph down;
    int scrolls = 0;
    down.chart.OnScroll = [&] { ++scrolls; };
    down.Drag(mbRight, {200, 70}, {}, {200, 80});
    EXPECT_NEAR(down.chart.LeftAxis.Minimum(), 10 * 1000.0 / 104, 1e-9);
    EXPECT_EQ(scrolls, 1);

    // Out of the plot the drag stops for good.
    RunningOscillograph out;
    out.chart.MouseDown(mbRight, 0, 200, 70);
    out.chart.MouseMove(0, 190, 70);
    out.chart.MouseMove(0, 50, 70);
    EXPECT_FALSE(out.chart.PanningRecord().Active);
    out.chart.MouseMove(0, 180, 70);
    out.chart.MouseUp(mbRight, 0, 180, 70);
    EXPECT_NEAR(out.chart.BottomAxis.Minimum(), -100.2 + LengthOf(10), 1e-12);

    // A vetoed axis stays.
    RunningOscillograph vetoed;
    vetoed.chart.OnAllowScroll = [&](TChartAxis& axis, double, double, bool& allow) {
        allow = &axis != &vetoed.chart.BottomAxis;
    };
    vetoed.Drag(mbRight, {200, 70}, {}, {190, 70});
    EXPECT_TRUE(vetoed.chart.BottomAxis.Automatic());
}

TEST(Scroll, AnUpLeftDragAfterScrollingRestoresTheScaleFromBefore)
{
    RunningOscillograph osc;
    osc.Drag(mbRight, {200, 70}, {{180, 80}}, {160, 90});
    osc.Paint();
    osc.Drag(mbRight, {200, 70}, {}, {220, 60});
    osc.Paint();
    EXPECT_FALSE(osc.chart.BottomAxis.Automatic());
    osc.Drag(mbLeft, {150, 80}, {}, {100, 40});
    osc.ExpectStartScale();
    osc.Paint();
    EXPECT_EQ(osc.chart.BottomAxis.RangeMin(), -100.2);
}

} // namespace
} // namespace otpor
