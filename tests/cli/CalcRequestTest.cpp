#include "cli/CalcRequest.h"
#include "cli/UsageError.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

CalcOptions WithMaterials()
{
    CalcOptions o;
    o.WorkMaterial = "C1633";
    o.ToolMaterial = "P30";
    return o;
}

std::optional<std::string>& Numeric(CalcOptions& o, std::string_view name)
{
    return o.Numeric[IndexOf(*FindNumericInput(name))];
}

int Value(const CalcInputs& in, std::string_view name)
{
    return in.ControlValues[IndexOf(*FindNumericInput(name))];
}

std::string Refusal(const CalcOptions& o)
{
    try {
        ValidateOptions(o);
    } catch (const UsageError& e) {
        return e.what();
    }
    return "";
}

TEST(CalcRequest, InputsNotGivenKeepTheWindowsStartValues)
{
    CalcOptions o = WithMaterials();
    Numeric(o, "feed") = "0.3";
    const CalcRequest r = ValidateOptions(o);
    EXPECT_EQ(r.Inputs.WorkMaterial, 1);
    EXPECT_EQ(r.Inputs.ToolMaterial, 1);
    EXPECT_EQ(Value(r.Inputs, "feed"), 30);
    EXPECT_EQ(Value(r.Inputs, "depth"), 2);
    EXPECT_EQ(Value(r.Inputs, "speed"), 50);
    EXPECT_EQ(Value(r.Inputs, "approach"), 45);
    EXPECT_EQ(Value(r.Inputs, "rake"), 15);
    EXPECT_EQ(Value(r.Inputs, "inclination"), 0);
    EXPECT_EQ(Value(r.Inputs, "aux-approach"), 45);
    EXPECT_FALSE(r.Csv);
    EXPECT_EQ(r.Calculations().size(), 1u);
}

TEST(CalcRequest, ASweepVariesOneInputAndPrintsCsv)
{
    CalcOptions o = WithMaterials();
    Numeric(o, "speed") = "100";
    o.Sweep = "feed=0.1:0.3:3";
    const CalcRequest r = ValidateOptions(o);
    EXPECT_TRUE(r.Csv);
    const std::vector<CalcInputs> all = r.Calculations();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(Value(all[0], "feed"), 10);
    EXPECT_EQ(Value(all[1], "feed"), 20);
    EXPECT_EQ(Value(all[2], "feed"), 30);
    for (const CalcInputs& in : all)
        EXPECT_EQ(Value(in, "speed"), 100);

    Numeric(o, "feed") = "0.2";
    EXPECT_EQ(Refusal(o), "--sweep: the feed is swept, so --feed must not be given as well");
}

} // namespace
} // namespace otpor
