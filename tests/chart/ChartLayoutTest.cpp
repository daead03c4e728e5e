#include "chart/ChartLayout.h"
#include "ChartTestSupport.h"
#include "support/FixedTextEngine.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

// The test metrics: 6 px a character, 14 px a line.
const test::FixedMetrics Metrics{6, 14};

SideLegendSettings ProgramLegend()
{
    SideLegendSettings s;
    s.TopPos = 16;
    s.ColorWidth = 70;
    return s;
}

TEST(ChartLayout, TheProgramsLegendStandsAtTheRightOfThePlotAndTakesItsRoomWithAGap)
{
    const TRect panel{0, 0, 433, 161};
    const TRect plot{4, 2, 429, 159};
    const int top = SideLegendTop(panel, 16);
    EXPECT_EQ(top, 26); // 25.76
    const int rows = SideLegendRows(top, plot, 1, Metrics.TextHeight, 3);
    EXPECT_EQ(rows, 3);
    const int widest = Metrics.CharWidth * 2; // "F1"
    const SideLegendLayout legend =
        LayoutSideLegend(ProgramLegend(), plot, top, rows, Metrics.TextHeight, widest);
    EXPECT_EQ(legend.Box, (TRect{387, 26, 424, 70}));
    EXPECT_EQ(legend.TextX, 410);
    EXPECT_EQ(legend.SymbolWidth, 15);
    EXPECT_EQ(LegendRowTop(legend, 2, Metrics.TextHeight), 55);
    EXPECT_EQ(LegendSymbolRect(legend, 0, Metrics.TextHeight), (TRect{391, 29, 406, 39}));
    EXPECT_EQ(LegendOutline(ProgramLegend(), legend.Box), (TRect{386, 25, 425, 71}));
    EXPECT_EQ(LegendShadow(ProgramLegend(), legend.Box), (TRect{390, 29, 428, 74}));
    // The gap is 3 % of the plot's width before the legend: 13 px.
    EXPECT_EQ(PlotBesideLegend(ProgramLegend(), plot, plot.Width(), legend.Box), (TRect{4, 2, 374, 159}));
}

TEST(ChartLayout, ALegendGetsOnlyTheRowsThatFitAndMirrorsOnTheLeft)
{
    const TRect plot{4, 2, 429, 60};
    EXPECT_EQ(SideLegendRows(26, plot, 1, 14, 3), 2); // (60 - 2 - 26) div 14
    EXPECT_EQ(SideLegendRows(60, plot, 1, 14, 3), 0); // top at the plot's bottom
    EXPECT_EQ(SideLegendRows(26, plot, 1, 0, 3), 0);
    EXPECT_EQ(SideLegendRows(26, plot, 20, 14, 3), 0);

    SideLegendSettings left = ProgramLegend();
    left.Left = true;
    left.HorizMargin = 7;
    const SideLegendLayout legend = LayoutSideLegend(left, plot, 26, 2, 14, 12);
    EXPECT_EQ(legend.Box, (TRect{6, 26, 43, 56}));
    EXPECT_EQ(legend.TextX, 29);
    EXPECT_EQ(PlotBesideLegend(left, plot, plot.Width(), legend.Box), (TRect{50, 2, 429, 60}));
    left.ResizeChart = false;
    EXPECT_EQ(PlotBesideLegend(left, plot, plot.Width(), legend.Box).Left, 11);
    // No frame, no shadow: the outline is the box, the shadow nothing.
    left.FrameVisible = false;
    left.ShadowSize = 0;
    EXPECT_EQ(LegendOutline(left, legend.Box), legend.Box);
    EXPECT_TRUE(LegendShadow(left, legend.Box).IsEmpty());
}

TEST(ChartLayout, ATitleTakesItsLinesAndFivePixelsOffThePlot)
{
    const TRect plot{4, 2, 374, 159};
    const TitleLayout top = LayoutTitle(plot, 0, 1, 14, true);
    EXPECT_EQ(top.Lines, (TRect{4, 2, 374, 16}));
    EXPECT_EQ(top.Outer, top.Lines);
    EXPECT_EQ(top.Plot, (TRect{4, 21, 374, 159}));
    // "Oscilograf", 60 px, centred over the plot.
    EXPECT_EQ(AlignedTextLeft(4, 374, taCenter, 60), 159);
    EXPECT_EQ(AlignedTextLeft(4, 374, taRightJustify, 60), 314);
    EXPECT_EQ(AlignedTextLeft(4, 374, taLeftJustify, 60), 4);

    // A framed foot of two lines, bottom-up, the frame narrowed to the text.
    const TitleLayout foot = LayoutTitle(plot, 2, 2, 14, false);
    EXPECT_EQ(foot.Lines, (TRect{6, 129, 372, 157}));
    EXPECT_EQ(foot.Outer, (TRect{4, 127, 374, 159}));
    EXPECT_EQ(foot.Plot.Bottom, 129 - 4 - 5);
    EXPECT_EQ(TitleLineTop(foot, 0, 2, 14, false), 129);
    EXPECT_EQ(TitleLineTop(foot, 1, 2, 14, false), 143);
    EXPECT_EQ(AdjustedTitleFrame(foot.Outer, taCenter, 60, 2), (TRect{157, 127, 221, 159}));
    EXPECT_EQ(AdjustedTitleFrame(foot.Outer, taLeftJustify, 60, 2), (TRect{4, 127, 68, 159}));

    // Without lines the plot stays as it was.
    EXPECT_EQ(LayoutTitle(plot, 0, 0, 14, true).Plot, plot);
}

TEST(ChartLayout, TheGradientHasABandARowFromTheNearEdgeAndAtMost256)
{
    EXPECT_EQ(GradientBandCount(162), 162);
    EXPECT_EQ(GradientBandCount(512), 256);
    const GradientBand first = GradientBandAt(clWhite, 0x0080FFFF, 0, 162, 162);
    EXPECT_EQ(first.Color, clWhite);
    EXPECT_EQ(first.Near, 0);
    EXPECT_EQ(first.Far, 1);
    // The top row of the program's panel: blue 255 - 127 x 160 / 161.
    EXPECT_EQ(GradientBandAt(clWhite, 0x0080FFFF, 160, 162, 162).Color, 0x0081FFFFu);
    const GradientBand wide = GradientBandAt(clBlack, clWhite, 1, 256, 512);
    EXPECT_EQ(wide.Near, 2);
    EXPECT_EQ(wide.Far, 4);
}

TEST(ChartTexts, AreMeasuredAndRenderedOnceWhileTextAndFontStayTheSame)
{
    test::PaintedOscillograph osc;
    test::FillRun(osc.series);
    test::FixedTextCanvas canvas(osc.chart.ClientRect().Width(), osc.chart.ClientRect().Height(), 2, Metrics);
    test::FixedTextEngine& engine = canvas.Engine();
    osc.chart.Draw(canvas, osc.chart.ClientRect());
    EXPECT_GT(engine.Measured, 0);
    EXPECT_GT(engine.Rendered, 0);
    // A second paint asks the platform for nothing: the engine keeps it all,
    // the range's ends measured from their characters' advances.
    engine.Measured = engine.Rendered = 0;
    osc.chart.Draw(canvas, osc.chart.ClientRect());
    EXPECT_EQ(engine.Measured, 0);
    EXPECT_EQ(engine.Rendered, 0);

    // Another font is measured and rendered anew: the title's one line.
    osc.chart.Title.Font.SetItalic(true);
    osc.chart.Draw(canvas, osc.chart.ClientRect());
    EXPECT_EQ(engine.Measured, 1);
    EXPECT_EQ(engine.Rendered, 1);

    // Another canvas, with its own metrics, lays the chart out by those.
    test::RecordingCanvas wider({8, 14});
    osc.chart.Draw(wider, osc.chart.ClientRect());
    test::PaintedOscillograph fresh;
    test::FillRun(fresh.series);
    fresh.chart.Title.Font.SetItalic(true);
    test::RecordingCanvas freshCanvas({8, 14});
    fresh.chart.Draw(freshCanvas, fresh.chart.ClientRect());
    EXPECT_EQ(osc.chart.Legend.LegendRect(), fresh.chart.Legend.LegendRect());
    EXPECT_EQ(osc.chart.PlotRect(), fresh.chart.PlotRect());
    EXPECT_NE(osc.chart.PlotRect().Left, 60);
}

} // namespace
} // namespace otpor
