#include "sim/ForceModel.h"
#include "sim/InputHandlers.h"
#include "sim/MaterialTables.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace otpor {
namespace {

const FormatSettings Comma{",", "."};

struct ForceCase {
    const char* Work;
    int WorkRow;
    double Mismatch;
    int DepthTenths, FeedHundredths, Speed, Approach, AuxApproach, Rake, Inclination;
    double MainForce, Eta, F1, F2, F3;
};

// Sets the inputs through the handlers, as the window does, and loads the
// coefficients as an accepted "Proces" does.
ForceResults ComputeCase(const ForceCase& c)
{
    SimulationState s;
    FormCreate(s);
    SpinEdit1Change(s, std::to_string(c.DepthTenths), Comma);
    SpinEdit6Change(s, std::to_string(c.FeedHundredths), Comma);
    SpinEdit7Change(s, std::to_string(c.Speed));
    SpinEdit2Change(s, std::to_string(c.Approach));
    SpinEdit4Change(s, std::to_string(c.AuxApproach));
    SpinEdit3Change(s, std::to_string(c.Rake));
    SpinEdit5Change(s, std::to_string(c.Inclination));
    s.Inputs.WorkMaterial = c.WorkRow;
    LoadMaterialCoefficients(s);
    s.Coefficients.MismatchFactor = c.Mismatch;
    return ComputeForces(s.Inputs, s.Coefficients);
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

const ForceCase Cases[] = {
    // The start regime with a suitable and an unsuitable pair.
    {"C1633", 1, 1.0, 2, 17, 50, 45, 45, 15, 0, 71.15, 0.4018, 81.32, 38.64, 15.03},
    {"C4130", 5, 1.15, 2, 17, 50, 45, 45, 15, 0, 166.58, 0.4018, 190.39, 90.47, 35.18},
    // A positive inclination takes F1 below the main force.
    {"SL 200", 6, 1.0, 20, 30, 100, 90, 30, 0, 5, 629.51, 0.1628, 624.17, 60.99, 372.71},
    {"AlMg8", 10, 1.0, 40, 50, 200, 60, 60, 10, -5, NaN, NaN, 679.44, 206.72, 296.83},
    // A negative chip-flow denominator: F2 comes out negative and passes on.
    {"C1633", 1, 1.0, 2, 50, 50, 90, 60, 0, 0, NaN, -0.6441, 188.00, -67.73, 90.20},
};

TEST(ForceModel, ReproducesTheTableOfForces)
{
    for (const ForceCase& c : Cases) {
        SCOPED_TRACE(c.Work);
        ASSERT_EQ(WorkMaterials[c.WorkRow - 1].Name, c.Work);
        const ForceResults f = ComputeCase(c);
        if (!std::isnan(c.MainForce)) {
            EXPECT_NEAR(f.MainForce, c.MainForce, 0.005);
        }
        if (!std::isnan(c.Eta)) {
            EXPECT_NEAR(f.ChipFlowAngle, c.Eta, 0.00005);
        }
        EXPECT_NEAR(f.F1, c.F1, 0.005);
        EXPECT_NEAR(f.F2, c.F2, 0.005);
        EXPECT_NEAR(f.F3, c.F3, 0.005);
    }
}

TEST(ForceModel, NegativeDenominatorGivesNegativeChipFlowAngle)
{
    const ForceResults f = ComputeCase(Cases[4]);
    EXPECT_NEAR(f.ChipFlowDenominator, -0.3330, 0.00005);
    EXPECT_LT(f.F2, 0);
}

TEST(ForceModel, WithoutRakeAndInclinationF1IsTheMainForce)
{
    ForceCase c = Cases[0];
    c.Rake = 0;
    c.Inclination = 0;
    const ForceResults f = ComputeCase(c);
    EXPECT_EQ(f.F1, f.MainForce);
    EXPECT_DOUBLE_EQ(f.NormalForce, 0.6 * f.MainForce);
}

TEST(ForceModel, AtNinetyDegreesTheCosineTermsAlmostVanish)
{
    ForceCase c = Cases[2];
    const ForceResults f = ComputeCase(c);
    const double gamma = 0, lambda = 5 * 3.1415 / 180, eta = f.ChipFlowAngle;
    EXPECT_NEAR(f.F2,
                f.NormalForce *
                    (std::sin(eta) * std::cos(lambda) + std::cos(eta) * std::sin(gamma) * std::sin(lambda)),
                0.05);
    EXPECT_NEAR(f.F3, f.NormalForce * std::cos(eta) * std::cos(gamma), 0.05);
}

TEST(Power, TakesItsCasesInOrder)
{
    EXPECT_EQ(Power(0, 0), 1);
    EXPECT_EQ(Power(5, 0), 1);
    EXPECT_EQ(Power(0, 0.95), 0);
    EXPECT_EQ(Power(2, 10), 1024);
    EXPECT_EQ(Power(2, -2), 0.25);
    EXPECT_EQ(Power(-3, 3), -27);
    EXPECT_NEAR(static_cast<double>(Power(0.2, 0.95)), std::pow(0.2, 0.95), 1e-15);
    EXPECT_NEAR(static_cast<double>(Power(50, -0.15)), std::pow(50.0, -0.15), 1e-15);
}

TEST(Materials, DecideWhetherTheToolSuitsTheWork)
{
    EXPECT_TRUE(ToolSuitsWork(3, 5));  // "P40", second of the two, with "C4130"
    EXPECT_FALSE(ToolSuitsWork(2, 5)); // "P40", first of the two, with "C4130"
    EXPECT_EQ(ToolMaterials[1].Name, "P40");
    EXPECT_EQ(ToolMaterials[2].Name, "P40");
    for (int work = 1; work <= WorkMaterialCount; ++work)
        EXPECT_EQ(ToolSuitsWork(8, work), work == 10) << work; // "C7680" only with "AlMg8"
    EXPECT_FALSE(ToolSuitsWork(1, 6));                         // "P30" with "SL 200"
    EXPECT_TRUE(ToolSuitsWork(5, 6));                          // "K40" with "SL 200"
    EXPECT_FALSE(ToolSuitsWork(5, 1));                         // "K40" with "C1633"
}

} // namespace
} // namespace otpor
