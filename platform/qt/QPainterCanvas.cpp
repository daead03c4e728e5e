#include "platform/qt/QPainterCanvas.h"

#include <QColor>
#include <QPainterPath>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace otpor::qt {

namespace {

using i64 = std::int64_t;

// How far beyond the picture geometry is kept: wider than any pen, so that
// the cut ends of clipped shapes never show.
constexpr double Guard = 160;
constexpr int MaxPenWidth = 64;
constexpr int MaxFontPixels = 1000;

QRgb ToRgb(TColor c)
{
    const TColor rgb = ColorToRGB(c);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int PixelSize(int height)
{
    if (height == 0)
        return otpor::Font{}.Height;
    return static_cast<int>(std::min<i64>(std::abs(i64{height}), MaxFontPixels));
}

bool SameFace(const otpor::Font& a, const otpor::Font& b)
{
    return a.Name == b.Name && a.Height == b.Height && a.Bold == b.Bold && a.Italic == b.Italic;
}

// Cuts the segment a-b to the box; false when nothing of it is inside. t0 and
// t1 give the kept part as fractions of the segment.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& box, double& t0, double& t1)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    t0 = 0;
    t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(), box.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = start + QPointF(dx * t0, dy * t0);
    b = start + QPointF(dx * t1, dy * t1);
    return true;
}

// One side of the guard box: keeps the points with side(p) >= 0. Clipping a
// polygon to a half-plane keeps its even-odd inside there unchanged.
template <class Side, class Cross>
void ClipToSide(const std::vector<QPointF>& in, std::vector<QPointF>& out, Side side, Cross cross)
{
    out.clear();
    const std::size_t n = in.size();
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF& cur = in[i];
        const QPointF& prev = in[(i + n - 1) % n];
        const bool curIn = side(cur) >= 0;
        const bool prevIn = side(prev) >= 0;
        if (curIn != prevIn)
            out.push_back(cross(prev, cur));
        if (curIn)
            out.push_back(cur);
    }
}

} // namespace

QPainterCanvas::QPainterCanvas(int width, int height, double ratio) : ratio_(ratio > 0 ? ratio : 1)
{
    // Whole ratios (2, 3, 4) set the pixels of shapes directly: a layout
    // pixel is then a square of whole device pixels.
    const double whole = std::round(ratio_);
    if (whole == ratio_ && whole >= 2 && whole <= 4)
        scale_ = static_cast<int>(whole);
    SetSize(width, height);
}

QPainterCanvas::~QPainterCanvas()
{
    ClosePainter();
}

void QPainterCanvas::SetSize(int width, int height)
{
    ClosePainter();
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    image_ = QImage(static_cast<int>(std::ceil(width_ * ratio_)),
                    static_cast<int>(std::ceil(height_ * ratio_)), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio_);
    image_.fill(Qt::white);
    clipped_ = false;
    raster_.Attach(nullptr, 0, 0, 0);
}

void QPainterCanvas::EndFrame()
{
    ClosePainter();
}

void QPainterCanvas::ClosePainter()
{
    if (painter_.isActive())
        painter_.end();
}

Rasterizer& QPainterCanvas::Pixels()
{
    // Shares the pixels with the painter; a copy of Image() is never written.
    if (!image_.isDetached()) {
        ClosePainter();
        image_.detach();
    }
    auto* bits = reinterpret_cast<std::uint32_t*>(image_.bits());
    if (raster_.Bits() != bits) {
        raster_.Attach(bits, image_.bytesPerLine() / static_cast<qsizetype>(sizeof(std::uint32_t)),
                       image_.width(), image_.height());
        rasterClip_.reset();
    }
    const QRect c = ClipBox();
    const TRect device{c.left() * scale_, c.top() * scale_, (c.left() + c.width()) * scale_,
                       (c.top() + c.height()) * scale_};
    if (rasterClip_ != device) {
        raster_.SetClip(device);
        rasterClip_ = device;
    }
    return raster_;
}

QPainter& QPainterCanvas::Painter()
{
    // A copy of Image() shares the pixels until one side writes: never leave
    // the painter on pixels that a copy keeps.
    if (painter_.isActive() && !image_.isDetached())
        ClosePainter();
    if (!painter_.isActive() && !image_.isNull()) {
        image_.detach();
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        painter_.setClipRect(ClipBox());
        painterFontCurrent_ = false;
        notXor_ = false;
    }
    return painter_;
}

void QPainterCanvas::SetOp(bool notXor)
{
    if (notXor != notXor_) {
        painter_.setCompositionMode(notXor ? QPainter::RasterOp_NotSourceXorDestination
                                           : QPainter::CompositionMode_SourceOver);
        notXor_ = notXor;
    }
}

int QPainterCanvas::PenWidth() const
{
    return std::clamp(Pen().Width, 1, MaxPenWidth);
}

void QPainterCanvas::Fill(i64 left, i64 top, i64 right, i64 bottom, QRgb colour)
{
    const double l = std::max<double>(static_cast<double>(left), -Guard);
    const double t = std::max<double>(static_cast<double>(top), -Guard);
    const double r = std::min<double>(static_cast<double>(right), width_ + Guard);
    const double b = std::min<double>(static_cast<double>(bottom), height_ + Guard);
    if (r <= l || b <= t)
        return;
    if (scale_ != 0) {
        const i64 k = scale_;
        Pixels().FillRect(static_cast<i64>(l) * k, static_cast<i64>(t) * k, static_cast<i64>(r) * k,
                          static_cast<i64>(b) * k, colour, notXor_ ? RasterOp::NotXor : RasterOp::Copy);
        return;
    }
    painter_.fillRect(QRectF(l, t, r - l, b - t), QColor(colour));
}

void QPainterCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const i64 left = std::min(x1, x2);
    const i64 right = std::max(x1, x2);
    const i64 top = std::min(y1, y2);
    const i64 bottom = std::max(y1, y2);
    if (right <= left || bottom <= top || image_.isNull())
        return;
    Painter();
    SetOp(Pen().Mode == PenMode::NotXor);
    const bool fill = Brush().Style != BrushStyle::Clear;
    const QRgb brush = ToRgb(Brush().Color);
    if (!PenVisible()) {
        if (fill)
            Fill(left, top, right, bottom, brush);
        return;
    }
    if (Pen().Style == PenStyle::Dot && PenWidth() == 1) {
        if (fill)
            Fill(left + 1, top + 1, right - 1, bottom - 1, brush);
        const int l = static_cast<int>(left);
        const int t = static_cast<int>(top);
        const int r = static_cast<int>(right - 1);
        const int b = static_cast<int>(bottom - 1);
        const TPoint corners[] = {{l, t}, {r, t}, {r, b}, {l, b}};
        Outline(corners, true);
        return;
    }
    const RectangleFrame frame = FrameOf({left, top, right, bottom}, PenWidth());
    const PixelBox& inside = frame.Inside;
    if (fill && inside.Left < inside.Right)
        Fill(inside.Left, inside.Top, inside.Right, inside.Bottom, brush);
    const QRgb pen = ToRgb(Pen().Color);
    for (const PixelBox& band : frame.Bands)
        Fill(band.Left, band.Top, band.Right, band.Bottom, pen);
}

void QPainterCanvas::FillRect(const TRect& r)
{
    if (Brush().Style == BrushStyle::Clear || image_.isNull())
        return;
    Painter();
    SetOp(false);
    Fill(r.Left, r.Top, r.Right, r.Bottom, ToRgb(Brush().Color));
}

void QPainterCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const double left = std::min(x1, x2);
    const double right = std::max(x1, x2);
    const double top = std::min(y1, y2);
    const double bottom = std::max(y1, y2);
    if (right <= left || bottom <= top || image_.isNull())
        return;
    // No picture holds an ellipse of this size; beyond it QPainter's own
    // arithmetic is not safe.
    constexpr double Limit = 1 << 20;
    if (left < -Limit || top < -Limit || right > Limit || bottom > Limit)
        return;
    QPainter& p = Painter();
    SetOp(Pen().Mode == PenMode::NotXor);
    const QRectF box(left, top, right - left, bottom - top);
    if (Brush().Style != BrushStyle::Clear) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(ToRgb(Brush().Color)));
        p.drawEllipse(box);
    }
    if (PenVisible()) {
        const double w = PenWidth();
        QPen pen(QColor(ToRgb(Pen().Color)), w);
        if (Pen().Style == PenStyle::Dot && w == 1)
            pen.setDashPattern({1, 1});
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        // The outline lies inside the box, as its pixels do.
        p.drawEllipse(box.adjusted(w / 2, w / 2, -w / 2, -w / 2));
    }
}

const std::vector<QPointF>& QPainterCanvas::Clipped(std::span<const TPoint> points, double shift)
{
    clipIn_.clear();
    for (const TPoint& pt : points)
        clipIn_.emplace_back(pt.X + shift, pt.Y + shift);
    const double l = -Guard;
    const double t = -Guard;
    const double r = width_ + Guard;
    const double b = height_ + Guard;
    auto atX = [](const QPointF& a, const QPointF& c, double x) {
        return QPointF(x, a.y() + (c.y() - a.y()) * (x - a.x()) / (c.x() - a.x()));
    };
    auto atY = [](const QPointF& a, const QPointF& c, double y) {
        return QPointF(a.x() + (c.x() - a.x()) * (y - a.y()) / (c.y() - a.y()), y);
    };
    ClipToSide(
        clipIn_, clipOut_, [&](const QPointF& q) { return q.x() - l; },
        [&](const QPointF& a, const QPointF& c) { return atX(a, c, l); });
    ClipToSide(
        clipOut_, clipIn_, [&](const QPointF& q) { return r - q.x(); },
        [&](const QPointF& a, const QPointF& c) { return atX(a, c, r); });
    ClipToSide(
        clipIn_, clipOut_, [&](const QPointF& q) { return q.y() - t; },
        [&](const QPointF& a, const QPointF& c) { return atY(a, c, t); });
    ClipToSide(
        clipOut_, clipIn_, [&](const QPointF& q) { return b - q.y(); },
        [&](const QPointF& a, const QPointF& c) { return atY(a, c, b); });
    return clipIn_;
}

void QPainterCanvas::Polygon(std::span<const TPoint> points)
{
    if (points.empty() || image_.isNull())
        return;
    QPainter& p = Painter();
    SetOp(Pen().Mode == PenMode::NotXor);
    if (Brush().Style != BrushStyle::Clear && scale_ != 0) {
        // The same corner rule on the device's pixels: device pixel (i, j) is
        // inside when the layout point (i, j) / scale is.
        const std::vector<QPointF>& inside = Clipped(points, 0);
        devicePoints_.clear();
        for (const QPointF& q : inside)
            devicePoints_.push_back({static_cast<int>(std::lround(q.x() * scale_)),
                                     static_cast<int>(std::lround(q.y() * scale_))});
        if (devicePoints_.size() >= 3)
            Pixels().FillPolygon(devicePoints_, ToRgb(Brush().Color),
                                 notXor_ ? RasterOp::NotXor : RasterOp::Copy);
    } else if (Brush().Style != BrushStyle::Clear) {
        // A pixel is inside when its top-left corner is, so the polygon is moved
        // by half a device pixel onto the device pixels' centres, which QPainter samples.
        const std::vector<QPointF>& inside = Clipped(points, 0.5 / ratio_);
        if (inside.size() >= 3) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(ToRgb(Brush().Color)));
            p.drawPolygon(inside.data(), static_cast<int>(inside.size()), Qt::OddEvenFill);
        }
    }
    if (PenVisible())
        Outline(points, true);
}

void QPainterCanvas::Polyline(std::span<const TPoint> points)
{
    if (!PenVisible() || points.size() < 2 || image_.isNull())
        return;
    Painter();
    SetOp(Pen().Mode == PenMode::NotXor);
    Outline(points, false);
}

void QPainterCanvas::DrawLine(TPoint from, TPoint to)
{
    if (!PenVisible() || image_.isNull())
        return;
    Painter();
    SetOp(Pen().Mode == PenMode::NotXor);
    const TPoint both[] = {from, to};
    Outline(both, false);
}

void QPainterCanvas::Outline(std::span<const TPoint> points, bool closed)
{
    const int w = PenWidth();
    // Thin solid lines at a whole ratio are set by the rasterizer, without QPainter.
    if (scale_ == 0 || w > 1 || Pen().Style == PenStyle::Dot) {
        QPen pen(QColor(ToRgb(Pen().Color)), w);
        // A wide pen is round and keeps its ends. A thin one stops short of
        // them, drawn as device-pixel lines side by side: QPainter's fastest.
        pen.setCapStyle(w == 1 ? Qt::FlatCap : Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        if (w == 1)
            pen.setCosmetic(true);
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
    }
    const std::size_t n = points.size();
    if (n == 1 && w > 1)
        Segment(points[0], points[0]);
    for (std::size_t i = 0; i + 1 < n; ++i)
        Segment(points[i], points[i + 1]);
    if (closed && n > 2)
        Segment(points[n - 1], points[0]);
}

void QPainterCanvas::Segment(TPoint from, TPoint to)
{
    const QRectF box(-Guard, -Guard, width_ + 2 * Guard, height_ + 2 * Guard);
    QPointF a(from.X + 0.5, from.Y + 0.5);
    QPointF b(to.X + 0.5, to.Y + 0.5);
    double t0 = 0;
    double t1 = 1;
    if (PenWidth() > 1) {
        if (ClipSegment(a, b, box, t0, t1))
            painter_.drawLine(a, b);
        return;
    }
    // A thin line covers its pixels from the first one's near edge to the last
    // one's near edge, stepping one pixel along its longer axis at a time.
    const double dx = static_cast<double>(to.X) - from.X;
    const double dy = static_cast<double>(to.Y) - from.Y;
    const double steps = std::max(std::abs(dx), std::abs(dy));
    if (steps == 0)
        return;
    const QPointF back(0.5 * dx / steps, 0.5 * dy / steps);
    a -= back;
    b -= back;
    const double length = std::hypot(dx, dy);
    if (!ClipSegment(a, b, box, t0, t1))
        return;
    if (scale_ != 0 && Pen().Style != PenStyle::Dot) {
        // scale_ device lines side by side, each from the first pixel's
        // corner to the last pixel's, which it leaves out.
        const bool alongX = std::abs(dx) >= std::abs(dy);
        a += back - QPointF(0.5, 0.5);
        b += back - QPointF(0.5, 0.5);
        const TPoint from{static_cast<int>(std::lround(a.x() * scale_)),
                          static_cast<int>(std::lround(a.y() * scale_))};
        const TPoint to{static_cast<int>(std::lround(b.x() * scale_)),
                        static_cast<int>(std::lround(b.y() * scale_))};
        LineStyle style;
        style.Pixel = ToRgb(Pen().Color);
        style.Op = notXor_ ? RasterOp::NotXor : RasterOp::Copy;
        Rasterizer& px = Pixels();
        for (int k = 0; k < scale_; ++k) {
            const TPoint d = alongX ? TPoint{0, k} : TPoint{k, 0};
            px.Line(from + d, to + d, style);
        }
        return;
    }
    if (Pen().Style == PenStyle::Dot) {
        // One pixel on, one off, counted from the first pixel; the pattern is
        // in device pixels.
        const double step = length / steps * ratio_;
        QPen pen = painter_.pen();
        pen.setDashPattern({step, step});
        pen.setDashOffset(std::fmod(t0 * length * ratio_, 2 * step));
        painter_.setPen(pen);
    }
    // The pixel's thickness across the line's longer axis, one device row
    // (or column) after the other.
    const bool alongX = std::abs(dx) >= std::abs(dy);
    const int lines = static_cast<int>(std::ceil(ratio_ - 1e-9));
    for (int k = 0; k < lines; ++k) {
        const double offset = (k + 0.5) / ratio_ - 0.5;
        const QPointF d = alongX ? QPointF(0, offset) : QPointF(offset, 0);
        painter_.drawLine(a + d, b + d);
    }
}

const QFont& QPainterCanvas::CurrentFont()
{
    if (!fontKey_ || !SameFace(*fontKey_, Font())) {
        fontKey_ = Font();
        QFont font(QString::fromStdString(Font().Name));
        font.setPixelSize(PixelSize(Font().Height));
        font.setBold(Font().Bold);
        font.setItalic(Font().Italic);
        // Measured as the picture at a ratio of 1 measures it (no
        // antialiasing there), so that the layout is the same.
        QFont measured = font;
        measured.setStyleStrategy(QFont::NoAntialias);
        static const QImage oneToOne(1, 1, QImage::Format_RGB32);
        metrics_.emplace(measured, &oneToOne);
        font_ = font;
        painterFontCurrent_ = false;
    }
    return font_;
}

const QFontMetrics& QPainterCanvas::Metrics()
{
    CurrentFont();
    return *metrics_;
}

int QPainterCanvas::TextWidth(std::string_view text)
{
    return Metrics().horizontalAdvance(ToQString(text));
}

int QPainterCanvas::TextHeight(std::string_view)
{
    return Metrics().height();
}

void QPainterCanvas::TextOut(int x, int y, std::string_view text)
{
    if (text.empty() || image_.isNull())
        return;
    const QString s = ToQString(text);
    const QFontMetrics& fm = Metrics();
    const i64 width = fm.horizontalAdvance(s);
    const i64 height = fm.height();
    i64 left = x;
    if (TextAlign().Horizontal == HorizontalAlign::Center)
        left -= width / 2;
    else if (TextAlign().Horizontal == HorizontalAlign::Right)
        left -= width;
    const i64 top = TextAlign().Vertical == VerticalAlign::Bottom ? y - height : y;
    // Far-away text cannot show; glyphs may overhang their cell a little.
    if (left + width + height < 0 || left - height > width_ || top + 2 * height < 0 || top - height > height_)
        return;
    QPainter& p = Painter();
    SetOp(false);
    if (Background() == BackgroundMode::Opaque && Brush().Style != BrushStyle::Clear)
        Fill(left, top, left + width, top + height, ToRgb(BackgroundColor()));
    if (!painterFontCurrent_) {
        p.setFont(CurrentFont());
        painterFontCurrent_ = true;
    }
    p.setPen(QColor(ToRgb(Font().Color)));
    p.drawText(QPointF(static_cast<double>(left), static_cast<double>(top + fm.ascent())), s);
}

void QPainterCanvas::RotatedTextOut(int x, int y, std::string_view text, int angleDegrees)
{
    if (text.empty() || image_.isNull())
        return;
    const QString s = ToQString(text);
    const QFontMetrics& fm = Metrics();
    const i64 width = fm.horizontalAdvance(s);
    const i64 height = fm.height();
    const i64 reach = width + 2 * height;
    if (x + reach < 0 || x - reach > width_ || y + reach < 0 || y - reach > height_)
        return;
    i64 left = 0;
    if (TextAlign().Horizontal == HorizontalAlign::Center)
        left = -width / 2;
    else if (TextAlign().Horizontal == HorizontalAlign::Right)
        left = -width;
    const i64 top = TextAlign().Vertical == VerticalAlign::Bottom ? -height : 0;
    QPainter& p = Painter();
    SetOp(false);
    if (!painterFontCurrent_) {
        p.setFont(CurrentFont());
        painterFontCurrent_ = true;
    }
    p.setPen(QColor(ToRgb(Font().Color)));
    p.translate(x, y);
    p.rotate(-static_cast<double>(angleDegrees % 360));
    p.drawText(QPointF(static_cast<double>(left), static_cast<double>(top + fm.ascent())), s);
    p.resetTransform();
}

void QPainterCanvas::BandFill(int x, int y, int w, int h, TColor color)
{
    if (image_.isNull())
        return;
    const i64 x0 = w < 0 ? i64{x} + w : x;
    const i64 x1 = w < 0 ? x : i64{x} + w;
    const i64 y0 = h < 0 ? i64{y} + h : y;
    const i64 y1 = h < 0 ? y : i64{y} + h;
    Painter();
    SetOp(false);
    Fill(x0, y0, x1, y1, ToRgb(color));
}

void QPainterCanvas::Bevel(const TRect& r, TColor topLeft, TColor bottomRight, int width)
{
    if (width <= 0 || r.IsEmpty() || image_.isNull())
        return;
    Painter();
    SetOp(false);
    const QRgb light = ToRgb(topLeft);
    const QRgb dark = ToRgb(bottomRight);
    // Rings beyond the guard box or past the middle cannot show.
    const i64 rings = std::min<i64>({width, (i64{r.Right} - r.Left + 1) / 2, (i64{r.Bottom} - r.Top + 1) / 2,
                                     static_cast<i64>(width_ + height_ + 2 * Guard)});
    for (i64 i = 0; i < rings; ++i) {
        const i64 l = i64{r.Left} + i;
        const i64 t = i64{r.Top} + i;
        const i64 rr = i64{r.Right} - i;
        const i64 b = i64{r.Bottom} - i;
        // Top row and left column stop short of the far corners, which belong
        // to the right column and bottom row.
        Fill(l, t, rr - 1, t + 1, light);
        Fill(l, t, l + 1, b - 1, light);
        Fill(rr - 1, t, rr, b, dark);
        Fill(l, b - 1, rr, b, dark);
    }
}

void QPainterCanvas::ClipRect(const TRect& r)
{
    clipped_ = true;
    clip_ = r;
    if (painter_.isActive())
        painter_.setClipRect(ClipBox());
}

void QPainterCanvas::RemoveClip()
{
    clipped_ = false;
    if (painter_.isActive())
        painter_.setClipRect(ClipBox());
}

QRect QPainterCanvas::ClipBox() const
{
    if (!clipped_)
        return QRect(0, 0, width_, height_);
    const int l = std::clamp(clip_.Left, 0, width_);
    const int t = std::clamp(clip_.Top, 0, height_);
    const int r = std::clamp(clip_.Right, l, width_);
    const int b = std::clamp(clip_.Bottom, t, height_);
    return QRect(l, t, r - l, b - t);
}

} // namespace otpor::qt
