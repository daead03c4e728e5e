#include "platform/Rasterizer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace otpor {

namespace {

using i64 = std::int64_t;
using u64 = std::uint64_t;

constexpr std::uint32_t OpaqueAlpha = 0xFF000000u;

std::uint32_t NotXor(std::uint32_t src, std::uint32_t dst)
{
    return ~(src ^ dst) | OpaqueAlpha;
}

// A run of one pixel value. The spans of the pictures are short (a strip is
// a few to a few dozen pixels wide), so the run is written in 4-pixel stores
// with the last one overlapping the one before, instead of a scalar tail
// whose varying length the branch predictor cannot follow. (A plain loop
// stays scalar at the optimisation level we build with.)
void FillPixels(std::uint32_t* p, i64 n, std::uint32_t pixel)
{
#if defined(__SSE2__)
    constexpr i64 Lanes = 4;
    if (n >= Lanes) {
        const __m128i v = _mm_set1_epi32(static_cast<int>(pixel));
        std::uint32_t* const last = p + n - Lanes;
        for (; p < last; p += Lanes)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(last), v);
        return;
    }
    switch (n) {
    case 3:
        p[2] = pixel;
        [[fallthrough]];
    case 2:
        p[1] = pixel;
        [[fallthrough]];
    case 1:
        p[0] = pixel;
        break;
    default:
        break;
    }
#else
    for (; n > 0; --n)
        *p++ = pixel;
#endif
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

// The rows of a strip between two edges, each edge's crossing of row y being
// x0 + (y - y0) * slope, taking the pixels from the left crossing (included)
// to the right one (excluded), clipped to [left, right). The crossings lie
// between int end points, so they convert safely.
void FillStrip(std::uint32_t* row, std::ptrdiff_t stride, i64 rows, double y, double ax, double ay, double as,
               double bx, double by, double bs, i64 left, i64 right, std::uint32_t pixel)
{
    for (; rows > 0; --rows, row += stride, y += 1.0) {
        const double xa = ax + (y - ay) * as;
        const double xb = bx + (y - by) * bs;
        const i64 x0 = std::max(Ceil(std::min(xa, xb)), left);
        const i64 x1 = std::min(Ceil(std::max(xa, xb)), right);
        if (x0 < x1)
            FillPixels(row + x0, x1 - x0, pixel);
    }
}

// Pixels whose point x lies in [from, to), limited to [lo, hi) so that
// no out-of-range double is ever converted.
void SampleSpan(double from, double to, i64 lo, i64 hi, i64& first, i64& end)
{
    first = Ceil(std::clamp(from, static_cast<double>(lo), static_cast<double>(hi)));
    end = Ceil(std::clamp(to, static_cast<double>(lo), static_cast<double>(hi)));
}

// Beyond this (layout pixels) a shape drawn at a scale other than 1 is first
// cut to it: its device coordinates then fit an int at every scale, and the
// products of their differences 64 bits. Nothing of a picture lies so far out.
constexpr double Limit = 1 << 26;

bool Beyond(TPoint p)
{
    return std::abs(static_cast<double>(p.X)) > Limit || std::abs(static_cast<double>(p.Y)) > Limit;
}

// The part of the segment within the limit's box, its ends rounded; false
// when none is.
bool CutToLimit(TPoint& from, TPoint& to)
{
    const double x0 = from.X;
    const double y0 = from.Y;
    const double dx = static_cast<double>(to.X) - x0;
    const double dy = static_cast<double>(to.Y) - y0;
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 + Limit, Limit - x0, y0 + Limit, Limit - y0};
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
    from = {static_cast<int>(std::nearbyint(x0 + dx * t0)), static_cast<int>(std::nearbyint(y0 + dy * t0))};
    to = {static_cast<int>(std::nearbyint(x0 + dx * t1)), static_cast<int>(std::nearbyint(y0 + dy * t1))};
    return true;
}

// Row dy of the disc of a round pen of the width around a point: the pixels
// from Left to End - 1 relative to it. Its rows run from DiscTop(width) while
// 2 dy < width, and row dy spans [x - h, x + h) with h = sqrt(w^2/4 - dy^2),
// worked out in integers: ceil(h) is the least k with 4k^2 >= w^2 - 4dy^2.
struct DiscRow {
    i64 Left;
    i64 End;
};

constexpr i64 DiscTop(i64 width)
{
    return -((width + 1) / 2 - 1);
}

DiscRow DiscRowAt(i64 width, i64 dy)
{
    const i64 d = width * width - 4 * dy * dy;
    i64 ceilH = static_cast<i64>(std::ceil(std::sqrt(static_cast<double>(std::max<i64>(d, 0))) / 2));
    while (ceilH > 0 && 4 * (ceilH - 1) * (ceilH - 1) >= d)
        --ceilH;
    while (4 * ceilH * ceilH < d)
        ++ceilH;
    const i64 floorH = 4 * ceilH * ceilH == d ? ceilH : ceilH - 1;
    return {-floorH, ceilH};
}

} // namespace

void Rasterizer::SetScale(double scale)
{
    scale_ = std::isfinite(scale) ? std::clamp(scale, MinScale, MaxScale) : 1.0;
    RemoveClip();
}

i64 Rasterizer::ToDevice(i64 v) const
{
    if (scale_ == 1)
        return v;
    constexpr double Far = 4.0e18;
    return static_cast<i64>(std::clamp(std::nearbyint(static_cast<double>(v) * scale_), -Far, Far));
}

int Rasterizer::DeviceWidth(int width) const
{
    // (At 1 without the rounding call: it is asked once per line.)
    if (scale_ == 1)
        return width;
    return std::max(1, static_cast<int>(std::nearbyint(width * scale_)));
}

i64 Rasterizer::PenCentre(i64 v, int width, int deviceWidth) const
{
    return ToDevice(v - width / 2) + deviceWidth / 2;
}

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
    auto device = [&](int v, int limit) {
        return static_cast<int>(std::clamp<i64>(ToDevice(v), -1, i64{limit} + 1));
    };
    SetDeviceClip(Intersect(TRect{device(r.Left, width_), device(r.Top, height_), device(r.Right, width_),
                                  device(r.Bottom, height_)},
                            TRect{0, 0, width_, height_}));
}

void Rasterizer::RemoveClip()
{
    SetDeviceClip(TRect{0, 0, width_, height_});
}

void Rasterizer::SetDeviceClip(const TRect& clip)
{
    clip_ = clip;
    auto layout = [&](int v, bool up) {
        const double l = static_cast<double>(v) / scale_;
        return static_cast<int>(up ? std::ceil(l) : std::floor(l));
    };
    layoutClip_ = TRect{layout(clip_.Left, false), layout(clip_.Top, false), layout(clip_.Right, true),
                        layout(clip_.Bottom, true)};
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
    DeviceFillRect(ToDevice(left), ToDevice(top), ToDevice(right), ToDevice(bottom), pixel, op);
}

void Rasterizer::FillDevice(i64 left, i64 top, i64 right, i64 bottom, std::uint32_t pixel)
{
    DeviceFillRect(left, top, right, bottom, pixel, RasterOp::Copy);
}

void Rasterizer::BlendDevice(i64 x, i64 y, const std::uint8_t* coverage, i64 n, std::uint32_t pixel)
{
    if (y < clip_.Top || y >= clip_.Bottom)
        return;
    const i64 first = std::max<i64>(x, clip_.Left);
    const i64 end = std::min<i64>(x + n, clip_.Right);
    std::uint32_t* row = bits_ + y * stride_;
    for (i64 i = first; i < end; ++i) {
        const std::uint32_t a = coverage[i - x];
        if (a == 0)
            continue;
        if (a == 255) {
            row[i] = pixel;
            continue;
        }
        // Each colour byte, whatever their order; the top byte stays opaque.
        std::uint32_t out = OpaqueAlpha;
        for (int shift = 0; shift < 24; shift += 8) {
            const std::uint32_t src = (pixel >> shift) & 0xFFu;
            const std::uint32_t dst = (row[i] >> shift) & 0xFFu;
            out |= ((src * a + dst * (255 - a) + 127) / 255) << shift;
        }
        row[i] = out;
    }
}

void Rasterizer::DeviceFillRect(i64 left, i64 top, i64 right, i64 bottom, std::uint32_t pixel, RasterOp op)
{
    top = std::max<i64>(top, clip_.Top);
    bottom = std::min<i64>(bottom, clip_.Bottom);
    for (i64 y = top; y < bottom; ++y)
        Span(y, left, right, pixel, op);
}

// The pixels i = 0 .. length - 1 of the line from `from` to `to` (its end
// left out) that lie within the clip, as a run of steps. The minor coordinate
// of pixel i is the major step i times the slope, rounded:
// offset(i) = floor((i * minorLength + length / 2) / length). Both are
// computed in unsigned 64 bits, where the products of two coordinate
// differences (each below 2^32) always fit. The pixels within the clip are a
// contiguous range of i, found up front, so the loop itself only steps.
Rasterizer::LineRun Rasterizer::ClipLine(TPoint from, TPoint to) const
{
    LineRun run;
    const i64 dx = i64{to.X} - from.X;
    const i64 dy = i64{to.Y} - from.Y;
    const u64 adx = Magnitude(dx);
    const u64 ady = Magnitude(dy);
    const u64 length = std::max(adx, ady);
    if (length == 0 || clip_.IsEmpty())
        return run;
    const bool xMajor = adx >= ady;
    const i64 major0 = xMajor ? from.X : from.Y;
    const i64 minor0 = xMajor ? from.Y : from.X;
    const i64 majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const i64 minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const u64 minorLength = xMajor ? ady : adx;
    run.Length = length;
    run.MinorLength = minorLength;
    run.MajorStride = xMajor ? majorStep : majorStep * stride_;
    run.MinorStride = xMajor ? minorStep * stride_ : minorStep;
    const u64 half = length / 2;
    if (clip_.Contains(from.X, from.Y) && clip_.Contains(to.X, to.Y)) {
        // Wholly inside (the common case): no clipping, and no division.
        run.P = bits_ + i64{from.Y} * stride_ + from.X;
        run.Count = static_cast<i64>(length);
        run.Error = half;
        return run;
    }
    const i64 majorLo = xMajor ? clip_.Left : clip_.Top;
    const i64 majorHi = (xMajor ? clip_.Right : clip_.Bottom) - 1;
    const i64 minorLo = xMajor ? clip_.Top : clip_.Left;
    const i64 minorHi = (xMajor ? clip_.Bottom : clip_.Right) - 1;

    // Steps whose major coordinate lies in the clip.
    i64 first = majorStep > 0 ? majorLo - major0 : major0 - majorHi;
    i64 last = majorStep > 0 ? majorHi - major0 : major0 - majorLo;
    first = std::max<i64>(first, 0);
    last = std::min<i64>(last, static_cast<i64>(length) - 1);
    if (first > last)
        return run;
    // Offsets whose minor coordinate lies in the clip, and the steps that
    // have them (the offset never falls as i grows).
    i64 offsetLo = minorStep > 0 ? minorLo - minor0 : minor0 - minorHi;
    i64 offsetHi = minorStep > 0 ? minorHi - minor0 : minor0 - minorLo;
    offsetLo = std::max<i64>(offsetLo, 0);
    offsetHi = std::min<i64>(offsetHi, static_cast<i64>(minorLength));
    if (offsetLo > offsetHi)
        return run;
    if (minorLength == 0) {
        if (offsetLo > 0)
            return run;
    } else {
        // offset(i) >= offsetLo  <=>  i * minorLength >= offsetLo * length - half
        const u64 lowTarget = static_cast<u64>(offsetLo) * length;
        if (lowTarget > half)
            first =
                std::max<i64>(first, static_cast<i64>((lowTarget - half + minorLength - 1) / minorLength));
        // offset(i) <= offsetHi  <=>  i * minorLength <= (offsetHi + 1) * length - half - 1
        const u64 highTarget = (static_cast<u64>(offsetHi) + 1) * length - half - 1;
        last = std::min<i64>(last, static_cast<i64>(highTarget / minorLength));
    }
    if (first > last)
        return run;

    const u64 start = static_cast<u64>(first) * minorLength + half;
    const u64 offset = start / length;
    const i64 major = major0 + majorStep * first;
    const i64 minor = minor0 + minorStep * static_cast<i64>(offset);
    const i64 x = xMajor ? major : minor;
    const i64 y = xMajor ? minor : major;
    run.P = bits_ + y * stride_ + x;
    run.First = first;
    run.Count = last - first + 1;
    run.Error = start % length;
    return run;
}

void Rasterizer::PrepareStamp(int width)
{
    // Device widths: a wide pen at a large scale is wider than MaxPenWidth.
    width = std::clamp(width, 1, static_cast<int>(MaxPenWidth * MaxScale));
    if (width == stampWidth_)
        return;
    stampWidth_ = width;
    stampRadius_ = width / 2;
    stamp_.clear();
    // The same disc as a wide line's round ends.
    for (i64 dy = DiscTop(width); 2 * dy < width; ++dy) {
        const DiscRow row = DiscRowAt(width, dy);
        if (row.Left < row.End)
            stamp_.push_back(
                {static_cast<int>(dy), static_cast<int>(row.Left), static_cast<int>(row.End - 1)});
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

namespace {

// The steps of a solid line, kept apart so that its few variables all stay in
// registers (inlined into the clipping, they went to the stack and the loop
// ran three times slower).
[[gnu::noinline]] void SolidRun(std::uint32_t* p, i64 count, std::uint32_t pixel, u64 error, u64 minorLength,
                                u64 length, std::ptrdiff_t majorStride, std::ptrdiff_t minorStride)
{
    // error stays below length, so error + minorLength - length is the next
    // error when there is a carry.
    const std::ptrdiff_t diagonalStride = majorStride + minorStride;
    const u64 back = minorLength - length;
    // The pointer steps only towards a pixel still to be set, so that it
    // never leaves the bitmap.
    for (; count > 0; --count) {
        *p = pixel;
        if (count == 1)
            break;
        const u64 next = error + minorLength;
        const bool carry = next >= length;
        error = carry ? error + back : next;
        p += carry ? diagonalStride : majorStride;
    }
}

} // namespace

void Rasterizer::ThinLine(TPoint from, TPoint to, const LineStyle& style, u64 dotSteps, u64 dotDeviceSteps)
{
    const LineRun run = ClipLine(from, to);
    if (run.Count <= 0)
        return;
    const std::uint32_t pixel = style.Pixel;
    if (style.Op == RasterOp::Copy && !style.Dotted) {
        SolidRun(run.P, run.Count, pixel, run.Error, run.MinorLength, run.Length, run.MajorStride,
                 run.MinorStride);
        return;
    }
    std::uint32_t* p = run.P;
    u64 error = run.Error;
    const bool sameSteps = dotSteps == dotDeviceSteps;
    for (i64 i = run.First; i < run.First + run.Count; ++i) {
        const u64 layoutPixel =
            sameSteps ? static_cast<u64>(i) : static_cast<u64>(i) * dotSteps / dotDeviceSteps;
        if (!style.Dotted || layoutPixel % 2 == 0)
            *p = style.Op == RasterOp::Copy ? pixel : NotXor(pixel, *p);
        if (i + 1 == run.First + run.Count)
            break;
        error += run.MinorLength;
        if (error >= run.Length) {
            error -= run.Length;
            p += run.MinorStride;
        }
        p += run.MajorStride;
    }
}

void Rasterizer::AddSpan(i64 y, double from, double to)
{
    i64 first = 0;
    i64 end = 0;
    SampleSpan(from, to, i64{clip_.Left} - 1, i64{clip_.Right} + 1, first, end);
    if (first < end)
        strokeSpans_.push_back({y, first, end});
}

// The round end (and join) of a wide pen: the disc of the pen's diameter
// around the point.
void Rasterizer::AddDisc(TPoint centre, int width)
{
    for (i64 dy = DiscTop(width); 2 * dy < width; ++dy) {
        const i64 y = i64{centre.Y} + dy;
        if (y < clip_.Top || y >= clip_.Bottom)
            continue;
        const DiscRow row = DiscRowAt(width, dy);
        const i64 x0 = std::max<i64>(i64{centre.X} + row.Left, i64{clip_.Left} - 1);
        const i64 x1 = std::min<i64>(i64{centre.X} + row.End, i64{clip_.Right} + 1);
        if (x0 < x1)
            strokeSpans_.push_back({y, x0, x1});
    }
}

// The band of the pen's width along the segment, ends flat at the points
// (the discs round them): a rectangle sampled like a polygon.
void Rasterizer::AddBand(TPoint from, TPoint to, int width)
{
    const double dx = static_cast<double>(i64{to.X} - from.X);
    const double dy = static_cast<double>(i64{to.Y} - from.Y);
    const double half = width / 2.0;
    // Lines along an axis get their half width exactly.
    double nx = 0.0;
    double ny = 0.0;
    if (dx == 0.0) {
        nx = half;
    } else if (dy == 0.0) {
        ny = half;
    } else {
        const double length = std::hypot(dx, dy);
        nx = -dy / length * half;
        ny = dx / length * half;
    }
    const double fx = from.X;
    const double fy = from.Y;
    const double tx = to.X;
    const double ty = to.Y;
    const double cx[4] = {fx + nx, tx + nx, tx - nx, fx - nx};
    const double cy[4] = {fy + ny, ty + ny, ty - ny, fy - ny};
    const double top = std::min({cy[0], cy[1], cy[2], cy[3]});
    const double bottom = std::max({cy[0], cy[1], cy[2], cy[3]});
    const i64 firstRow =
        Ceil(std::clamp(top, static_cast<double>(clip_.Top), static_cast<double>(clip_.Bottom)));
    const i64 endRow =
        Ceil(std::clamp(bottom, static_cast<double>(clip_.Top), static_cast<double>(clip_.Bottom)));
    for (i64 y = firstRow; y < endRow; ++y) {
        const double yc = static_cast<double>(y);
        double lo = std::numeric_limits<double>::infinity();
        double hi = -lo;
        for (int k = 0; k < 4; ++k) {
            const int n = (k + 1) % 4;
            const double y0 = std::min(cy[k], cy[n]);
            const double y1 = std::max(cy[k], cy[n]);
            if (cy[k] == cy[n] || yc < y0 || yc >= y1)
                continue;
            const double x = cx[k] + (yc - cy[k]) * (cx[n] - cx[k]) / (cy[n] - cy[k]);
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
        if (lo < hi)
            AddSpan(y, lo, hi);
    }
}

void Rasterizer::WideStroke(std::span<const TPoint> points, bool closed, int width, const LineStyle& style)
{
    const std::size_t n = points.size();
    strokeSpans_.clear();
    for (std::size_t k = 0; k < n; ++k) {
        AddDisc(points[k], width);
        if (k + 1 < n || closed) {
            const TPoint next = points[(k + 1) % n];
            if (next != points[k])
                AddBand(points[k], next, width);
        }
    }
    std::sort(strokeSpans_.begin(), strokeSpans_.end());
    // Overlapping spans of a row are merged, so that each pixel is set once.
    std::size_t k = 0;
    while (k < strokeSpans_.size()) {
        RowSpan run = strokeSpans_[k++];
        while (k < strokeSpans_.size() && strokeSpans_[k].Y == run.Y && strokeSpans_[k].X0 <= run.X1)
            run.X1 = std::max(run.X1, strokeSpans_[k++].X1);
        Span(run.Y, run.X0, run.X1, style.Pixel, style.Op);
    }
}

void Rasterizer::Line(TPoint from, TPoint to, const LineStyle& style)
{
    // The chart draws a thousand thin lines a picture: straight to them.
    if (style.Width <= 1 || DeviceWidth(std::min(style.Width, MaxPenWidth)) == 1) {
        if (!clip_.IsEmpty())
            ThinSegment(from, to, style);
        return;
    }
    const TPoint points[] = {from, to};
    Polyline(points, style, false);
}

void Rasterizer::Polyline(std::span<const TPoint> points, const LineStyle& style, bool closed)
{
    const std::size_t n = points.size();
    if (n < 2 || clip_.IsEmpty())
        return;
    const std::size_t segments = closed ? n : n - 1;
    const int width = std::clamp(style.Width, 1, MaxPenWidth);
    const int device = DeviceWidth(width);
    if (width == 1 || device == 1) {
        for (std::size_t k = 0; k < segments; ++k)
            ThinSegment(points[k], points[(k + 1) % n], style);
        return;
    }
    auto centre = [&](TPoint p) {
        return TPoint{static_cast<int>(PenCentre(p.X, width, device)),
                      static_cast<int>(PenCentre(p.Y, width, device))};
    };
    if (scale_ != 1 && std::any_of(points.begin(), points.end(), Beyond)) {
        // Cut segment by segment; their far ends lie out of sight.
        for (std::size_t k = 0; k < segments; ++k) {
            TPoint from = points[k];
            TPoint to = points[(k + 1) % n];
            if (!CutToLimit(from, to))
                continue;
            const TPoint ends[] = {centre(from), centre(to)};
            WideStroke(ends, false, device, style);
        }
        return;
    }
    deviceStroke_.clear();
    for (const TPoint p : points)
        deviceStroke_.push_back(centre(p));
    WideStroke(deviceStroke_, closed, device, style);
}

// The layout pixels of the thin line at scale 1 are the device lines from
// the device corner of its first pixel to that of its end, as many side by
// side as its first pixel has device rows (columns across it): a level line
// covers what a fill of its pixels would.
void Rasterizer::ThinSegment(TPoint from, TPoint to, const LineStyle& style)
{
    if (scale_ == 1) {
        ThinLine(from, to, style);
        return;
    }
    if ((Beyond(from) || Beyond(to)) && !CutToLimit(from, to))
        return;
    const u64 steps = std::max(Magnitude(i64{to.X} - from.X), Magnitude(i64{to.Y} - from.Y));
    const TPoint a{static_cast<int>(ToDevice(from.X)), static_cast<int>(ToDevice(from.Y))};
    const TPoint b{static_cast<int>(ToDevice(to.X)), static_cast<int>(ToDevice(to.Y))};
    const u64 dx = Magnitude(i64{b.X} - a.X);
    const u64 dy = Magnitude(i64{b.Y} - a.Y);
    const u64 deviceSteps = std::max(dx, dy);
    if (steps == 0 || deviceSteps == 0)
        return;
    const bool xMajor = dx >= dy;
    const i64 minor = xMajor ? from.Y : from.X;
    const i64 across = std::max<i64>(1, ToDevice(minor + 1) - ToDevice(minor));
    for (i64 k = 0; k < across; ++k) {
        const TPoint d = xMajor ? TPoint{0, static_cast<int>(k)} : TPoint{static_cast<int>(k), 0};
        ThinLine(a + d, b + d, style, steps, deviceSteps);
    }
}

void Rasterizer::FillPolygon(std::span<const TPoint> points, std::uint32_t pixel, RasterOp op)
{
    if (points.size() < 3 || clip_.IsEmpty())
        return;
    devicePolygon_.clear();
    for (const TPoint p : points)
        devicePolygon_.push_back({static_cast<double>(ToDevice(p.X)), static_cast<double>(ToDevice(p.Y))});
    FillDevicePolygon(pixel, op);
}

void Rasterizer::FillDevicePolygon(std::uint32_t pixel, RasterOp op)
{
    const std::span<const DevicePoint> points = devicePolygon_;
    const std::size_t n = points.size();
    // Pixel (x, y) is the point (x, y), the point a line through it passes:
    // sampling the fill there keeps it flush with an outline drawn over it
    // (pixel centres would leave one-pixel gaps along slanted edges). Edges
    // are half-open, so an edge from y0 to y1 crosses the rows y0 .. y1 - 1
    // and a span [from, to) takes its left end and not its right one.
    // The points are whole numbers: their rows convert exactly once within
    // the clip.
    const double clipTop = clip_.Top;
    const double clipBottom = clip_.Bottom;
    edges_.clear();
    for (std::size_t k = 0; k < n; ++k) {
        DevicePoint p = points[k];
        DevicePoint q = points[(k + 1) % n];
        if (p.Y == q.Y)
            continue;
        if (p.Y > q.Y)
            std::swap(p, q);
        const i64 firstRow = static_cast<i64>(std::max(p.Y, clipTop));
        const i64 lastRow = static_cast<i64>(std::min(q.Y, clipBottom)) - 1;
        if (firstRow > lastRow)
            continue;
        const double slope = (q.X - p.X) / (q.Y - p.Y);
        edges_.push_back({firstRow, lastRow, p.X, p.Y, slope});
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
            // The common case, a convex strip: one span per row, written
            // here (the rows lie within the clip already).
            const Edge& a = edges_[active_[0]];
            const Edge& b = edges_[active_[1]];
            const i64 rows = runEnd - y + 1;
            if (op == RasterOp::Copy) {
                FillStrip(bits_ + y * stride_, stride_, rows, static_cast<double>(y), a.X0, a.Y0, a.Slope,
                          b.X0, b.Y0, b.Slope, clip_.Left, clip_.Right, pixel);
                y += rows;
            } else {
                for (; y <= runEnd; ++y) {
                    const double yc = static_cast<double>(y);
                    const double xa = a.X0 + (yc - a.Y0) * a.Slope;
                    const double xb = b.X0 + (yc - b.Y0) * b.Slope;
                    fillBetween(y, std::min(xa, xb), std::max(xa, xb));
                }
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
    const i64 left = ToDevice(std::min(box.Left, box.Right));
    const i64 right = ToDevice(std::max(box.Left, box.Right));
    const i64 top = ToDevice(std::min(box.Top, box.Bottom));
    const i64 bottom = ToDevice(std::max(box.Top, box.Bottom));
    if (right <= left || bottom <= top)
        return;
    const int penWidth = std::clamp(pen.Width, 1, MaxPenWidth);
    const int device = DeviceWidth(penWidth);
    const bool wide = outline && penWidth > 1 && device > 1;
    // A thin outline is one layout pixel thick: the ring of that many device
    // pixels inside the box (at a scale of 1, the pixels with a neighbour
    // outside the ellipse).
    const i64 ring = outline && !wide ? std::max<i64>(1, std::llround(scale_)) : 1;
    if (wide)
        PrepareStamp(device);
    // Rows and columns a little beyond the clip are still worked out, so that
    // the outline of the visible rows and the stamps of a wide pen are right.
    const i64 margin = (wide ? StampRadius() : 0) + 1;
    const i64 columnLo = i64{clip_.Left} - margin - 1;
    const i64 columnHi = i64{clip_.Right} + margin + 1;

    struct Row {
        bool Inside = false;
        i64 First = 0;
        i64 Last = 0;
    };
    // The rows of the ellipse inscribed in the box shrunk by `in` on every side.
    auto rowOf = [&](i64 y, i64 in) {
        Row row;
        const i64 l = left + in;
        const i64 r = right - in;
        const i64 t = top + in;
        const i64 bt = bottom - in;
        if (y < t || y >= bt || r <= l)
            return row;
        const double cx = (static_cast<double>(l) + static_cast<double>(r)) / 2.0;
        const double cy = (static_cast<double>(t) + static_cast<double>(bt)) / 2.0;
        const double a = (static_cast<double>(r) - static_cast<double>(l)) / 2.0;
        const double b = (static_cast<double>(bt) - static_cast<double>(t)) / 2.0;
        const double v = (static_cast<double>(y) + 0.5 - cy) / b;
        const double q = 1.0 - v * v;
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
    auto rowAt = [&](i64 y) { return rowOf(y, 0); };

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
                i64 inFirst = row.Last + 1;
                i64 inLast = row.Last;
                if (ring > 1) {
                    // The inside is the ellipse of the box shrunk by the ring.
                    const Row inner = rowOf(y, ring);
                    if (inner.Inside) {
                        inFirst = std::max(inner.First, row.First + 1);
                        inLast = std::min(inner.Last, row.Last - 1);
                    }
                } else if (above.Inside && below.Inside) {
                    // Inside pixels have all four neighbours in the ellipse;
                    // the rest of the row is outline.
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

void Rasterizer::Rectangle(const TRect& box, std::optional<std::uint32_t> fill,
                           const std::optional<LineStyle>& pen, RasterOp op)
{
    const i64 left = std::min(box.Left, box.Right);
    const i64 right = std::max(box.Left, box.Right);
    const i64 top = std::min(box.Top, box.Bottom);
    const i64 bottom = std::max(box.Top, box.Bottom);
    if (right <= left || bottom <= top)
        return;
    if (!pen) {
        if (fill)
            FillRect(left, top, right, bottom, *fill, op);
        return;
    }
    if (pen->Dotted) {
        if (fill)
            FillRect(left + 1, top + 1, right - 1, bottom - 1, *fill, op);
        const int l = static_cast<int>(left);
        const int t = static_cast<int>(top);
        const int r = static_cast<int>(right - 1);
        const int b = static_cast<int>(bottom - 1);
        const TPoint corners[] = {{l, t}, {r, t}, {r, b}, {l, b}};
        Polyline(corners, *pen, true);
        return;
    }
    const RectangleFrame frame = FrameOf({left, top, right, bottom}, pen->Width);
    const PixelBox& inside = frame.Inside;
    if (fill && inside.Left < inside.Right)
        FillRect(inside.Left, inside.Top, inside.Right, inside.Bottom, *fill, op);
    for (const PixelBox& band : frame.Bands)
        FillRect(band.Left, band.Top, band.Right, band.Bottom, pen->Pixel, op);
}

RectangleFrame FrameOf(const PixelBox& box, int width)
{
    const i64 w = std::clamp(width, 1, Rasterizer::MaxPenWidth);
    const i64 outerLeft = box.Left - w / 2;
    const i64 outerTop = box.Top - w / 2;
    const i64 outerRight = box.Right - 1 - w / 2 + w;
    const i64 outerBottom = box.Bottom - 1 - w / 2 + w;
    const PixelBox in{outerLeft + w, outerTop + w, outerRight - w, outerBottom - w};
    RectangleFrame frame;
    if (in.Left >= in.Right || in.Top >= in.Bottom) {
        frame.Bands[0] = {outerLeft, outerTop, outerRight, outerBottom};
        return frame;
    }
    frame.Inside = in;
    frame.Bands[0] = {outerLeft, outerTop, outerRight, in.Top};
    frame.Bands[1] = {outerLeft, in.Bottom, outerRight, outerBottom};
    frame.Bands[2] = {outerLeft, in.Top, in.Left, in.Bottom};
    frame.Bands[3] = {in.Right, in.Top, outerRight, in.Bottom};
    return frame;
}

void Rasterizer::Polygon(std::span<const TPoint> points, std::optional<std::uint32_t> fill,
                         const std::optional<LineStyle>& pen, RasterOp op)
{
    if (fill)
        FillPolygon(points, *fill, op);
    if (pen)
        Polyline(points, *pen, true);
}

void Rasterizer::Bevel(const TRect& r, std::uint32_t topLeft, std::uint32_t bottomRight, int width)
{
    const TRect& c = layoutClip_;
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
    for (i64 i = firstRing; i <= lastRing; ++i) {
        const i64 l = left + i;
        const i64 t = top + i;
        const i64 rr = right - i;
        const i64 b = bottom - i;
        // Top row and left column stop short of the far corners, which belong
        // to the right column and bottom row.
        FillRect(l, t, rr - 1, t + 1, topLeft, RasterOp::Copy);
        FillRect(l, t, l + 1, b - 1, topLeft, RasterOp::Copy);
        FillRect(rr - 1, t, rr, b, bottomRight, RasterOp::Copy);
        FillRect(l, b - 1, rr, b, bottomRight, RasterOp::Copy);
    }
}

} // namespace otpor
