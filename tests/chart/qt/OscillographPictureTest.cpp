#include "chart/Oscillograph.h"
#include "platform/qt/QImageCanvas.h"
#include "platform/qt/Runtime.h"

#include <QImage>

#include <gtest/gtest.h>

namespace otpor::qt {
namespace {

QRgb Rgb(TColor c)
{
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

int CountPixels(const QImage& image, const TRect& r, bool (*match)(QRgb))
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (match(image.pixel(x, y)))
                ++n;
    return n;
}

bool IsBlue(QRgb p)
{
    return qBlue(p) > 150 && qRed(p) < 100 && qGreen(p) < 100;
}
bool IsBlack(QRgb p)
{
    return qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60;
}
bool IsGridGrey(QRgb p)
{
    return p == qRgb(128, 128, 128);
}

// The program's chart with three flat traces' worth of points, painted as
// the window shows it; the traces themselves are drawn by the series.
struct OscillographPicture {
    TChart chart;
    OscillographSeries series = ConfigureOscillograph(chart);
    QImageCanvas canvas{OscillographWidth, OscillographHeight};

    OscillographPicture()
    {
        RegisterFallbackFonts();
        chart.SetSeparators({",", "."});
        for (int k = 0; k <= 334; ++k) {
            const double x = (k - 334) * 0.3;
            series.Series1.AddPoint(x, 620, "", clAqua);
            series.Series2.AddPoint(x, 180, "", clLime);
            series.Series3.AddPoint(x, 410, "", 0x0080FFFF);
        }
        chart.Draw(canvas, chart.ClientRect());
    }
};

TEST(OscillographPicture, ShowsTheGradientPanelTitleBlackPlotGridAndAxes)
{
    OscillographPicture pic;
    const QImage& image = pic.canvas.Image();
    ASSERT_EQ(image.size(), QSize(433, 161));
    EXPECT_TRUE(image.save(QStringLiteral(OTPOR_PICTURE_DIR "/oscillograph.png")));

    // Gradient under the 1-pixel bevel: row 1 is band 159, row 159 band 1.
    EXPECT_EQ(image.pixel(20, 1), qRgb(255, 255, 130));
    EXPECT_EQ(image.pixel(20, 159), qRgb(255, 255, 254));
    EXPECT_EQ(image.pixel(0, 50), Rgb(ColorToRGB(clBtnHighlight)));
    EXPECT_EQ(image.pixel(432, 50), Rgb(ColorToRGB(clBtnShadow)));
    EXPECT_EQ(image.pixel(50, 160), Rgb(ColorToRGB(clBtnShadow)));

    // The back wall: black from column Left to Right and row Top to Bottom - 1.
    const TRect plot = pic.chart.PlotRect();
    EXPECT_EQ(image.pixel(plot.Right, plot.Top), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(plot.Right, plot.Bottom - 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(plot.Right - 5, plot.Top + 2), qRgb(0, 0, 0));
    EXPECT_NE(image.pixel(plot.Right + 1, plot.Top + 2), qRgb(0, 0, 0));
    EXPECT_NE(image.pixel(plot.Right - 5, plot.Top - 1), qRgb(0, 0, 0));

    // A dotted grey grid line at 400 N, black showing through its gaps.
    const int y400 = pic.chart.LeftAxis.ValueToPixel(400);
    const TRect gridRow{plot.Left + 2, y400, plot.Right - 1, y400 + 1};
    const int grey = CountPixels(image, gridRow, IsGridGrey);
    EXPECT_GT(grey, plot.Width() / 3);
    EXPECT_LT(grey, plot.Width() * 2 / 3);

    // Text really drawn: the blue title, and black labels left of the plot.
    EXPECT_GT(CountPixels(image, pic.chart.Title.TitleRect(), IsBlue), 30);
    const TRect labels{pic.chart.LeftAxis.TitlePos(), plot.Top - 6, pic.chart.LeftAxis.LabelsPos(),
                       plot.Bottom + 6};
    EXPECT_GT(CountPixels(image, labels, IsBlack), 30);
    const TRect lengthLabels{plot.Left, pic.chart.BottomAxis.LabelsPos(), plot.Right,
                             pic.chart.BottomAxis.TitlePos()};
    EXPECT_GT(CountPixels(image, lengthLabels, IsBlack), 30);
}

} // namespace
} // namespace otpor::qt
