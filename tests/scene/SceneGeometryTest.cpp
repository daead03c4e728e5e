#include "scene/SceneGeometry.h"
#include "sim/InputHandlers.h"
#include "sim/SimulationState.h"

#include <cmath>
#include <gtest/gtest.h>

namespace otpor {
namespace {

const FormatSettings Comma{",", "."};

class Scene : public ::testing::Test {
protected:
    void SetUp() override { FormCreate(s); }
    SimulationState s;
    SceneGeometry& g = s.Scene;
};

TEST_F(Scene, ToolCornersAtStart)
{
    const std::array<TPoint, ToolCorners> expected{{{179, 252},
                                                    {248, 265},
                                                    {254, 270},
                                                    {273, 255},
                                                    {283, 234},
                                                    {227, 234},
                                                    {187, 257},
                                                    {268, 295},
                                                    {273, 288},
                                                    {141, 300},
                                                    {141, 340},
                                                    {101, 280},
                                                    {101, 320}}};
    EXPECT_EQ(g.ToolPoint, expected);
}

TEST_F(Scene, RingsEndFaceAndInnerCentreAtStart)
{
    EXPECT_EQ(g.EndFaceBox, (TRect{298, 151, 422, 289}));
    EXPECT_EQ(g.InnerCentreX, 341);
    EXPECT_EQ(g.InnerCentreY, 210); // Round(210.5) is 210
    EXPECT_EQ((TPoint{g.StockFarX[0], g.StockFarY[0]}), (TPoint{70, 12}));
    EXPECT_EQ((TPoint{g.StockNearX[0], g.StockNearY[0]}), (TPoint{330, 142}));
    EXPECT_EQ((TPoint{g.TurnedNearX[0], g.TurnedNearY[0]}), (TPoint{331, 143}));
    EXPECT_EQ((TPoint{g.TurnedEndX[0], g.TurnedEndY[0]}), (TPoint{350, 153}));
    EXPECT_EQ(g.StockShade[0], -201);
    EXPECT_EQ(g.StockShade[0] & 0xFF, 55);
    EXPECT_EQ(g.FaceShade[0], -111);
    EXPECT_EQ(g.TurnedShade[0], -136);
    // The shades of the uncut stock run from 36 to 162 in their low byte.
    for (int shade : g.StockShade) {
        EXPECT_GE(shade & 0xFF, 36);
        EXPECT_LE(shade & 0xFF, 162);
    }
    // The last seven points lie over the first seven again.
    EXPECT_NEAR(g.StockFarX[56], g.StockFarX[0], 2);
}

TEST_F(Scene, RakeAngleLowersTwoCorners)
{
    SpinEdit3Change(s, "0");
    EXPECT_EQ(g.ToolPoint[2].Y, g.ToolY + 13);
    EXPECT_EQ(g.ToolPoint[6].Y, g.ToolY);
    SpinEdit3Change(s, "15");
    EXPECT_EQ(g.ToolPoint[2].Y, g.ToolY + 18);
    EXPECT_EQ(g.ToolPoint[6].Y, g.ToolY + 5);
}

TEST_F(Scene, AuxiliaryApproachAngleMovesTheEndOfTheAuxiliaryEdge)
{
    const TPoint at45 = g.ToolPoint[3];
    SpinEdit4Change(s, "30");
    EXPECT_EQ(g.ToolPoint[3], (at45 + TPoint{8, -5}));
    SpinEdit4Change(s, "60");
    EXPECT_EQ(g.ToolPoint[3], (at45 + TPoint{-8, 5}));
    SpinEdit4Change(s, "44");
    EXPECT_EQ(g.ToolPoint[3].X, at45.X);
    SpinEdit4Change(s, "46");
    EXPECT_EQ(g.ToolPoint[3].X, at45.X);
}

TEST_F(Scene, InclinationLiftsTheEndOfTheMainEdge)
{
    SpinEdit5Change(s, "5");
    EXPECT_EQ(g.ToolPoint[5].Y, g.ToolY - 23);
    SpinEdit5Change(s, "-5");
    EXPECT_EQ(g.ToolPoint[5].Y, g.ToolY - 13);
}

TEST_F(Scene, RightApproachAngleCentresTheTurnedRingOnTheShoulder)
{
    SpinEdit2Change(s, "90");
    EXPECT_EQ(g.ShoulderWidth, 0);
    EXPECT_EQ(g.InnerCentreX, g.ShoulderCentreX);
    EXPECT_EQ(g.InnerCentreY, g.ShoulderCentreY);
    EXPECT_NEAR(g.EdgeTilt, 0.3927, 0.0001);
    EXPECT_EQ(g.EdgeReach, 52);
    EXPECT_GE(g.EdgeLength, 52);
    EXPECT_GE(g.SinApproach, 0.49);
}

TEST_F(Scene, DepthOrApproachChangePlacesTheForcesAlongTheEdge)
{
    EXPECT_EQ(g.ForceOffset, 0);
    EXPECT_EQ(g.EdgeDirX, 0);
    SpinEdit1Change(s, "2", Comma);
    // The shoulder width is now computed: the tool sits 1 px further right and 4 px lower.
    EXPECT_EQ(g.ToolX, 180);
    EXPECT_EQ(g.ToolY, 256);
    EXPECT_NEAR(g.ShoulderWidth, 1.0, 0.001);
    EXPECT_NEAR(g.ForceOffset, (g.ShoulderWidth / 4 + 1) / (2 * std::sin(45 * 3.1415 / 180)), 1e-12);
    EXPECT_EQ(g.EdgeLength, 56); // T5 (228, 238) to T4 (284, 238)
    EXPECT_EQ(g.EdgeDirX, 1);
    EXPECT_EQ(g.EdgeDirY, 0);
}

TEST_F(Scene, InclinationAfterMeasuringLeavesTheEdgeDirection)
{
    SpinEdit2Change(s, "60");
    const double dirX = g.EdgeDirX, dirY = g.EdgeDirY;
    SpinEdit5Change(s, "5");
    EXPECT_EQ(g.EdgeDirX, dirX);
    EXPECT_EQ(g.EdgeDirY, dirY);
}

TEST_F(Scene, SevenTicksMakeOneStep)
{
    const std::array<double, 7> phases{-0.03, -0.06, -0.09, -0.12, -0.15, -0.18, 0};
    for (int tick = 1; tick <= 7; ++tick) {
        g.AdvanceScene();
        EXPECT_NEAR(g.SpinPhase, phases[tick - 1], 1e-12) << tick;
        if (tick < 7) {
            EXPECT_EQ(g.ToolX, 179) << tick;
            EXPECT_EQ(g.ToolY, 252) << tick;
        }
    }
    EXPECT_EQ(g.ToolX, 177);
    EXPECT_EQ(g.ToolY, 251);
    EXPECT_EQ(g.ShoulderCentreX, 338);
    EXPECT_EQ(g.ShoulderCentreY, 209);
    g.AdvanceScene();
    EXPECT_NEAR(g.SpinPhase, -0.03, 1e-12);
}

TEST_F(Scene, PhaseTurnsTheRings)
{
    const RingArray before = g.StockNearX;
    g.AdvanceScene();
    g.RingAngle = -0.15;
    g.BuildStockRings();
    EXPECT_NE(g.StockNearX, before);
}

} // namespace
} // namespace otpor
