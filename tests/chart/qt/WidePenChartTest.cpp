// The chart's 2-pixel axis lines on the real canvas, after "Polazno stanje":
// the left one covers its column and the one left of it, the bottom one its
// row and the one above, so the grid line at -100 beside the left axis, the
// first pixel of the outer ticks and the plot's right edge stay as drawn.
#include "chart/Oscillograph.h"
#include "platform/qt/QImageCanvas.h"
#include "platform/qt/Runtime.h"
#include "sim/FakeEffects.h"
#include "sim/ProcessCycle.h"

#include <QImage>

#include <gtest/gtest.h>

namespace otpor::qt {
namespace {

bool IsBlack(QRgb p)
{
    return (p & 0xFFFFFF) == 0;
}

// Ticks are drawn dark on the light panel.
bool IsDark(QRgb p)
{
    return qRed(p) < 200;
}

TEST(WidePenChart, AfterAResetTheGridLineBesideTheLeftAxisAndTheTicksShow)
{
    RegisterFallbackFonts();
    TChart chart;
    chart.SetSeparators({",", "."});
    const OscillographSeries series = ConfigureOscillograph(chart);
    SimulationState s;
    FormCreate(s);
    test::FakeEffects fx;
    ResetProcess(s, fx);
    TraceFeed s1(series.Series1), s2(series.Series2), s3(series.Series3);
    FillOscillogram(s, s1, s2, s3);
    QImageCanvas canvas{OscillographWidth, OscillographHeight};
    chart.Draw(canvas, chart.ClientRect());
    const QImage& image = canvas.Image();
    image.save(QStringLiteral(OTPOR_PICTURE_DIR "/oscillograph-reset.png"));

    const TRect plot = chart.PlotRect();
    const int left = plot.Left;
    const int bottom = plot.Bottom;
    // The grid line at -100 lies one column right of the left axis line.
    const int x100 = chart.BottomAxis.ValueToPixel(-100);
    ASSERT_EQ(x100, left + 1);
    int grey = 0;
    for (int y = plot.Top + 1; y < bottom - 1; ++y)
        grey += image.pixel(x100, y) == qRgb(128, 128, 128) ? 1 : 0;
    EXPECT_GT(grey, (bottom - plot.Top) / 3);

    // The left axis line: its column and the one left of it.
    for (const int y : {plot.Top + 5, (plot.Top + bottom) / 2, bottom - 5}) {
        EXPECT_TRUE(IsBlack(image.pixel(left - 1, y))) << y;
        EXPECT_TRUE(IsBlack(image.pixel(left, y))) << y;
    }
    // The bottom axis line: its row and the one above, ending at the back
    // wall's right frame; the outer ticks start on the row below it.
    EXPECT_TRUE(IsBlack(image.pixel(plot.Right, bottom)));
    EXPECT_FALSE(IsBlack(image.pixel(plot.Right + 1, bottom)));
    EXPECT_FALSE(IsBlack(image.pixel(plot.Right + 1, bottom - 1)));
    const int x0 = chart.BottomAxis.ValueToPixel(0);
    const int x40 = chart.BottomAxis.ValueToPixel(-40);
    for (const int x : {x40, x0}) {
        EXPECT_TRUE(IsDark(image.pixel(x, bottom + 1))) << x;
        EXPECT_FALSE(IsDark(image.pixel(x + 1, bottom + 1))) << x;
    }
}

} // namespace
} // namespace otpor::qt
