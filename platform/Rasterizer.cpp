#include "platform/Rasterizer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace otpor::qt {

namespace {

using i64 = std::int64_t;
using u64 = std::uint64_t;

constexpr std::uint32_t OpaqueAlpha = 0xFF000000u;

std::uint32_t NotXor(std::uint32_t src, std::uint32_t dst)
{
    return ~(src ^ dst) | OpaqueAlpha;
}

// A run of one pixel value. The compiler leaves a plain loop scalar at the
// optimisation level we build with, which makes a whole-picture fill several
// times slower than it need be.
void FillPixels(std::uint32_t* p, i64 n, std::uint32_t pixel)
{
#if defined(__SSE2__)
    constexpr i64 Lanes = 4;
    const __m128i v = _mm_set1_epi32(static_cast<int>(pixel));
    for (; n >= Lanes; n -= Lanes, p += Lanes)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
#endif
    for (; n > 0; --n)
        *p++ = pixel;
}

u64 Magnitude(i64 v)
{
    return static_cast<u64>(v < 0 ? -v : v);
}

// The smallest integer not below v, for v well inside the i64 range (the
// library call is not inlined at our optimisation level and costs a third of
// a polygon fill).
i64 Ceil(double v)
{
    const i64 t = static_cast<i64>(v);
    return static_cast<double>(t) < v ? t + 1 : t;
}

// Pixels whose point x lies in [from, to), limited to [lo, hi) so that
// no out-of-range double is ever converted.
void SampleSpan(double from, double to, i64 lo, i64 hi, i64& first, i64& end)
{
    first = Ceil(std::clamp(from, static_cast<double>(lo), static_cast<double>(hi)));
    end = Ceil(std::clamp(to, static_cast<double>(lo), static_cast<double>(hi)));
}

} // namespace

void Rasterizer::Attach(std::uint32_t* bits, std::ptrdiff_t stride, int width, int height)
{
    bits_ = bits;
    stride_ = stride;
    width_ = bits ? std::max(width, 0) : 0;
    height_ = bits ? std::max(height, 0) : 0;
    RemoveClip();
}

void Rasterizer::SetClip(const TRect& r)
{
    clip_ = Intersect(r, TRect{0, 0, width_, height_});
}

void Rasterizer::RemoveClip()
{
    clip_ = TRect{0, 0, width_, height_};
}

void Rasterizer::Put(i64 x, i64 y, std::uint32_t pixel, RasterOp op)
{
    if (x < clip_.Left || x >= clip_.Right || y < clip_.Top || y >= clip_.Bottom)
        return;
    std::uint32_t& dst = bits_[y * stride_ + x];
    dst = op == RasterOp::Copy ? pixel : NotXor(pixel, dst);
}

void Rasterizer::Span(i64 y, i64 x0, i64 x1, std::uint32_t pixel, RasterOp op)
{
    if (y < clip_.Top || y >= clip_.Bottom)
        return;
    x0 = std::max<i64>(x0, clip_.Left);
    x1 = std::min<i64>(x1, clip_.Right);
    if (x0 >= x1)
        return;
    std::uint32_t* row = bits_ + y * stride_;
    if (op == RasterOp::Copy) {
        FillPixels(row + x0, x1 - x0, pixel);
    } else {
        for (i64 x = x0; x < x1; ++x)
            row[x] = NotXor(pixel, row[x]);
    }
}

void Rasterizer::FillRect(i64 left, i64 top, i64 right, i64 bottom, std::uint32_t pixel, RasterOp op)
{
    top = std::max<i64>(top, clip_.Top);
    bottom = std::min<i64>(bottom, clip_.Bottom);
    for (i64 y = top; y < bottom; ++y)
        Span(y, left, right, pixel, op);
}

// Calls plot(i, x, y) for the pixels i = 0 .. length (- 1 without the end) of
// the line from `from` to `to` that lie within the clip widened by margin.
// The minor coordinate of pixel i is the major step i times the slope,
// rounded; both are computed in unsigned 64 bits, where the products of two
// coordinate differences (each below 2^32) always fit.
template <class Plot>
void Rasterizer::Walk(TPoint from, TPoint to, i64 margin, bool withEnd, Plot&& plot) const
{
    const i64 dx = i64{to.X} - from.X;
    const i64 dy = i64{to.Y} - from.Y;
    const u64 adx = Magnitude(dx);
    const u64 ady = Magnitude(dy);
    const u64 length = std::max(adx, ady);
    if (length == 0 || clip_.IsEmpty())
        return;
    const bool xMajor = adx >= ady;
    const i64 major0 = xMajor ? from.X : from.Y;
    const i64 minor0 = xMajor ? from.Y : from.X;
    const i64 majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const i64 minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const u64 minorLength = xMajor ? ady : adx;
    const i64 majorLo = (xMajor ? clip_.Left : clip_.Top) - margin;
    const i64 majorHi = (xMajor ? clip_.Right : clip_.Bottom) - 1 + margin;
    const i64 minorLo = (xMajor ? clip_.Top : clip_.Left) - margin;
    const i64 minorHi = (xMajor ? clip_.Bottom : clip_.Right) - 1 + margin;

    i64 first = majorStep > 0 ? majorLo - major0 : major0 - majorHi;
    i64 last = majorStep > 0 ? majorHi - major0 : major0 - majorLo;
    first = std::max<i64>(first, 0);
    last = std::min<i64>(last, static_cast<i64>(length) - (withEnd ? 0 : 1));
    if (first > last)
        return;

    const u64 start = static_cast<u64>(first) * minorLength + length / 2;
    u64 offset = start / length;
    u64 error = start % length;
    for (i64 i = first; i <= last; ++i) {
        const i64 minor = minor0 + minorStep * static_cast<i64>(offset);
        if (minor >= minorLo && minor <= minorHi) {
            const i64 major = major0 + majorStep * i;
            if (xMajor)
                plot(i, major, minor);
            else
                plot(i, minor, major);
        }
        error += minorLength;
        if (error >= length) {
            error -= length;
            ++offset;
        }
    }
}

void Rasterizer::PrepareStamp(int width)
{
    width = std::clamp(width, 1, MaxPenWidth);
    if (width == stampWidth_)
        return;
    stampWidth_ = width;
    stampRadius_ = width / 2;
    stamp_.clear();
    // A disc of the pen's diameter around the pixel (an even width centres it
    // between pixels), in doubled coordinates to stay in integers.
    const int lo = -(width - 1) / 2;
    const int hi = width / 2;
    const int shift = width % 2 == 0 ? 1 : 0;
    const int limit = (width - 1) * (width - 1) + shift;
    for (int dy = lo; dy <= hi; ++dy) {
        StampRow row{dy, hi + 1, lo - 1};
        for (int dx = lo; dx <= hi; ++dx) {
            const int u = 2 * dx - shift;
            const int v = 2 * dy - shift;
            if (u * u + v * v <= limit) {
                row.DxFirst = std::min(row.DxFirst, dx);
                row.DxLast = std::max(row.DxLast, dx);
            }
        }
        if (row.DxFirst <= row.DxLast)
            stamp_.push_back(row);
    }
}

void Rasterizer::Stamp(i64 x, i64 y, const LineStyle& style)
{
    for (const StampRow& row : stamp_) {
        const i64 yy = y + row.Dy;
        if (!collecting_) {
            Span(yy, x + row.DxFirst, x + row.DxLast + 1, style.Pixel, style.Op);
            continue;
        }
        if (yy < clip_.Top || yy >= clip_.Bottom)
            continue;
        const i64 x0 = std::max<i64>(x + row.DxFirst, clip_.Left);
        const i64 x1 = std::min<i64>(x + row.DxLast + 1, clip_.Right);
        for (i64 xx = x0; xx < x1; ++xx)
            collected_.push_back(yy * width_ + xx);
    }
}

void Rasterizer::BeginUnion(const LineStyle& style)
{
    collecting_ = style.Op == RasterOp::NotXor;
    collected_.clear();
}

void Rasterizer::EndUnion(const LineStyle& style)
{
    if (!collecting_)
        return;
    collecting_ = false;
    std::sort(collected_.begin(), collected_.end());
    collected_.erase(std::unique(collected_.begin(), collected_.end()), collected_.end());
    for (const i64 key : collected_)
        Put(key % width_, key / width_, style.Pixel, style.Op);
    collected_.clear();
}

void Rasterizer::ThinLine(TPoint from, TPoint to, const LineStyle& style)
{
    // Walk stays inside the clip for a margin of 0, so the pixels are set
    // without further checks; the cases are split to keep the loop tight.
    const std::uint32_t pixel = style.Pixel;
    if (style.Op == RasterOp::Copy && !style.Dotted) {
        Walk(from, to, 0, false, [&](i64, i64 x, i64 y) { bits_[y * stride_ + x] = pixel; });
        return;
    }
    Walk(from, to, 0, false, [&](i64 i, i64 x, i64 y) {
        if (style.Dotted && i % 2 != 0)
            return;
        std::uint32_t& dst = bits_[y * stride_ + x];
        dst = style.Op == RasterOp::Copy ? pixel : NotXor(pixel, dst);
    });
}

void Rasterizer::WideLine(TPoint from, TPoint to, const LineStyle& style)
{
    Walk(from, to, StampRadius(), true, [&](i64, i64 x, i64 y) { Stamp(x, y, style); });
}

void Rasterizer::Line(TPoint from, TPoint to, const LineStyle& style)
{
    const TPoint points[] = {from, to};
    Polyline(points, style, false);
}

void Rasterizer::Polyline(std::span<const TPoint> points, const LineStyle& style, bool closed)
{
    const std::size_t n = points.size();
    if (n < 2 || clip_.IsEmpty())
        return;
    const std::size_t segments = closed ? n : n - 1;
    if (style.Width <= 1) {
        for (std::size_t k = 0; k < segments; ++k)
            ThinLine(points[k], points[(k + 1) % n], style);
        return;
    }
    PrepareStamp(style.Width);
    BeginUnion(style);
    for (std::size_t k = 0; k < segments; ++k)
        WideLine(points[k], points[(k + 1) % n], style);
    EndUnion(style);
}

void Rasterizer::FillPolygon(std::span<const TPoint> points, std::uint32_t pixel, RasterOp op)
{
    const std::size_t n = points.size();
    if (n < 3 || clip_.IsEmpty())
        return;
    // Pixel (x, y) is the point (x, y), the point a line through it passes:
    // sampling the fill there keeps it flush with an outline drawn over it
    // (pixel centres would leave one-pixel gaps along slanted edges). Edges
    // are half-open, so an edge from y0 to y1 crosses the rows y0 .. y1 - 1
    // and a span [from, to) takes its left end and not its right one.
    edges_.clear();
    for (std::size_t k = 0; k < n; ++k) {
        TPoint p = points[k];
        TPoint q = points[(k + 1) % n];
        if (p.Y == q.Y)
            continue;
        if (p.Y > q.Y)
            std::swap(p, q);
        const i64 firstRow = std::max<i64>(p.Y, clip_.Top);
        const i64 lastRow = std::min<i64>(i64{q.Y} - 1, i64{clip_.Bottom} - 1);
        if (firstRow > lastRow)
            continue;
        const double slope = static_cast<double>(i64{q.X} - p.X) / static_cast<double>(i64{q.Y} - p.Y);
        edges_.push_back({firstRow, lastRow, static_cast<double>(p.X), static_cast<double>(p.Y), slope});
    }
    if (edges_.empty())
        return;
    std::sort(edges_.begin(), edges_.end(),
              [](const Edge& a, const Edge& b) { return a.FirstRow < b.FirstRow; });

    const i64 columnLo = i64{clip_.Left} - 1;
    const i64 columnHi = i64{clip_.Right} + 1;
    active_.clear();
    std::size_t next = 0;
    i64 y = edges_.front().FirstRow;
    auto fillBetween = [&](i64 row, double from, double to) {
        i64 first = 0;
        i64 last = 0;
        SampleSpan(from, to, columnLo, columnHi, first, last);
        Span(row, first, last, pixel, op);
    };
    while (next < edges_.size() || !active_.empty()) {
        if (active_.empty())
            y = std::max(y, edges_[next].FirstRow);
        while (next < edges_.size() && edges_[next].FirstRow <= y)
            active_.push_back(next++);
        // Rows up to runEnd keep the same edges. (The last edge in FirstRow
        // order need not end last: bounding by it could stall the walk.)
        i64 runEnd = next < edges_.size() ? edges_[next].FirstRow - 1 : std::numeric_limits<i64>::max();
        for (const std::size_t e : active_)
            runEnd = std::min(runEnd, edges_[e].LastRow);
        if (active_.size() == 2) {
            // The common case, a convex strip: one span per row.
            const Edge& a = edges_[active_[0]];
            const Edge& b = edges_[active_[1]];
            for (; y <= runEnd; ++y) {
                const double yc = static_cast<double>(y);
                const double xa = a.X0 + (yc - a.Y0) * a.Slope;
                const double xb = b.X0 + (yc - b.Y0) * b.Slope;
                fillBetween(y, std::min(xa, xb), std::max(xa, xb));
            }
        } else {
            for (; y <= runEnd; ++y) {
                const double yc = static_cast<double>(y);
                crossings_.clear();
                for (const std::size_t e : active_)
                    crossings_.push_back(edges_[e].X0 + (yc - edges_[e].Y0) * edges_[e].Slope);
                std::sort(crossings_.begin(), crossings_.end());
                for (std::size_t k = 0; k + 1 < crossings_.size(); k += 2)
                    fillBetween(y, crossings_[k], crossings_[k + 1]);
            }
        }
        std::erase_if(active_, [&](std::size_t e) { return edges_[e].LastRow < y; });
    }
}

void Rasterizer::Ellipse(const TRect& box, bool fill, std::uint32_t fillPixel, bool outline,
                         const LineStyle& pen, RasterOp op)
{
    if (clip_.IsEmpty())
        return;
    const i64 left = std::min(box.Left, box.Right);
    const i64 right = std::max(box.Left, box.Right);
    const i64 top = std::min(box.Top, box.Bottom);
    const i64 bottom = std::max(box.Top, box.Bottom);
    if (right <= left || bottom <= top)
        return;
    const bool wide = outline && pen.Width > 1;
    if (wide)
        PrepareStamp(pen.Width);
    // Rows and columns a little beyond the clip are still worked out, so that
    // the outline of the visible rows and the stamps of a wide pen are right.
    const i64 margin = (wide ? StampRadius() : 0) + 1;
    const i64 columnLo = i64{clip_.Left} - margin - 1;
    const i64 columnHi = i64{clip_.Right} + margin + 1;
    const double cx = (static_cast<double>(left) + static_cast<double>(right)) / 2.0;
    const double cy = (static_cast<double>(top) + static_cast<double>(bottom)) / 2.0;
    const double a = (static_cast<double>(right) - static_cast<double>(left)) / 2.0;
    const double b = (static_cast<double>(bottom) - static_cast<double>(top)) / 2.0;

    struct Row {
        bool Inside = false;
        i64 First = 0;
        i64 Last = 0;
    };
    auto rowAt = [&](i64 y) {
        Row row;
        if (y < top || y >= bottom)
            return row;
        const double t = (static_cast<double>(y) + 0.5 - cy) / b;
        const double q = 1.0 - t * t;
        if (q <= 0.0)
            return row;
        // Pixels whose centre lies within [cx - half, cx + half].
        const double half = a * std::sqrt(q);
        const double lo = static_cast<double>(columnLo);
        const double hi = static_cast<double>(columnHi);
        row.First = Ceil(std::clamp(cx - half - 0.5, lo, hi));
        row.Last = -Ceil(-std::clamp(cx + half - 0.5, lo, hi));
        row.Inside = row.First <= row.Last;
        return row;
    };

    const i64 firstRow = std::max<i64>(top, i64{clip_.Top} - margin);
    const i64 lastRow = std::min<i64>(bottom - 1, i64{clip_.Bottom} - 1 + margin);
    if (firstRow > lastRow)
        return;
    if (wide)
        BeginUnion(pen);
    auto drawOutline = [&](i64 y, i64 x0, i64 x1) {
        if (x0 > x1)
            return;
        if (!wide) {
            Span(y, x0, x1 + 1, pen.Pixel, pen.Op);
            return;
        }
        x0 = std::max(x0, columnLo);
        x1 = std::min(x1, columnHi);
        for (i64 x = x0; x <= x1; ++x)
            Stamp(x, y, pen);
    };
    Row above = rowAt(firstRow - 1);
    Row row = rowAt(firstRow);
    for (i64 y = firstRow; y <= lastRow; ++y) {
        const Row below = rowAt(y + 1);
        if (row.Inside) {
            if (!outline) {
                if (fill)
                    Span(y, row.First, row.Last + 1, fillPixel, op);
            } else {
                // Inside pixels have all four neighbours in the ellipse; the
                // rest of the row is outline.
                i64 inFirst = row.Last + 1;
                i64 inLast = row.Last;
                if (above.Inside && below.Inside) {
                    inFirst = std::max({row.First + 1, above.First, below.First});
                    inLast = std::min({row.Last - 1, above.Last, below.Last});
                }
                if (inFirst <= inLast) {
                    if (fill)
                        Span(y, inFirst, inLast + 1, fillPixel, op);
                    drawOutline(y, row.First, inFirst - 1);
                    drawOutline(y, inLast + 1, row.Last);
                } else {
                    drawOutline(y, row.First, row.Last);
                }
            }
        }
        above = row;
        row = below;
    }
    if (wide)
        EndUnion(pen);
}

} // namespace otpor::qt
