#include "cli/Calculation.h"
#include "cli/MaterialChoice.h"
#include "platform/Errors.h"
#include "sim/ProcessCycle.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

CalcInputs Materials(std::string_view work, std::string_view tool)
{
    CalcInputs in;
    in.WorkMaterial = FindWorkMaterial(work);
    in.ToolMaterial = FindToolMaterial(tool);
    return in;
}

TEST(Calculation, TheStartValuesReachTheCoreAsTheWindowsStartDoes)
{
    SimulationState window;
    FormCreate(window);
    const CuttingInputs& start = window.Inputs;
    const CuttingInputs in = Calculate(Materials("C1633", "P30")).Inputs;
    EXPECT_EQ(in.DepthOfCut, start.DepthOfCut);
    EXPECT_EQ(in.DepthPx, start.DepthPx);
    EXPECT_EQ(in.Feed, start.Feed);
    EXPECT_EQ(in.CuttingSpeed, start.CuttingSpeed);
    EXPECT_EQ(in.ApproachAngle, start.ApproachAngle);
    EXPECT_EQ(in.RakeAngle, start.RakeAngle);
    EXPECT_EQ(in.InclinationAngle, start.InclinationAngle);
    EXPECT_EQ(in.AuxApproachAngle, start.AuxApproachAngle);
    EXPECT_EQ(in.ApproachRad, start.ApproachRad);
    EXPECT_EQ(in.AuxApproachRad, start.AuxApproachRad);
    EXPECT_EQ(in.RakeRad, start.RakeRad);
    EXPECT_EQ(in.InclinationRad, start.InclinationRad);
    EXPECT_DOUBLE_EQ(in.RakeFactor, start.RakeFactor);
}

TEST(Calculation, AnUnsuitableToolRaisesEveryForceByTheMismatchFactor)
{
    const CalcResult unsuitable = Calculate(Materials("C4130", "P40:2"));
    const CalcResult suitable = Calculate(Materials("C4130", "P40:3"));
    EXPECT_FALSE(unsuitable.ToolSuits);
    EXPECT_TRUE(suitable.ToolSuits);
    EXPECT_EQ(unsuitable.Coefficients.MismatchFactor, 1.15);
    EXPECT_EQ(suitable.Coefficients.MismatchFactor, 1.0);
    EXPECT_NEAR(unsuitable.Forces.F1 / suitable.Forces.F1, 1.15, 1e-12);
    EXPECT_NEAR(unsuitable.Forces.F2 / suitable.Forces.F2, 1.15, 1e-12);
    EXPECT_NEAR(unsuitable.Forces.F3 / suitable.Forces.F3, 1.15, 1e-12);
    EXPECT_EQ(unsuitable.Forces.ChipFlowAngle, suitable.Forces.ChipFlowAngle);
}

TEST(Calculation, GivesTheResultantAndTheCuttingPower)
{
    const CalcResult r = Calculate(Materials("C1633", "P30"));
    EXPECT_NEAR(r.Forces.F1, 81.32, 0.005);
    EXPECT_NEAR(r.Resultant, 91.28, 0.005);       // sqrt(81.32^2 + 38.64^2 + 15.03^2)
    EXPECT_NEAR(r.CuttingPower, 0.0678, 0.00005); // 81.32 N x 50 m/min / 60000
}

TEST(Calculation, WithoutMaterialsTheProcessDoesNotStart)
{
    try {
        Calculate(CalcInputs{});
        FAIL() << "calculated without materials";
    } catch (const Exception& e) {
        EXPECT_EQ(e.what(), NoMaterialsMessage);
    }
}

} // namespace
} // namespace otpor
