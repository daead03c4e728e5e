// The one state record of the simulation, alive as long as the main window.
// It is composed of the parts that own its fields, so that each layer sees
// what it needs: the inputs and material coefficients, the force results, the
// oscillogram buffers with the arrow lengths, and the scene geometry.
#pragma once

#include "scene/SceneDrawing.h"
#include "scene/SceneGeometry.h"

#include <array>

namespace otpor {

// The depth of cut in the animation: 5 px per mm.
inline constexpr double DepthPxPerMm = 5;

// The correction of the main force for the rake angle (degrees).
inline double RakeFactorFor(int rakeAngle)
{
    return 1 - rakeAngle * 0.01;
}

// The inputs of the main window, in the units the force model takes. Their
// start values are the controls' (sim/InputTable.h), set by FormCreate.
struct CuttingInputs {
    double DepthOfCut = 0;       // a, mm (SpinEdit1 / 10)
    double DepthPx = 0;          // DepthOfCut x DepthPxPerMm: the depth in the animation, px
    double Feed = 0;             // s, mm per revolution (SpinEdit6 / 100)
    double CuttingSpeed = 0;     // v, m/min
    int ApproachAngle = 0;       // degrees
    int RakeAngle = 0;           // degrees
    int InclinationAngle = 0;    // degrees
    double AuxApproachAngle = 0; // degrees
    double ApproachRad = 0;
    double AuxApproachRad = 0;
    double RakeRad = 0;
    double InclinationRad = 0;
    double RakeFactor = 0;   // RakeFactorFor(RakeAngle)
    int WorkMaterial = 0;    // 0 = none chosen, else row 1 ... 10
    int ToolMaterial = 0;    // 0 = none chosen, else row 1 ... 8
    double DisplayScale = 0; // divisor of the arrow lengths

    ToolAngles Angles() const { return {ApproachAngle, RakeAngle, InclinationAngle, AuxApproachAngle}; }
    friend bool operator==(const CuttingInputs&, const CuttingInputs&) = default;
};

// Loaded by an accepted "Proces"; all 0 before the first.
struct MaterialCoefficients {
    double MaterialCoefficient = 0; // C, N
    double DepthExponent = 0;
    double FeedExponent = 0;
    double SpeedExponent = 0;
    double MismatchFactor = 0; // 1.0, or 1.15 for an unsuitable tool material
};

// What the force model computes, N (and mm, rad for the chip-flow terms).
struct ForceResults {
    double MainForce = 0;
    double NormalForce = 0;
    double ChipFlowNumerator = 0;
    double ChipFlowDenominator = 0;
    double ChipFlowAngle = 0;
    double F1 = 0, F2 = 0, F3 = 0;
};

inline constexpr int OscPoints = 335;
inline constexpr int NewestSample = OscPoints - 1;

// The scrolling history that the oscillograph shows; index 334 is the newest.
struct OscillogramBuffers {
    std::array<double, OscPoints> OscX{};  // position along the length turned, mm
    std::array<double, OscPoints> OscF1{}; // N
    std::array<double, OscPoints> OscF2{}; // N
    std::array<double, OscPoints> OscF3{}; // N
};

struct SimulationState {
    CuttingInputs Inputs;
    MaterialCoefficients Coefficients;
    ForceResults Forces;
    OscillogramBuffers Osc;
    double SampleStep = 0; // mm between two samples, one per tick
    int F1Length = 0;      // arrow lengths in the animation, px
    int F2Length = 0;
    int F3Length = 0;
    SceneGeometry Scene;

    ArrowLengths Arrows() const { return {F1Length, F2Length, F3Length}; }
};

// The one writer of the start values, in the order of the main window's
// creation: every field is set from nothing, the oscillogram positions are
// laid out and the scene is built (not drawn). Until then the state holds
// zeros.
void FormCreate(SimulationState& s);

// What "Polazno stanje" puts back of the start values: the ring step, the
// stock radius, the sample step, the ring start angle and the shoulder.
void StartPass(SimulationState& s);

// OscX[k] := (k - 334) x SampleStep; the force histories 0.
void LayOutOscillogram(SimulationState& s);

// Coefficients of the work material; MismatchFactor 1.0.
void LoadMaterialCoefficients(SimulationState& s);

} // namespace otpor
