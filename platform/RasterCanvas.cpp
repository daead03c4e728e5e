#include "platform/RasterCanvas.h"

#include <algorithm>
#include <utility>

namespace otpor {

namespace {

using i64 = std::int64_t;

int Clamp(i64 v)
{
    return static_cast<int>(std::clamp<i64>(v, -(i64{1} << 30), i64{1} << 30));
}

} // namespace

RasterCanvas::RasterCanvas(PixelOrder order, std::unique_ptr<TextEngine> text)
    : order_(order), text_(std::move(text))
{
}

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

bool RasterCanvas::SetScale(double scale)
{
    const double drawn = Scale();
    raster_.SetScale(scale);
    if (Scale() == drawn)
        return false;
    ScaleChanged();
    return true;
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

std::optional<std::uint32_t> RasterCanvas::CurrentFill() const
{
    if (Brush().Style == BrushStyle::Clear)
        return std::nullopt;
    return ToPixel(Brush().Color);
}

std::optional<LineStyle> RasterCanvas::CurrentPen() const
{
    if (!PenVisible())
        return std::nullopt;
    return CurrentLineStyle();
}

void RasterCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    Pixels().Rectangle(TRect{x1, y1, x2, y2}, CurrentFill(), CurrentPen(), CurrentOp());
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
    Pixels().Polygon(points, CurrentFill(), CurrentPen(), CurrentOp());
}

void RasterCanvas::Polyline(std::span<const TPoint> points)
{
    if (PenVisible())
        Pixels().Polyline(points, CurrentLineStyle(), false);
}

void RasterCanvas::PolylineTo(std::span<const TPoint> points)
{
    if (points.empty())
        return;
    if (PenVisible()) {
        Rasterizer& px = Pixels();
        const LineStyle style = CurrentLineStyle();
        TPoint from = PenPos();
        for (const TPoint to : points) {
            px.Line(from, to, style);
            from = to;
        }
    }
    MoveTo(points.back().X, points.back().Y);
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
    Pixels().Bevel(r, ToPixel(topLeft), ToPixel(bottomRight), width);
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

bool RasterCanvas::NearClip(i64 left, i64 top, i64 width, i64 height, i64 slack)
{
    const Rasterizer& px = Pixels();
    const TRect& clip = px.Clip();
    return !clip.IsEmpty() && px.ToDevice(left + width + slack) > clip.Left &&
           px.ToDevice(left - slack) < clip.Right && px.ToDevice(top + height + slack) > clip.Top &&
           px.ToDevice(top - slack) < clip.Bottom;
}

void RasterCanvas::TextOut(int x, int y, std::string_view text)
{
    if (text.empty())
        return;
    const int width = text_->Width(Font(), text);
    const int height = text_->Height(Font());
    i64 left = 0;
    i64 top = 0;
    CellOrigin(x, y, width, height, left, top);
    // Glyphs may overhang their cell a little (italics, accents).
    if (!NearClip(left, top, width, height, height))
        return;
    // A clear brush means a transparent text background, whatever the mode.
    if (Background() == BackgroundMode::Opaque && Brush().Style != BrushStyle::Clear)
        Pixels().FillRect(left, top, left + width, top + height, ToPixel(BackgroundColor()), RasterOp::Copy);
    const int slack = height / 4 + 1;
    DrawText(text, 0, 0, 0, left, top, {-slack, -slack, width + slack, height + slack});
}

void RasterCanvas::RotatedTextOut(int x, int y, std::string_view text, int angleDegrees)
{
    if (text.empty())
        return;
    const int width = text_->Width(Font(), text);
    const int height = text_->Height(Font());
    // Turned about the anchor, the cell stays within its diagonal of it.
    const i64 reach = i64{width} + height;
    if (!NearClip(x, y, 0, 0, reach + height))
        return;
    i64 left = 0;
    i64 top = 0;
    CellOrigin(0, 0, width, height, left, top);
    const int r = Clamp(reach);
    DrawText(text, angleDegrees % 360, left, top, x, y, {-r, -r, r, r});
}

void RasterCanvas::DrawText(std::string_view text, int angle, i64 cellLeft, i64 cellTop, i64 x, i64 y,
                            const TRect& reach)
{
    Rasterizer& px = Pixels();
    const i64 ax = px.ToDevice(x);
    const i64 ay = px.ToDevice(y);
    const TRect& clip = px.Clip();
    const TRect shown{Clamp(clip.Left - ax), Clamp(clip.Top - ay), Clamp(clip.Right - ax),
                      Clamp(clip.Bottom - ay)};
    const TextStamp* stamp =
        text_->Stamp(Font(), text, angle, Clamp(cellLeft), Clamp(cellTop), Scale(), shown);
    if (!stamp)
        return;
    const std::uint32_t ink = ToPixel(Font().Color);
    for (const TextStamp::Run& run : stamp->Runs) {
        const i64 row = ay + run.Dy;
        if (run.Coverage < 0)
            px.FillDevice(ax + run.Dx0, row, ax + run.Dx1, row + 1, ink);
        else
            px.BlendDevice(ax + run.Dx0, row, stamp->Coverage.data() + run.Coverage, run.Dx1 - run.Dx0, ink);
    }
    const TRect touched =
        Intersect(TRect{Clamp(ax + px.ToDevice(reach.Left)), Clamp(ay + px.ToDevice(reach.Top)),
                        Clamp(ax + px.ToDevice(reach.Right)), Clamp(ay + px.ToDevice(reach.Bottom))},
                  clip);
    if (!touched.IsEmpty())
        TextPlaced(touched);
}

int RasterCanvas::TextWidth(std::string_view text)
{
    return text_->Width(Font(), text);
}

int RasterCanvas::TextHeight(std::string_view)
{
    return text_->Height(Font());
}

} // namespace otpor
