#include "ChartTestSupport.h"

#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <string>

namespace otpor {
namespace {

using test::ExpectRefused;
using test::RecordingCanvas;

TEST(AxisLabelStep, ThousandNewtonsOnAHundredPixelsGetALabelEveryTwoHundred)
{
    TChart chart;
    chart.SetPlotRect({0, 0, 300, 100});
    chart.LeftAxis.SetRange(0, 1000);
    chart.LeftAxis.CalcRange();
    RecordingCanvas canvas({6, 14});
    EXPECT_EQ(chart.LeftAxis.CalcLabelStep(canvas), 200);
    EXPECT_EQ(canvas.Font(), chart.LeftAxis.LabelsFont.Value());

    // With Increment the step starts there; without separation it stays.
    chart.LeftAxis.SetIncrement(250);
    EXPECT_EQ(chart.LeftAxis.CalcLabelStep(canvas), 250);
    chart.LeftAxis.SetIncrement(1);
    chart.LeftAxis.SetLabelsSeparation(0);
    EXPECT_EQ(chart.LeftAxis.StepForLabelCount(7), 1);
}

TEST(AxisLabelStep, StepsRunThroughOneTwoFiveInEveryDecade)
{
    EXPECT_EQ(TChartAxis::NextStep(1), 2);
    EXPECT_EQ(TChartAxis::NextStep(2), 5);
    EXPECT_EQ(TChartAxis::NextStep(5), 10);
    EXPECT_EQ(TChartAxis::NextStep(7), 10);
    EXPECT_EQ(TChartAxis::NextStep(10), 20);
    EXPECT_EQ(TChartAxis::NextStep(20), 50);
    EXPECT_DOUBLE_EQ(TChartAxis::NextStep(0.3), 0.5);
    EXPECT_DOUBLE_EQ(TChartAxis::NextStep(0.05), 0.1);
    // Degenerate steps end instead of recursing for ever.
    EXPECT_EQ(TChartAxis::NextStep(std::numeric_limits<double>::infinity()),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(TChartAxis::NextStep(0), TChartAxis::MinStep);
}

TEST(AxisLabelStep, AnEmptyOrHugeRangeStillGivesAUsableStep)
{
    TChart chart;
    chart.SetPlotRect({0, 0, 300, 100});
    chart.BottomAxis.SetRange(0, 0);
    chart.BottomAxis.SetRange(3, 3); // 3 ... 3 + 1e-10
    chart.BottomAxis.CalcRange();
    EXPECT_GT(chart.BottomAxis.StepForLabelCount(5), 0);

    chart.BottomAxis.SetRange(-1e308, 1e308); // the size overflows to infinity
    chart.BottomAxis.CalcRange();
    RecordingCanvas canvas;
    // Both return, whatever they give.
    chart.BottomAxis.CalcLabelStep(canvas);
    chart.BottomAxis.StepForLabelCount(5);
}

TEST(AxisRange, SetRangeOrdersTheEndsWidensAnEmptyRangeAndClearsTheAutomaticFlags)
{
    TChart chart;
    TChartAxis& axis = chart.BottomAxis;
    axis.SetRange(8, 2);
    EXPECT_EQ(axis.Minimum(), 2);
    EXPECT_EQ(axis.Maximum(), 8);
    EXPECT_FALSE(axis.Automatic());
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_FALSE(axis.AutomaticMaximum());

    axis.SetAutomatic(true);
    axis.SetRange(5, 5);
    EXPECT_EQ(axis.Minimum(), 5);
    EXPECT_EQ(axis.Maximum(), 5 + 1e-10);
    EXPECT_FALSE(axis.Automatic());
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_FALSE(axis.AutomaticMaximum());
}

TEST(AxisRange, RefusedEndsRaiseTheirMessageAndLeaveTheAxisUnchanged)
{
    TChart chart;
    TChartAxis& axis = chart.LeftAxis;
    axis.SetRange(400, 600);
    ExpectRefused<AxisException>([&] { axis.SetMaximum(300); }, "Axis Maximum Value must be >= Minimum");
    ExpectRefused<AxisException>([&] { axis.SetMinimum(700); }, "Axis Minimum Value must be <= Maximum");
    ExpectRefused<AxisException>([&] { axis.SetMinimum(std::numeric_limits<double>::quiet_NaN()); },
                                 "Axis Minimum Value must be <= Maximum");
    EXPECT_EQ(axis.Minimum(), 400);
    EXPECT_EQ(axis.Maximum(), 600);

    axis.SetMinimum(600);
    EXPECT_EQ(axis.Minimum(), 600);
    ExpectRefused<AxisException>([&] { axis.SetMinimum(600.5); }, "Axis Minimum Value must be <= Maximum");
    EXPECT_EQ(axis.Minimum(), 600);
    EXPECT_FALSE(axis.Automatic());
}

TEST(AxisProperties, RefusedValuesRaiseTheirMessageAndLeaveTheAxisUnchanged)
{
    TChart chart;
    TChartAxis& axis = chart.BottomAxis;
    ExpectRefused<AxisException>([&] { axis.SetIncrement(-1); }, "Axis increment must be >= 0");
    ExpectRefused<AxisException>([&] { axis.SetIncrement(std::numeric_limits<double>::quiet_NaN()); },
                                 "Axis increment must be >= 0");
    EXPECT_EQ(axis.Increment(), 0);

    ExpectRefused<AxisException>([&] { axis.SetLabelsSeparation(-1); },
                                 "Labels Separation % must be greater than 0");
    EXPECT_EQ(axis.LabelsSeparation(), 10);
    axis.SetLabelsSeparation(0);
    EXPECT_EQ(axis.LabelsSeparation(), 0);

    ExpectRefused<ChartException>([&] { axis.SetLabelsAngle(-1); },
                                  "Axis Labels Angle must be between 0 and 359 degrees");
    ExpectRefused<ChartException>([&] { axis.SetLabelsAngle(361); },
                                  "Axis Labels Angle must be between 0 and 359 degrees");
    EXPECT_EQ(axis.LabelsAngle(), 0);
    axis.SetLabelsAngle(90);
    axis.SetLabelsAngle(360);
    EXPECT_EQ(axis.LabelsAngle(), 0);

    ExpectRefused<ChartException>([&] { chart.LeftAxis.Title.SetAngle(400); },
                                  "Axis Title Angle must be between 0 and 359 degrees");
    EXPECT_EQ(chart.LeftAxis.Title.Angle(), 90);
}

TEST(AxisProperties, StartWithTheComponentsDefaults)
{
    TChart chart;
    const TChartAxis& axis = chart.BottomAxis;
    EXPECT_TRUE(axis.Automatic());
    EXPECT_EQ(axis.AxisValuesFormat(), "#,##0.###");
    EXPECT_EQ(axis.TickLength(), 4);
    EXPECT_EQ(axis.MinorTickLength(), 2);
    EXPECT_EQ(axis.MinorTickCount(), 3);
    EXPECT_TRUE(axis.TickOnLabelsOnly());
    EXPECT_EQ(axis.Grid.Style(), PenStyle::Dot);
    EXPECT_EQ(axis.Grid.Color(), clGray);
    EXPECT_EQ(axis.Axis.Width(), 2);
    EXPECT_EQ(axis.Axis.Color(), clBlack);
    EXPECT_EQ(axis.LabelsFont.Name(), "Arial");
    EXPECT_EQ(axis.LabelsFont.Height(), 11);
    EXPECT_EQ(chart.LeftAxis.Title.Angle(), 90);
    EXPECT_EQ(chart.RightAxis.Title.Angle(), 270);
    EXPECT_EQ(chart.TopAxis.Title.Angle(), 0);
}

TEST(AxisRange, AutomaticFlagsMoveTogetherAndTheDataFillsAutomaticEnds)
{
    TChart chart;
    auto& s = chart.AddSeries(std::make_unique<TLineSeries>("Series1"));
    s.AddPoint(-100.2, 250);
    s.AddPoint(0, 800);
    auto& idle = chart.AddSeries(std::make_unique<TLineSeries>("Series2"));
    idle.AddPoint(50, 5000);
    idle.SetActive(false);

    chart.LeftAxis.SetRange(0, 1000);
    chart.LeftAxis.CalcRange();
    EXPECT_EQ(chart.LeftAxis.RangeMin(), 0);
    EXPECT_EQ(chart.LeftAxis.RangeMax(), 1000);

    chart.LeftAxis.SetAutomatic(true);
    EXPECT_TRUE(chart.LeftAxis.AutomaticMinimum());
    EXPECT_TRUE(chart.LeftAxis.AutomaticMaximum());
    chart.LeftAxis.CalcRange();
    EXPECT_EQ(chart.LeftAxis.Minimum(), 250);
    EXPECT_EQ(chart.LeftAxis.Maximum(), 800);

    chart.BottomAxis.CalcRange();
    EXPECT_EQ(chart.BottomAxis.RangeMin(), -100.2);
    EXPECT_EQ(chart.BottomAxis.RangeMax(), 0);
    EXPECT_EQ(chart.BottomAxis.RangeSize(), 100.2);

    chart.BottomAxis.SetAutomaticMinimum(false);
    EXPECT_FALSE(chart.BottomAxis.Automatic());
    EXPECT_TRUE(chart.BottomAxis.AutomaticMaximum());
    chart.BottomAxis.SetMinimum(-50);
    s.AddPoint(10, 1);
    chart.BottomAxis.CalcRange();
    EXPECT_EQ(chart.BottomAxis.RangeMin(), -50);
    EXPECT_EQ(chart.BottomAxis.RangeMax(), 10);

    // No active series with points: the automatic ends are 0.
    s.ClearValues();
    chart.LeftAxis.CalcRange();
    EXPECT_EQ(chart.LeftAxis.RangeMin(), 0);
    EXPECT_EQ(chart.LeftAxis.RangeMax(), 0);
}

TEST(AxisMapping, RangeEndsFallOnThePlotEdgesAndPixelsMapBack)
{
    TChart chart;
    chart.SetPlotRect({60, 21, 429, 125});
    chart.BottomAxis.SetRange(-100.2, 0);
    chart.LeftAxis.SetRange(0, 1000);
    chart.BottomAxis.CalcRange();
    chart.LeftAxis.CalcRange();

    EXPECT_EQ(chart.BottomAxis.ValueToPixel(-100.2), 60);
    EXPECT_EQ(chart.BottomAxis.ValueToPixel(0), 429);
    EXPECT_EQ(chart.LeftAxis.ValueToPixel(0), 125);
    EXPECT_EQ(chart.LeftAxis.ValueToPixel(1000), 21);
    EXPECT_EQ(chart.LeftAxis.ValueToPixel(2000), -83); // not clamped
    EXPECT_DOUBLE_EQ(chart.BottomAxis.PixelToValue(60), -100.2);
    EXPECT_DOUBLE_EQ(chart.BottomAxis.PixelToValue(429), 0);
    EXPECT_DOUBLE_EQ(chart.LeftAxis.PixelToValue(21), 1000);
    EXPECT_DOUBLE_EQ(chart.LeftAxis.PixelToValue(125), 0);

    chart.BottomAxis.SetInverted(true);
    chart.LeftAxis.SetInverted(true);
    EXPECT_EQ(chart.BottomAxis.ValueToPixel(-100.2), 429);
    EXPECT_EQ(chart.LeftAxis.ValueToPixel(0), 21);
    EXPECT_DOUBLE_EQ(chart.BottomAxis.PixelToValue(429), -100.2);
    EXPECT_DOUBLE_EQ(chart.LeftAxis.PixelToValue(21), 0);
}

TEST(AxisMapping, AnEmptyRangeMapsEveryValueToThePlotCentre)
{
    TChart chart;
    chart.SetPlotRect({60, 21, 429, 125});
    chart.BottomAxis.CalcRange(); // no series: 0 ... 0
    chart.LeftAxis.SetMaximum(0);
    chart.LeftAxis.SetAutomatic(false);
    chart.LeftAxis.CalcRange();
    EXPECT_EQ(chart.BottomAxis.RangeSize(), 0);
    EXPECT_EQ(chart.BottomAxis.ValueToPixel(0), chart.PlotXCenter());
    EXPECT_EQ(chart.BottomAxis.ValueToPixel(-50), 244);
    EXPECT_EQ(chart.LeftAxis.ValueToPixel(700), chart.PlotYCenter());
    EXPECT_EQ(chart.LeftAxis.ValueToPixel(700), 73);
}

TEST(AxisMapping, HugeValuesSaturateInsteadOfOverflowing)
{
    TChart chart;
    chart.SetPlotRect({60, 21, 429, 125});
    chart.BottomAxis.SetRange(0, 1e-9);
    chart.BottomAxis.CalcRange();
    EXPECT_EQ(chart.BottomAxis.ValueToPixel(1e300), std::numeric_limits<int>::max());
    EXPECT_LT(chart.BottomAxis.ValueToPixel(-1e300), -2000000000);
}

TEST(AxisLabels, TextsUseTheRegionalSeparators)
{
    TChart chart;
    chart.SetSeparators({",", "."});
    const TChartAxis& axis = chart.LeftAxis;
    EXPECT_EQ(axis.LabelText(1000), "1.000");
    EXPECT_EQ(axis.LabelText(0.5), "0,5");
    EXPECT_EQ(axis.LabelText(-100.2), "-100,2");
    EXPECT_EQ(axis.LabelText(0), "0");
    EXPECT_EQ(axis.LabelText(-20), "-20");
    EXPECT_EQ(axis.LabelText(1234567.891), "1.234.567,891");
    EXPECT_EQ(axis.LabelText(1.23456), "1,235");
    EXPECT_EQ(axis.LabelText(0.0005), "0,001");
    EXPECT_EQ(axis.LabelText(9.9996), "10");
    EXPECT_EQ(axis.LabelText(0.1 + 0.2), "0,3");
    // What repeated subtraction leaves near zero is written as plain 0.
    EXPECT_EQ(axis.LabelText(-1e-14), "0");

    chart.SetSeparators({".", ","});
    EXPECT_EQ(axis.LabelText(1000), "1,000");
    EXPECT_EQ(axis.LabelText(-0.25), "-0.25");

    chart.LeftAxis.SetAxisValuesFormat("0.00 N");
    EXPECT_EQ(axis.LabelText(1000), "1000.00 N");
}

TEST(AxisShown, OnlyVisibleAxesOfAnActiveSeriesAreShown)
{
    TChart chart;
    EXPECT_FALSE(chart.IsAxisShown(chart.BottomAxis));
    auto& s = chart.AddSeries(std::make_unique<TLineSeries>("Series1"));
    EXPECT_TRUE(chart.IsAxisShown(chart.BottomAxis));
    EXPECT_TRUE(chart.IsAxisShown(chart.LeftAxis));
    EXPECT_FALSE(chart.IsAxisShown(chart.TopAxis));
    EXPECT_FALSE(chart.IsAxisShown(chart.RightAxis));

    chart.LeftAxis.SetVisible(false);
    EXPECT_FALSE(chart.IsAxisShown(chart.LeftAxis));
    chart.SetAxisVisible(false);
    EXPECT_FALSE(chart.IsAxisShown(chart.BottomAxis));
    chart.SetAxisVisible(true);
    s.SetActive(false);
    EXPECT_FALSE(chart.IsAxisShown(chart.BottomAxis));
}

} // namespace
} // namespace otpor
