#include "ChartTestSupport.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

using test::CallKind;
using test::CanvasCall;
using test::PaintedOscillograph;

// With the test metrics (6 px a character, 14 px a row) on the program's
// chart: before the legend the plot is (4, 2, 429, 159); the box's top is
// round(16 % of 161) = 26, its three rows end at 26 + 2 + 42 = 70; the text
// column of "F1" is 12 px wide, the sample round(22 x 70 %) = 15 px.
constexpr TRect ProgramLegendRect{387, 26, 424, 70};

std::vector<CanvasCall> LegendTexts(const PaintedOscillograph& osc)
{
    return osc.Calls([](const CanvasCall& c) {
        return c.Kind == CallKind::TextOut && c.Text.size() == 2 && c.Text[0] == 'F';
    });
}

TEST(Legend, ListsTheTracesInSeriesOrderWithTheirSeriesColoursBesideThePlot)
{
    PaintedOscillograph osc;
    osc.Paint();
    const TChart& chart = osc.chart;
    EXPECT_EQ(chart.Legend.LegendRect(), ProgramLegendRect);
    EXPECT_EQ(chart.Legend.SymbolWidth(), 15);

    const auto texts = LegendTexts(osc);
    ASSERT_EQ(texts.size(), 3u);
    const std::vector<std::string> titles{"F1", "F3", "F2"};
    const std::vector<TColor> colours{clAqua, clLime, 0x0080FFFF};
    for (std::size_t p = 0; p < 3; ++p) {
        const int y = 27 + 14 * static_cast<int>(p);
        EXPECT_EQ(texts[p].Text, titles[p]);
        EXPECT_EQ(texts[p].Points[0], (TPoint{410, y}));
        EXPECT_EQ(texts[p].Font, ComponentFont());
        EXPECT_EQ(texts[p].Background, BackgroundMode::Transparent);
        EXPECT_EQ(texts[p].Align, TextAlign{});
        // The sample across the middle of (391, y + 2, 406, y + 12).
        const auto sample = osc.Calls([&](const CanvasCall& c) {
            return c.Kind == CallKind::Line && c.Points == std::vector<TPoint>{{391, y + 7}, {406, y + 7}};
        });
        ASSERT_EQ(sample.size(), 1u);
        EXPECT_EQ(sample[0].Pen, (Pen{colours[p], 1, PenStyle::Solid, PenMode::Copy}));
    }

    // Shadow 3 px right of and below the grey box with its black frame.
    const auto fills = osc.canvas.CallsOf(CallKind::FillRect);
    const auto shadow =
        std::find_if(fills.begin(), fills.end(), [](const CanvasCall& c) { return c.Box.Left == 390; });
    ASSERT_NE(shadow, fills.end());
    EXPECT_EQ(shadow->Box, (TRect{390, 29, 428, 74}));
    EXPECT_EQ(shadow->Brush, (Brush{clBlack, BrushStyle::Solid}));
    const auto box = osc.canvas.CallsOf(CallKind::Rectangle).front();
    EXPECT_EQ(box.Box, (TRect{386, 25, 425, 71}));
    EXPECT_EQ(box.Brush, (Brush{clGray, BrushStyle::Solid}));
    EXPECT_EQ(box.Pen, (Pen{clBlack, 1, PenStyle::Solid, PenMode::Copy}));

    // The box and a gap of 3 % of 425 px come off the plot's right.
    EXPECT_EQ(chart.PlotRect().Right, 387 - 13);
}

TEST(Legend, ShowsTheRowsThatFitFromFirstValueAndUpsideDownWhenInverted)
{
    PaintedOscillograph osc;
    osc.chart.Legend.SetFirstValue(1);
    osc.Paint();
    auto texts = LegendTexts(osc);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Text, "F3");
    EXPECT_EQ(texts[1].Text, "F2");
    EXPECT_EQ(osc.chart.Legend.LegendRect().Bottom, 26 + 2 + 28);

    osc.chart.Legend.SetFirstValue(0);
    osc.chart.Legend.SetInverted(true);
    osc.Paint();
    texts = LegendTexts(osc);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].Text, "F2");
    EXPECT_EQ(texts[0].Points[0].Y, 27);
    EXPECT_EQ(texts[2].Text, "F1");

    // Rows of 60 px: (159 - 2 - 26) div 60 = 2 rows.
    TChart chart;
    ConfigureOscillograph(chart);
    test::RecordingCanvas tall{test::FixedMetrics{6, 60}};
    chart.Draw(tall, chart.ClientRect());
    EXPECT_EQ(chart.Legend.LegendRect().Bottom, 26 + 2 + 120);
    std::vector<std::string> listed;
    for (const auto& c : tall.CallsOf(CallKind::TextOut))
        if (c.Text == "F1" || c.Text == "F3" || c.Text == "F2")
            listed.push_back(c.Text);
    EXPECT_EQ(listed, (std::vector<std::string>{"F1", "F3"}));
}

TEST(Legend, WithoutRoomForARowOrASecondActiveSeriesIsNotDrawnAndTakesNoSpace)
{
    // A top at or below the plot's bottom (161 >= 159), or too near it for a row.
    for (int topPos : {100, 95}) {
        PaintedOscillograph osc;
        osc.chart.Legend.SetTopPos(topPos);
        osc.Paint();
        EXPECT_TRUE(LegendTexts(osc).empty()) << topPos;
        EXPECT_EQ(osc.canvas.CallsOf(CallKind::Rectangle).size(), 1u) << "only the back wall";
        EXPECT_EQ(osc.chart.PlotRect().Right, 429) << topPos;
        EXPECT_TRUE(osc.chart.Legend.LegendRect().IsEmpty());
    }

    // One active series would make it a list of values, which this chart
    // does not show.
    PaintedOscillograph osc;
    osc.series.Series2.SetActive(false);
    osc.series.Series3.SetActive(false);
    osc.Paint();
    EXPECT_TRUE(LegendTexts(osc).empty());
    EXPECT_EQ(osc.chart.PlotRect().Right, 429);

    // A legend that is hidden leaves nothing for the mouse from earlier paints.
    osc.series.Series2.SetActive(true);
    osc.Paint();
    EXPECT_FALSE(osc.chart.Legend.LegendRect().IsEmpty());
    osc.chart.Legend.SetVisible(false);
    osc.Paint();
    EXPECT_TRUE(osc.chart.Legend.LegendRect().IsEmpty());
}

TEST(Legend, AtTheLeftMirrorsItsPlacementAndAnUnframedBoxCastsItsShadowFromItsEdge)
{
    PaintedOscillograph osc;
    osc.chart.Legend.SetAlignment(laLeft);
    osc.chart.Legend.SetHorizMargin(5);
    osc.Paint();
    // From 4 + 2: sample at 10, 15 px; text at 29, 12 px; 2 px to the edge.
    EXPECT_EQ(osc.chart.Legend.LegendRect(), (TRect{6, 26, 43, 70}));
    EXPECT_EQ(LegendTexts(osc)[0].Points[0].X, 29);
    // The plot starts after the box and the gap, then the force axis' strips.
    EXPECT_EQ(osc.chart.LeftAxis.TitlePos(), 43 + 5 + 14);

    osc.chart.Legend.Frame.SetVisible(false);
    osc.chart.Legend.SetShadowSize(2);
    osc.Paint();
    EXPECT_EQ(osc.chart.Legend.LegendRect(), (TRect{4, 26, 41, 70}));
    const auto box = osc.canvas.CallsOf(CallKind::Rectangle).front();
    EXPECT_EQ(box.Box, (TRect{4, 26, 41, 70}));
    EXPECT_EQ(box.Pen.Style, PenStyle::Clear);
    const auto fills = osc.canvas.CallsOf(CallKind::FillRect);
    EXPECT_TRUE(std::any_of(fills.begin(), fills.end(), [](const CanvasCall& c) {
        return c.Box == TRect{6, 28, 42, 71} && c.Brush.Color == clBlack;
    }));
}

TEST(Legend, AcceptsPercentagesAtTheEndsOfTheirRange)
{
    TChart chart;
    chart.Legend.SetColorWidth(0);
    chart.Legend.SetColorWidth(100);
    chart.Legend.SetTopPos(0);
    chart.Legend.SetTopPos(100);
    chart.Legend.SetFirstValue(0);
    EXPECT_EQ(chart.Legend.ColorWidth(), 100);
    EXPECT_EQ(chart.Legend.TopPos(), 100);
    test::ExpectRefused<LegendException>([&] { chart.Legend.SetColorWidth(-1); },
                                         "Legend Color Width must be between 0 and 100 %");
    test::ExpectRefused<LegendException>([&] { chart.Legend.SetTopPos(101); },
                                         "Top Legend Position must be between 0 and 100 %");
    EXPECT_EQ(chart.Legend.TopPos(), 100);
}

} // namespace
} // namespace otpor
