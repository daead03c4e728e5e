#include "ChartTestSupport.h"
#include "platform/qt/QImageCanvas.h"
#include "platform/qt/Runtime.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

TColor PixelAt(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

int CountColor(const QImage& image, const TRect& r, TColor color)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += PixelAt(image, x, y) == color ? 1 : 0;
    return n;
}

// The program's chart in a run, painted on the real canvas with the
// installed fonts, as the main window shows it.
class OscillographPicture : public ::testing::Test {
protected:
    void SetUp() override
    {
        qt::RegisterFallbackFonts();
        chart.SetSeparators({",", "."});
        test::FillRun(series);
    }
    const QImage& Paint()
    {
        chart.Draw(canvas, chart.ClientRect());
        return canvas.Image();
    }

    TChart chart;
    OscillographSeries series = ConfigureOscillograph(chart);
    qt::QImageCanvas canvas{OscillographWidth, OscillographHeight};
};

TEST_F(OscillographPicture, ShowsThreeColouredTracesAndTheGreyLegendWithItsShadow)
{
    const QImage& image = Paint();
    image.save(QStringLiteral(PICTURE_DIR "/oscillograph-run.png"));

    // The traces in their point colours inside the black plot: F1 aqua,
    // F2 yellow, F3 lime.
    const TRect inside{chart.PlotRect().Left + 1, chart.PlotRect().Top + 1, chart.PlotRect().Right,
                       chart.PlotRect().Bottom - 1};
    for (TColor c : {clAqua, clYellow, clLime})
        EXPECT_GT(CountColor(image, inside, c), chart.PlotWidth() / 2) << std::hex << c;
    EXPECT_EQ(CountColor(image, {inside.Right, 0, OscillographWidth, OscillographHeight}, clYellow), 0)
        << "nothing beyond the clip";

    // The legend: grey inside, its samples in the series colours, a black
    // shadow 3 px beyond its frame on the right and at the bottom.
    const TRect box = chart.Legend.LegendRect();
    ASSERT_FALSE(box.IsEmpty());
    EXPECT_GT(box.Left, chart.PlotRect().Right);
    EXPECT_EQ(PixelAt(image, box.Right - 1, box.Top + 1), clGray);
    for (TColor c : {clAqua, clLime, TColor{0x0080FFFF}})
        EXPECT_GT(CountColor(image, box, c), 5) << std::hex << c;
    for (int d = 1; d <= 3; ++d) {
        EXPECT_EQ(PixelAt(image, box.Right + d, box.Top + 10), clBlack);
        EXPECT_EQ(PixelAt(image, box.Left + 10, box.Bottom + d), clBlack);
    }
    EXPECT_NE(PixelAt(image, box.Right + 4, box.Top + 10), clBlack);
    EXPECT_GT(CountColor(image, box, clBlack), 20) << "the item texts are drawn";
}

TEST_F(OscillographPicture, AZoomedViewShowsPartOfTheRunAndTheBandDrawnTwiceLeavesNoTrace)
{
    // The traces run low on the 0 ... 1000 N scale: zoom onto their part.
    Paint();
    const int left = chart.PlotRect().Left;
    const int bottom = chart.PlotRect().Bottom;
    const int top = chart.LeftAxis.ValueToPixel(200);
    chart.MouseDown(mbLeft, 0, left + 60, top);
    chart.MouseMove(0, left + 200, bottom - 1);

    // The paint during the drag draws the band in the inverting pen; drawn
    // again it is gone, and a third time it is back, pixel for pixel.
    const QImage banded = Paint().copy();
    banded.save(QStringLiteral(PICTURE_DIR "/oscillograph-band.png"));
    chart.DrawZoomRect(canvas);
    const QImage clean = canvas.Image().copy();
    EXPECT_NE(clean, banded);
    // Over the black wall the band is the inverse of the panel's colour.
    EXPECT_EQ(PixelAt(clean, left + 100, top), clBlack);
    EXPECT_EQ(PixelAt(banded, left + 100, top), ~ColorToRGB(clBtnFace) & clWhite);
    chart.DrawZoomRect(canvas);
    EXPECT_EQ(canvas.Image(), banded);

    chart.MouseUp(mbLeft, 0, left + 200, bottom - 1);
    ASSERT_TRUE(chart.Zoomed());
    const QImage& zoomed = Paint();
    zoomed.save(QStringLiteral(PICTURE_DIR "/oscillograph-zoomed.png"));
    // F1 wanders over 78 ... 84 N: on 0 ... 1000 N that was a row or two, on
    // the zoomed 0 ... 200 N it takes several.
    const TRect inside{chart.PlotRect().Left + 1, chart.PlotRect().Top + 1, chart.PlotRect().Right,
                       chart.PlotRect().Bottom - 1};
    int rows = 0;
    for (int y = inside.Top; y < inside.Bottom; ++y)
        rows += CountColor(zoomed, {inside.Left, y, inside.Right, y + 1}, clAqua) > 0 ? 1 : 0;
    EXPECT_GE(rows, 4);
    for (TColor c : {clYellow, clLime})
        EXPECT_GT(CountColor(zoomed, inside, c), chart.PlotWidth() / 2) << std::hex << c;
}

} // namespace
} // namespace otpor
