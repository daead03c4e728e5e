#include "sim/SimulationState.h"

#include "platform/Numeric.h"
#include "sim/MaterialTables.h"

namespace otpor {

void FormCreate(SimulationState& s)
{
    s = SimulationState{};
    CuttingInputs& in = s.Inputs;
    SceneGeometry& g = s.Scene;

    g.AngleStep = 0.1125;
    g.StockRadius = 70;
    in.DepthPx = 1.0;
    s.SampleStep = 0.3;
    g.EdgeTilt = 0;
    g.EdgeReach = 56;
    in.Feed = 0.17;
    g.RingAngle = -0.15;
    g.TurnedRadius = g.StockRadius - in.DepthPx;
    g.FarCentre = {80, 80};
    g.EndCentre = {360, 220};
    in.ApproachAngle = 45;
    in.AuxApproachAngle = 45.0;
    in.RakeAngle = 15;
    g.FixedToolAngle = 15;
    in.InclinationAngle = 0;
    s.F1Length = 60;
    s.F2Length = 40;
    g.SinApproach = 1.0;
    in.ApproachRad = 45 * Pi / 180;
    in.AuxApproachRad = Pi * 45.0 / 180;
    in.RakeRad = 15 * Pi / 180;
    in.InclinationRad = 0;
    in.DepthOfCut = 0.2;
    in.DisplayScale = 1.0;
    in.RakeFactor = 0.85;
    g.ShoulderCentreX = 340;
    g.ShoulderCentreY = 210;
    g.ToolOffsetX = 104;
    g.ToolOffsetY = 18;
    g.ToolX = 179;
    g.ToolY = 252;
    s.F3Length = 30;
    // The depth stands here where PlaceShoulder uses ShoulderWidth; the two
    // agree at the start angle of 45 degrees.
    g.InnerCentreX = Round(g.ShoulderCentreX + in.DepthPx);
    g.InnerCentreY = Round(in.DepthPx / 2 + g.ShoulderCentreY);
    in.CuttingSpeed = 50.0;
    g.SizeEndFace();
    LayOutOscillogram(s);
    g.BuildStockRings();
    g.BuildTurnedRings();
    g.BuildToolOutline(in.Angles());
}

void LayOutOscillogram(SimulationState& s)
{
    for (int k = 0; k < OscPoints; ++k) {
        s.Osc.OscX[k] = (k - NewestSample) * s.SampleStep;
        s.Osc.OscF1[k] = 0;
        s.Osc.OscF2[k] = 0;
        s.Osc.OscF3[k] = 0;
    }
}

void LoadMaterialCoefficients(SimulationState& s)
{
    MaterialCoefficients& c = s.Coefficients;
    c.DepthExponent = DepthExponentValue;
    c.FeedExponent = FeedExponentValue;
    const int row = s.Inputs.WorkMaterial;
    if (row >= 1 && row <= WorkMaterialCount) {
        c.MaterialCoefficient = WorkMaterials[row - 1].MaterialCoefficient;
        c.SpeedExponent = WorkMaterials[row - 1].SpeedExponent;
    }
    c.MismatchFactor = 1.0;
}

} // namespace otpor
