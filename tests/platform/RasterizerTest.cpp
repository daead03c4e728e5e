// The rasterizer sets exactly the pixels the classic raster conventions
// give: lines without their end pixel, boxes without their right and bottom
// edge, even-odd polygons, dotted gaps untouched, a reversible not-xor, wide
// pens as bands filled by the polygon rule, and clipping that survives any
// int coordinate.
#include "RasterPixels.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

namespace otpor::test {
namespace {

constexpr TColor Background = clWhite;
constexpr TColor PenColor = RGB(10, 20, 30);
constexpr TColor BrushColor = RGB(200, 100, 50);
constexpr std::uint32_t BrushPixel = PixelOf(BrushColor);

LineStyle Pen(TColor color = PenColor, int width = 1, bool dotted = false, RasterOp op = RasterOp::Copy)
{
    return LineStyle{PixelOf(color), width, dotted, op};
}

// A background where neighbouring pixels differ in every channel.
void PaintPattern(Bitmap& b)
{
    for (int x = 0; x < b.width; ++x)
        b.raster.FillRect(x, 0, x + 1, b.height, PixelOf(RGB(x * 13, x * 7 + 50, 255 - x * 3)),
                          RasterOp::Copy);
    for (int y = 0; y < b.height; y += 2)
        b.raster.FillRect(0, y, b.width / 2, y + 1, PixelOf(RGB(y * 11, 255 - y * 5, y * 29)),
                          RasterOp::Copy);
}

TEST(Rasterizer, ThinLinesLeaveOutTheirEndPixelInEveryDirection)
{
    struct Case {
        TPoint From;
        TPoint To;
    };
    const Case cases[] = {
        {{5, 10}, {15, 10}}, // right
        {{15, 10}, {5, 10}}, // left
        {{10, 5}, {10, 15}}, // down
        {{10, 15}, {10, 5}}, // up
        {{5, 5}, {15, 15}},  // diagonal down-right
        {{15, 15}, {5, 5}},  // diagonal up-left
        {{3, 14}, {17, 9}},  // shallow up-right
    };
    for (const Case& c : cases) {
        Bitmap b(20, 20);
        b.raster.Line(c.From, c.To, Pen());
        const int length = std::max(std::abs(c.To.X - c.From.X), std::abs(c.To.Y - c.From.Y));
        EXPECT_EQ(b.At(c.From.X, c.From.Y), PenColor);
        EXPECT_EQ(b.At(c.To.X, c.To.Y), Background);
        EXPECT_EQ(CountColor(b, b.Whole(), PenColor), length);
        // The canvas's pen position follows the line.
        RecordingCanvas canvas;
        canvas.MoveTo(c.From.X, c.From.Y);
        canvas.LineTo(c.To.X, c.To.Y);
        EXPECT_EQ(canvas.PenPos(), c.To);
    }
}

TEST(Rasterizer, WiderPensDrawWiderLines)
{
    for (const int width : {2, 3}) {
        Bitmap b(40, 40);
        b.raster.Line({5, 20}, {30, 20}, Pen(PenColor, width));
        int rows = 0;
        for (int y = 0; y < b.height; ++y)
            rows += b.At(15, y) == PenColor ? 1 : 0;
        EXPECT_EQ(rows, width);
        // A steep line is as wide across.
        Bitmap steep(40, 40);
        steep.raster.Line({20, 5}, {20, 30}, Pen(PenColor, width));
        EXPECT_EQ(CountColor(steep, TRect{0, 15, 40, 16}, PenColor), width);
    }
}

// The columns of row y set in the pen colour, as [first, last]; {1, 0} when
// none is.
std::pair<int, int> RowRun(const Bitmap& b, int y)
{
    int first = b.width;
    int last = -1;
    for (int x = 0; x < b.width; ++x) {
        if (b.At(x, y) == PenColor) {
            first = std::min(first, x);
            last = std::max(last, x);
        }
    }
    return first <= last ? std::pair{first, last} : std::pair{1, 0};
}

std::pair<int, int> ColumnRun(const Bitmap& b, int x)
{
    int first = b.height;
    int last = -1;
    for (int y = 0; y < b.height; ++y) {
        if (b.At(x, y) == PenColor) {
            first = std::min(first, y);
            last = std::max(last, y);
        }
    }
    return first <= last ? std::pair{first, last} : std::pair{1, 0};
}

TEST(Rasterizer, WidePensAreBandsWithTheExtraPixelOfAnEvenWidthAboveOrLeft)
{
    using Run = std::pair<int, int>;
    for (const bool reversed : {false, true}) {
        auto line = [&](Bitmap& b, TPoint p, TPoint q, int width) {
            if (reversed)
                std::swap(p, q);
            b.raster.Line(p, q, Pen(PenColor, width));
        };
        // Horizontal at y 20 from x 5 to 30: the band's rows, and round ends
        // of the pen's diameter around both end points.
        Bitmap h2(40, 40);
        line(h2, {5, 20}, {30, 20}, 2);
        EXPECT_EQ(ColumnRun(h2, 15), (Run{19, 20}));
        EXPECT_EQ(RowRun(h2, 19), (Run{5, 29}));
        EXPECT_EQ(RowRun(h2, 20), (Run{4, 30}));
        Bitmap h3(40, 40);
        line(h3, {5, 20}, {30, 20}, 3);
        EXPECT_EQ(ColumnRun(h3, 15), (Run{19, 21}));
        for (const int y : {19, 20, 21})
            EXPECT_EQ(RowRun(h3, y), (Run{4, 31})) << y;
        EXPECT_EQ(CountColor(h3, h3.Whole(), PenColor), 3 * 28);

        // Vertical at x 20 from y 5 to 30.
        Bitmap v2(40, 40);
        line(v2, {20, 5}, {20, 30}, 2);
        EXPECT_EQ(RowRun(v2, 15), (Run{19, 20}));
        EXPECT_EQ(ColumnRun(v2, 19), (Run{5, 30}));
        EXPECT_EQ(ColumnRun(v2, 20), (Run{5, 30}));
        Bitmap v3(40, 40);
        line(v3, {20, 5}, {20, 30}, 3);
        EXPECT_EQ(RowRun(v3, 15), (Run{19, 21}));
        for (const int x : {19, 20, 21})
            EXPECT_EQ(ColumnRun(v3, x), (Run{4, 31})) << x;

        // Diagonal: the band is w / sqrt(2) wide across, centred on the line.
        Bitmap d2(40, 40);
        line(d2, {5, 5}, {30, 30}, 2);
        Bitmap d3(40, 40);
        line(d3, {5, 5}, {30, 30}, 3);
        for (int y = 10; y <= 25; ++y) {
            EXPECT_EQ(RowRun(d2, y), (Run{y - 1, y + 1})) << y;
            EXPECT_EQ(RowRun(d3, y), (Run{y - 2, y + 2})) << y;
        }
    }

    // Polygon and rectangle outlines follow the same rule on every side: the
    // box's outer columns 10 and 19 and rows 10 and 15.
    for (const int width : {2, 3}) {
        const int outside = width / 2;
        const int inside = (width - 1) / 2;
        Bitmap rect(30, 30);
        rect.raster.Rectangle(TRect{10, 10, 20, 16}, std::nullopt, Pen(PenColor, width), RasterOp::Copy);
        Bitmap poly(30, 30);
        const TPoint box[] = {{10, 10}, {19, 10}, {19, 15}, {10, 15}};
        poly.raster.Polygon(box, std::nullopt, Pen(PenColor, width), RasterOp::Copy);
        for (const Bitmap* b : {&rect, &poly}) {
            EXPECT_EQ(RowRun(*b, 12).first, 10 - outside) << width;
            EXPECT_EQ(RowRun(*b, 12).second, 19 + inside) << width;
            EXPECT_EQ(ColumnRun(*b, 14).first, 10 - outside) << width;
            EXPECT_EQ(ColumnRun(*b, 14).second, 15 + inside) << width;
            EXPECT_EQ(b->At(10 + inside + 1, 12), Background) << width;
            EXPECT_EQ(b->At(19 - outside - 1, 12), Background) << width;
        }
    }
}

TEST(Rasterizer, RectangleCoversItsBoxWithoutTheRightAndBottomEdge)
{
    const LineStyle pen = Pen();
    Bitmap b(20, 20);
    b.raster.Rectangle(TRect{2, 3, 8, 7}, BrushPixel, pen, RasterOp::Copy);
    EXPECT_EQ(BoundsOfOther(b, Background), (TRect{2, 3, 8, 7}));
    for (int x = 2; x < 8; ++x) {
        EXPECT_EQ(b.At(x, 3), PenColor);
        EXPECT_EQ(b.At(x, 6), PenColor);
    }
    for (int y = 3; y < 7; ++y) {
        EXPECT_EQ(b.At(2, y), PenColor);
        EXPECT_EQ(b.At(7, y), PenColor);
    }
    EXPECT_EQ(CountColor(b, TRect{3, 4, 7, 6}, BrushColor), 8);

    // Corners given the other way round mean the same box.
    Bitmap swapped(20, 20);
    swapped.raster.Rectangle(TRect{8, 7, 2, 3}, BrushPixel, pen, RasterOp::Copy);
    EXPECT_EQ(swapped.bits, b.bits);

    // Without a pen the fill takes the whole box; without a brush the inside
    // stays as it was.
    Bitmap noPen(20, 20);
    noPen.raster.Rectangle(TRect{2, 3, 8, 7}, BrushPixel, std::nullopt, RasterOp::Copy);
    EXPECT_EQ(CountColor(noPen, noPen.Whole(), BrushColor), 6 * 4);
    EXPECT_EQ(BoundsOfOther(noPen, Background), (TRect{2, 3, 8, 7}));

    Bitmap noBrush(20, 20);
    noBrush.raster.Rectangle(TRect{2, 3, 8, 7}, std::nullopt, pen, RasterOp::Copy);
    EXPECT_EQ(CountColor(noBrush, TRect{3, 4, 7, 6}, Background), 8);
    EXPECT_EQ(CountColor(noBrush, noBrush.Whole(), PenColor), 6 * 2 + 2 * 2);

    // A box one pixel wide is all outline.
    Bitmap thin(20, 20);
    thin.raster.Rectangle(TRect{4, 4, 5, 9}, BrushPixel, pen, RasterOp::Copy);
    EXPECT_EQ(CountColor(thin, thin.Whole(), PenColor), 5);

    // FillRect fills the box and nothing else.
    Bitmap filled(20, 20);
    filled.raster.FillRect(2, 3, 8, 7, BrushPixel, RasterOp::Copy);
    EXPECT_EQ(CountColor(filled, TRect{2, 3, 8, 7}, BrushColor), 24);
    EXPECT_EQ(BoundsOfOther(filled, Background), (TRect{2, 3, 8, 7}));
}

TEST(Rasterizer, EllipseIsInscribedInItsBoxFilledAndOutlined)
{
    Bitmap b(40, 40);
    b.raster.Ellipse(TRect{10, 10, 30, 20}, true, BrushPixel, true, Pen(), RasterOp::Copy);
    EXPECT_EQ(BoundsOfOther(b, Background), (TRect{10, 10, 30, 20}));
    EXPECT_EQ(b.At(20, 10), PenColor);
    EXPECT_EQ(b.At(20, 19), PenColor);
    EXPECT_EQ(b.At(10, 15), PenColor);
    EXPECT_EQ(b.At(29, 15), PenColor);
    EXPECT_EQ(b.At(20, 15), BrushColor);
    EXPECT_EQ(b.At(10, 10), Background);
    EXPECT_EQ(b.At(29, 19), Background);
    // Symmetric about the box's centre lines.
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 30; ++x)
            EXPECT_EQ(b.At(x, y), b.At(39 - x, y));
}

TEST(Rasterizer, PolygonFillsEvenOddAndIsOutlinedWithThePen)
{
    // A five-pointed star drawn in one stroke: its middle is enclosed twice,
    // so even-odd leaves it empty.
    const TPoint star[] = {{50, 10}, {74, 82}, {12, 38}, {88, 38}, {26, 82}};
    Bitmap b(100, 100);
    b.raster.Polygon(star, BrushPixel, Pen(), RasterOp::Copy);
    EXPECT_EQ(b.At(50, 50), Background);
    EXPECT_EQ(b.At(50, 25), BrushColor); // top point
    EXPECT_EQ(b.At(25, 42), BrushColor); // left point
    for (const TPoint p : star)
        EXPECT_EQ(b.At(p.X, p.Y), PenColor);
    EXPECT_EQ(BoundsOfOther(b, Background), (TRect{12, 10, 89, 83}));

    // An axis-aligned polygon without a pen fills right and bottom exclusive;
    // with the pen its outline covers the last column and row too.
    const TPoint box[] = {{2, 2}, {10, 2}, {10, 6}, {2, 6}};
    Bitmap fillOnly(20, 20);
    fillOnly.raster.Polygon(box, BrushPixel, std::nullopt, RasterOp::Copy);
    EXPECT_EQ(BoundsOfOther(fillOnly, Background), (TRect{2, 2, 10, 6}));
    fillOnly.raster.Polygon(box, BrushPixel, Pen(), RasterOp::Copy);
    EXPECT_EQ(BoundsOfOther(fillOnly, Background), (TRect{2, 2, 11, 7}));
    EXPECT_EQ(CountColor(fillOnly, fillOnly.Whole(), PenColor), 2 * 9 + 2 * 3);
}

TEST(Rasterizer, PolygonFillAndOutlineInOneColourJoinWithoutGaps)
{
    // The arrowheads and the shaded strips are filled and outlined in the
    // same colour: each row of such a convex shape must be one solid run.
    const TPoint tip{40, 60};
    const std::vector<std::vector<TPoint>> shapes = {
        {{40, 5}, tip, {tip.X + 5, tip.Y - 10}, {tip.X - 5, tip.Y - 10}, tip},
        {tip, {tip.X + 10, tip.Y - 8}, {tip.X + 15, tip.Y - 2}},
        {{3, 7}, {71, 22}, {66, 31}, {5, 12}},
        {{20, 2}, {58, 70}, {52, 71}, {17, 3}},
    };
    for (const int width : {1, 2, 3}) {
        for (std::size_t k = 0; k < shapes.size(); ++k) {
            Bitmap b(80, 80);
            b.raster.Polygon(shapes[k], PixelOf(PenColor), Pen(PenColor, width), RasterOp::Copy);
            for (int y = 0; y < b.height; ++y) {
                int runs = 0;
                for (int x = 0; x < b.width; ++x) {
                    const bool set = b.At(x, y) == PenColor;
                    const bool before = x > 0 && b.At(x - 1, y) == PenColor;
                    runs += set && !before ? 1 : 0;
                }
                EXPECT_LE(runs, 1) << "shape " << k << ", row " << y << ", pen width " << width;
            }
        }
    }
}

TEST(Rasterizer, PolylineDrawsWithThePenOnlyAndLeavesOutTheLastPoint)
{
    const TPoint path[] = {{2, 2}, {10, 2}, {10, 8}};
    Bitmap b(20, 20);
    b.raster.Polyline(path, Pen(), false);
    EXPECT_EQ(CountColor(b, b.Whole(), PenColor), 8 + 6);
    EXPECT_EQ(CountColor(b, b.Whole(), BrushColor), 0);
    EXPECT_EQ(b.At(10, 2), PenColor);
    EXPECT_EQ(b.At(10, 8), Background);
}

TEST(Rasterizer, DottedLinesLeaveTheirGapsUntouched)
{
    Bitmap b(40, 20);
    PaintPattern(b);
    const Bitmap before = b;
    const LineStyle dotted = Pen(PenColor, 1, true);
    b.raster.Line({2, 5}, {32, 5}, dotted);
    for (int x = 2; x < 32; ++x) {
        if ((x - 2) % 2 == 0)
            EXPECT_EQ(b.At(x, 5), PenColor) << x;
        else
            EXPECT_EQ(b.Word(x, 5), before.Word(x, 5)) << x;
    }
    EXPECT_EQ(b.Word(32, 5), before.Word(32, 5));

    // Dotted vertical lines and dotted polylines alike.
    b.raster.Line({36, 2}, {36, 12}, dotted);
    EXPECT_EQ(CountColor(b, TRect{36, 0, 37, 20}, PenColor), 5);
}

TEST(Rasterizer, NotXorDrawnTwiceRestoresEveryPixel)
{
    Bitmap b(60, 50);
    PaintPattern(b);
    const std::vector<std::uint32_t> before = b.bits;
    const TColor band = RGB(240, 240, 240);
    constexpr RasterOp NotXor = RasterOp::NotXor;
    LineStyle pen = Pen(band, 1, false, NotXor);

    // The rubber band: each outline pixel becomes not(pen xor pixel).
    const TRect rubber{5, 6, 40, 30};
    const std::uint32_t under = b.Word(5, 6);
    b.raster.Rectangle(rubber, std::nullopt, pen, NotXor);
    EXPECT_EQ(b.At(5, 6), ColorOf(~(PixelOf(band) ^ under)));
    EXPECT_EQ(b.Word(20, 20), before[20 * (60 + Bitmap::Slack) + 20]); // inside untouched
    EXPECT_EQ(b.Word(40, 30), before[30 * (60 + Bitmap::Slack) + 40]); // outside the box
    b.raster.Rectangle(rubber, std::nullopt, pen, NotXor);
    EXPECT_EQ(b.bits, before);

    // Dragged the other way round, filled, and with a wide pen.
    b.raster.Rectangle(TRect{50, 45, 10, 3}, BrushPixel, pen, NotXor);
    b.raster.Rectangle(TRect{50, 45, 10, 3}, BrushPixel, pen, NotXor);
    EXPECT_EQ(b.bits, before);
    pen.Width = 3;
    b.raster.Rectangle(TRect{8, 8, 30, 25}, BrushPixel, pen, NotXor);
    b.raster.Rectangle(TRect{8, 8, 30, 25}, BrushPixel, pen, NotXor);
    EXPECT_EQ(b.bits, before);

    // Lines whose ends and corners meet, thin and wide, a filled polygon and
    // an ellipse.
    const TPoint zigzag[] = {{3, 3}, {50, 20}, {10, 40}, {45, 5}, {3, 3}};
    for (const int width : {1, 2, 3}) {
        pen.Width = width;
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t k = 0; k + 1 < std::size(zigzag); ++k)
                b.raster.Line(zigzag[k], zigzag[k + 1], pen);
            b.raster.Polyline(zigzag, pen, false);
            b.raster.Polygon(zigzag, BrushPixel, pen, NotXor);
            b.raster.Ellipse(TRect{12, 10, 44, 36}, true, BrushPixel, true, pen, NotXor);
        }
        EXPECT_EQ(b.bits, before) << "pen width " << width;
    }
}

TEST(Rasterizer, DrawingIsClippedToTheBitmapAndToTheClipRectangle)
{
    Bitmap b(30, 20);
    b.raster.Rectangle(TRect{-5, -5, 10, 8}, BrushPixel, Pen(), RasterOp::Copy);
    EXPECT_EQ(b.At(0, 0), BrushColor);
    EXPECT_EQ(b.At(9, 0), PenColor);
    EXPECT_EQ(b.At(0, 7), PenColor);
    b.raster.Rectangle(TRect{25, 15, 40, 40}, BrushPixel, Pen(), RasterOp::Copy);
    EXPECT_EQ(b.At(25, 15), PenColor);
    EXPECT_EQ(b.At(29, 19), BrushColor);

    Bitmap clipped(30, 20);
    clipped.raster.SetClip(TRect{10, 5, 20, 15});
    clipped.raster.FillRect(0, 0, 30, 20, BrushPixel, RasterOp::Copy);
    EXPECT_EQ(BoundsOfOther(clipped, Background), (TRect{10, 5, 20, 15}));
    clipped.raster.Line({0, 10}, {30, 10}, Pen());
    EXPECT_EQ(CountColor(clipped, clipped.Whole(), PenColor), 10);
    const TPoint triangle[] = {{0, 0}, {29, 0}, {0, 19}};
    clipped.raster.Polygon(triangle, BrushPixel, Pen(), RasterOp::Copy);
    clipped.raster.Ellipse(TRect{0, 0, 30, 20}, true, BrushPixel, true, Pen(), RasterOp::Copy);
    clipped.raster.FillRect(0, 0, 30, 20, PixelOf(PenColor), RasterOp::Copy);
    clipped.raster.Bevel(TRect{0, 0, 30, 20}, PixelOf(PenColor), PixelOf(PenColor), 30);
    EXPECT_EQ(BoundsOfOther(clipped, Background), (TRect{10, 5, 20, 15}));

    clipped.raster.RemoveClip();
    clipped.raster.FillRect(0, 0, 30, 20, BrushPixel, RasterOp::Copy);
    EXPECT_EQ(CountColor(clipped, clipped.Whole(), BrushColor), 600);

    // A clip outside the bitmap, or empty, lets nothing through.
    clipped.raster.SetClip(TRect{40, 40, 50, 50});
    clipped.raster.FillRect(0, 0, 30, 20, PixelOf(PenColor), RasterOp::Copy);
    clipped.raster.SetClip(TRect{10, 10, 5, 5});
    clipped.raster.FillRect(0, 0, 30, 20, PixelOf(PenColor), RasterOp::Copy);
    EXPECT_EQ(CountColor(clipped, clipped.Whole(), PenColor), 0);
}

TEST(Rasterizer, BevelDrawsTopLeftAndBottomRightLinesInwardWidthTimes)
{
    const TColor light = RGB(255, 255, 255);
    const TColor dark = RGB(100, 100, 100);
    Bitmap b(20, 20);
    b.raster.FillRect(0, 0, 20, 20, BrushPixel, RasterOp::Copy);
    b.raster.Bevel(TRect{2, 3, 12, 10}, PixelOf(light), PixelOf(dark), 2);
    // Outer ring: top row and left column up to the far corners.
    for (int x = 2; x < 11; ++x)
        EXPECT_EQ(b.At(x, 3), light) << x;
    for (int y = 3; y < 9; ++y)
        EXPECT_EQ(b.At(2, y), light) << y;
    // Right column Right - 1 and bottom row Bottom - 1, corners included.
    for (int y = 3; y < 10; ++y)
        EXPECT_EQ(b.At(11, y), dark) << y;
    for (int x = 2; x < 12; ++x)
        EXPECT_EQ(b.At(x, 9), dark) << x;
    // Second ring, one pixel in.
    EXPECT_EQ(b.At(3, 4), light);
    EXPECT_EQ(b.At(9, 4), light);
    EXPECT_EQ(b.At(10, 4), dark);
    EXPECT_EQ(b.At(3, 8), dark);
    EXPECT_EQ(b.At(10, 8), dark);
    // The inside and the outside stay.
    EXPECT_EQ(CountColor(b, TRect{4, 5, 10, 8}, BrushColor), 18);
    EXPECT_EQ(b.At(12, 9), BrushColor);
    EXPECT_EQ(b.At(11, 10), BrushColor);
    EXPECT_EQ(CountColor(b, b.Whole(), light) + CountColor(b, b.Whole(), dark), 10 * 7 - 6 * 3);
}

TEST(Rasterizer, HugeCoordinatesAreClippedWithoutOverflowOrCrash)
{
    constexpr int Min = INT_MIN;
    constexpr int Max = INT_MAX;
    Bitmap b(40, 30);

    // A line across the whole int range still lands on its pixels.
    b.raster.Line({Min, 5}, {Max, 5}, Pen());
    EXPECT_EQ(CountColor(b, TRect{0, 5, 40, 6}, PenColor), 40);
    b.raster.Line({-(1 << 30), -(1 << 30)}, {1 << 30, 1 << 30}, Pen());
    EXPECT_EQ(b.At(10, 10), PenColor);
    EXPECT_EQ(b.At(20, 20), PenColor);

    // An arrow polygon many times the picture's size covers it.
    const TPoint arrow[] = {{20, 15}, {20, Max}, {Max, Max}, {Min, Max}, {20, Max}};
    b.raster.Polygon(arrow, BrushPixel, Pen(PenColor, 3), RasterOp::Copy);
    EXPECT_EQ(b.At(20, 29), PenColor);

    const TPoint far[] = {{Min, Min}, {Max, Min}, {Max, Max}, {Min, Max}};
    b.raster.Polygon(far, BrushPixel, Pen(), RasterOp::Copy);
    EXPECT_EQ(CountColor(b, b.Whole(), BrushColor), 40 * 30);

    const LineStyle black = Pen(clBlack);
    const std::uint32_t blackPixel = PixelOf(clBlack);
    b.raster.Rectangle(TRect{Min, Min, Max, Max}, BrushPixel, black, RasterOp::Copy);
    b.raster.Rectangle(TRect{Max, Max, Min, Min}, BrushPixel, black, RasterOp::Copy);
    b.raster.Ellipse(TRect{Min, Min, Max, Max}, true, BrushPixel, true, black, RasterOp::Copy);
    b.raster.Ellipse(TRect{Max - 5, Max - 5, Max, Max}, true, BrushPixel, true, black, RasterOp::Copy);
    b.raster.FillRect(Min, Min, Max, Max, blackPixel, RasterOp::Copy);
    b.raster.FillRect(std::int64_t{Max}, Max, std::int64_t{Max} + Max, std::int64_t{Max} + Max, blackPixel,
                      RasterOp::Copy);
    b.raster.Bevel(TRect{Min, Min, Max, Max}, blackPixel, blackPixel, Max);
    b.raster.SetClip(TRect{Min, Min, Max, Max});
    const LineStyle widest = Pen(clBlack, Max);
    b.raster.Line({Max, Min}, {Min, Max}, widest);
    const TPoint spike[] = {{Min, 0}, {Max, 1}, {0, Max}, {1, Min}};
    b.raster.Polyline(spike, widest, false);
    b.raster.Polygon(spike, BrushPixel, widest, RasterOp::NotXor);
    b.raster.Line({Min, Min}, {Max, Max}, Pen(clBlack, Min, true));
    b.raster.RemoveClip();

    // The bitmap may even be empty.
    Rasterizer none;
    none.Attach(nullptr, 0, 10, 10);
    none.Rectangle(TRect{0, 0, 10, 10}, BrushPixel, black, RasterOp::Copy);
    none.Line({0, 0}, {10, 10}, widest);
    SUCCEED();
}

} // namespace
} // namespace otpor::test
