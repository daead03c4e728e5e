// The geometry of the animation: a pseudo-three-dimensional sketch of a
// cylindrical workpiece lying obliquely across the 433 x 369 picture, partly
// turned down at a shoulder, and the turning tool whose cutting edge sits
// there. Units are picture pixels (origin top-left, y downwards), angles in
// radians unless the name says degrees. Nothing is drawn here.
//
// The tool angles and the depth of cut are inputs of the simulation; the
// operations that read them take them as arguments.
#pragma once

#include "platform/Geometry.h"

#include <array>

namespace otpor {

inline constexpr int RingPoints = 63;
inline constexpr int ToolCorners = 13;

// Every stored pixel is kept within this bound, far outside any picture, so
// that sums of a few coordinates never overflow while the user types absurd
// numbers into the inputs.
inline constexpr int PixelLimit = 1 << 28;

// Nearest integer (ties to even), held within PixelLimit.
int ClampPx(double v);

// Every ring set starts at this angle (rad).
inline constexpr double RingStartAngle = -0.15;
// How far the main cutting edge reaches from the tool tip at the approach
// angle of 45 degrees, where it is not tilted (px).
inline constexpr double StraightEdgeReach = 56;

// The tool's tip T4 from its reference corner T0 while the main cutting edge
// is straight (px, right and up); the top face's edge T5-T4 lies that high.
// PlaceTool sets T0 back from where the tip goes by the same offsets.
inline constexpr int ToolTipOffsetX = 104;
inline constexpr int ToolTipOffsetY = 18;

using RingArray = std::array<int, RingPoints>;

// The tool angles as the inputs hold them (degrees).
struct ToolAngles {
    int Approach = 0;
    int Rake = 0;
    int Inclination = 0;
    double AuxApproach = 0;
};

// The fields hold zeros until the simulation's FormCreate gives them their
// start values.

class SceneGeometry {
public:
    // Rings of 63 points: far end and shoulder of the uncut stock, shoulder and
    // free end of the turned surface.
    RingArray StockFarX{}, StockFarY{}, StockNearX{}, StockNearY{};
    RingArray TurnedNearX{}, TurnedNearY{}, TurnedEndX{}, TurnedEndY{};
    // Grey shades of the strips; only the low byte is a colour.
    RingArray StockShade{}, FaceShade{}, TurnedShade{};

    double RingAngle = 0; // running angle while a ring is built (rad)
    double AngleStep = 0; // between neighbouring ring points (rad)
    double SpinPhase = 0; // rotation phase added to every ring angle (rad)
    int SpinSteps = 0;    // how many 0.03 steps SpinPhase has taken (0 ... 6)

    double StockRadius = 0;  // px
    double TurnedRadius = 0; // StockRadius - DepthPx
    TPoint FarCentre{};
    TPoint EndCentre{};
    double ShoulderCentreX = 0, ShoulderCentreY = 0; // outer ring at the shoulder
    double ShoulderWidth = 0;                        // axial extent of the shoulder, px
    double InnerCentreX = 0, InnerCentreY = 0;       // turned ring at the shoulder (whole numbers)
    TRect EndFaceBox{};                              // free end face

    int ToolX = 0, ToolY = 0; // reference corner T0
    double EdgeTilt = 0;      // (ApproachAngle - 45) x Pi / 360
    double EdgeReach = 0;     // Round(StraightEdgeReach cos EdgeTilt), a whole number
    double ToolOffsetX = 0, ToolOffsetY = 0;
    int FixedToolAngle = 0; // a tool angle no control changes (degrees)

    double EdgeLength = 0;  // main cutting edge T5-T4, px
    double EdgeDirX = 0;    // (T4.x - T5.x) / EdgeLength
    double EdgeDirY = 0;    // (T5.y - T4.y) / EdgeLength
    double SinApproach = 0; // sin of the approach angle
    double ForceOffset = 0; // from T4 along the main edge to where the forces act, px

    std::array<TPoint, ToolCorners> ToolPoint{};

    // Rings from the current RingAngle (callers set it to RingStartAngle first).
    void BuildStockRings();
    // Restarts at RingStartAngle; reads StockShade, so runs after BuildStockRings.
    void BuildTurnedRings();
    // T1 ... T12 from T0 = (ToolX, ToolY) and the angles.
    void BuildToolOutline(const ToolAngles& angles);
    // ToolX, ToolY from the shoulder, TurnedRadius, EdgeTilt and EdgeReach.
    void PlaceTool();
    // The turned ring's centre from the shoulder centre and ShoulderWidth.
    void PlaceShoulder();
    // The end-face ellipse from TurnedRadius.
    void SizeEndFace();
    // Edge direction and the force origin offset, from the current corners.
    void MeasureCuttingEdge(int approachAngle, double depthPx);
    // The motion of one tick: the phase turns, and every seventh tick the
    // shoulder and the tool move 2 px left and 1 px up.
    void AdvanceScene();

    // ShoulderWidth for the given approach angle (degrees) and depth (px).
    static double ShoulderWidthFor(int approachAngle, double depthPx);
    // EdgeTilt and EdgeReach for the given approach angle (degrees).
    void TiltEdge(int approachAngle);
};

} // namespace otpor
