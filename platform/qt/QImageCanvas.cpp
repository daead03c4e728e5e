#include "platform/qt/QImageCanvas.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include <algorithm>
#include <cstdlib>

namespace otpor::qt {

namespace {

using i64 = std::int64_t;

// Larger pixel sizes only cost time: no text of the pictures comes near it.
constexpr int MaxFontPixels = 1000;

std::uint32_t ToPixel(TColor c)
{
    const TColor rgb = ColorToRGB(c);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QRect ToQRect(const TRect& r)
{
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool SameFace(const otpor::Font& a, const otpor::Font& b)
{
    return a.Name == b.Name && a.Height == b.Height && a.Bold == b.Bold && a.Italic == b.Italic;
}

int PixelSize(int height)
{
    if (height == 0)
        return otpor::Font{}.Height;
    const i64 magnitude = std::abs(i64{height});
    return static_cast<int>(std::min<i64>(magnitude, MaxFontPixels));
}

// Whether a box around (left, top) of the size, widened by slack, can touch
// the clip. Keeps far-away anchors away from the painter's coordinates.
bool NearClip(const TRect& clip, i64 left, i64 top, i64 width, i64 height, i64 slack)
{
    return !clip.IsEmpty() && left + width + slack > clip.Left && left - slack < clip.Right &&
           top + height + slack > clip.Top && top - slack < clip.Bottom;
}

} // namespace

QImageCanvas::QImageCanvas(int width, int height)
{
    SetSize(width, height);
}

QImageCanvas::~QImageCanvas()
{
    ClosePainter();
}

void QImageCanvas::SetSize(int width, int height)
{
    ClosePainter();
    image_ = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    image_.fill(Qt::white);
    clipped_ = false;
    raster_.Attach(nullptr, 0, 0, 0);
}

void QImageCanvas::EndFrame()
{
    ClosePainter();
}

void QImageCanvas::ClosePainter()
{
    if (painter_.isActive())
        painter_.end();
}

Rasterizer& QImageCanvas::Pixels()
{
    // A copy of Image() shares the pixels until one side writes; detach
    // first, and never leave the painter on the pixels that the copy keeps.
    const auto* current = reinterpret_cast<const std::uint32_t*>(image_.constBits());
    if (!image_.isDetached() || raster_.Bits() != current || current == nullptr) {
        ClosePainter();
        auto* bits = reinterpret_cast<std::uint32_t*>(image_.bits());
        raster_.Attach(bits, image_.bytesPerLine() / static_cast<qsizetype>(sizeof(std::uint32_t)),
                       image_.width(), image_.height());
        if (clipped_)
            raster_.SetClip(clip_);
    }
    return raster_;
}

QPainter* QImageCanvas::TextPainter()
{
    Pixels();
    if (image_.isNull())
        return nullptr;
    if (!painter_.isActive()) {
        if (!painter_.begin(&image_))
            return nullptr;
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, false);
        painter_.setClipRect(ToQRect(raster_.Clip()));
        painterFontCurrent_ = false;
        painterColor_.reset();
    }
    const QFont& font = CurrentQFont();
    if (!painterFontCurrent_) {
        painter_.setFont(font);
        painterFontCurrent_ = true;
    }
    if (painterColor_ != Font().Color) {
        painter_.setPen(QColor::fromRgb(ToPixel(Font().Color)));
        painterColor_ = Font().Color;
    }
    return &painter_;
}

const QFont& QImageCanvas::CurrentQFont()
{
    if (!fontKey_ || !SameFace(*fontKey_, Font())) {
        fontKey_ = Font();
        QFont font(QString::fromStdString(Font().Name));
        font.setPixelSize(PixelSize(Font().Height));
        font.setBold(Font().Bold);
        font.setItalic(Font().Italic);
        // The pictures are specified per pixel: no grey edges on glyphs.
        font.setStyleStrategy(QFont::NoAntialias);
        qfont_ = font;
        metrics_.emplace(qfont_, &image_);
        painterFontCurrent_ = false;
    }
    return qfont_;
}

const QFontMetrics& QImageCanvas::Metrics()
{
    CurrentQFont();
    return *metrics_;
}

bool QImageCanvas::PenVisible() const
{
    return Pen().Style != PenStyle::Clear;
}

RasterOp QImageCanvas::CurrentOp() const
{
    return Pen().Mode == PenMode::NotXor ? RasterOp::NotXor : RasterOp::Copy;
}

LineStyle QImageCanvas::CurrentLineStyle() const
{
    LineStyle style;
    style.Pixel = ToPixel(Pen().Color);
    style.Width = std::clamp(Pen().Width, 1, Rasterizer::MaxPenWidth);
    // Like the reference platform, a styled pen wider than one pixel is solid.
    style.Dotted = Pen().Style == PenStyle::Dot && style.Width == 1;
    style.Op = CurrentOp();
    return style;
}

void QImageCanvas::Rectangle(int x1, int y1, int x2, int y2)
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

void QImageCanvas::FillRect(const TRect& r)
{
    if (Brush().Style == BrushStyle::Clear)
        return;
    Pixels().FillRect(r.Left, r.Top, r.Right, r.Bottom, ToPixel(Brush().Color), RasterOp::Copy);
}

void QImageCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const bool fill = Brush().Style != BrushStyle::Clear;
    Pixels().Ellipse(TRect{x1, y1, x2, y2}, fill, ToPixel(Brush().Color), PenVisible(), CurrentLineStyle(),
                     CurrentOp());
}

void QImageCanvas::Polygon(std::span<const TPoint> points)
{
    Rasterizer& px = Pixels();
    if (Brush().Style != BrushStyle::Clear)
        px.FillPolygon(points, ToPixel(Brush().Color), CurrentOp());
    if (PenVisible())
        px.Polyline(points, CurrentLineStyle(), true);
}

void QImageCanvas::Polyline(std::span<const TPoint> points)
{
    if (PenVisible())
        Pixels().Polyline(points, CurrentLineStyle(), false);
}

void QImageCanvas::PolylineTo(std::span<const TPoint> points)
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

void QImageCanvas::DrawLine(TPoint from, TPoint to)
{
    if (PenVisible())
        Pixels().Line(from, to, CurrentLineStyle());
}

void QImageCanvas::CellOrigin(i64 x, i64 y, int width, int height, i64& left, i64& top) const
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

void QImageCanvas::DrawTextLine(QPainter& painter, int left, int top, const QString& text)
{
    painter.drawText(QPoint(left, top + Metrics().ascent()), text);
}

void QImageCanvas::TextOut(int x, int y, std::string_view text)
{
    if (text.empty())
        return;
    const QString s = ToQString(text);
    const QFontMetrics& fm = Metrics();
    const int width = fm.horizontalAdvance(s);
    const int height = fm.height();
    i64 left = 0;
    i64 top = 0;
    CellOrigin(x, y, width, height, left, top);
    // Glyphs may overhang their cell a little (italics, accents).
    if (!NearClip(Pixels().Clip(), left, top, width, height, height))
        return;
    // A clear brush means a transparent text background, whatever the mode.
    if (Background() == BackgroundMode::Opaque && Brush().Style != BrushStyle::Clear)
        Pixels().FillRect(left, top, left + width, top + height, ToPixel(BackgroundColor()), RasterOp::Copy);
    if (QPainter* painter = TextPainter())
        DrawTextLine(*painter, static_cast<int>(left), static_cast<int>(top), s);
}

void QImageCanvas::RotatedTextOut(int x, int y, std::string_view text, int angleDegrees)
{
    if (text.empty())
        return;
    const QString s = ToQString(text);
    const QFontMetrics& fm = Metrics();
    const int width = fm.horizontalAdvance(s);
    const int height = fm.height();
    i64 left = 0;
    i64 top = 0;
    CellOrigin(0, 0, width, height, left, top);
    // Turned about the anchor, the cell stays within its diagonal of it.
    const i64 reach = i64{width} + height;
    if (!NearClip(Pixels().Clip(), x, y, 0, 0, reach + height))
        return;
    QPainter* painter = TextPainter();
    if (!painter)
        return;
    painter->translate(x, y);
    painter->rotate(-static_cast<double>(angleDegrees % 360));
    DrawTextLine(*painter, static_cast<int>(left), static_cast<int>(top), s);
    painter->resetTransform();
}

int QImageCanvas::TextWidth(std::string_view text)
{
    return Metrics().horizontalAdvance(ToQString(text));
}

int QImageCanvas::TextHeight(std::string_view)
{
    return Metrics().height();
}

void QImageCanvas::BandFill(int x, int y, int w, int h, TColor color)
{
    const i64 x0 = w < 0 ? i64{x} + w : x;
    const i64 x1 = w < 0 ? x : i64{x} + w;
    const i64 y0 = h < 0 ? i64{y} + h : y;
    const i64 y1 = h < 0 ? y : i64{y} + h;
    Pixels().FillRect(x0, y0, x1, y1, ToPixel(color), RasterOp::Copy);
}

void QImageCanvas::Bevel(const TRect& r, TColor topLeft, TColor bottomRight, int width)
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

void QImageCanvas::ClipRect(const TRect& r)
{
    clipped_ = true;
    clip_ = r;
    Pixels().SetClip(r);
    if (painter_.isActive())
        painter_.setClipRect(ToQRect(raster_.Clip()));
}

void QImageCanvas::RemoveClip()
{
    clipped_ = false;
    Pixels().RemoveClip();
    if (painter_.isActive())
        painter_.setClipRect(ToQRect(raster_.Clip()));
}

} // namespace otpor::qt
