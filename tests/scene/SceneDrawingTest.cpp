#include "scene/SceneDrawing.h"
#include "sim/FakeEffects.h"
#include "sim/InputHandlers.h"
#include "sim/ProcessCycle.h"
#include "support/Choose.h"
#include "support/RecordingCanvas.h"

#include "platform/Numeric.h"

#include <cmath>
#include <gtest/gtest.h>

namespace otpor {
namespace {

using test::CallKind;
using test::RecordingCanvas;

class Drawing : public ::testing::Test {
protected:
    void SetUp() override { FormCreate(s); }
    SimulationState s;
    RecordingCanvas canvas;
};

TEST_F(Drawing, StartPictureClearsThenDrawsStripsEndFaceAndTool)
{
    DrawWorkpieceAndTool(canvas, s.Scene);
    const auto& calls = canvas.Calls;
    // One clearing rectangle, 3 x 62 strips, the end face, five tool faces.
    ASSERT_EQ(calls.size(), 1u + 186 + 1 + 5);
    EXPECT_EQ(calls[0].Kind, CallKind::Rectangle);
    EXPECT_EQ(calls[0].Box, (TRect{0, 0, 473, 369}));
    EXPECT_EQ(calls[0].Brush.Color, clWhite);
    EXPECT_EQ(calls[0].Pen.Color, clWhite);

    // Strip 0 of each band in the shade of the start geometry.
    EXPECT_EQ(calls[1].Brush.Color, RGB(75, 55, 55));
    EXPECT_EQ(calls[1].Pen.Color, RGB(75, 55, 55));
    EXPECT_EQ(calls[1 + 62].Brush.Color, RGB(145, 145, 145));
    EXPECT_EQ(calls[1 + 124].Brush.Color, RGB(120, 120, 120));
    EXPECT_EQ(calls[1].Points, (std::vector<TPoint>{{70, 12},
                                                    {s.Scene.StockFarX[1], s.Scene.StockFarY[1]},
                                                    {s.Scene.StockNearX[1], s.Scene.StockNearY[1]},
                                                    {330, 142}}));

    const auto& face = calls[187];
    EXPECT_EQ(face.Kind, CallKind::Ellipse);
    EXPECT_EQ(face.Box, (TRect{298, 151, 422, 289}));
    EXPECT_EQ(face.Brush.Color, RGB(180, 180, 180));
    // End face and tool keep the pen of the last turned strip.
    for (std::size_t i = 187; i < calls.size(); ++i)
        EXPECT_EQ(calls[i].Pen.Color, RGB(153, 153, 153)) << i;

    const auto& T = s.Scene.ToolPoint;
    EXPECT_EQ(calls[190].Brush.Color, RGB(215, 215, 220));
    EXPECT_EQ(calls[190].Points, (std::vector<TPoint>{T[0], T[1], T[2], T[3], T[4], T[5], T[6]}));
    EXPECT_EQ(calls[188].Points, (std::vector<TPoint>{T[4], T[3], T[7], T[8]}));
    EXPECT_EQ(calls[192].Points, (std::vector<TPoint>{T[11], T[12], T[10], T[9]}));
    EXPECT_EQ(calls[192].Brush.Color, RGB(190, 190, 200));
}

TEST_F(Drawing, OutlineGreyTurnsWithThePhase)
{
    for (int i = 0; i < 6; ++i)
        s.Scene.AdvanceScene();
    ASSERT_NEAR(s.Scene.SpinPhase, -0.18, 1e-12);
    s.Scene.RingAngle = -0.15;
    s.Scene.BuildStockRings();
    s.Scene.BuildTurnedRings();
    DrawWorkpieceAndTool(canvas, s.Scene);
    EXPECT_EQ(canvas.CallsOf(CallKind::Ellipse).at(0).Pen.Color, RGB(132, 132, 132));
}

TEST_F(Drawing, ForcesStartAtTheToolTipUntilTheEdgeIsMeasured)
{
    const ForceDiagram d = ComputeForceDiagram(s.Scene, s.Arrows());
    EXPECT_EQ(d.Origin, (TPoint{283, 234}));
    SpinEdit2Change(s, "60");
    const ForceDiagram moved = ComputeForceDiagram(s.Scene, s.Arrows());
    const TPoint t4 = s.Scene.ToolPoint[4];
    const double offset = s.Scene.ForceOffset;
    EXPECT_GT(offset, 0);
    EXPECT_EQ(moved.Origin.X, Round(t4.X - offset * s.Scene.EdgeDirX));
    EXPECT_EQ(moved.Origin.Y, Round(offset * s.Scene.EdgeDirY + t4.Y));
    EXPECT_NE(moved.Origin, t4);
}

TEST_F(Drawing, ForceDiagramIsTheBoxOfTheThreeComponents)
{
    const ForceDiagram d = ComputeForceDiagram(s.Scene, {65, 39, 15});
    const TPoint o = d.Origin;
    EXPECT_EQ(d.F1Tip, (TPoint{o.X, o.Y + 65}));
    EXPECT_EQ(d.F2Tip, (TPoint{Round(o.X - 39 * std::cos(0.35)), Round(o.Y + 39 * std::sin(0.35))}));
    EXPECT_EQ(d.F3Tip, (TPoint{Round(o.X + 15 * std::cos(0.48)), Round(o.Y + 15 * std::sin(0.48))}));
    EXPECT_EQ(d.ResultTip.X, d.F2Tip.X + d.F3Tip.X - o.X);
    EXPECT_EQ(d.ResultTip.Y, d.F2Tip.Y + d.F3Tip.Y - o.Y + 65);
}

TEST_F(Drawing, ForcesAreArrowsThenTheDottedBox)
{
    DrawForces(canvas, s.Scene, {65, 39, 15});
    const ForceDiagram d = ComputeForceDiagram(s.Scene, {65, 39, 15});
    const auto& c = canvas.Calls;
    ASSERT_EQ(c.size(), 4u + 2 + 3);
    const TColor arrowColors[] = {RGB(0, 0, 255), RGB(128, 0, 0), RGB(0, 128, 0), RGB(255, 0, 0)};
    const int widths[] = {2, 2, 2, 3};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(c[i].Kind, CallKind::Polygon);
        EXPECT_EQ(c[i].Pen.Color, arrowColors[i]);
        EXPECT_EQ(c[i].Brush.Color, arrowColors[i]);
        EXPECT_EQ(c[i].Pen.Width, widths[i]);
        EXPECT_EQ(c[i].Points.front(), d.Origin);
    }
    EXPECT_EQ(c[0].Points, (std::vector<TPoint>{d.Origin, d.F1Tip, d.F1Tip + TPoint{5, -10},
                                                d.F1Tip + TPoint{-5, -10}, d.F1Tip}));
    EXPECT_EQ(c[3].Points[1], d.ResultTip);
    for (int i = 4; i < 9; ++i) {
        EXPECT_EQ(c[i].Pen.Style, PenStyle::Dot) << i;
        EXPECT_EQ(c[i].Pen.Width, 1) << i;
        EXPECT_EQ(c[i].Pen.Color, RGB(0, 0, 255)) << i;
    }
    EXPECT_EQ(c[4].Kind, CallKind::Polyline);
    EXPECT_EQ(c[4].Brush.Style, BrushStyle::Clear);
    EXPECT_EQ(c[5].Points, (std::vector<TPoint>{d.F1Tip, d.CornerF1F2, d.ResultTip, d.CornerF1F3, d.F1Tip}));
    EXPECT_EQ(c[6].Kind, CallKind::Line);
    EXPECT_EQ(c[6].Points, (std::vector<TPoint>{d.F2Tip, d.CornerF1F2}));
    EXPECT_EQ(c[8].Points, (std::vector<TPoint>{d.F3Tip, d.CornerF1F3}));
    // The next picture starts with a solid brush and a solid pen.
    EXPECT_EQ(canvas.Brush().Style, BrushStyle::Solid);
    EXPECT_EQ(canvas.Brush().Color, RGB(200, 200, 200));
    EXPECT_EQ(canvas.Pen().Style, PenStyle::Solid);
}

TEST_F(Drawing, ZeroLengthArrowsLeaveOnlyTheHeadsAroundTheOrigin)
{
    DrawForces(canvas, s.Scene, {0, 0, 0});
    const ForceDiagram d = ComputeForceDiagram(s.Scene, {0, 0, 0});
    for (TPoint p : {d.F1Tip, d.F2Tip, d.F3Tip, d.CornerF2F3, d.CornerF1F2, d.CornerF1F3, d.ResultTip})
        EXPECT_EQ(p, d.Origin);
    const auto polygons = canvas.CallsOf(CallKind::Polygon);
    ASSERT_EQ(polygons.size(), 4u);
    EXPECT_EQ(polygons[1].Points[2], (d.Origin + TPoint{10, -8}));
    EXPECT_EQ(polygons[2].Points[3], (d.Origin + TPoint{-15, -2}));
}

TEST_F(Drawing, HugeArrowsStayWithinIntegerRange)
{
    const int huge = PixelLimit;
    const ForceDiagram d = ComputeForceDiagram(s.Scene, {huge, -huge, huge});
    EXPECT_GT(d.ResultTip.Y, 0);        // no wrap-around
    EXPECT_LT(d.CornerF2F3.X, 1 << 30); // sums of bounded pixels
    DrawForces(canvas, s.Scene, {huge, huge, huge});
    EXPECT_EQ(canvas.CallsOf(CallKind::Polygon).size(), 4u);
}

// The effects a running window performs, on a recording canvas.
class CanvasEffects : public test::FakeEffects {
public:
    CanvasEffects(SimulationState& s, RecordingCanvas& c) : s_(s), c_(c) {}
    void DrawWorkpieceAndTool() override { otpor::DrawWorkpieceAndTool(c_, s_.Scene); }
    void DrawForces() override { otpor::DrawForces(c_, s_.Scene, s_.Arrows()); }

private:
    SimulationState& s_;
    RecordingCanvas& c_;
};

TEST_F(Drawing, OneTickRepaintsThePictureThenDrawsTheForces)
{
    CanvasEffects fx(s, canvas);
    test::ChooseC1633AndP30(s);
    StartProcess(s, fx);
    ProcessTick(s, fx);
    const auto& c = canvas.Calls;
    ASSERT_EQ(c.size(), 193u + 9);
    EXPECT_EQ(c[0].Box, (TRect{0, 0, 473, 369}));
    EXPECT_EQ(c[193].Points[1].Y - c[193].Points[0].Y, 65); // F1 arrow of this tick
    EXPECT_EQ(c[201].Kind, CallKind::Line);

    // A reset draws workpiece and tool only: the arrows vanish.
    canvas.Calls.clear();
    ResetProcess(s, fx);
    EXPECT_EQ(canvas.Calls.size(), 193u);
}

} // namespace
} // namespace otpor
