#include "platform/Convert.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

TEST(StrToInt, ReadsDecimalWithBlanksAndSigns)
{
    EXPECT_EQ(StrToInt("45"), 45);
    EXPECT_EQ(StrToInt("   7"), 7);
    EXPECT_EQ(StrToInt("+12"), 12);
    EXPECT_EQ(StrToInt("-5"), -5);
    EXPECT_EQ(StrToInt("-0"), 0);
    EXPECT_EQ(StrToInt("007"), 7);
}

TEST(StrToInt, ReadsHexadecimalAfterEachPrefix)
{
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("x10"), 16);
    EXPECT_EQ(StrToInt("X10"), 16);
    EXPECT_EQ(StrToInt("0x1f"), 31);
    EXPECT_EQ(StrToInt("0XFF"), 255);
    EXPECT_EQ(StrToInt("-$10"), -16);
    EXPECT_EQ(StrToInt("$7FFFFFFF"), 2147483647);
}

TEST(StrToInt, KeepsTheWhole32BitRangeAndNothingBeyond)
{
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(TryStrToInt("2147483648"));
    EXPECT_FALSE(TryStrToInt("-2147483649"));
    EXPECT_FALSE(TryStrToInt("99999999999999999999999"));
    EXPECT_FALSE(TryStrToInt("$80000000"));
}

TEST(StrToInt, RefusesWhatIsNotAWholeNumber)
{
    for (const char* text :
         {"", " ", "-", "+", "$", "x", "0x", "1,5", "1.5", "12 ", "abc", "1a", "--1", "$G", "\xC4\x8D"}) {
        EXPECT_FALSE(TryStrToInt(text)) << "'" << text << "'";
    }
}

TEST(StrToInt, FailsWithTheRuntimeMessage)
{
    try {
        StrToInt("1,5");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'1,5' is not a valid integer value");
    }
    EXPECT_THROW(StrToInt(""), EConvertError);
    EXPECT_THROW(StrToInt("2147483648"), EConvertError);
}

TEST(FloatToStr, WritesTheShortestGeneralForm)
{
    EXPECT_EQ(FloatToStr(0.2, ","), "0,2");
    EXPECT_EQ(FloatToStr(0.17, ","), "0,17");
    EXPECT_EQ(FloatToStr(4.0, ","), "4");
    EXPECT_EQ(FloatToStr(40 / 10.0, ","), "4");
    EXPECT_EQ(FloatToStr(5 / 100.0, ","), "0,05");
    EXPECT_EQ(FloatToStr(50 / 100.0, ","), "0,5");
    EXPECT_EQ(FloatToStr(0.3, "."), "0.3");
    EXPECT_EQ(FloatToStr(-0.5, ","), "-0,5");
    EXPECT_EQ(FloatToStr(214748364.7, ","), "214748364,7");
    EXPECT_EQ(FloatToStr(0.1 + 0.2, ","), "0,3"); // 15 digits hide the binary tail
}

TEST(FloatToStr, SwitchesToScientificOutsideFixedRange)
{
    EXPECT_EQ(FloatToStr(0.00001, ","), "0,00001");
    EXPECT_EQ(FloatToStr(0.000001, ","), "1E-6");
    EXPECT_EQ(FloatToStr(1e15, ","), "1E15");
    EXPECT_EQ(FloatToStr(123456789012345.0, ","), "123456789012345");
    EXPECT_EQ(FloatToStr(1.5e-7, ","), "1,5E-7");
}

} // namespace
} // namespace otpor
