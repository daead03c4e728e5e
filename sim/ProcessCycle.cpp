#include "sim/ProcessCycle.h"

#include "platform/Numeric.h"
#include "sim/ForceModel.h"
#include "sim/MaterialTables.h"

#include <algorithm>
#include <cmath>

namespace otpor {

namespace {

constexpr double F1ArrowScale = 0.8; // F1 is drawn at 0.8 px per newton

// An arrow length within the scene's pixel bound, so that the force diagram's
// sums of tips never overflow; far longer than any picture.
int ArrowLength(double length)
{
    return ClampPx(length);
}

} // namespace

void StartProcess(SimulationState& s, ProcessEffects& fx)
{
    CuttingInputs& in = s.Inputs;
    if (in.ToolMaterial == 0 && in.WorkMaterial == 0) {
        fx.Beep();
        fx.ShowWarning(NoMaterialsMessage);
        return;
    }
    if (in.ToolMaterial == 0) {
        fx.Beep();
        fx.ShowWarning(NoToolMaterialMessage);
        return;
    }
    if (in.WorkMaterial == 0) {
        fx.Beep();
        fx.ShowWarning(NoWorkMaterialMessage);
        return;
    }
    s.Scene.ShoulderWidth = SceneGeometry::ShoulderWidthFor(in.ApproachAngle, in.DepthPx);
    LoadMaterialCoefficients(s);
    if (!ToolSuitsWork(in.ToolMaterial, in.WorkMaterial)) {
        s.Coefficients.MismatchFactor = UnsuitableToolFactor;
        fx.Beep();
        fx.ShowWarning(UnsuitableToolMessage);
    }
    fx.SetTimerEnabled(true);
}

void PauseProcess(SimulationState&, ProcessEffects& fx)
{
    fx.SetTimerEnabled(false);
}

void AdvanceProcess(SimulationState& s)
{
    SceneGeometry& g = s.Scene;
    g.RingAngle = RingStartAngle;
    g.AdvanceScene();
    g.BuildStockRings();
    g.BuildTurnedRings();
    g.BuildToolOutline(s.Inputs.Angles());

    // Inputs no control allows but a user can type on the way to another
    // number (a speed or depth of 0, a negative feed) leave the forces
    // undefined; the last defined forces stay until the inputs are sound.
    const ForceResults forces = ComputeForces(s.Inputs, s.Coefficients);
    if (IsFinite(forces))
        s.Forces = forces;
    s.Osc.OscF1[NewestSample] = s.Forces.F1;
    s.Osc.OscF2[NewestSample] = s.Forces.F2;
    s.Osc.OscF3[NewestSample] = s.Forces.F3;

    // Likewise a display scale of 0 keeps the arrows as they were.
    const double scale = s.Inputs.DisplayScale;
    if (scale != 0) {
        s.F1Length = ArrowLength(F1ArrowScale * s.Forces.F1 / scale);
        s.F2Length = ArrowLength(s.Forces.F2 / scale);
        s.F3Length = ArrowLength(s.Forces.F3 / scale);
    }

    for (double& x : s.Osc.OscX)
        x += s.SampleStep;
}

void ShiftHistories(SimulationState& s)
{
    auto shift = [](std::array<double, OscPoints>& a) { std::copy(a.begin() + 1, a.end(), a.begin()); };
    shift(s.Osc.OscF1);
    shift(s.Osc.OscF2);
    shift(s.Osc.OscF3);
}

void ProcessTick(SimulationState& s, ProcessEffects& fx)
{
    AdvanceProcess(s);
    FillOscillogram(s, fx.Series1(), fx.Series2(), fx.Series3());
    ShiftHistories(s);
    fx.DrawWorkpieceAndTool();
    fx.DrawForces();
    if (s.Scene.ToolX < EndPositionX)
        fx.SetTimerEnabled(false);
}

void ResetProcess(SimulationState& s, ProcessEffects& fx)
{
    SceneGeometry& g = s.Scene;
    StartPass(s);
    g.SizeEndFace();
    g.PlaceShoulder();
    g.PlaceTool();
    LayOutOscillogram(s);
    FillOscillogram(s, fx.Series1(), fx.Series2(), fx.Series3());
    g.BuildStockRings();
    g.BuildTurnedRings();
    g.BuildToolOutline(s.Inputs.Angles());
    fx.DrawWorkpieceAndTool();
}

void FillOscillogram(const SimulationState& s, SeriesSink& series1, SeriesSink& series2, SeriesSink& series3)
{
    series1.ClearValues();
    series2.ClearValues();
    series3.ClearValues();
    const OscillogramBuffers& o = s.Osc;
    for (int k = 0; k < OscPoints; ++k) {
        series1.AddPoint(o.OscX[k], o.OscF1[k], {}, OscillogramTraces[0].PointColor);
        series2.AddPoint(o.OscX[k], o.OscF2[k], {}, OscillogramTraces[1].PointColor);
        series3.AddPoint(o.OscX[k], o.OscF3[k], {}, OscillogramTraces[2].PointColor);
    }
}

} // namespace otpor
