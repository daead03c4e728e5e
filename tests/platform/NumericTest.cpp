#include "platform/Numeric.h"
#include "platform/Color.h"

#include <gtest/gtest.h>
#include <limits>

namespace otpor {
namespace {

TEST(Round, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(Round(210.5), 210);
    EXPECT_EQ(Round(211.5), 212);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(-1.5), -2);
    EXPECT_EQ(Round(2.4999), 2);
    EXPECT_EQ(Round(-2.6), -3);
}

TEST(Round, NeverConvertsNonFiniteOrHugeValuesUndefined)
{
    EXPECT_EQ(Round(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(Round(std::numeric_limits<double>::infinity()), std::numeric_limits<int>::max());
    EXPECT_EQ(Round(-std::numeric_limits<double>::infinity()), std::numeric_limits<int>::min());
    EXPECT_EQ(Round(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(Trunc(-1e300), std::numeric_limits<int>::min());
}

TEST(Trunc, GoesTowardZero)
{
    EXPECT_EQ(Trunc(62.1), 62);
    EXPECT_EQ(Trunc(-62.9), -62);
    EXPECT_EQ(Trunc(0.9 * 69), 62);
}

TEST(DegToRad, UsesTheProgramsPi)
{
    EXPECT_DOUBLE_EQ(DegToRad(180), 3.1415);
    EXPECT_DOUBLE_EQ(DegToRad(45), 45 * 3.1415 / 180);
}

TEST(MulDiv, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(127, 160, 161), 126);
    EXPECT_EQ(MulDiv(1, 433, 100), 4);
    EXPECT_EQ(MulDiv(1, 161, 100), 2);
    EXPECT_EQ(MulDiv(1, 150, 100), 2);
    EXPECT_EQ(MulDiv(-1, 150, 100), -2);
    EXPECT_EQ(MulDiv(5, 1, 0), -1);
}

TEST(Color, PacksRedInTheLowByte)
{
    EXPECT_EQ(RGB(255, 0, 0), 0x000000FFu);
    EXPECT_EQ(RGB(0, 255, 255), clAqua);
    EXPECT_EQ(RGB(20 + 236, 236, 236), RGB(0, 236, 236)); // components are bytes
    EXPECT_EQ(GetBValue(0x0080FFFF), 0x80);
    EXPECT_EQ(ColorToRGB(clBtnHighlight), CurrentSystemColors().BtnHighlight);
    EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456u);
}

} // namespace
} // namespace otpor
