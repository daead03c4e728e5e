// The QImage canvas sets exactly the pixels the classic raster conventions
// give: lines without their end pixel, boxes without their right and bottom
// edge, even-odd polygons, dotted gaps untouched, a reversible not-xor, and
// clipping that survives any int coordinate.
#include "CanvasPixels.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace otpor::test {
namespace {

using qt::QImageCanvas;

constexpr TColor Background = clWhite;
constexpr TColor PenColor = RGB(10, 20, 30);
constexpr TColor BrushColor = RGB(200, 100, 50);

// A background where neighbouring pixels differ in every channel.
void PaintPattern(QImageCanvas& canvas)
{
    for (int x = 0; x < canvas.Width(); ++x)
        canvas.BandFill(x, 0, 1, canvas.Height(), RGB(x * 13, x * 7 + 50, 255 - x * 3));
    for (int y = 0; y < canvas.Height(); y += 2)
        canvas.BandFill(0, y, canvas.Width() / 2, 1, RGB(y * 11, 255 - y * 5, y * 29));
}

std::vector<QRgb> Snapshot(const QImageCanvas& canvas)
{
    std::vector<QRgb> pixels;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            pixels.push_back(canvas.Image().pixel(x, y));
    return pixels;
}

TEST(QImageCanvas, LineToLeavesOutItsEndPixelInEveryDirection)
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
        QImageCanvas canvas(20, 20);
        canvas.SetPenColor(PenColor);
        canvas.MoveTo(c.From.X, c.From.Y);
        canvas.LineTo(c.To.X, c.To.Y);
        const int length = std::max(std::abs(c.To.X - c.From.X), std::abs(c.To.Y - c.From.Y));
        EXPECT_EQ(PixelAt(canvas, c.From.X, c.From.Y), PenColor);
        EXPECT_EQ(PixelAt(canvas, c.To.X, c.To.Y), Background);
        EXPECT_EQ(CountColor(canvas, Whole(canvas), PenColor), length);
        EXPECT_EQ(canvas.PenPos(), c.To);
    }
}

TEST(QImageCanvas, WiderPensDrawWiderLines)
{
    for (const int width : {2, 3}) {
        QImageCanvas canvas(40, 40);
        canvas.SetPenColor(PenColor);
        canvas.SetPenWidth(width);
        canvas.MoveTo(5, 20);
        canvas.LineTo(30, 20);
        int rows = 0;
        for (int y = 0; y < canvas.Height(); ++y)
            rows += PixelAt(canvas, 15, y) == PenColor ? 1 : 0;
        EXPECT_EQ(rows, width);
        // A steep line is as wide across.
        QImageCanvas steep(40, 40);
        steep.SetPenColor(PenColor);
        steep.SetPenWidth(width);
        steep.MoveTo(20, 5);
        steep.LineTo(20, 30);
        EXPECT_EQ(CountColor(steep, TRect{0, 15, 40, 16}, PenColor), width);
    }
}

TEST(QImageCanvas, RectangleCoversItsBoxWithoutTheRightAndBottomEdge)
{
    QImageCanvas canvas(20, 20);
    canvas.SetPenColor(PenColor);
    canvas.SetBrushColor(BrushColor);
    canvas.Rectangle(2, 3, 8, 7);
    EXPECT_EQ(BoundsOfOther(canvas, Background), (TRect{2, 3, 8, 7}));
    for (int x = 2; x < 8; ++x) {
        EXPECT_EQ(PixelAt(canvas, x, 3), PenColor);
        EXPECT_EQ(PixelAt(canvas, x, 6), PenColor);
    }
    for (int y = 3; y < 7; ++y) {
        EXPECT_EQ(PixelAt(canvas, 2, y), PenColor);
        EXPECT_EQ(PixelAt(canvas, 7, y), PenColor);
    }
    EXPECT_EQ(CountColor(canvas, TRect{3, 4, 7, 6}, BrushColor), 8);

    // Corners given the other way round mean the same box.
    QImageCanvas swapped(20, 20);
    swapped.SetPenColor(PenColor);
    swapped.SetBrushColor(BrushColor);
    swapped.Rectangle(8, 7, 2, 3);
    EXPECT_EQ(Snapshot(swapped), Snapshot(canvas));

    // Without a pen the fill takes the whole box; without a brush the inside
    // stays as it was.
    QImageCanvas noPen(20, 20);
    noPen.SetPenStyle(PenStyle::Clear);
    noPen.SetBrushColor(BrushColor);
    noPen.Rectangle(2, 3, 8, 7);
    EXPECT_EQ(CountColor(noPen, Whole(noPen), BrushColor), 6 * 4);
    EXPECT_EQ(BoundsOfOther(noPen, Background), (TRect{2, 3, 8, 7}));

    QImageCanvas noBrush(20, 20);
    noBrush.SetPenColor(PenColor);
    noBrush.SetBrushStyle(BrushStyle::Clear);
    noBrush.Rectangle(2, 3, 8, 7);
    EXPECT_EQ(CountColor(noBrush, TRect{3, 4, 7, 6}, Background), 8);
    EXPECT_EQ(CountColor(noBrush, Whole(noBrush), PenColor), 6 * 2 + 2 * 2);

    // A box one pixel wide is all outline.
    QImageCanvas thin(20, 20);
    thin.SetPenColor(PenColor);
    thin.Rectangle(4, 4, 5, 9);
    EXPECT_EQ(CountColor(thin, Whole(thin), PenColor), 5);
}

TEST(QImageCanvas, FillRectFillsTheBoxWithTheBrushOnly)
{
    QImageCanvas canvas(20, 20);
    canvas.SetPenColor(PenColor);
    canvas.SetBrushColor(BrushColor);
    canvas.FillRect(TRect{2, 3, 8, 7});
    EXPECT_EQ(CountColor(canvas, TRect{2, 3, 8, 7}, BrushColor), 24);
    EXPECT_EQ(BoundsOfOther(canvas, Background), (TRect{2, 3, 8, 7}));

    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.FillRect(TRect{10, 10, 15, 15});
    EXPECT_EQ(CountColor(canvas, TRect{10, 10, 15, 15}, Background), 25);
}

TEST(QImageCanvas, EllipseIsInscribedInItsBoxFilledAndOutlined)
{
    QImageCanvas canvas(40, 40);
    canvas.SetPenColor(PenColor);
    canvas.SetBrushColor(BrushColor);
    canvas.Ellipse(10, 10, 30, 20);
    EXPECT_EQ(BoundsOfOther(canvas, Background), (TRect{10, 10, 30, 20}));
    EXPECT_EQ(PixelAt(canvas, 20, 10), PenColor);
    EXPECT_EQ(PixelAt(canvas, 20, 19), PenColor);
    EXPECT_EQ(PixelAt(canvas, 10, 15), PenColor);
    EXPECT_EQ(PixelAt(canvas, 29, 15), PenColor);
    EXPECT_EQ(PixelAt(canvas, 20, 15), BrushColor);
    EXPECT_EQ(PixelAt(canvas, 10, 10), Background);
    EXPECT_EQ(PixelAt(canvas, 29, 19), Background);
    // Symmetric about the box's centre lines.
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 30; ++x)
            EXPECT_EQ(PixelAt(canvas, x, y), PixelAt(canvas, 39 - x, y));
}

TEST(QImageCanvas, PolygonFillsEvenOddAndIsOutlinedWithThePen)
{
    // A five-pointed star drawn in one stroke: its middle is enclosed twice,
    // so even-odd leaves it empty.
    const TPoint star[] = {{50, 10}, {74, 82}, {12, 38}, {88, 38}, {26, 82}};
    QImageCanvas canvas(100, 100);
    canvas.SetPenColor(PenColor);
    canvas.SetBrushColor(BrushColor);
    canvas.Polygon(star);
    EXPECT_EQ(PixelAt(canvas, 50, 50), Background);
    EXPECT_EQ(PixelAt(canvas, 50, 25), BrushColor); // top point
    EXPECT_EQ(PixelAt(canvas, 25, 42), BrushColor); // left point
    for (const TPoint p : star)
        EXPECT_EQ(PixelAt(canvas, p.X, p.Y), PenColor);
    EXPECT_EQ(BoundsOfOther(canvas, Background), (TRect{12, 10, 89, 83}));

    // An axis-aligned polygon without a pen fills right and bottom exclusive;
    // with the pen its outline covers the last column and row too.
    const TPoint box[] = {{2, 2}, {10, 2}, {10, 6}, {2, 6}};
    QImageCanvas fillOnly(20, 20);
    fillOnly.SetPenStyle(PenStyle::Clear);
    fillOnly.SetBrushColor(BrushColor);
    fillOnly.Polygon(box);
    EXPECT_EQ(BoundsOfOther(fillOnly, Background), (TRect{2, 2, 10, 6}));
    fillOnly.SetPenStyle(PenStyle::Solid);
    fillOnly.SetPenColor(PenColor);
    fillOnly.Polygon(box);
    EXPECT_EQ(BoundsOfOther(fillOnly, Background), (TRect{2, 2, 11, 7}));
    EXPECT_EQ(CountColor(fillOnly, Whole(fillOnly), PenColor), 2 * 9 + 2 * 3);
}

TEST(QImageCanvas, PolygonFillAndOutlineInOneColourJoinWithoutGaps)
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
            const std::vector<TPoint>& shape = shapes[k];
            QImageCanvas canvas(80, 80);
            canvas.SetPenWidth(width);
            canvas.SetPenColor(PenColor);
            canvas.SetBrushColor(PenColor);
            canvas.Polygon(shape);
            for (int y = 0; y < canvas.Height(); ++y) {
                int runs = 0;
                for (int x = 0; x < canvas.Width(); ++x) {
                    const bool set = PixelAt(canvas, x, y) == PenColor;
                    const bool before = x > 0 && PixelAt(canvas, x - 1, y) == PenColor;
                    runs += set && !before ? 1 : 0;
                }
                EXPECT_LE(runs, 1) << "shape " << k << ", row " << y << ", pen width " << width;
            }
        }
    }
}

TEST(QImageCanvas, PolylineDrawsWithThePenOnlyAndLeavesOutTheLastPoint)
{
    const TPoint path[] = {{2, 2}, {10, 2}, {10, 8}};
    QImageCanvas canvas(20, 20);
    canvas.SetPenColor(PenColor);
    canvas.SetBrushColor(BrushColor);
    canvas.Polyline(path);
    EXPECT_EQ(CountColor(canvas, Whole(canvas), PenColor), 8 + 6);
    EXPECT_EQ(CountColor(canvas, Whole(canvas), BrushColor), 0);
    EXPECT_EQ(PixelAt(canvas, 10, 2), PenColor);
    EXPECT_EQ(PixelAt(canvas, 10, 8), Background);
}

TEST(QImageCanvas, DottedLinesLeaveTheirGapsUntouched)
{
    QImageCanvas canvas(40, 20);
    PaintPattern(canvas);
    const std::vector<QRgb> before = Snapshot(canvas);
    canvas.SetPenColor(PenColor);
    canvas.SetPenStyle(PenStyle::Dot);
    canvas.MoveTo(2, 5);
    canvas.LineTo(32, 5);
    for (int x = 2; x < 32; ++x) {
        if ((x - 2) % 2 == 0)
            EXPECT_EQ(PixelAt(canvas, x, 5), PenColor) << x;
        else
            EXPECT_EQ(canvas.Image().pixel(x, 5), before[5 * 40 + x]) << x;
    }
    EXPECT_EQ(canvas.Image().pixel(32, 5), before[5 * 40 + 32]);

    // Dotted vertical lines and dotted polylines alike.
    canvas.MoveTo(36, 2);
    canvas.LineTo(36, 12);
    EXPECT_EQ(CountColor(canvas, TRect{36, 0, 37, 20}, PenColor), 5);
}

TEST(QImageCanvas, NotXorDrawnTwiceRestoresEveryPixel)
{
    QImageCanvas canvas(60, 50);
    PaintPattern(canvas);
    const std::vector<QRgb> before = Snapshot(canvas);
    canvas.SetPenMode(PenMode::NotXor);
    const TColor band = RGB(240, 240, 240);
    canvas.SetPenColor(band);
    canvas.SetBrushStyle(BrushStyle::Clear);

    // The rubber band: each outline pixel becomes not(pen xor pixel).
    canvas.Rectangle(5, 6, 40, 30);
    const QRgb under = before[6 * 60 + 5];
    const TColor expected = RGB(~(240 ^ qRed(under)), ~(240 ^ qGreen(under)), ~(240 ^ qBlue(under)));
    EXPECT_EQ(PixelAt(canvas, 5, 6), expected);
    EXPECT_EQ(canvas.Image().pixel(20, 20), before[20 * 60 + 20]); // inside untouched
    EXPECT_EQ(canvas.Image().pixel(40, 30), before[30 * 60 + 40]); // outside the box
    canvas.Rectangle(5, 6, 40, 30);
    EXPECT_EQ(Snapshot(canvas), before);

    // Dragged the other way round, filled, and with a wide pen.
    canvas.SetBrushColor(BrushColor);
    canvas.Rectangle(50, 45, 10, 3);
    canvas.Rectangle(50, 45, 10, 3);
    EXPECT_EQ(Snapshot(canvas), before);
    canvas.SetPenWidth(3);
    canvas.Rectangle(8, 8, 30, 25);
    canvas.Rectangle(8, 8, 30, 25);
    EXPECT_EQ(Snapshot(canvas), before);

    // Lines whose ends and corners meet, thin and wide, a filled polygon and
    // an ellipse.
    const TPoint zigzag[] = {{3, 3}, {50, 20}, {10, 40}, {45, 5}, {3, 3}};
    for (const int width : {1, 2, 3}) {
        canvas.SetPenWidth(width);
        for (int pass = 0; pass < 2; ++pass) {
            canvas.MoveTo(zigzag[0].X, zigzag[0].Y);
            for (const TPoint p : zigzag)
                canvas.LineTo(p.X, p.Y);
            canvas.Polyline(zigzag);
            canvas.Polygon(zigzag);
            canvas.Ellipse(12, 10, 44, 36);
        }
        EXPECT_EQ(Snapshot(canvas), before) << "pen width " << width;
    }
}

TEST(QImageCanvas, DrawingIsClippedToTheBitmapAndToTheClipRectangle)
{
    QImageCanvas canvas(30, 20);
    canvas.SetPenColor(PenColor);
    canvas.SetBrushColor(BrushColor);
    canvas.Rectangle(-5, -5, 10, 8);
    EXPECT_EQ(PixelAt(canvas, 0, 0), BrushColor);
    EXPECT_EQ(PixelAt(canvas, 9, 0), PenColor);
    EXPECT_EQ(PixelAt(canvas, 0, 7), PenColor);
    canvas.Rectangle(25, 15, 40, 40);
    EXPECT_EQ(PixelAt(canvas, 25, 15), PenColor);
    EXPECT_EQ(PixelAt(canvas, 29, 19), BrushColor);

    QImageCanvas clipped(30, 20);
    clipped.SetBrushColor(BrushColor);
    clipped.ClipRect(TRect{10, 5, 20, 15});
    clipped.FillRect(TRect{0, 0, 30, 20});
    EXPECT_EQ(BoundsOfOther(clipped, Background), (TRect{10, 5, 20, 15}));
    clipped.SetPenColor(PenColor);
    clipped.MoveTo(0, 10);
    clipped.LineTo(30, 10);
    EXPECT_EQ(CountColor(clipped, Whole(clipped), PenColor), 10);
    const TPoint triangle[] = {{0, 0}, {29, 0}, {0, 19}};
    clipped.Polygon(triangle);
    clipped.Ellipse(0, 0, 30, 20);
    clipped.BandFill(0, 0, 30, 20, PenColor);
    clipped.Bevel(TRect{0, 0, 30, 20}, PenColor, PenColor, 30);
    EXPECT_EQ(BoundsOfOther(clipped, Background), (TRect{10, 5, 20, 15}));

    clipped.RemoveClip();
    clipped.FillRect(TRect{0, 0, 30, 20});
    EXPECT_EQ(CountColor(clipped, Whole(clipped), BrushColor), 600);

    // A clip outside the bitmap, or empty, lets nothing through.
    clipped.ClipRect(TRect{40, 40, 50, 50});
    clipped.BandFill(0, 0, 30, 20, PenColor);
    clipped.ClipRect(TRect{10, 10, 5, 5});
    clipped.BandFill(0, 0, 30, 20, PenColor);
    EXPECT_EQ(CountColor(clipped, Whole(clipped), PenColor), 0);
}

TEST(QImageCanvas, BandFillWithNegativeSizesFillsAboveAndLeftOfTheAnchor)
{
    QImageCanvas canvas(20, 20);
    canvas.BandFill(5, 10, 4, 3, BrushColor);
    EXPECT_EQ(BoundsOfOther(canvas, Background), (TRect{5, 10, 9, 13}));

    QImageCanvas above(20, 20);
    above.BandFill(5, 10, 4, -3, BrushColor);
    EXPECT_EQ(BoundsOfOther(above, Background), (TRect{5, 7, 9, 10}));

    QImageCanvas left(20, 20);
    left.BandFill(5, 10, -4, -3, BrushColor);
    EXPECT_EQ(BoundsOfOther(left, Background), (TRect{1, 7, 5, 10}));

    QImageCanvas none(20, 20);
    none.BandFill(5, 10, 0, 3, BrushColor);
    EXPECT_EQ(BoundsOfOther(none, Background), TRect{});
}

TEST(QImageCanvas, BevelDrawsTopLeftAndBottomRightLinesInwardWidthTimes)
{
    const TColor light = RGB(255, 255, 255);
    const TColor dark = RGB(100, 100, 100);
    QImageCanvas canvas(20, 20);
    canvas.BandFill(0, 0, 20, 20, BrushColor);
    canvas.Bevel(TRect{2, 3, 12, 10}, light, dark, 2);
    // Outer ring: top row and left column up to the far corners.
    for (int x = 2; x < 11; ++x)
        EXPECT_EQ(PixelAt(canvas, x, 3), light) << x;
    for (int y = 3; y < 9; ++y)
        EXPECT_EQ(PixelAt(canvas, 2, y), light) << y;
    // Right column Right - 1 and bottom row Bottom - 1, corners included.
    for (int y = 3; y < 10; ++y)
        EXPECT_EQ(PixelAt(canvas, 11, y), dark) << y;
    for (int x = 2; x < 12; ++x)
        EXPECT_EQ(PixelAt(canvas, x, 9), dark) << x;
    // Second ring, one pixel in.
    EXPECT_EQ(PixelAt(canvas, 3, 4), light);
    EXPECT_EQ(PixelAt(canvas, 9, 4), light);
    EXPECT_EQ(PixelAt(canvas, 10, 4), dark);
    EXPECT_EQ(PixelAt(canvas, 3, 8), dark);
    EXPECT_EQ(PixelAt(canvas, 10, 8), dark);
    // The inside and the outside stay.
    EXPECT_EQ(CountColor(canvas, TRect{4, 5, 10, 8}, BrushColor), 18);
    EXPECT_EQ(PixelAt(canvas, 12, 9), BrushColor);
    EXPECT_EQ(PixelAt(canvas, 11, 10), BrushColor);
    EXPECT_EQ(CountColor(canvas, Whole(canvas), light) + CountColor(canvas, Whole(canvas), dark),
              10 * 7 - 6 * 3);
}

TEST(QImageCanvas, HugeCoordinatesAreClippedWithoutOverflowOrCrash)
{
    constexpr int Min = INT_MIN;
    constexpr int Max = INT_MAX;
    QImageCanvas canvas(40, 30);
    canvas.SetPenColor(PenColor);
    canvas.SetBrushColor(BrushColor);

    // A line across the whole int range still lands on its pixels.
    canvas.MoveTo(Min, 5);
    canvas.LineTo(Max, 5);
    EXPECT_EQ(CountColor(canvas, TRect{0, 5, 40, 6}, PenColor), 40);
    canvas.MoveTo(-(1 << 30), -(1 << 30));
    canvas.LineTo(1 << 30, 1 << 30);
    EXPECT_EQ(PixelAt(canvas, 10, 10), PenColor);
    EXPECT_EQ(PixelAt(canvas, 20, 20), PenColor);

    // An arrow polygon many times the picture's size covers it.
    const TPoint arrow[] = {{20, 15}, {20, Max}, {Max, Max}, {Min, Max}, {20, Max}};
    canvas.SetPenWidth(3);
    canvas.Polygon(arrow);
    EXPECT_EQ(PixelAt(canvas, 20, 29), PenColor);

    const TPoint far[] = {{Min, Min}, {Max, Min}, {Max, Max}, {Min, Max}};
    canvas.SetPenWidth(1);
    canvas.Polygon(far);
    EXPECT_EQ(CountColor(canvas, Whole(canvas), BrushColor), 40 * 30);

    canvas.SetPenColor(clBlack);
    canvas.Rectangle(Min, Min, Max, Max);
    canvas.Rectangle(Max, Max, Min, Min);
    canvas.Ellipse(Min, Min, Max, Max);
    canvas.Ellipse(Max - 5, Max - 5, Max, Max);
    canvas.FillRect(TRect{Min, Min, Max, Max});
    canvas.BandFill(Max, Max, Max, Max, clBlack);
    canvas.BandFill(Min, Min, Min, Min, clBlack);
    canvas.BandFill(Max, 0, Min, 30, clBlack);
    canvas.Bevel(TRect{Min, Min, Max, Max}, clBlack, clBlack, Max);
    canvas.ClipRect(TRect{Min, Min, Max, Max});
    canvas.SetPenWidth(Max);
    canvas.MoveTo(Max, Min);
    canvas.LineTo(Min, Max);
    const TPoint spike[] = {{Min, 0}, {Max, 1}, {0, Max}, {1, Min}};
    canvas.Polyline(spike);
    canvas.SetPenWidth(Min);
    canvas.SetPenStyle(PenStyle::Dot);
    canvas.MoveTo(Min, Min);
    canvas.LineTo(Max, Max);
    canvas.TextOut(Max, Max, "F1");
    canvas.TextOut(Min, Min, "F1");
    canvas.RotatedTextOut(Max, Min, "F1", 90);
    canvas.RemoveClip();

    // The bitmap may even be empty.
    QImageCanvas empty(0, 0);
    empty.Rectangle(0, 0, 10, 10);
    empty.TextOut(0, 0, "F1");
    EXPECT_GE(empty.TextWidth("F1"), 0);
    SUCCEED();
}

TEST(QImageCanvas, PenAndBrushColoursAreResolvedLikeTheDesktopsColours)
{
    QImageCanvas canvas(10, 10);
    canvas.SetBrushColor(clBtnFace);
    canvas.FillRect(TRect{0, 0, 10, 10});
    EXPECT_EQ(PixelAt(canvas, 5, 5), ColorToRGB(clBtnFace));
    canvas.BandFill(0, 0, 10, 10, RGB(1, 2, 3));
    const QRgb p = canvas.Image().pixel(0, 0);
    EXPECT_EQ(qRed(p), 1);
    EXPECT_EQ(qGreen(p), 2);
    EXPECT_EQ(qBlue(p), 3);
}

TEST(QImageCanvas, ResizingGivesAWhiteBitmapAndKeepsTheDrawingState)
{
    QImageCanvas canvas(10, 10);
    canvas.SetBrushColor(BrushColor);
    canvas.ClipRect(TRect{0, 0, 2, 2});
    canvas.SetSize(30, 20);
    EXPECT_EQ(canvas.Width(), 30);
    EXPECT_EQ(canvas.Height(), 20);
    EXPECT_EQ(CountColor(canvas, Whole(canvas), Background), 600);
    canvas.FillRect(TRect{0, 0, 30, 20});
    EXPECT_EQ(CountColor(canvas, Whole(canvas), BrushColor), 600);
}

TEST(QImageCanvas, ACopyOfTheImageIsASnapshot)
{
    QImageCanvas canvas(20, 20);
    canvas.SetBrushColor(BrushColor);
    canvas.TextOut(0, 0, "W"); // opens the painter
    const QImage shown = canvas.Image();
    canvas.FillRect(TRect{0, 0, 20, 20});
    canvas.TextOut(0, 0, "W");
    EXPECT_EQ(shown.pixel(19, 19), qRgb(255, 255, 255));
    EXPECT_EQ(PixelAt(canvas, 19, 19), BrushColor);
}

} // namespace
} // namespace otpor::test
