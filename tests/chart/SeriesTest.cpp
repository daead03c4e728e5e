#include "chart/TChart.h"
#include "chart/TLineSeries.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace otpor {
namespace {

std::vector<double> Values(const TChartValueList& list)
{
    return {list.Values().begin(), list.Values().end()};
}

TEST(Series, KeepsPointsInAscendingXAndMovesYColourAndLabelAlong)
{
    TLineSeries s;
    s.SetSeriesColor(clAqua);
    EXPECT_EQ(s.AddPoint(1, 10, "one", clRed), 0);
    EXPECT_EQ(s.AddPoint(3, 30, "three", clBlue), 1);
    EXPECT_EQ(s.AddPoint(2, 20, "two", clLime), 1);

    EXPECT_EQ(Values(s.XValues()), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(Values(s.YValues()), (std::vector<double>{10, 20, 30}));
    EXPECT_EQ(s.PointColor(0), clRed);
    EXPECT_EQ(s.PointColor(1), clLime);
    EXPECT_EQ(s.PointColor(2), clBlue);
    EXPECT_EQ(s.PointLabel(0), "one");
    EXPECT_EQ(s.PointLabel(1), "two");
    EXPECT_EQ(s.PointLabel(2), "three");
}

TEST(Series, PlacesAnEqualXAfterTheExistingOnesAndALowerXFirst)
{
    TLineSeries s;
    s.AddPoint(1, 10);
    s.AddPoint(2, 20);
    s.AddPoint(2, 21);
    s.AddPoint(3, 30);
    EXPECT_EQ(s.AddPoint(2, 22), 3);
    EXPECT_EQ(Values(s.YValues()), (std::vector<double>{10, 20, 21, 22, 30}));

    EXPECT_EQ(s.AddPoint(-4, 1), 0);
    EXPECT_EQ(s.XValue(0), -4);
    EXPECT_EQ(s.YValue(0), 1);
    EXPECT_EQ(s.Count(), 6);
}

TEST(Series, UnorderedAndDescendingListsPlaceValuesByTheirOrder)
{
    TChartValueList none(loNone);
    none.AddValue(3);
    EXPECT_EQ(none.AddValue(1), 1);

    TChartValueList down(loDescending);
    down.AddValue(5);
    down.AddValue(3);
    down.AddValue(3);
    EXPECT_EQ(down.AddValue(4), 1);
    EXPECT_EQ(down.AddValue(3), 4);
    EXPECT_EQ(down.AddValue(9), 0);
    EXPECT_EQ(Values(down), (std::vector<double>{9, 5, 4, 3, 3, 3}));
}

TEST(Series, ExtremesAreZeroWhenEmptyAndFollowEveryPoint)
{
    TLineSeries s;
    s.AddPoint(-7.5, -300);
    EXPECT_EQ(s.MinXValue(), -7.5);
    EXPECT_EQ(s.MaxXValue(), -7.5);
    EXPECT_EQ(s.MinYValue(), -300);
    EXPECT_EQ(s.MaxYValue(), -300);

    s.AddPoint(2, 50);
    s.AddPoint(-9, -10);
    EXPECT_EQ(s.MinXValue(), -9);
    EXPECT_EQ(s.MaxXValue(), 2);
    EXPECT_EQ(s.MinYValue(), -300);
    EXPECT_EQ(s.MaxYValue(), 50);

    s.ClearValues();
    EXPECT_EQ(s.Count(), 0);
    EXPECT_EQ(s.MinXValue(), 0);
    EXPECT_EQ(s.MaxXValue(), 0);
    EXPECT_EQ(s.MinYValue(), 0);
    EXPECT_EQ(s.MaxYValue(), 0);

    s.AddPoint(-1, -2);
    EXPECT_EQ(s.MaxXValue(), -1);
    EXPECT_EQ(s.MaxYValue(), -2);
}

TEST(Series, PointColourFallsBackToTheSeriesColourAndLabelsToEmpty)
{
    TLineSeries s;
    s.SetSeriesColor(clLime);
    s.AddPoint(1, 1, "", clDefaultPointColor);
    s.AddPoint(2, 2, "b", clNoOwnColor);
    s.AddPoint(3, 3, "", 0x0000FFFF);

    EXPECT_EQ(s.PointColor(0), clLime);
    EXPECT_EQ(s.PointColor(1), clLime);
    EXPECT_EQ(s.PointColor(2), 0x0000FFFFu);
    EXPECT_EQ(s.PointColor(5), clLime);
    EXPECT_EQ(s.PointColor(-1), clLime);
    EXPECT_EQ(s.PointLabel(0), "");
    EXPECT_EQ(s.PointLabel(5), "");

    // The colour of a point without its own follows the series colour.
    s.SetSeriesColor(clAqua);
    EXPECT_EQ(s.PointColor(0), clAqua);
}

TEST(Series, VisibleRangeCoversThePointsInsideTheHorizontalRange)
{
    TChart chart;
    auto& s = chart.AddSeries(std::make_unique<TLineSeries>("Series1"));
    chart.SetPlotRect({10, 10, 110, 60});
    chart.BottomAxis.SetRange(0, 10);
    chart.BottomAxis.CalcRange();

    s.CalcVisibleRange();
    EXPECT_EQ(s.FirstVisibleIndex(), -1);
    EXPECT_EQ(s.LastVisibleIndex(), -1);

    s.AddPoint(-5, 1);
    s.AddPoint(-3, 1);
    s.CalcVisibleRange();
    EXPECT_EQ(s.FirstVisibleIndex(), -1);
    EXPECT_EQ(s.LastVisibleIndex(), -1);

    s.ClearValues();
    for (double x : {5.0, 8.0, 12.0, 15.0})
        s.AddPoint(x, 1);
    s.CalcVisibleRange();
    EXPECT_EQ(s.FirstVisibleIndex(), 0);
    EXPECT_EQ(s.LastVisibleIndex(), 2);

    s.ClearValues();
    for (double x : {-2.0, 1.0, 9.0, 10.0})
        s.AddPoint(x, 1);
    s.CalcVisibleRange();
    EXPECT_EQ(s.FirstVisibleIndex(), 1);
    EXPECT_EQ(s.LastVisibleIndex(), 3);

    // Without an order every point counts.
    s.XValues().SetOrder(loNone);
    s.CalcVisibleRange();
    EXPECT_EQ(s.FirstVisibleIndex(), 0);
    EXPECT_EQ(s.LastVisibleIndex(), 3);
}

TEST(Series, ScreenPositionsComeFromTheBoundAxes)
{
    TChart chart;
    auto& s = chart.AddSeries(std::make_unique<TLineSeries>("Series1"));
    chart.SetPlotRect({10, 20, 110, 70});
    chart.BottomAxis.SetRange(0, 10);
    chart.LeftAxis.SetRange(0, 1000);
    chart.BottomAxis.CalcRange();
    chart.LeftAxis.CalcRange();
    s.AddPoint(5, 500);
    s.AddPoint(10, 0);
    EXPECT_EQ(s.XScreenPos(0), 60);
    EXPECT_EQ(s.YScreenPos(0), 45);
    EXPECT_EQ(s.XScreenPos(1), 110);
    EXPECT_EQ(s.YScreenPos(1), 70);
}

TEST(Series, EveryChangeAsksTheChartForARepaintAndInactiveInsertionsDoNot)
{
    TChart chart;
    int requests = 0;
    chart.SetOnInvalidate([&] { ++requests; });
    auto& s = chart.AddSeries(std::make_unique<TLineSeries>("Series1"));
    EXPECT_EQ(requests, 1);

    s.AddPoint(1, 1);
    s.ClearValues();
    EXPECT_EQ(requests, 3);

    s.SetActive(false);
    requests = 0;
    s.AddPoint(1, 1);
    EXPECT_EQ(requests, 0);
    s.ClearValues();
    EXPECT_EQ(requests, 1);

    s.SetTitle("F1");
    s.SetTitle("F1");
    EXPECT_EQ(requests, 2);

    auto removed = chart.RemoveSeries(s);
    EXPECT_EQ(requests, 3);
    EXPECT_EQ(removed->ParentChart(), nullptr);
    EXPECT_EQ(chart.SeriesCount(), 0);
}

TEST(Series, RefillingAfterAClearReusesTheStorage)
{
    TLineSeries s;
    for (int i = 0; i < 335; ++i)
        s.AddPoint(i, i);
    const double* x = s.XValues().Values().data();
    const double* y = s.YValues().Values().data();
    s.ClearValues();
    for (int i = 0; i < 335; ++i)
        s.AddPoint(i, i);
    EXPECT_EQ(s.XValues().Values().data(), x);
    EXPECT_EQ(s.YValues().Values().data(), y);
}

TEST(Series, LegendListsActiveSeriesByTitleThenNameThenNumber)
{
    TChart chart;
    auto& a = chart.AddSeries(std::make_unique<TLineSeries>("Series1"));
    auto& b = chart.AddSeries(std::make_unique<TLineSeries>("Series2"));
    auto& c = chart.AddSeries(std::make_unique<TLineSeries>(""));
    a.SetTitle("F1");
    EXPECT_EQ(chart.LegendText(0), "F1");
    EXPECT_EQ(chart.LegendText(1), "Series2");
    EXPECT_EQ(chart.LegendText(2), "Series 2");
    EXPECT_EQ(chart.LegendText(3), "");

    b.SetActive(false);
    c.SetShowInLegend(false);
    EXPECT_EQ(chart.LegendText(0), "F1");
    EXPECT_EQ(chart.LegendText(1), "");
}

} // namespace
} // namespace otpor
