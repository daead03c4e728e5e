#include "sim/ForcesText.h"

#include <gtest/gtest.h>
#include <limits>

namespace otpor {
namespace {

TEST(ForcesText, WritesEachForceToTwoDecimalsWithTheGivenSeparator)
{
    EXPECT_EQ(ForcesText(81.3214, 38.645, 15.0349, ","), "F1 81,32 N, F2 38,65 N, F3 15,03 N");
    EXPECT_EQ(ForcesText(1234.5, 0, 7, "."), "F1 1234.50 N, F2 0.00 N, F3 7.00 N");
    // A small negative F3 rounds to zero without a sign; a larger one keeps it.
    EXPECT_EQ(ForceNumber(-0.001, ","), "0,00");
    EXPECT_EQ(ForceNumber(-2.5, ","), "-2,50");
    // The widest double still fits; nothing is cut off.
    const std::string widest = ForceNumber(std::numeric_limits<double>::max(), ",");
    EXPECT_EQ(widest.size(), 309u + 3u);
    EXPECT_EQ(widest.substr(widest.size() - 3), ",00");
}

} // namespace
} // namespace otpor
