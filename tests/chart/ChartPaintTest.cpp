#include "ChartTestSupport.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace otpor {
namespace {

using test::CallKind;
using test::CanvasCall;
using test::PaintedOscillograph;
using test::RecordingCanvas;

std::ptrdiff_t FirstIndex(const RecordingCanvas& canvas, CallKind kind)
{
    const auto it = std::find_if(canvas.Calls.begin(), canvas.Calls.end(),
                                 [&](const CanvasCall& c) { return c.Kind == kind; });
    return it - canvas.Calls.begin();
}

TEST(ChartLayout, OnePercentMarginsOnTheOscillographLeaveFourAndTwoPixels)
{
    TChart chart;
    chart.SetBounds(0, 0, 433, 161);
    for (auto set :
         {&TChart::SetMarginLeft, &TChart::SetMarginTop, &TChart::SetMarginRight, &TChart::SetMarginBottom})
        (chart.*set)(1);
    RecordingCanvas canvas;
    chart.Draw(canvas, chart.ClientRect());
    EXPECT_EQ(chart.PanelRect(), (TRect{0, 0, 433, 161}));
    EXPECT_EQ(chart.PlotRect(), (TRect{4, 2, 429, 159}));
    EXPECT_EQ(chart.PlotWidth(), 425);
    EXPECT_EQ(chart.PlotHeight(), 157);
    EXPECT_EQ(chart.PlotXCenter(), 216);
    EXPECT_EQ(chart.PlotYCenter(), 80);
}

TEST(ChartLayout, TitleAndAxesTakeTheirStripsOffThePlot)
{
    PaintedOscillograph osc;
    osc.Paint();
    const TChart& chart = osc.chart;

    // "Oscilograf": 60 px wide, 14 px high, centred at its top over the
    // plot that the legend left: 4 ... 374 (its box starts at 387, 13 px
    // before it the plot ends).
    const auto title =
        osc.Calls([](const CanvasCall& c) { return c.Kind == CallKind::TextOut && c.Text == "Oscilograf"; });
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].Points[0], (TPoint{159, 2}));
    EXPECT_EQ(title[0].Font.Name, "Tahoma");
    EXPECT_EQ(title[0].Font.Height, 11);
    EXPECT_TRUE(title[0].Font.Bold);
    EXPECT_EQ(title[0].Font.Color, clBlue);
    EXPECT_EQ(title[0].Background, BackgroundMode::Transparent);
    EXPECT_EQ(chart.Title.TitleRect(), (TRect{4, 2, 374, 16}));

    // Left: title 14, labels "1.000" and a space 36, ticks 6; bottom: 14, 14, 6.
    EXPECT_EQ(chart.LeftAxis.TitlePos(), 18);
    EXPECT_EQ(chart.LeftAxis.LabelsPos(), 54);
    EXPECT_EQ(chart.LeftAxis.AxisPos(), 60);
    EXPECT_EQ(chart.BottomAxis.TitlePos(), 145);
    EXPECT_EQ(chart.BottomAxis.LabelsPos(), 131);
    EXPECT_EQ(chart.BottomAxis.AxisPos(), 125);
    EXPECT_EQ(chart.PlotRect(), (TRect{60, 21, 374, 125}));
    EXPECT_EQ(chart.PlotWidth(), 314);
    EXPECT_EQ(chart.PlotHeight(), 104);
}

TEST(ChartLayout, AnAxisThatWouldLeaveNoPlotTakesNoRoom)
{
    PaintedOscillograph osc;
    osc.chart.LeftAxis.SetLabelsSize(1000);
    osc.Paint();
    EXPECT_EQ(osc.chart.PlotRect(), (TRect{4, 21, 374, 125}));
    // Its strips were still measured.
    EXPECT_EQ(osc.chart.LeftAxis.TitlePos(), 18);
    EXPECT_EQ(osc.chart.LeftAxis.LabelsPos(), 1018);
    EXPECT_EQ(osc.chart.LeftAxis.AxisPos(), 4);
}

TEST(ChartBackground, OscillographGradientIsOneBandPerRowFromWhiteAtTheBottom)
{
    PaintedOscillograph osc;
    osc.Paint();
    const auto bands = osc.canvas.CallsOf(CallKind::BandFill);
    ASSERT_EQ(bands.size(), 161u);
    std::set<int> rows;
    for (const auto& b : bands) {
        EXPECT_EQ(b.Box.Left, 0);
        EXPECT_EQ(b.Box.Right, 433);
        ASSERT_EQ(b.Box.Height(), 1);
        rows.insert(b.Box.Top);
        EXPECT_EQ(GetRValue(b.Color), 255);
        EXPECT_EQ(GetGValue(b.Color), 255);
    }
    EXPECT_EQ(rows.size(), 161u);
    EXPECT_EQ(*rows.begin(), 0);
    EXPECT_EQ(*rows.rbegin(), 160);
    EXPECT_EQ(bands.front().Box.Top, 160);
    EXPECT_EQ(bands.front().Color, clWhite);
    EXPECT_EQ(bands.back().Box.Top, 0);
    EXPECT_EQ(GetBValue(bands.back().Color), 129);
}

TEST(ChartBackground, AGradientTallerThan256RowsLeavesTheFarRowUnpainted)
{
    TChart chart;
    RecordingCanvas canvas;
    chart.GradientFill(canvas, {0, 0, 50, 511}, clWhite, 0x0080FFFF, gdTopBottom);
    const auto bands = canvas.CallsOf(CallKind::BandFill);
    ASSERT_EQ(bands.size(), 255u);
    int bottom = 511;
    for (const auto& b : bands) {
        EXPECT_EQ(b.Box.Height(), 2);
        EXPECT_EQ(b.Box.Bottom, bottom);
        bottom = b.Box.Top;
    }
    EXPECT_EQ(bottom, 1); // row 0 keeps what was there
    EXPECT_EQ(bands.front().Color, clWhite);
}

TEST(ChartBackground, ColumnGradientsRunFromTheRightEdge)
{
    TChart chart;
    RecordingCanvas canvas;
    chart.GradientFill(canvas, {10, 0, 20, 5}, clBlack, clWhite, gdLeftRight);
    const auto bands = canvas.CallsOf(CallKind::BandFill);
    ASSERT_EQ(bands.size(), 10u);
    EXPECT_EQ(bands.front().Box, (TRect{19, 0, 20, 5}));
    EXPECT_EQ(bands.front().Color, clBlack);
    EXPECT_EQ(bands.back().Box, (TRect{10, 0, 11, 5}));
    EXPECT_EQ(bands.back().Color, RGB(230, 230, 230)); // 255 x 9 / 10, half up
}

TEST(ChartBackground, PanelHasARaisedBevelAndWithoutGradientThePanelColour)
{
    PaintedOscillograph osc;
    osc.Paint();
    const auto bevels = osc.canvas.CallsOf(CallKind::Bevel);
    ASSERT_EQ(bevels.size(), 1u);
    EXPECT_EQ(bevels[0].Box, (TRect{0, 0, 433, 161}));
    EXPECT_EQ(bevels[0].Color, ColorToRGB(clBtnHighlight));
    EXPECT_EQ(bevels[0].Color2, ColorToRGB(clBtnShadow));
    EXPECT_EQ(bevels[0].BevelWidth, 1);

    osc.chart.Gradient.SetVisible(false);
    osc.chart.SetBevelOuter(bvLowered);
    osc.chart.SetBevelInner(bvRaised);
    osc.chart.SetBorderWidth(2);
    osc.Paint();
    EXPECT_TRUE(osc.canvas.CallsOf(CallKind::BandFill).empty());
    const auto fills = osc.canvas.CallsOf(CallKind::FillRect);
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills[0].Box, (TRect{0, 0, 433, 161}));
    EXPECT_EQ(fills[0].Brush.Color, ColorToRGB(clBtnFace));
    const auto framed = osc.canvas.CallsOf(CallKind::Bevel);
    ASSERT_EQ(framed.size(), 3u);
    EXPECT_EQ(framed[0].Color, ColorToRGB(clBtnShadow));
    EXPECT_EQ(framed[1].Box, (TRect{1, 1, 432, 160}));
    EXPECT_EQ(framed[1].BevelWidth, 2);
    EXPECT_EQ(framed[2].Box, (TRect{3, 3, 430, 158}));
    EXPECT_EQ(framed[2].Color, ColorToRGB(clBtnHighlight));
}

TEST(ChartBackWall, IsABlackFramedBlackRectangleOnThePlot)
{
    PaintedOscillograph osc;
    osc.Paint();
    // The legend's box first, then the wall.
    const auto walls = osc.canvas.CallsOf(CallKind::Rectangle);
    ASSERT_EQ(walls.size(), 2u);
    // Frame on columns 60 and 374, rows 21 and 124.
    EXPECT_EQ(walls[1].Box, (TRect{60, 21, 375, 125}));
    EXPECT_EQ(walls[1].Pen, (Pen{clBlack, 1, PenStyle::Solid, PenMode::Copy}));
    EXPECT_EQ(walls[1].Brush, (Brush{clBlack, BrushStyle::Solid}));

    // A wall without a colour of its own is only framed.
    TChart plain;
    RecordingCanvas canvas;
    plain.Draw(canvas, plain.ClientRect());
    const auto frame = canvas.CallsOf(CallKind::Rectangle);
    ASSERT_EQ(frame.size(), 1u);
    EXPECT_EQ(frame[0].Brush.Style, BrushStyle::Clear);
}

TEST(ChartPaint, DrawsBackgroundLegendTitleWallAxesAndTracesInThatOrderAndResetsTheCanvas)
{
    PaintedOscillograph osc;
    osc.series.Series1.AddPoint(-1, 100);
    osc.series.Series1.AddPoint(0, 200);
    int afterDraw = 0;
    osc.chart.OnAfterDraw = [&] { ++afterDraw; };
    osc.Paint();
    const auto& canvas = osc.canvas;
    const auto index = [&](const std::function<bool(const CanvasCall&)>& is) {
        return std::find_if(canvas.Calls.begin(), canvas.Calls.end(), is) - canvas.Calls.begin();
    };
    const auto text = [](const char* t) { return [t](const CanvasCall& c) { return c.Text == t; }; };
    const auto band = FirstIndex(canvas, CallKind::BandFill);
    const auto bevel = FirstIndex(canvas, CallKind::Bevel);
    const auto legend = FirstIndex(canvas, CallKind::Rectangle);
    const auto item = index(text("F1"));
    const auto title = index(text("Oscilograf"));
    const auto wall =
        index([&](const CanvasCall& c) { return c.Kind == CallKind::Rectangle && c.Box.Left == 60; });
    const auto axisLine =
        index([](const CanvasCall& c) { return c.Kind == CallKind::Line && c.Pen.Width == 2; });
    // Not the legend's aqua sample, which lies right of the plot.
    const auto trace = index([&](const CanvasCall& c) {
        return c.Kind == CallKind::Line && c.Pen.Color == clAqua &&
               c.Points[1].X <= osc.chart.PlotRect().Right;
    });
    EXPECT_LT(band, bevel);
    EXPECT_LT(bevel, legend);
    EXPECT_LT(legend, item);
    EXPECT_LT(item, title);
    EXPECT_LT(title, wall);
    EXPECT_LT(wall, axisLine);
    EXPECT_LT(axisLine, trace);
    EXPECT_LT(trace, static_cast<std::ptrdiff_t>(canvas.Calls.size()));

    EXPECT_EQ(afterDraw, 1);
    EXPECT_EQ(canvas.Pen(), Pen{});
    EXPECT_EQ(canvas.Brush(), Brush{});
    EXPECT_EQ(canvas.Background(), BackgroundMode::Opaque);
}

// A series that notes when the chart asks it to draw itself.
class NotingSeries : public TLineSeries {
public:
    NotingSeries(std::string name, std::vector<std::string>& log) : TLineSeries(std::move(name)), log_(log) {}
    void DrawSeries(Canvas&) override { log_.push_back(Name()); }

private:
    std::vector<std::string>& log_;
};

// A chart that notes the steps of the legend and titles.
class NotingChart : public TChart {
public:
    std::vector<std::string> log;
    void DrawLegend(Canvas&) override { log.push_back("legend"); }
};

TEST(ChartPaint, ActiveSeriesDrawInListOrderAfterTheAxes)
{
    std::vector<std::string> log;
    TChart chart;
    chart.AddSeries(std::make_unique<NotingSeries>("Series1", log));
    auto& second = chart.AddSeries(std::make_unique<NotingSeries>("Series2", log));
    chart.AddSeries(std::make_unique<NotingSeries>("Series3", log));
    RecordingCanvas canvas;
    chart.Draw(canvas, chart.ClientRect());
    EXPECT_EQ(log, (std::vector<std::string>{"Series1", "Series2", "Series3"}));

    log.clear();
    second.SetActive(false);
    chart.Draw(canvas, chart.ClientRect());
    EXPECT_EQ(log, (std::vector<std::string>{"Series1", "Series3"}));
}

TEST(ChartPaint, TheLegendStepComesBeforeTheTitlesOnlyWithAnActiveSeries)
{
    NotingChart chart;
    chart.Title.SetText({"T"});
    RecordingCanvas canvas;
    chart.Draw(canvas, chart.ClientRect());
    EXPECT_TRUE(chart.log.empty());

    auto& s = chart.AddSeries(std::make_unique<TLineSeries>("Series1"));
    canvas.Calls.clear();
    chart.OnAfterDraw = [&] { chart.log.push_back("done"); };
    chart.Draw(canvas, chart.ClientRect());
    EXPECT_EQ(chart.log, (std::vector<std::string>{"legend", "done"}));
    EXPECT_EQ(chart.Title.TitleRect().Top, chart.PanelRect().Top + 10); // 4 % of 250

    chart.log.clear();
    chart.Legend.SetVisible(false);
    chart.Draw(canvas, chart.ClientRect());
    EXPECT_EQ(chart.log, (std::vector<std::string>{"done"}));
    chart.Legend.SetVisible(true);
    s.SetActive(false);
    chart.log.clear();
    chart.Draw(canvas, chart.ClientRect());
    EXPECT_EQ(chart.log, (std::vector<std::string>{"done"}));
}

TEST(ChartPicture, IsStaleUntilDrawnAndAfterEveryChange)
{
    PaintedOscillograph osc;
    int requests = 0;
    osc.chart.SetOnInvalidate([&] { ++requests; });
    EXPECT_TRUE(osc.chart.BufferStale());
    osc.Paint();
    EXPECT_FALSE(osc.chart.BufferStale());

    // One tick: three clears and 3 x 335 points.
    for (TLineSeries* s : {&osc.series.Series1, &osc.series.Series2, &osc.series.Series3})
        s->ClearValues();
    for (int i = 0; i < 335; ++i)
        for (TLineSeries* s : {&osc.series.Series1, &osc.series.Series2, &osc.series.Series3})
            s->AddPoint((i - 334) * 0.3, 100, "", clDefaultPointColor);
    EXPECT_TRUE(osc.chart.BufferStale());
    EXPECT_EQ(requests, 1008);

    osc.Paint();
    EXPECT_FALSE(osc.chart.BufferStale());
    osc.chart.Title.Font.SetColor(clRed);
    EXPECT_TRUE(osc.chart.BufferStale());
    osc.Paint();
    osc.chart.LeftAxis.Grid.SetStyle(PenStyle::Solid);
    EXPECT_TRUE(osc.chart.BufferStale());
    osc.Paint();
    osc.chart.Gradient.SetEndColor(0x0080FFFF); // unchanged: no repaint
    EXPECT_FALSE(osc.chart.BufferStale());
    osc.chart.SetBounds(0, 0, 300, 100);
    EXPECT_TRUE(osc.chart.BufferStale());
}

TEST(Oscillograph, IsConfiguredAsTheMainWindowCreatesIt)
{
    TChart chart;
    const OscillographSeries s = ConfigureOscillograph(chart);
    EXPECT_EQ(chart.Width(), 433);
    EXPECT_EQ(chart.Height(), 161);
    EXPECT_FALSE(chart.View3D());
    EXPECT_TRUE(chart.Gradient.Visible());
    EXPECT_EQ(chart.Gradient.EndColor(), 0x0080FFFFu);
    EXPECT_EQ(chart.BackColor(), clBlack);
    EXPECT_EQ(chart.Title.Text(), (std::vector<std::string>{"Oscilograf"}));
    EXPECT_EQ(chart.BottomAxis.Title.Caption(), "Dužina, mm");
    EXPECT_TRUE(chart.BottomAxis.Automatic());
    EXPECT_EQ(chart.LeftAxis.Title.Caption(), "Sila, N");
    EXPECT_FALSE(chart.LeftAxis.AutomaticMinimum());
    EXPECT_FALSE(chart.LeftAxis.AutomaticMaximum());
    EXPECT_EQ(chart.LeftAxis.Minimum(), 0);
    EXPECT_EQ(chart.LeftAxis.Maximum(), 1000);
    EXPECT_EQ(chart.Legend.Color(), clGray);
    EXPECT_EQ(chart.Legend.ColorWidth(), 70);
    EXPECT_EQ(chart.Legend.TopPos(), 16);

    ASSERT_EQ(chart.SeriesCount(), 3);
    EXPECT_EQ(&chart.Series(0), &s.Series1);
    EXPECT_EQ(&chart.Series(2), &s.Series3);
    EXPECT_EQ(s.Series1.Name(), "Series1");
    EXPECT_EQ(chart.LegendText(0), "F1");
    EXPECT_EQ(chart.LegendText(1), "F3");
    EXPECT_EQ(chart.LegendText(2), "F2");
    EXPECT_EQ(s.Series1.SeriesColor(), clAqua);
    EXPECT_EQ(s.Series2.SeriesColor(), clLime);
    EXPECT_EQ(s.Series3.SeriesColor(), 0x0080FFFFu);
    EXPECT_EQ(s.Series3.XValues().Order(), loAscending);
    EXPECT_EQ(s.Series3.YValues().Order(), loNone);
}

TEST(Legend, RefusesPercentagesOutsideTheirRangeAndKeepsTheOldValue)
{
    TChart chart;
    test::ExpectRefused<LegendException>([&] { chart.Legend.SetColorWidth(101); },
                                         "Legend Color Width must be between 0 and 100 %");
    test::ExpectRefused<LegendException>([&] { chart.Legend.SetTopPos(-1); },
                                         "Top Legend Position must be between 0 and 100 %");
    test::ExpectRefused<LegendException>([&] { chart.Legend.SetFirstValue(-1); },
                                         "First Legend Value must be > 0");
    EXPECT_EQ(chart.Legend.ColorWidth(), 12);
    EXPECT_EQ(chart.Legend.TopPos(), 10);
    EXPECT_EQ(chart.Legend.FirstValue(), 0);
}

} // namespace
} // namespace otpor
