// The pixel work behind the picture canvas: spans, lines, polygons and
// ellipses written straight into a 32-bit bitmap (opaque words, alpha in the
// top byte), clipped to a rectangle, following the classic raster rules the
// pictures are drawn by: a thin line leaves out its end pixel, fills take the
// pixels whose point (x, y) lies inside, left and top edges included, right
// and bottom ones excluded (for a polygon; an ellipse samples pixel centres),
// polygons fill even-odd, and the not-xor operation is its own inverse.
//
// Shapes are given in layout pixels and set on device pixels, `Scale` device
// pixels to a layout pixel, by one mapping: an edge at x lands at
// round(x * scale). So shapes that share an edge share it at every scale and
// fills tile; a thin line covers the device rows (or columns) of its layout
// pixels; a wide pen is the band of its width times the scale; a dotted line
// keeps one layout pixel on, one off. At a scale of 1 the mapping is the
// identity and every pixel is the classic one.
//
// Coordinates may be anything an int holds (an arrow length typed by a user
// can be absurd): all arithmetic is in 64 bits or doubles, and only the part
// inside the clip is walked, so the cost of a call is bounded by the size of
// the bitmap, never by the size of the shape.
#pragma once

#include "platform/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace otpor {

enum class RasterOp { Copy, NotXor };

struct LineStyle {
    std::uint32_t Pixel = 0xFF000000u;
    // 1 is the thin line. A wider line is the ideal line widened to a band of
    // this width, with round ends and joins, filled by the polygon rule below
    // (top and left edges in, bottom and right ones out): an even width's
    // extra pixel lies above or left of the line, an odd width is centred.
    int Width = 1;
    // Thin lines only: one layout pixel on, one off; the gaps stay untouched.
    bool Dotted = false;
    RasterOp Op = RasterOp::Copy;
};

// Pixels left..right-1 by top..bottom-1.
struct PixelBox {
    std::int64_t Left = 0;
    std::int64_t Top = 0;
    std::int64_t Right = 0;
    std::int64_t Bottom = 0;
};

// The frame a pen of the width draws on an ordered, non-empty box: the band of
// the pen's width around the box's outermost columns and rows (width / 2
// pixels outside them, the rest inside, so an even width's extra pixel lies
// above or left of each), square at the corners. Bands and Inside never
// overlap; when the bands meet, Bands[0] is the whole frame and the rest and
// Inside are empty.
struct RectangleFrame {
    PixelBox Bands[4];
    PixelBox Inside;
};
RectangleFrame FrameOf(const PixelBox& box, int width);

class Rasterizer {
public:
    // The widest pen drawn (layout pixels); wider ones are drawn this wide.
    static constexpr int MaxPenWidth = 64;
    // The scales drawn at; a scale beyond them is drawn at the nearest.
    static constexpr double MinScale = 1.0 / 16;
    static constexpr double MaxScale = 16;

    // A bitmap of width x height device pixels; stride in pixels (words)
    // from one row to the next. The clip is removed, the scale kept.
    void Attach(std::uint32_t* bits, std::ptrdiff_t stride, int width, int height);
    const std::uint32_t* Bits() const { return bits_; }

    // Device pixels per layout pixel; the clip is removed.
    void SetScale(double scale);
    double Scale() const { return scale_; }
    // Where a layout edge lands: round(v * scale).
    std::int64_t ToDevice(std::int64_t v) const;

    // Drawing is confined to r (layout pixels, right and bottom excluded)
    // within the bitmap.
    void SetClip(const TRect& r);
    void RemoveClip();
    // The clip in device pixels.
    const TRect& Clip() const { return clip_; }

    // Layout pixels left..right-1 by top..bottom-1.
    void FillRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                  std::uint32_t pixel, RasterOp op);
    // A thin line leaves out the pixel at `to`; a wide one includes it.
    void Line(TPoint from, TPoint to, const LineStyle& style);
    // Segments joining the points in turn, and back to the first when closed;
    // every vertex is set exactly once by a thin pen, the last point of an open
    // path not at all.
    void Polyline(std::span<const TPoint> points, const LineStyle& style, bool closed);
    // The inside by the even-odd rule: pixels whose point (x, y) lies inside,
    // left and top edges included, right and bottom ones excluded.
    void FillPolygon(std::span<const TPoint> points, std::uint32_t pixel, RasterOp op);
    // The ellipse inscribed in the box (right and bottom excluded): its inside
    // filled with fillPixel when fill is set, its boundary pixels drawn with the
    // pen when outline is set (then the fill stays inside the outline).
    void Ellipse(const TRect& box, bool fill, std::uint32_t fillPixel, bool outline, const LineStyle& pen,
                 RasterOp op);

    // The box (right and bottom excluded, corners in any order) filled with
    // fill when given and framed with the pen when given. The frame is the
    // band of the pen's width around the path through the outermost columns
    // and rows of the box, square at the corners; frame and fill never
    // overlap, so that not-xor sets each pixel once.
    void Rectangle(const TRect& box, std::optional<std::uint32_t> fill, const std::optional<LineStyle>& pen,
                   RasterOp op);
    // The closed path filled even-odd with fill when given, then outlined
    // with the pen when given.
    void Polygon(std::span<const TPoint> points, std::optional<std::uint32_t> fill,
                 const std::optional<LineStyle>& pen, RasterOp op);
    // The 3D frame: 1-pixel rings of r, shrunk by one pixel each, width times;
    // top row and left column in topLeft, right column and bottom row
    // (corners included) in bottomRight.
    void Bevel(const TRect& r, std::uint32_t topLeft, std::uint32_t bottomRight, int width);

    // Device pixels, for what is rendered at the device's size (text): the
    // box filled, and a row of n pixels from (x, y) blended over what lies
    // beneath by their coverage (0 leaves a pixel, 255 sets it).
    void FillDevice(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                    std::uint32_t pixel);
    void BlendDevice(std::int64_t x, std::int64_t y, const std::uint8_t* coverage, std::int64_t n,
                     std::uint32_t pixel);

private:
    // A device point of a polygon: whole numbers, as doubles, so that any
    // int coordinate at any scale is held exactly.
    struct DevicePoint {
        double X;
        double Y;
    };
    struct Edge {
        std::int64_t FirstRow;
        std::int64_t LastRow;
        double X0;
        double Y0;
        double Slope;
    };
    struct StampRow {
        int Dy;
        int DxFirst;
        int DxLast;
    };
    struct RowSpan {
        std::int64_t Y;
        std::int64_t X0;
        std::int64_t X1;
        friend bool operator<(const RowSpan& a, const RowSpan& b)
        {
            return a.Y != b.Y ? a.Y < b.Y : a.X0 < b.X0;
        }
    };

    void Span(std::int64_t y, std::int64_t x0, std::int64_t x1, std::uint32_t pixel, RasterOp op);
    void Put(std::int64_t x, std::int64_t y, std::uint32_t pixel, RasterOp op);
    void SetDeviceClip(const TRect& clip);
    void DeviceFillRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                        std::uint32_t pixel, RasterOp op);
    void FillDevicePolygon(std::uint32_t pixel, RasterOp op);
    // A pen's width in device pixels, at least 1.
    int DeviceWidth(int width) const;
    // The device point a wide pen of the width centres on for the layout
    // coordinate: its band covers the layout band scaled.
    std::int64_t PenCentre(std::int64_t v, int width, int deviceWidth) const;
    // One segment of a thin pen: the device lines side by side that cover
    // the device rows (columns) of its layout pixels.
    void ThinSegment(TPoint from, TPoint to, const LineStyle& style);
    // The pixels of a round pen of the width around (x, y).
    void Stamp(std::int64_t x, std::int64_t y, const LineStyle& style);
    void PrepareStamp(int width);
    int StampRadius() const { return stampRadius_; }
    // Wide not-xor pens set each pixel of their union once, however often
    // their stamps overlap.
    void BeginUnion(const LineStyle& style);
    void EndUnion(const LineStyle& style);
    // A device line; dotted lines are on where pixel i of the line, counted
    // in layout pixels (i * dotSteps / dotDeviceSteps), is even.
    void ThinLine(TPoint from, TPoint to, const LineStyle& style, std::uint64_t dotSteps = 1,
                  std::uint64_t dotDeviceSteps = 1);
    // The band and round ends of wide segments (device points, device width),
    // gathered as row spans and set once each where they overlap.
    void WideStroke(std::span<const TPoint> points, bool closed, int width, const LineStyle& style);
    void AddDisc(TPoint centre, int width);
    void AddBand(TPoint from, TPoint to, int width);
    void AddSpan(std::int64_t y, double from, double to);
    // The part of a thin line within the clip: Count pixels from P, the
    // first being pixel First of the line, stepping by MajorStride each and
    // by MinorStride when Error, growing by MinorLength, reaches Length.
    struct LineRun {
        std::uint32_t* P = nullptr;
        std::int64_t First = 0;
        std::int64_t Count = 0;
        std::uint64_t Error = 0;
        std::uint64_t MinorLength = 0;
        std::uint64_t Length = 1;
        std::ptrdiff_t MajorStride = 0;
        std::ptrdiff_t MinorStride = 0;
    };
    LineRun ClipLine(TPoint from, TPoint to) const;

    std::uint32_t* bits_ = nullptr;
    std::ptrdiff_t stride_ = 0;
    int width_ = 0;
    int height_ = 0;
    double scale_ = 1;
    TRect clip_;
    // The layout pixels that touch the clip.
    TRect layoutClip_;

    std::vector<Edge> edges_;
    std::vector<std::size_t> active_;
    std::vector<double> crossings_;
    std::vector<StampRow> stamp_;
    int stampWidth_ = 0;
    int stampRadius_ = 0;
    bool collecting_ = false;
    std::vector<std::int64_t> collected_;
    std::vector<RowSpan> strokeSpans_;
    std::vector<DevicePoint> devicePolygon_;
    std::vector<TPoint> deviceStroke_;
};

} // namespace otpor
