#include "platform/RasterCanvas.h"

#include <algorithm>

namespace otpor {

namespace {

using i64 = std::int64_t;
using qt::LineStyle;
using qt::Rasterizer;
using qt::RasterOp;

} // namespace

std::uint32_t RasterCanvas::ToPixel(TColor c) const
{
    const TColor rgb = ColorToRGB(c);
    const auto r = static_cast<std::uint32_t>(GetRValue(rgb));
    const auto g = static_cast<std::uint32_t>(GetGValue(rgb));
    const auto b = static_cast<std::uint32_t>(GetBValue(rgb));
    if (order_ == PixelOrder::Rgba)
        return 0xFF000000u | (b << 16) | (g << 8) | r;
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

bool RasterCanvas::PenVisible() const
{
    return Pen().Style != PenStyle::Clear;
}

RasterOp RasterCanvas::CurrentOp() const
{
    return Pen().Mode == PenMode::NotXor ? RasterOp::NotXor : RasterOp::Copy;
}

LineStyle RasterCanvas::CurrentLineStyle() const
{
    LineStyle style;
    style.Pixel = ToPixel(Pen().Color);
    style.Width = std::clamp(Pen().Width, 1, Rasterizer::MaxPenWidth);
    // Like the reference platform, a styled pen wider than one pixel is solid.
    style.Dotted = Pen().Style == PenStyle::Dot && style.Width == 1;
    style.Op = CurrentOp();
    return style;
}

void RasterCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    Rasterizer& px = Pixels();
    const i64 left = std::min(x1, x2);
    const i64 right = std::max(x1, x2);
    const i64 top = std::min(y1, y2);
    const i64 bottom = std::max(y1, y2);
    if (right <= left || bottom <= top)
        return;
    const RasterOp op = CurrentOp();
    const bool fill = Brush().Style != BrushStyle::Clear;
    const std::uint32_t brush = ToPixel(Brush().Color);
    if (!PenVisible()) {
        if (fill)
            px.FillRect(left, top, right, bottom, brush, op);
        return;
    }
    const LineStyle pen = CurrentLineStyle();
    if (pen.Dotted) {
        if (fill)
            px.FillRect(left + 1, top + 1, right - 1, bottom - 1, brush, op);
        const int l = static_cast<int>(left);
        const int t = static_cast<int>(top);
        const int r = static_cast<int>(right - 1);
        const int b = static_cast<int>(bottom - 1);
        const TPoint corners[] = {{l, t}, {r, t}, {r, b}, {l, b}};
        px.Polyline(corners, pen, true);
        return;
    }
    // The outline is centred on the edge columns and rows, which for a thin
    // pen are left, right - 1, top and bottom - 1. Frame and fill are disjoint,
    // so that not-xor sets every pixel once.
    const i64 w = pen.Width;
    const i64 outerLeft = left - (w - 1) / 2;
    const i64 outerTop = top - (w - 1) / 2;
    const i64 outerRight = right - 1 - (w - 1) / 2 + w;
    const i64 outerBottom = bottom - 1 - (w - 1) / 2 + w;
    const i64 innerLeft = outerLeft + w;
    const i64 innerTop = outerTop + w;
    const i64 innerRight = outerRight - w;
    const i64 innerBottom = outerBottom - w;
    if (innerLeft >= innerRight || innerTop >= innerBottom) {
        px.FillRect(outerLeft, outerTop, outerRight, outerBottom, pen.Pixel, op);
        return;
    }
    if (fill)
        px.FillRect(innerLeft, innerTop, innerRight, innerBottom, brush, op);
    px.FillRect(outerLeft, outerTop, outerRight, innerTop, pen.Pixel, op);
    px.FillRect(outerLeft, innerBottom, outerRight, outerBottom, pen.Pixel, op);
    px.FillRect(outerLeft, innerTop, innerLeft, innerBottom, pen.Pixel, op);
    px.FillRect(innerRight, innerTop, outerRight, innerBottom, pen.Pixel, op);
}

void RasterCanvas::FillRect(const TRect& r)
{
    if (Brush().Style == BrushStyle::Clear)
        return;
    Pixels().FillRect(r.Left, r.Top, r.Right, r.Bottom, ToPixel(Brush().Color), RasterOp::Copy);
}

void RasterCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const bool fill = Brush().Style != BrushStyle::Clear;
    Pixels().Ellipse(TRect{x1, y1, x2, y2}, fill, ToPixel(Brush().Color), PenVisible(), CurrentLineStyle(),
                     CurrentOp());
}

void RasterCanvas::Polygon(std::span<const TPoint> points)
{
    Rasterizer& px = Pixels();
    if (Brush().Style != BrushStyle::Clear)
        px.FillPolygon(points, ToPixel(Brush().Color), CurrentOp());
    if (PenVisible())
        px.Polyline(points, CurrentLineStyle(), true);
}

void RasterCanvas::Polyline(std::span<const TPoint> points)
{
    if (PenVisible())
        Pixels().Polyline(points, CurrentLineStyle(), false);
}

void RasterCanvas::DrawLine(TPoint from, TPoint to)
{
    if (PenVisible())
        Pixels().Line(from, to, CurrentLineStyle());
}

void RasterCanvas::BandFill(int x, int y, int w, int h, TColor color)
{
    const i64 x0 = w < 0 ? i64{x} + w : x;
    const i64 x1 = w < 0 ? x : i64{x} + w;
    const i64 y0 = h < 0 ? i64{y} + h : y;
    const i64 y1 = h < 0 ? y : i64{y} + h;
    Pixels().FillRect(x0, y0, x1, y1, ToPixel(color), RasterOp::Copy);
}

void RasterCanvas::Bevel(const TRect& r, TColor topLeft, TColor bottomRight, int width)
{
    Rasterizer& px = Pixels();
    const TRect& c = px.Clip();
    if (width <= 0 || r.IsEmpty() || c.IsEmpty())
        return;
    const i64 left = r.Left;
    const i64 top = r.Top;
    const i64 right = r.Right;
    const i64 bottom = r.Bottom;
    // Ring i is the frame of r shrunk by i on every side. Only the rings that
    // cross the clip are visited: the clip lies inside ring `firstRing`'s inner
    // rectangle for smaller i, and outside the rings beyond `lastRing`.
    const i64 firstRing = std::max<i64>(
        0, std::min({i64{c.Left} - left, i64{c.Top} - top, right - c.Right, bottom - c.Bottom}));
    const i64 lastRing = std::min({i64{width}, i64{c.Right} - left, right - c.Left, i64{c.Bottom} - top,
                                   bottom - c.Top, (right - left + 1) / 2, (bottom - top + 1) / 2}) -
                         1;
    const std::uint32_t light = ToPixel(topLeft);
    const std::uint32_t dark = ToPixel(bottomRight);
    for (i64 i = firstRing; i <= lastRing; ++i) {
        const i64 l = left + i;
        const i64 t = top + i;
        const i64 rr = right - i;
        const i64 b = bottom - i;
        // Top row and left column stop short of the far corners, which belong
        // to the right column and bottom row.
        px.FillRect(l, t, rr - 1, t + 1, light, RasterOp::Copy);
        px.FillRect(l, t, l + 1, b - 1, light, RasterOp::Copy);
        px.FillRect(rr - 1, t, rr, b, dark, RasterOp::Copy);
        px.FillRect(l, b - 1, rr, b, dark, RasterOp::Copy);
    }
}

void RasterCanvas::ClipRect(const TRect& r)
{
    clipped_ = true;
    clip_ = r;
    Pixels().SetClip(r);
}

void RasterCanvas::RemoveClip()
{
    clipped_ = false;
    Pixels().RemoveClip();
}

void RasterCanvas::CellOrigin(i64 x, i64 y, int width, int height, i64& left, i64& top) const
{
    switch (TextAlign().Horizontal) {
    case HorizontalAlign::Left:
        left = x;
        break;
    case HorizontalAlign::Center:
        left = x - width / 2;
        break;
    case HorizontalAlign::Right:
        left = x - width;
        break;
    }
    top = TextAlign().Vertical == VerticalAlign::Bottom ? y - height : y;
}

bool RasterCanvas::NearClip(const TRect& clip, i64 left, i64 top, i64 width, i64 height, i64 slack)
{
    return !clip.IsEmpty() && left + width + slack > clip.Left && left - slack < clip.Right &&
           top + height + slack > clip.Top && top - slack < clip.Bottom;
}

} // namespace otpor
