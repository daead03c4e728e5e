// The rasterizer at device scales other than 1: layout shapes land on device
// pixels by one mapping, so neighbours tile, wide pens cover their scaled
// band, dotted lines stay dotted and the not-xor band undoes itself.
#include "RasterPixels.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace otpor::test {
namespace {

constexpr double Scales[] = {1.5, 2, 2.75};
constexpr TColor PenColor = RGB(10, 20, 30);

// A white bitmap of the layout size at the scale.
struct ScaledBitmap : Bitmap {
    ScaledBitmap(int w, int h, double scale)
        : Bitmap(static_cast<int>(std::nearbyint(w * scale)), static_cast<int>(std::nearbyint(h * scale)))
    {
        raster.SetScale(scale);
    }
    int Device(int v) const { return static_cast<int>(raster.ToDevice(v)); }
};

LineStyle Pen(int width, bool dotted = false, RasterOp op = RasterOp::Copy)
{
    return LineStyle{PixelOf(PenColor), width, dotted, op};
}

TEST(RasterizerScale, NeighbouringFillsTileWithoutGapOrOverlap)
{
    // A 40 x 30 box cut into rectangles, triangles and a fan of polygons that
    // share their edges, each inverted once in not-xor: a pixel covered once
    // turns black, twice white again, never white stays white.
    const std::uint32_t invert = PixelOf(clBlack);
    for (const double scale : Scales) {
        ScaledBitmap b(50, 40, scale);
        auto& r = b.raster;
        r.FillRect(0, 0, 13, 11, invert, RasterOp::NotXor);
        r.FillRect(13, 0, 40, 11, invert, RasterOp::NotXor);
        r.FillRect(0, 11, 7, 30, invert, RasterOp::NotXor);
        const TPoint upper[] = {{7, 11}, {40, 11}, {40, 30}};
        const TPoint lower[] = {{7, 11}, {40, 30}, {7, 30}};
        r.FillPolygon(upper, invert, RasterOp::NotXor);
        r.FillPolygon(lower, invert, RasterOp::NotXor);
        // A fan around an inner point of the lower triangle's neighbour.
        const TPoint centre{45, 20};
        const TPoint rim[] = {{40, 0}, {50, 0}, {50, 40}, {40, 40}, {40, 30}, {40, 11}};
        for (std::size_t k = 0; k < std::size(rim); ++k) {
            const TPoint slice[] = {centre, rim[k], rim[(k + 1) % std::size(rim)]};
            r.FillPolygon(slice, invert, RasterOp::NotXor);
        }
        r.FillRect(0, 30, 40, 40, invert, RasterOp::NotXor);
        EXPECT_EQ(CountColor(b, b.Whole(), clBlack), b.width * b.height) << "scale " << scale;
    }
}

TEST(RasterizerScale, LinesCoverTheirScaledBand)
{
    for (const double scale : Scales) {
        for (int width = 1; width <= 8; ++width) {
            const int device = std::max(1, static_cast<int>(std::nearbyint(width * scale)));
            ScaledBitmap b(60, 60, scale);
            b.raster.Line({5, 20}, {50, 20}, Pen(width));
            b.raster.Line({30, 25}, {30, 55}, Pen(width));
            // Across the level line, in the middle: its scaled band, which
            // for a thin pen is the device rows of its layout row.
            const int x = b.Device(15);
            int first = -1;
            int rows = 0;
            for (int y = 0; y < b.Device(25); ++y) {
                if (b.At(x, y) == PenColor) {
                    first = first < 0 ? y : first;
                    ++rows;
                }
            }
            const int expected = width == 1 ? b.Device(21) - b.Device(20) : device;
            EXPECT_EQ(rows, expected) << "scale " << scale << ", width " << width;
            EXPECT_EQ(first, b.Device(20 - width / 2)) << "scale " << scale << ", width " << width;
            EXPECT_EQ(
                CountColor(b, TRect{b.Device(25), b.Device(40), b.Device(35), b.Device(40) + 1}, PenColor),
                width == 1 ? b.Device(31) - b.Device(30) : device)
                << "scale " << scale << ", width " << width;
        }
        // A thin line leaves out the device pixels of its end pixel, and a
        // polyline's corners join: the same as filling its layout pixels.
        ScaledBitmap line(30, 30, scale);
        const TPoint path[] = {{3, 4}, {20, 4}, {20, 25}};
        line.raster.Polyline(path, Pen(1), false);
        ScaledBitmap fill(30, 30, scale);
        fill.raster.FillRect(3, 4, 20, 5, PixelOf(PenColor), RasterOp::Copy);
        fill.raster.FillRect(20, 4, 21, 25, PixelOf(PenColor), RasterOp::Copy);
        EXPECT_EQ(line.bits, fill.bits) << "scale " << scale;
    }
}

TEST(RasterizerScale, DottedLinesStayDottedAndRectangleFramesAreTheirScaledBands)
{
    for (const double scale : Scales) {
        ScaledBitmap b(60, 20, scale);
        b.raster.Line({2, 5}, {42, 5}, Pen(1, true));
        // Along the line: runs on and off, each about a layout pixel long.
        const int y = b.Device(5);
        int runs = 0;
        int longest = 0;
        int length = 0;
        bool on = false;
        for (int x = b.Device(2); x < b.Device(42); ++x) {
            const bool set = b.At(x, y) == PenColor;
            if (set != on || x == b.Device(2)) {
                runs += set ? 1 : 0;
                length = 0;
            }
            on = set;
            longest = std::max(longest, ++length);
        }
        EXPECT_EQ(runs, 20) << "scale " << scale;
        EXPECT_LE(longest, static_cast<int>(std::ceil(scale))) << "scale " << scale;

        // A frame of width w covers the device pixels of its layout frame.
        for (const int width : {1, 2, 3}) {
            ScaledBitmap frame(40, 30, scale);
            frame.raster.Rectangle(TRect{8, 6, 31, 22}, std::nullopt, Pen(width), RasterOp::Copy);
            ScaledBitmap bands(40, 30, scale);
            const RectangleFrame layout = FrameOf({8, 6, 31, 22}, width);
            for (const PixelBox& band : layout.Bands)
                bands.raster.FillRect(band.Left, band.Top, band.Right, band.Bottom, PixelOf(PenColor),
                                      RasterOp::Copy);
            EXPECT_EQ(frame.bits, bands.bits) << "scale " << scale << ", width " << width;
        }
    }
}

TEST(RasterizerScale, NotXorDrawnTwiceRestoresEveryPixelAndAbsurdShapesAreSafe)
{
    for (const double scale : Scales) {
        ScaledBitmap b(60, 50, scale);
        for (int x = 0; x < b.width; ++x)
            b.raster.FillDevice(x, 0, x + 1, b.height, PixelOf(RGB(x * 13, x * 7 + 50, 255 - x * 3)));
        const std::vector<std::uint32_t> before = b.bits;
        const TPoint zigzag[] = {{3, 3}, {50, 20}, {10, 40}, {45, 5}, {3, 3}};
        for (const int width : {1, 2, 3}) {
            const LineStyle pen = Pen(width, false, RasterOp::NotXor);
            for (int pass = 0; pass < 2; ++pass) {
                b.raster.Rectangle(TRect{5, 6, 40, 30}, std::nullopt, pen, RasterOp::NotXor);
                b.raster.Polyline(zigzag, pen, false);
                b.raster.Polygon(zigzag, PixelOf(clYellow), pen, RasterOp::NotXor);
                b.raster.Ellipse(TRect{12, 10, 44, 36}, true, PixelOf(clYellow), true, pen, RasterOp::NotXor);
                b.raster.Line({2, 45}, {55, 45}, Pen(1, true, RasterOp::NotXor));
            }
            EXPECT_EQ(b.bits, before) << "scale " << scale << ", width " << width;
        }

        // Any int coordinate at any scale.
        constexpr int Min = INT_MIN;
        constexpr int Max = INT_MAX;
        const TPoint far[] = {{Min, Min}, {Max, Min}, {Max, Max}, {Min, Max}};
        b.raster.Polygon(far, PixelOf(clYellow), Pen(3), RasterOp::Copy);
        EXPECT_EQ(CountColor(b, b.Whole(), clYellow),
                  b.width * b.height - CountColor(b, b.Whole(), PenColor));
        b.raster.Line({Min, 10}, {Max, 12}, Pen(1, true));
        b.raster.Line({Max, Min}, {Min, Max}, Pen(64));
        b.raster.Ellipse(TRect{Min, Min, Max, Max}, true, PixelOf(clBlue), true, Pen(5), RasterOp::Copy);
        b.raster.SetClip(TRect{Min, Min, Max, Max});
        b.raster.FillRect(Min, Min, Max, Max, PixelOf(clBlue), RasterOp::Copy);
        EXPECT_EQ(CountColor(b, b.Whole(), clBlue), b.width * b.height);
    }
    // Scales beyond those drawn are drawn at the nearest.
    Bitmap tiny(4, 4);
    tiny.raster.SetScale(0);
    EXPECT_EQ(tiny.raster.Scale(), Rasterizer::MinScale);
    tiny.raster.SetScale(1e9);
    EXPECT_EQ(tiny.raster.Scale(), Rasterizer::MaxScale);
}

} // namespace
} // namespace otpor::test
