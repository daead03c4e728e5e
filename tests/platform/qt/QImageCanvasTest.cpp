// The QImage canvas hands its shapes to the rasterizer (whose pixels are
// tested in tests/platform) with the drawing state the forms set: brush and
// pen styles, pen mode, the desktop's colours; band fills, resizing and
// snapshots of the image are its own.
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

TEST(QImageCanvas, TheDrawingStateChoosesFillOutlineAndMode)
{
    // A clear pen leaves the whole box to the brush, a clear brush leaves the
    // inside as it was.
    QImageCanvas canvas(20, 20);
    canvas.SetPenStyle(PenStyle::Clear);
    canvas.SetBrushColor(BrushColor);
    canvas.Rectangle(2, 3, 8, 7);
    EXPECT_EQ(CountColor(canvas, Whole(canvas), BrushColor), 6 * 4);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenColor(PenColor);
    canvas.SetBrushStyle(BrushStyle::Clear);
    const TPoint box[] = {{10, 10}, {16, 10}, {16, 16}, {10, 16}};
    canvas.Polygon(box);
    EXPECT_EQ(CountColor(canvas, TRect{11, 11, 16, 16}, Background), 25);
    EXPECT_EQ(CountColor(canvas, Whole(canvas), PenColor), 4 * 6);

    // A dotted pen wider than one pixel is solid, like the desktop's.
    QImageCanvas wide(20, 20);
    wide.SetPenColor(PenColor);
    wide.SetPenStyle(PenStyle::Dot);
    wide.SetPenWidth(2);
    wide.MoveTo(2, 10);
    wide.LineTo(17, 10);
    EXPECT_EQ(CountColor(wide, TRect{2, 9, 17, 11}, PenColor), 2 * 15);

    // Not-xor twice restores the picture.
    QImageCanvas band(30, 30);
    PaintPattern(band);
    const std::vector<QRgb> before = Snapshot(band);
    band.SetPenMode(PenMode::NotXor);
    band.SetBrushStyle(BrushStyle::Clear);
    for (int pass = 0; pass < 2; ++pass) {
        band.Rectangle(3, 4, 25, 20);
        band.Ellipse(5, 5, 20, 20);
    }
    EXPECT_EQ(Snapshot(band), before);
}

TEST(QImageCanvas, TextAtHugeAnchorsAndAnEmptyBitmapAreSafe)
{
    constexpr int Min = INT_MIN;
    constexpr int Max = INT_MAX;
    QImageCanvas canvas(40, 30);
    canvas.ClipRect(TRect{Min, Min, Max, Max});
    canvas.SetPenWidth(Max);
    canvas.MoveTo(Max, Min);
    canvas.LineTo(Min, Max);
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
