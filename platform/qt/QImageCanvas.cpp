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

std::optional<std::uint32_t> QImageCanvas::CurrentFill() const
{
    if (Brush().Style == BrushStyle::Clear)
        return std::nullopt;
    return ToPixel(Brush().Color);
}

std::optional<LineStyle> QImageCanvas::CurrentPen() const
{
    if (!PenVisible())
        return std::nullopt;
    return CurrentLineStyle();
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
    Pixels().Rectangle(TRect{x1, y1, x2, y2}, CurrentFill(), CurrentPen(), CurrentOp());
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
    Pixels().Polygon(points, CurrentFill(), CurrentPen(), CurrentOp());
}

void QImageCanvas::Polyline(std::span<const TPoint> points)
{
    if (PenVisible())
        Pixels().Polyline(points, CurrentLineStyle(), false);
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
    Pixels().Bevel(r, ToPixel(topLeft), ToPixel(bottomRight), width);
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
