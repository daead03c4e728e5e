// Texts a student types on the way to another number reach the handlers as
// they stand; the simulation keeps running on all of them.
#include "sim/FakeEffects.h"
#include "sim/ForceModel.h"
#include "sim/InputHandlers.h"
#include "sim/ProcessCycle.h"
#include "support/Choose.h"

#include <cmath>
#include <gtest/gtest.h>

namespace otpor {
namespace {

using test::FakeEffects;
const FormatSettings Comma{",", "."};

class BadInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormCreate(s);
        test::ChooseC1633AndP30(s);
        StartProcess(s, fx);
        ProcessTick(s, fx);
        good = s.Forces;
    }
    void ExpectSoundState()
    {
        EXPECT_TRUE(IsFinite(s.Forces));
        for (double v : s.Osc.OscF1)
            ASSERT_TRUE(std::isfinite(v));
        for (const auto& p : s.Scene.ToolPoint) {
            ASSERT_LE(std::abs(p.X), PixelLimit);
            ASSERT_LE(std::abs(p.Y), PixelLimit);
        }
        EXPECT_TRUE(std::isfinite(s.Scene.ForceOffset));
        EXPECT_TRUE(std::isfinite(s.Scene.EdgeDirX));
        EXPECT_TRUE(std::isfinite(s.Scene.EdgeDirY));
        EXPECT_LE(std::abs(s.F1Length), PixelLimit);
    }
    SimulationState s;
    FakeEffects fx;
    ForceResults good;
};

TEST_F(BadInput, SpeedOfZeroKeepsTheLastForces)
{
    SpinEdit7Change(s, "0");
    ProcessTick(s, fx);
    EXPECT_EQ(s.Forces.F1, good.F1);
    EXPECT_EQ(s.Osc.OscF1[334], good.F1);
    ExpectSoundState();
    SpinEdit7Change(s, "100");
    ProcessTick(s, fx);
    EXPECT_LT(s.Forces.F1, good.F1);
}

TEST_F(BadInput, DepthAndFeedBothZeroKeepTheLastForces)
{
    SpinEdit1Change(s, "0", Comma);
    SpinEdit6Change(s, "0", Comma);
    ProcessTick(s, fx);
    EXPECT_EQ(s.Forces.F2, good.F2);
    ExpectSoundState();
}

TEST_F(BadInput, NegativeFeedKeepsTheLastForces)
{
    SpinEdit6Change(s, "-5", Comma);
    ProcessTick(s, fx);
    EXPECT_EQ(s.Forces.F3, good.F3);
    ExpectSoundState();
}

TEST_F(BadInput, DisplayScaleOfZeroKeepsTheArrows)
{
    const int f1 = s.F1Length, f2 = s.F2Length, f3 = s.F3Length;
    SpinEdit9Change(s, "0");
    ProcessTick(s, fx);
    EXPECT_EQ(s.F1Length, f1);
    EXPECT_EQ(s.F2Length, f2);
    EXPECT_EQ(s.F3Length, f3);
    SpinEdit9Change(s, "-1");
    ProcessTick(s, fx);
    EXPECT_EQ(s.F1Length, -65); // a negative scale turns the arrows round
}

TEST_F(BadInput, ApproachAngleOfZeroKeepsTheForceOffset)
{
    SpinEdit2Change(s, "60");
    const double offset = s.Scene.ForceOffset;
    SpinEdit2Change(s, "0");
    EXPECT_EQ(s.Scene.ForceOffset, offset);
    ProcessTick(s, fx);
    ExpectSoundState();
    SpinEdit2Change(s, "180");
    ProcessTick(s, fx);
    ExpectSoundState();
    SpinEdit2Change(s, "45");
    EXPECT_NEAR(s.Scene.ForceOffset, (s.Scene.ShoulderWidth / 4 + 1) / (2 * std::sin(45 * 3.1415 / 180)),
                1e-12);
}

TEST_F(BadInput, ExtremeNumbersNeverOverflowTheGeometry)
{
    for (const char* text : {"2147483647", "-2147483648", "1000000", "-99999"}) {
        SCOPED_TRACE(text);
        SpinEdit1Change(s, text, Comma);
        SpinEdit2Change(s, text);
        SpinEdit3Change(s, text);
        SpinEdit4Change(s, text);
        SpinEdit5Change(s, text);
        SpinEdit6Change(s, text, Comma);
        SpinEdit7Change(s, text);
        SpinEdit9Change(s, text);
        for (int i = 0; i < 8; ++i)
            ProcessTick(s, fx);
        ResetProcess(s, fx);
        ExpectSoundState();
    }
    // Back in range, the program computes as before.
    SpinEdit1Change(s, "2", Comma);
    SpinEdit2Change(s, "45");
    SpinEdit3Change(s, "15");
    SpinEdit4Change(s, "45");
    SpinEdit5Change(s, "0");
    SpinEdit6Change(s, "17", Comma);
    SpinEdit7Change(s, "50");
    SpinEdit9Change(s, "1");
    ProcessTick(s, fx);
    EXPECT_NEAR(s.Forces.F1, 81.32, 0.005);
}

} // namespace
} // namespace otpor
