#include "cli/NumericInput.h"
#include "cli/UsageError.h"
#include "support/Text.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

const NumericInput& Input(std::string_view name)
{
    const NumericInput* input = FindNumericInput(name);
    if (!input)
        throw std::logic_error("no input " + std::string(name));
    return *input;
}

int Control(std::string_view name, std::string_view text)
{
    return ToControlValue(Input(name), text, "--x");
}

// The message of the refusal, or "" when the text is taken.
std::string Refusal(std::string_view name, std::string_view text)
{
    return test::Refusal<UsageError>([&] { ToControlValue(Input(name), text, "--" + std::string(name)); });
}

TEST(NumericInput, TakesValuesInTheWindowsUnitsAsControlSteps)
{
    EXPECT_EQ(Control("depth", "0.2"), 2);
    EXPECT_EQ(Control("depth", "4"), 40);
    EXPECT_EQ(Control("depth", "4.0"), 40);
    EXPECT_EQ(Control("depth", " 1.5 "), 15);
    EXPECT_EQ(Control("depth", "0,3"), 3); // as the window writes it
    EXPECT_EQ(Control("depth", "+0.7"), 7);
    EXPECT_EQ(Control("feed", "0.17"), 17);
    EXPECT_EQ(Control("feed", "0.05"), 5);
    EXPECT_EQ(Control("feed", "0.5"), 50);
    EXPECT_EQ(Control("feed", "0.29"), 29); // 0.29 x 100 is 28.999999999999996
    EXPECT_EQ(Control("speed", "1e2"), 100);
    EXPECT_EQ(Control("inclination", "-5"), -5);
    EXPECT_EQ(Control("aux-approach", "60"), 60);
}

TEST(NumericInput, RangesStepsAndDefaultsAreTheWindowsControls)
{
    struct Expected {
        const char* Name;
        const char* Range;
        const char* Default;
    };
    const Expected controls[] = {
        {"approach", "30 ... 90 deg in steps of 1", "45"},
        {"rake", "0 ... 15 deg in steps of 1", "15"},
        {"inclination", "-5 ... 5 deg in steps of 1", "0"},
        {"aux-approach", "30 ... 60 deg in steps of 1", "45"},
        {"depth", "0.2 ... 4.0 mm in steps of 0.1", "0.2"},
        {"feed", "0.05 ... 0.50 mm/rev in steps of 0.01", "0.17"},
        {"speed", "10 ... 200 m/min in steps of 1", "50"},
    };
    ASSERT_EQ(std::size(controls), NumericInputs.size());
    for (const Expected& c : controls) {
        SCOPED_TRACE(c.Name);
        const NumericInput& input = Input(c.Name);
        EXPECT_EQ(DescribeRange(input), c.Range);
        EXPECT_EQ(FormatControlValue(input, input.Control().Value), c.Default);
        EXPECT_EQ(Refusal(c.Name, FormatControlValue(input, input.Control().MinValue)), "");
        EXPECT_EQ(Refusal(c.Name, FormatControlValue(input, input.Control().MaxValue)), "");
    }
}

// The messages of every option are checked through the program itself.
TEST(NumericInput, RefusesValuesOutsideTheRangeAsSuchEvenBetweenSteps)
{
    EXPECT_EQ(Refusal("depth", "0.1"),
              "--depth: 0.1 mm is outside the range of the window's control, 0.2 ... 4.0 mm");
    EXPECT_NE(Refusal("speed", "1e300").find("outside the range"), std::string::npos); // no overflow
    EXPECT_NE(Refusal("depth", "0.15").find("outside the range"), std::string::npos);
    EXPECT_NE(Refusal("feed", "0.505").find("outside the range"), std::string::npos);
}

TEST(NumericInput, RefusesValuesBetweenTheControlsSteps)
{
    EXPECT_EQ(Refusal("depth", "0.25"), "--depth: 0.25 mm is not on a step of the window's control, which "
                                        "takes 0.2 ... 4.0 mm in steps of 0.1");
    EXPECT_NE(Refusal("feed", "0.175").find("not on a step"), std::string::npos);
    EXPECT_NE(Refusal("speed", "50.5").find("not on a step"), std::string::npos);
    EXPECT_NE(Refusal("approach", "45.5").find("not on a step"), std::string::npos);
}

TEST(NumericInput, RefusesTextsThatAreNotNumbers)
{
    for (const char* text : {"", " ", "abc", "0.2mm", "nan", "inf", "-inf", "1,2,3", "0x10", "--5", "1 2"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Refusal("depth", text),
                  "--depth: '" + std::string(text) +
                      "' is not a number; it takes the depth of cut a, 0.2 ... 4.0 mm "
                      "in steps of 0.1");
    }
}

} // namespace
} // namespace otpor
