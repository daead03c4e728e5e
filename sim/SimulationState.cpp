#include "sim/SimulationState.h"

#include "platform/Numeric.h"
#include "sim/InputTable.h"
#include "sim/MaterialTables.h"

namespace otpor {

namespace {

// The start of a pass, put back by "Polazno stanje".
constexpr double StartAngleStep = 0.1125; // rad between ring points
constexpr double StartStockRadius = 70;   // px
constexpr double StartSampleStep = 0.3;   // mm per tick
constexpr double StartShoulderCentreX = 340, StartShoulderCentreY = 210;

} // namespace

void StartPass(SimulationState& s)
{
    SceneGeometry& g = s.Scene;
    g.AngleStep = StartAngleStep;
    g.StockRadius = StartStockRadius;
    s.SampleStep = StartSampleStep;
    g.RingAngle = RingStartAngle;
    g.ShoulderCentreX = StartShoulderCentreX;
    g.ShoulderCentreY = StartShoulderCentreY;
}

void FormCreate(SimulationState& s)
{
    s = SimulationState{};
    CuttingInputs& in = s.Inputs;
    SceneGeometry& g = s.Scene;

    // The inputs take their controls' start values; the pass starts where
    // "Polazno stanje" starts it.
    StartPass(s);
    in.DepthPx = StartValue(InputId::Depth) * DepthPxPerMm;
    g.EdgeTilt = 0;
    g.EdgeReach = StraightEdgeReach;
    in.Feed = StartValue(InputId::Feed);
    g.TurnedRadius = g.StockRadius - in.DepthPx;
    g.FarCentre = {80, 80};
    g.EndCentre = {360, 220};
    in.ApproachAngle = Row(InputId::Approach).Value;
    in.AuxApproachAngle = StartValue(InputId::AuxApproach);
    in.RakeAngle = Row(InputId::Rake).Value;
    g.FixedToolAngle = 15;
    in.InclinationAngle = Row(InputId::Inclination).Value;
    s.F1Length = StartArrowLengths.F1;
    s.F2Length = StartArrowLengths.F2;
    g.SinApproach = 1.0;
    in.ApproachRad = DegToRad(in.ApproachAngle);
    in.AuxApproachRad = DegToRad(in.AuxApproachAngle);
    in.RakeRad = DegToRad(in.RakeAngle);
    in.InclinationRad = DegToRad(in.InclinationAngle);
    in.DepthOfCut = StartValue(InputId::Depth);
    in.DisplayScale = StartValue(InputId::DisplayScale);
    in.RakeFactor = RakeFactorFor(in.RakeAngle);
    g.ToolOffsetX = ToolTipOffsetX;
    g.ToolOffsetY = ToolTipOffsetY;
    // Set as they stand, not by PlaceTool: a reset with the same inputs puts
    // the tool 4 px lower.
    g.ToolX = 179;
    g.ToolY = 252;
    s.F3Length = StartArrowLengths.F3;
    // The depth stands here where PlaceShoulder uses ShoulderWidth; the two
    // agree at the start angle of 45 degrees.
    g.InnerCentreX = Round(g.ShoulderCentreX + in.DepthPx);
    g.InnerCentreY = Round(in.DepthPx / 2 + g.ShoulderCentreY);
    in.CuttingSpeed = StartValue(InputId::Speed);
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
