#include "scene/SceneDrawing.h"

#include <array>
#include <cmath>

namespace otpor {

namespace {

// The F2 arrow points left and down 0.35 rad below the horizontal; F3 right
// and down 0.48 rad, close to the workpiece axis (slope 1 in 2).
constexpr double F2ArrowAngle = 0.35;
constexpr double F3ArrowAngle = 0.48;

struct ArrowDirections {
    double CosF2 = std::cos(F2ArrowAngle);
    double SinF2 = std::sin(F2ArrowAngle);
    double CosF3 = std::cos(F3ArrowAngle);
    double SinF3 = std::sin(F3ArrowAngle);
};

const ArrowDirections& Directions()
{
    static const ArrowDirections directions;
    return directions;
}

// The white clearing box is wider than the picture, as it always was.
constexpr TRect ClearBox{0, 0, 473, PictureHeight};
constexpr int StripCount = RingPoints - 1;

constexpr TColor EndFaceColor = RGB(180, 180, 180);
constexpr TColor UnderAuxEdgeColor = RGB(130, 130, 140);
constexpr TColor FlankColor = RGB(150, 150, 160);
constexpr TColor RakeFaceColor = RGB(215, 215, 220);
constexpr TColor ShankColor = RGB(190, 190, 200);

constexpr TColor F1ArrowColor = RGB(0, 0, 255);
constexpr TColor F2ArrowColor = RGB(128, 0, 0);
constexpr TColor F3ArrowColor = RGB(0, 128, 0);
constexpr TColor ResultArrowColor = RGB(255, 0, 0);
constexpr TColor BoxColor = RGB(0, 0, 255);
// Set last so that the next picture starts with a solid brush.
constexpr TColor FinalBrushColor = RGB(200, 200, 200);

TPoint At(const RingArray& xs, const RingArray& ys, int i)
{
    return {xs[i], ys[i]};
}

void StripPolygon(Canvas& c, TColor color, TPoint a, TPoint b, TPoint d, TPoint e)
{
    c.SetBrushColor(color);
    c.SetPenColor(color);
    const std::array<TPoint, 4> quad{a, b, d, e};
    c.Polygon(quad);
}

void ToolFace(Canvas& c, TColor color, std::initializer_list<TPoint> corners)
{
    c.SetBrushColor(color);
    c.Polygon(std::span<const TPoint>(corners.begin(), corners.size()));
}

} // namespace

ForceDiagram ComputeForceDiagram(const SceneGeometry& g, const ArrowLengths& len)
{
    const ArrowDirections& dir = Directions();
    const TPoint t4 = g.ToolPoint[4];
    ForceDiagram d;
    const TPoint o{ClampPx(t4.X - g.ForceOffset * g.EdgeDirX), ClampPx(g.ForceOffset * g.EdgeDirY + t4.Y)};
    d.Origin = o;
    d.F1Tip = {o.X, o.Y + len.F1};
    d.F2Tip = {ClampPx(o.X - len.F2 * dir.CosF2), ClampPx(o.Y + len.F2 * dir.SinF2)};
    d.F3Tip = {ClampPx(o.X + len.F3 * dir.CosF3), ClampPx(o.Y + len.F3 * dir.SinF3)};
    d.CornerF2F3 = {d.F2Tip.X + d.F3Tip.X - o.X, d.F2Tip.Y + d.F3Tip.Y - o.Y};
    d.CornerF1F2 = {d.F2Tip.X, d.F2Tip.Y + d.F1Tip.Y - o.Y};
    d.CornerF1F3 = {d.F3Tip.X, d.F3Tip.Y + d.F1Tip.Y - o.Y};
    d.ResultTip = {d.CornerF2F3.X, d.CornerF2F3.Y + d.F1Tip.Y - o.Y};
    return d;
}

void DrawWorkpieceAndTool(Canvas& c, const SceneGeometry& g)
{
    c.SetPenColor(clWhite);
    c.SetPenWidth(1);
    c.SetBrushColor(clWhite);
    c.Rectangle(ClearBox.Left, ClearBox.Top, ClearBox.Right, ClearBox.Bottom);

    for (int i = 0; i < StripCount; ++i) {
        const int s = g.StockShade[i] & 0xFF;
        StripPolygon(c, RGB(s + 20, s, s), At(g.StockFarX, g.StockFarY, i),
                     At(g.StockFarX, g.StockFarY, i + 1), At(g.StockNearX, g.StockNearY, i + 1),
                     At(g.StockNearX, g.StockNearY, i));
    }
    for (int i = 0; i < StripCount; ++i) {
        const int f = g.FaceShade[i] & 0xFF;
        StripPolygon(c, RGB(f, f, f), At(g.StockNearX, g.StockNearY, i),
                     At(g.StockNearX, g.StockNearY, i + 1), At(g.TurnedNearX, g.TurnedNearY, i + 1),
                     At(g.TurnedNearX, g.TurnedNearY, i));
    }
    for (int i = 0; i < StripCount; ++i) {
        const int t = g.TurnedShade[i] & 0xFF;
        StripPolygon(c, RGB(t, t, t), At(g.TurnedNearX, g.TurnedNearY, i),
                     At(g.TurnedNearX, g.TurnedNearY, i + 1), At(g.TurnedEndX, g.TurnedEndY, i + 1),
                     At(g.TurnedEndX, g.TurnedEndY, i));
    }

    // From here on the outlines keep the pen of the last turned strip.
    c.SetBrushColor(EndFaceColor);
    const TRect& e = g.EndFaceBox;
    c.Ellipse(e.Left, e.Top, e.Right, e.Bottom);

    const auto& T = g.ToolPoint;
    ToolFace(c, UnderAuxEdgeColor, {T[4], T[3], T[7], T[8]});
    ToolFace(c, FlankColor, {T[3], T[2], T[1], T[9], T[10], T[7]});
    ToolFace(c, RakeFaceColor, {T[0], T[1], T[2], T[3], T[4], T[5], T[6]});
    ToolFace(c, ShankColor, {T[0], T[11], T[9], T[1]});
    ToolFace(c, ShankColor, {T[11], T[12], T[10], T[9]});
}

void DrawForces(Canvas& c, const SceneGeometry& g, const ArrowLengths& lengths)
{
    const ForceDiagram d = ComputeForceDiagram(g, lengths);
    const TPoint o = d.Origin;

    auto arrow = [&](TColor color, TPoint tip, TPoint head1, TPoint head2) {
        c.SetPenColor(color);
        c.SetBrushColor(color);
        const std::array<TPoint, 5> shape{o, tip, tip + head1, tip + head2, tip};
        c.Polygon(shape);
    };

    c.SetPenWidth(2);
    arrow(F1ArrowColor, d.F1Tip, {5, -10}, {-5, -10});
    arrow(F2ArrowColor, d.F2Tip, {10, -8}, {15, -2});
    arrow(F3ArrowColor, d.F3Tip, {-10, -8}, {-15, -2});
    c.SetPenWidth(3);
    arrow(ResultArrowColor, d.ResultTip, {-5, -10}, {5, -10});

    c.SetPenWidth(1);
    c.SetBrushStyle(BrushStyle::Clear);
    c.SetPenColor(BoxColor);
    c.SetPenStyle(PenStyle::Dot);
    const std::array<TPoint, 3> top{d.F2Tip, d.CornerF2F3, d.F3Tip};
    c.Polyline(top);
    const std::array<TPoint, 5> bottom{d.F1Tip, d.CornerF1F2, d.ResultTip, d.CornerF1F3, d.F1Tip};
    c.Polyline(bottom);

    c.SetBrushColor(FinalBrushColor);
    c.MoveTo(d.F2Tip.X, d.F2Tip.Y);
    c.LineTo(d.CornerF1F2.X, d.CornerF1F2.Y);
    c.MoveTo(d.CornerF2F3.X, d.CornerF2F3.Y);
    c.LineTo(d.ResultTip.X, d.ResultTip.Y);
    c.MoveTo(d.F3Tip.X, d.F3Tip.Y);
    c.LineTo(d.CornerF1F3.X, d.CornerF1F3.Y);
    c.SetPenStyle(PenStyle::Solid);
}

} // namespace otpor
