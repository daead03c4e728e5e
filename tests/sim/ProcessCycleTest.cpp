#include "sim/ProcessCycle.h"
#include "sim/FakeEffects.h"
#include "sim/InputHandlers.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

using test::FakeEffects;

class Process : public ::testing::Test {
protected:
    void SetUp() override { FormCreate(s); }

    void Choose(int workRow, int toolRow)
    {
        ComboBox1Change(s, workRow - 1);
        ComboBox2Change(s, toolRow - 1);
    }
    // Ticks while the timer runs, at most limit times; returns the count.
    int RunToEnd(int limit = 10000)
    {
        int ticks = 0;
        while (fx.Timer && ticks < limit) {
            ProcessTick(s, fx);
            ++ticks;
        }
        return ticks;
    }

    SimulationState s;
    FakeEffects fx;
};

TEST_F(Process, StartWithAMaterialMissingBeepsWarnsAndKeepsTimerOff)
{
    StartProcess(s, fx);
    ComboBox1Change(s, 0);
    StartProcess(s, fx);
    s.Inputs.WorkMaterial = 0;
    ComboBox2Change(s, 0);
    StartProcess(s, fx);
    EXPECT_EQ(fx.Beeps, 3);
    EXPECT_EQ(fx.Warnings,
              (std::vector<std::string>{"Izaberite materijal alata i obratka!", "Materijal alata nije zadat!",
                                        "Materijal obratka nije zadat!"}));
    EXPECT_FALSE(fx.Timer);
    EXPECT_EQ(s.Coefficients.MaterialCoefficient, 0);
    EXPECT_EQ(s.Scene.ShoulderWidth, 0);
}

TEST_F(Process, UnsuitablePairWarnsThenRunsWithRaisedForces)
{
    Choose(6, 1); // "SL 200" with "P30"
    StartProcess(s, fx);
    EXPECT_EQ(fx.Log, (std::vector<std::string>{"beep", "warning", "timer on"}));
    EXPECT_EQ(fx.Warnings.at(0), "Izabrani materijal alata ne odgovara!");
    EXPECT_EQ(s.Coefficients.MismatchFactor, 1.15);
    EXPECT_EQ(s.Coefficients.MaterialCoefficient, 1012);
    EXPECT_EQ(s.Coefficients.SpeedExponent, -0.05);
    EXPECT_TRUE(fx.Timer);
}

TEST_F(Process, TicksBehindAnOpenWarningAlreadyUseTheNewCoefficients)
{
    Choose(1, 1);
    StartProcess(s, fx);
    ProcessTick(s, fx);
    const double suitable = s.Forces.F1;
    Choose(5, 2); // "C4130" with the first "P40": unsuitable
    fx.WhileWarningShown = [&] { ProcessTick(s, fx); };
    StartProcess(s, fx);
    EXPECT_NEAR(s.Forces.F1, 190.39, 0.005);
    EXPECT_NE(s.Forces.F1, suitable);
}

TEST_F(Process, FirstTickFillsTheNewestSample)
{
    Choose(1, 1);
    StartProcess(s, fx);
    ProcessTick(s, fx);
    const OscillogramBuffers& o = s.Osc;
    EXPECT_DOUBLE_EQ(o.OscX[334], 0.3);
    EXPECT_DOUBLE_EQ(o.OscX[0], -99.9);
    for (int k = 0; k <= 332; ++k)
        ASSERT_EQ(o.OscF1[k], 0) << k;
    EXPECT_EQ(o.OscF1[333], s.Forces.F1);
    EXPECT_EQ(o.OscF1[334], s.Forces.F1);
    EXPECT_EQ(o.OscF2[333], s.Forces.F2);
    EXPECT_EQ(o.OscF3[334], s.Forces.F3);

    // The chart received 334 zero points and the newest at 0.3, in the trace colours;
    // Series2 holds the F2 history and Series3 the F3 history.
    ASSERT_EQ(fx.S1.Points.size(), 335u);
    ASSERT_EQ(fx.S2.Points.size(), 335u);
    ASSERT_EQ(fx.S3.Points.size(), 335u);
    EXPECT_DOUBLE_EQ(fx.S1.Points[334].X, 0.3);
    EXPECT_EQ(fx.S1.Points[334].Y, s.Forces.F1);
    EXPECT_EQ(fx.S1.Points[333].Y, 0);
    EXPECT_EQ(fx.S2.Points[334].Y, s.Forces.F2);
    EXPECT_EQ(fx.S3.Points[334].Y, s.Forces.F3);
    EXPECT_EQ(fx.S1.Points[0].Color, 0x00FFFF00u);
    EXPECT_EQ(fx.S2.Points[0].Color, 0x0000FFFFu);
    EXPECT_EQ(fx.S3.Points[0].Color, 0x0000FF00u);
    EXPECT_EQ(fx.S1.Clears, 1);
}

TEST_F(Process, OneTickDoesItsStepsInOrder)
{
    Choose(1, 1);
    StartProcess(s, fx);
    fx.Log.clear();
    ProcessTick(s, fx);
    EXPECT_EQ(fx.Log, (std::vector<std::string>{"fill", "scene", "forces"}));
}

TEST_F(Process, ArrowLengthsFollowForcesAndDisplayScale)
{
    Choose(1, 1);
    StartProcess(s, fx);
    ProcessTick(s, fx);
    EXPECT_EQ(s.F1Length, 65);
    EXPECT_EQ(s.F2Length, 39);
    EXPECT_EQ(s.F3Length, 15);
    SpinEdit9Change(s, "10");
    ProcessTick(s, fx);
    EXPECT_EQ(s.F1Length, 7);
    EXPECT_EQ(s.F2Length, 4);
    EXPECT_EQ(s.F3Length, 2);
}

TEST_F(Process, WholePassFromStartUpEndsByItself)
{
    Choose(1, 1);
    StartProcess(s, fx);
    EXPECT_EQ(RunToEnd(), 651);
    EXPECT_FALSE(fx.Timer);
    EXPECT_EQ(s.Scene.ToolX, -7);
    EXPECT_EQ(s.Scene.ShoulderCentreX, 154);
    EXPECT_EQ(s.Scene.ShoulderCentreY, 117);
    // The sample positions kept their spacing, advanced once per tick.
    EXPECT_NEAR(s.Osc.OscX[334], 651 * 0.3, 1e-9);
    EXPECT_NEAR(s.Osc.OscX[334] - s.Osc.OscX[0], 334 * 0.3, 1e-9);

    // From the end, each "Proces" runs exactly one tick.
    StartProcess(s, fx);
    EXPECT_EQ(RunToEnd(), 1);
}

TEST_F(Process, WholePassFromAResetEndsOneStepFurtherRight)
{
    Choose(1, 1);
    StartProcess(s, fx);
    ResetProcess(s, fx);
    EXPECT_EQ(s.Scene.ToolX, 180);
    EXPECT_EQ(s.Scene.ToolY, 256);
    EXPECT_EQ(RunToEnd(), 651);
    EXPECT_EQ(s.Scene.ToolX, -6);
    EXPECT_EQ(s.Scene.ShoulderCentreX, 154);
    EXPECT_EQ(s.Scene.ShoulderCentreY, 117);
}

TEST_F(Process, ResetBeforeProcessPutsTheToolLower)
{
    ResetProcess(s, fx);
    EXPECT_EQ(s.Scene.ToolX, 179);
    EXPECT_EQ(s.Scene.ToolY, 256);
    EXPECT_EQ(fx.Log, (std::vector<std::string>{"fill", "scene"}));
}

TEST_F(Process, ResetWhileRunningRestartsTheOscillogramAndKeepsTheTimer)
{
    Choose(1, 1);
    StartProcess(s, fx);
    for (int i = 0; i < 30; ++i)
        ProcessTick(s, fx);
    const double phase = s.Scene.SpinPhase;
    ResetProcess(s, fx);
    EXPECT_TRUE(fx.Timer);
    EXPECT_EQ(s.Scene.ShoulderCentreX, 340);
    EXPECT_EQ(s.Scene.ShoulderCentreY, 210);
    EXPECT_EQ(s.Scene.SpinPhase, phase);
    ASSERT_EQ(fx.S1.Points.size(), 335u);
    EXPECT_DOUBLE_EQ(fx.S1.Points.front().X, -100.2);
    EXPECT_EQ(fx.S1.Points.back().X, 0);
    for (const auto& p : fx.S2.Points)
        ASSERT_EQ(p.Y, 0);
    ProcessTick(s, fx);
    EXPECT_DOUBLE_EQ(fx.S1.Points.back().X, 0.3);
    EXPECT_EQ(fx.S1.Points.back().Y, s.Forces.F1);
}

TEST_F(Process, PauseAndResumeContinueExactly)
{
    Choose(1, 1);
    StartProcess(s, fx);
    for (int i = 0; i < 20; ++i)
        ProcessTick(s, fx);

    SimulationState uninterrupted = s;
    FakeEffects other;
    other.Timer = true;
    for (int i = 0; i < 20; ++i)
        ProcessTick(uninterrupted, other);

    PauseProcess(s, fx);
    EXPECT_FALSE(fx.Timer);
    StartProcess(s, fx);
    EXPECT_TRUE(fx.Timer);
    for (int i = 0; i < 20; ++i)
        ProcessTick(s, fx);
    EXPECT_EQ(s.Osc.OscX, uninterrupted.Osc.OscX);
    EXPECT_EQ(s.Osc.OscF1, uninterrupted.Osc.OscF1);
    EXPECT_EQ(s.Scene.ToolX, uninterrupted.Scene.ToolX);
    EXPECT_EQ(s.Scene.SpinPhase, uninterrupted.Scene.SpinPhase);
    EXPECT_EQ(s.Scene.StockNearX, uninterrupted.Scene.StockNearX);
}

TEST_F(Process, NewMaterialReachesTheForcesOnlyAtTheNextProcess)
{
    Choose(1, 1);
    StartProcess(s, fx);
    ProcessTick(s, fx);
    const double f1 = s.Forces.F1;
    ComboBox1Change(s, 4);
    ProcessTick(s, fx);
    EXPECT_EQ(s.Forces.F1, f1);
    StartProcess(s, fx);
    ProcessTick(s, fx);
    EXPECT_GT(s.Forces.F1, f1);
}

} // namespace
} // namespace otpor
