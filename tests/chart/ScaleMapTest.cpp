#include "chart/TScaleMap.h"

#include <gtest/gtest.h>

#include <limits>

namespace otpor {
namespace {

// The oscillograph's plot with the test metrics: 314 x 104 px.
constexpr TRect Plot{60, 21, 374, 125};

TEST(ScaleMap, TheRangesEndsLandExactlyOnThePlotsEdges)
{
    const TScaleMap length(true, Plot, -100.2, 0, false);
    EXPECT_EQ(length.ValueToPixel(-100.2), 60);
    EXPECT_EQ(length.ValueToPixel(0), 374);
    EXPECT_EQ(length.ValueToPixel(-50.1), 217);
    const TScaleMap force(false, Plot, 0, 1000, false);
    EXPECT_EQ(force.ValueToPixel(0), 125);
    EXPECT_EQ(force.ValueToPixel(1000), 21);
    EXPECT_EQ(force.ValueToPixel(2000), -83); // outside the plot, not clamped
    EXPECT_EQ(force.Length(), 104);

    // An empty range puts everything on the centre line.
    EXPECT_EQ(TScaleMap(true, Plot, 0, 0, false).ValueToPixel(-7), 217);
    EXPECT_EQ(TScaleMap(false, Plot, 5, 5, true).ValueToPixel(9), 73);
}

TEST(ScaleMap, AnInvertedAxisSwapsTheEdges)
{
    const TScaleMap length(true, Plot, -100.2, 0, true);
    EXPECT_EQ(length.ValueToPixel(-100.2), 374);
    EXPECT_EQ(length.ValueToPixel(0), 60);
    EXPECT_EQ(length.MinPixel(), 374);
    const TScaleMap force(false, Plot, 0, 1000, true);
    EXPECT_EQ(force.ValueToPixel(0), 21);
    EXPECT_EQ(force.ValueToPixel(1000), 125);
    EXPECT_DOUBLE_EQ(force.PixelToValue(21), 0);
    EXPECT_DOUBLE_EQ(force.PixelToValue(125), 1000);
}

TEST(ScaleMap, AbsurdValuesSaturateAtTheEndsOfInt)
{
    const TScaleMap narrow(true, Plot, 0, 1e-9, false);
    EXPECT_EQ(narrow.ValueToPixel(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(narrow.ValueToPixel(-1e300), std::numeric_limits<int>::min() + 60);
    const TScaleMap inverted(false, Plot, 0, 1e-9, true);
    EXPECT_EQ(inverted.ValueToPixel(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(TScaleMap(true, Plot, 0, 1, false).ValueToPixel(std::numeric_limits<double>::quiet_NaN()), 60);
}

TEST(ScaleMap, PixelsMapBackToTheValuesZoomAndScrollWorkWith)
{
    const TScaleMap length(true, Plot, -100.2, 0, false);
    const TScaleMap force(false, Plot, 0, 1000, false);
    // A zoom's corners 40 px from the left and 19 px from the top.
    EXPECT_DOUBLE_EQ(length.PixelToValue(100), -100.2 + 40 * 100.2 / 314);
    EXPECT_DOUBLE_EQ(force.PixelToValue(40), 1000 - 19 * 1000.0 / 104);
    for (int p = Plot.Left; p <= Plot.Right; ++p)
        EXPECT_EQ(length.ValueToPixel(length.PixelToValue(p)), p);
    // A scroll by 10 px moves the values by the same amount anywhere.
    EXPECT_DOUBLE_EQ(length.PixelToValue(200) - length.PixelToValue(190),
                     length.PixelToValue(80) - length.PixelToValue(70));

    // A plot without extent has no values.
    EXPECT_EQ(TScaleMap(true, {10, 10, 10, 20}, 0, 5, false).PixelToValue(10), 0);

    // The map on a plot shrunk by pixel margins reads wider values at the edges.
    const TScaleMap shrunk = length.Shrunk(10, 4);
    EXPECT_EQ(shrunk.Length(), 300);
    EXPECT_EQ(shrunk.ValueToPixel(-100.2), 70);
    EXPECT_LT(shrunk.PixelToValue(Plot.Left), -100.2);
    EXPECT_GT(shrunk.PixelToValue(Plot.Right), 0);
}

} // namespace
} // namespace otpor
