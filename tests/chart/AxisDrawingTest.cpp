#include "ChartTestSupport.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

using test::CallKind;
using test::CanvasCall;

// The program's chart with its legend hidden, so that the axes have the
// plot's full width: with the test metrics PlotRect (60, 21, 429, 125), left
// axis line at x 60 with labels right-aligned at 54, bottom axis line at y
// 125 with labels from y 131.
struct OscillographWithoutLegend : test::PaintedOscillograph {
    OscillographWithoutLegend() { chart.Legend.SetVisible(false); }
};

constexpr int LeftAxisX = 60;
constexpr int BottomAxisY = 125;

bool IsLeftTick(const CanvasCall& c, int length)
{
    return c.Kind == CallKind::Line && c.Pen.Style == PenStyle::Solid && c.Pen.Width == 1 &&
           c.Points[0].X == LeftAxisX - 1 && c.Points[1].X == LeftAxisX - 1 - length &&
           c.Points[0].Y == c.Points[1].Y;
}

bool IsBottomTick(const CanvasCall& c, int length)
{
    return c.Kind == CallKind::Line && c.Pen.Style == PenStyle::Solid && c.Pen.Width == 1 &&
           c.Points[0].Y == BottomAxisY + 1 && c.Points[1].Y == BottomAxisY + 1 + length &&
           c.Points[0].X == c.Points[1].X;
}

bool IsHorizontalGridLine(const CanvasCall& c)
{
    return c.Kind == CallKind::Line && c.Pen.Style == PenStyle::Dot && c.Points[0].Y == c.Points[1].Y;
}

bool IsVerticalGridLine(const CanvasCall& c)
{
    return c.Kind == CallKind::Line && c.Pen.Style == PenStyle::Dot && c.Points[0].X == c.Points[1].X;
}

bool IsLeftLabel(const CanvasCall& c)
{
    return c.Align.Horizontal == HorizontalAlign::Right;
}
bool IsBottomLabel(const CanvasCall& c)
{
    return c.Align.Horizontal == HorizontalAlign::Center && c.Points[0].Y == 131;
}

std::vector<int> Ys(const std::vector<CanvasCall>& calls)
{
    std::vector<int> out;
    for (const auto& c : calls)
        out.push_back(c.Points[0].Y);
    return out;
}

std::vector<int> Xs(const std::vector<CanvasCall>& calls)
{
    std::vector<int> out;
    for (const auto& c : calls)
        out.push_back(c.Points[0].X);
    return out;
}

TEST(AxisDrawing, ForceAxisLabelsEveryTwoHundredWithGridInsideAndThreeMinorTicksPerGap)
{
    OscillographWithoutLegend osc;
    osc.Paint();

    EXPECT_EQ(osc.Texts(IsLeftLabel), (std::vector<std::string>{"1.000", "800", "600", "400", "200", "0"}));
    const auto labels =
        osc.Calls([](const CanvasCall& c) { return c.Kind == CallKind::TextOut && IsLeftLabel(c); });
    for (const auto& l : labels) {
        EXPECT_EQ(l.Points[0].X, 54);
        EXPECT_EQ(l.Align.Vertical, VerticalAlign::Top);
        EXPECT_EQ(l.Background, BackgroundMode::Transparent);
        EXPECT_EQ(l.Font.Name, "Arial");
    }
    // Top of the text half a line above the tick.
    EXPECT_EQ(Ys(labels), (std::vector<int>{14, 35, 56, 76, 97, 118}));

    const auto ticks = osc.Calls([](const CanvasCall& c) { return IsLeftTick(c, 4); });
    EXPECT_EQ(Ys(ticks), (std::vector<int>{21, 42, 63, 83, 104, 125}));
    EXPECT_EQ(ticks[0].Pen.Color, clGray);

    const auto grid = osc.Calls(IsHorizontalGridLine);
    EXPECT_EQ(Ys(grid), (std::vector<int>{42, 63, 83, 104}));
    for (const auto& g : grid) {
        EXPECT_EQ(g.Points[0].X, 61);
        EXPECT_EQ(g.Points[1].X, 429);
        EXPECT_EQ(g.Pen.Color, clGray);
        EXPECT_EQ(g.Background, BackgroundMode::Transparent);
    }

    const auto minor = osc.Calls([](const CanvasCall& c) { return IsLeftTick(c, 2); });
    ASSERT_EQ(minor.size(), 15u);
    EXPECT_EQ(Ys(minor)[0], 37);
    EXPECT_EQ(Ys(minor)[1], 32);
    EXPECT_EQ(Ys(minor)[2], 26);
    const std::vector<int> majors = Ys(ticks);
    for (std::size_t gap = 0; gap < 5; ++gap)
        for (std::size_t i = 0; i < 3; ++i) {
            const int y = minor[gap * 3 + i].Points[0].Y;
            EXPECT_GT(y, majors[gap]);
            EXPECT_LT(y, majors[gap + 1]);
        }
}

TEST(AxisDrawing, LengthAxisLabelsTheOscillogramFromZeroDownInTwenties)
{
    OscillographWithoutLegend osc;
    for (int k = 0; k <= 334; ++k)
        osc.series.Series1.AddPoint((k - 334) * 0.3, 500);
    osc.Paint();
    EXPECT_EQ(osc.chart.BottomAxis.RangeMin(), -100.2);

    EXPECT_EQ(osc.Texts(IsBottomLabel), (std::vector<std::string>{"0", "-20", "-40", "-60", "-80", "-100"}));
    const auto labels =
        osc.Calls([](const CanvasCall& c) { return c.Kind == CallKind::TextOut && IsBottomLabel(c); });
    EXPECT_EQ(labels[0].Points[0].X, 429);
    EXPECT_EQ(labels[1].Points[0].X, 355);

    const auto ticks = osc.Calls([](const CanvasCall& c) { return IsBottomTick(c, 4); });
    EXPECT_EQ(Xs(ticks), Xs(labels));
    const auto grid = osc.Calls(IsVerticalGridLine);
    ASSERT_EQ(grid.size(), 5u);
    const std::vector<int> labelXs = Xs(labels);
    EXPECT_EQ(Xs(grid), (std::vector<int>(labelXs.begin() + 1, labelXs.end())));
    EXPECT_EQ(grid[0].Points[0].Y, 124);
    EXPECT_EQ(grid[0].Points[1].Y, 21);
}

TEST(AxisDrawing, AnEmptyLengthAxisShowsASingleZeroAtThePlotCentre)
{
    OscillographWithoutLegend osc;
    osc.Paint();
    const auto labels =
        osc.Calls([](const CanvasCall& c) { return c.Kind == CallKind::TextOut && IsBottomLabel(c); });
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].Text, "0");
    EXPECT_EQ(labels[0].Points[0].X, osc.chart.PlotXCenter());
    EXPECT_EQ(labels[0].Points[0].X, 244);

    const auto ticks = osc.Calls([](const CanvasCall& c) { return IsBottomTick(c, 4); });
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_EQ(ticks[0].Points[0].X, 244);
    EXPECT_TRUE(osc.Calls(IsVerticalGridLine).empty());
    EXPECT_TRUE(osc.Calls([](const CanvasCall& c) { return IsBottomTick(c, 2); }).empty());
}

TEST(AxisDrawing, TooManyStepsDrawNoLabelsTicksOrGridButTheLineAndTitle)
{
    OscillographWithoutLegend osc;
    osc.chart.LeftAxis.SetRange(0, 100000);
    osc.chart.LeftAxis.SetIncrement(1);
    osc.chart.LeftAxis.SetLabelsSeparation(0);
    osc.Paint();
    // Room for "100.000" and a space: the axis line moves to x 72.
    const int axisX = osc.chart.LeftAxis.AxisPos();
    EXPECT_EQ(axisX, 72);
    EXPECT_TRUE(osc.Texts(IsLeftLabel).empty());
    EXPECT_TRUE(osc.Calls(IsHorizontalGridLine).empty());
    EXPECT_TRUE(
        osc.Calls([&](const CanvasCall& c) { return c.Kind == CallKind::Line && c.Points[0].X == axisX - 1; })
            .empty());

    const auto line = osc.Lines(PenStyle::Solid, 2);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_EQ(line[1].Points, (std::vector<TPoint>{{axisX, 21}, {axisX, 125}}));
    EXPECT_EQ(osc.canvas.CallsOf(CallKind::RotatedTextOut).size(), 1u);
}

TEST(AxisDrawing, WithoutLabelsTicksThatFollowLabelsVanishToo)
{
    OscillographWithoutLegend osc;
    osc.chart.LeftAxis.SetLabels(false);
    osc.Paint();
    const int axisX = osc.chart.LeftAxis.AxisPos();
    EXPECT_TRUE(osc.Texts(IsLeftLabel).empty());
    EXPECT_TRUE(osc.Calls(IsHorizontalGridLine).empty());
    EXPECT_TRUE(
        osc.Calls([&](const CanvasCall& c) { return c.Kind == CallKind::Line && c.Points[0].X == axisX - 1; })
            .empty());

    // Ticks for every step once they no longer follow the labels.
    osc.chart.LeftAxis.SetTickOnLabelsOnly(false);
    osc.Paint();
    EXPECT_EQ(osc.Calls([&](const CanvasCall& c) {
                     return c.Kind == CallKind::Line && c.Pen.Style == PenStyle::Solid &&
                            c.Points[0].X == axisX - 1 && c.Points[1].X == axisX - 5;
                 })
                  .size(),
              6u);
    EXPECT_EQ(osc.Calls(IsHorizontalGridLine).size(), 4u);
}

TEST(AxisDrawing, TitlesStandBesideTheirStripsAndAxisLinesAlongThePlot)
{
    OscillographWithoutLegend osc;
    osc.Paint();
    const auto rotated = osc.canvas.CallsOf(CallKind::RotatedTextOut);
    ASSERT_EQ(rotated.size(), 1u);
    EXPECT_EQ(rotated[0].Text, "Sila, N");
    EXPECT_EQ(rotated[0].Angle, 90);
    EXPECT_EQ(rotated[0].Points[0], (TPoint{18, 73}));
    EXPECT_EQ(rotated[0].Align, (TextAlign{HorizontalAlign::Center, VerticalAlign::Bottom}));
    EXPECT_EQ(rotated[0].Font.Name, "Tahoma");
    EXPECT_EQ(rotated[0].Font.Color, clBlack);

    const auto bottom =
        osc.Calls([](const CanvasCall& c) { return c.Kind == CallKind::TextOut && c.Text == "Dužina, mm"; });
    ASSERT_EQ(bottom.size(), 1u);
    EXPECT_EQ(bottom[0].Points[0], (TPoint{244, 145}));
    EXPECT_EQ(bottom[0].Align, (TextAlign{HorizontalAlign::Center, VerticalAlign::Top}));
    EXPECT_EQ(bottom[0].Background, BackgroundMode::Transparent);

    const auto lines = osc.Lines(PenStyle::Solid, 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Points, (std::vector<TPoint>{{60, 125}, {429, 125}}));
    EXPECT_EQ(lines[1].Points, (std::vector<TPoint>{{60, 21}, {60, 125}}));
    EXPECT_EQ(lines[0].Pen.Color, clBlack);
}

} // namespace
} // namespace otpor
