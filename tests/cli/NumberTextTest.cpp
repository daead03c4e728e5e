#include "cli/NumberText.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

TEST(NumberText, WritesNumbersWithADecimalPoint)
{
    EXPECT_EQ(FormatFixed(81.3249, 2), "81.32");
    EXPECT_EQ(FormatFixed(-67.7349, 2), "-67.73");
    EXPECT_EQ(FormatFixed(188, 2), "188.00");
    EXPECT_EQ(FormatFixed(0.40184688, 4), "0.4018");
    EXPECT_EQ(FormatFixed(-0.001, 2), "0.00"); // no sign on a rounded zero
    EXPECT_EQ(FormatFull(190.38921194), "190.3892119");
    EXPECT_EQ(FormatFull(-12.0286696912), "-12.02866969");
    EXPECT_EQ(FormatFull(0.1586576766), "0.1586576766");
    EXPECT_EQ(FormatShortest(0.2), "0.2");
    EXPECT_EQ(FormatShortest(17 / 100.0), "0.17");
    EXPECT_EQ(FormatShortest(4), "4");
    EXPECT_EQ(FormatShortest(1.15), "1.15");
}

TEST(NumberText, ReadsDecimalsWithAPointOrAComma)
{
    EXPECT_EQ(ParseDecimal("0.17"), 0.17);
    EXPECT_EQ(ParseDecimal("0,17"), 0.17);
    EXPECT_EQ(ParseDecimal("  -5 "), -5);
    EXPECT_EQ(ParseDecimal("+3"), 3);
    EXPECT_EQ(ParseDecimal("2e-1"), 0.2);
    EXPECT_EQ(ParseDecimal("5."), 5);
    for (const char* text :
         {"", "+", "-", ".", "abc", "1.2.3", "0,1,2", "inf", "nan", "1e999", "0x1p3", "1 2"})
        EXPECT_EQ(ParseDecimal(text), std::nullopt) << text;
    EXPECT_EQ(Trimmed("  SL 200 "), "SL 200");
    EXPECT_EQ(Trimmed("   "), "");
}

} // namespace
} // namespace otpor
