#include "scene/SceneGeometry.h"

#include "platform/Numeric.h"

#include <algorithm>
#include <cmath>

namespace otpor {

namespace {

// Six steps of 0.03 below zero; the seventh tick moves the tool instead.
constexpr int PhaseStepsPerCycle = 6;
constexpr double PhaseStep = 0.03;

} // namespace

int ClampPx(double v)
{
    if (std::isnan(v))
        return 0;
    return Round(std::clamp(v, -double{PixelLimit}, double{PixelLimit}));
}

void SceneGeometry::BuildStockRings()
{
    for (int i = 0; i < RingPoints; ++i) {
        const double theta = RingAngle + SpinPhase;
        const double s = std::sin(theta);
        const double c = std::cos(theta);
        const double r = StockRadius - std::fabs(s * (0.1 * StockRadius));
        StockFarX[i] = ClampPx(s * r + FarCentre.X);
        StockFarY[i] = ClampPx(FarCentre.Y - c * r);
        StockNearX[i] = ClampPx(s * r + ShoulderCentreX);
        StockNearY[i] = ClampPx(ShoulderCentreY - c * r);
        StockShade[i] = ClampPx(1040 - 18 * r);
        RingAngle += AngleStep;
    }
}

void SceneGeometry::BuildTurnedRings()
{
    RingAngle = RingStartAngle;
    for (int i = 0; i < RingPoints; ++i) {
        const double theta = RingAngle + SpinPhase;
        const double s = std::sin(theta);
        const double c = std::cos(theta);
        const double r = TurnedRadius - std::fabs(s * (0.1 * TurnedRadius));
        FaceShade[i] = StockShade[i] + 90;
        TurnedShade[i] = StockShade[i] + 65;
        TurnedNearX[i] = ClampPx(s * r + InnerCentreX);
        TurnedNearY[i] = ClampPx(InnerCentreY - c * r);
        TurnedEndX[i] = ClampPx(s * r + EndCentre.X);
        TurnedEndY[i] = ClampPx(EndCentre.Y - c * r);
        RingAngle += AngleStep;
    }
}

void SceneGeometry::BuildToolOutline(const ToolAngles& a)
{
    // In doubles, so that an absurd angle typed into a field cannot overflow.
    const double X = ToolX;
    const double Y = ToolY;
    const double psi = EdgeTilt;
    const double L = EdgeReach;
    const double rakeDrop = Round(5 - a.Rake / 3.0);
    auto at = [](double x, double y) { return TPoint{ClampPx(x), ClampPx(y)}; };

    ToolPoint[0] = at(X, Y);
    ToolPoint[1] = at(X + 69, Y + 13);
    ToolPoint[2] = at(X + 75, Y + 18 - rakeDrop);
    ToolPoint[3] = at(X + 94 + Round((45 - a.AuxApproach) / 2), Y + 3 + Round((a.AuxApproach - 45) / 3));
    ToolPoint[4] = at(X + ToolTipOffsetX - Round((1 - std::cos(psi)) * L),
                      Y - ToolTipOffsetY - Round(std::sin(psi) * L));
    ToolPoint[5] = at(X + 48, Y - ToolTipOffsetY - static_cast<double>(a.Inclination));
    ToolPoint[6] = at(X + 8, Y + 5 - rakeDrop);
    ToolPoint[7] = at(X + 89 + Round(5 - FixedToolAngle / 3.0), Y + 43);
    ToolPoint[8] =
        at(X + 94 - Trunc(std::fabs(a.Approach / 15.0 - 3)) + Round(10 - FixedToolAngle / 1.5), Y + 36);
    ToolPoint[9] = at(X - 38, Y + 48);
    ToolPoint[10] = at(X - 38, Y + 88);
    ToolPoint[11] = at(X - 78, Y + 28);
    ToolPoint[12] = at(X - 78, Y + 68);
}

void SceneGeometry::PlaceTool()
{
    ToolX =
        ClampPx((1 - std::cos(EdgeTilt)) * EdgeReach + (InnerCentreX - 0.82 * TurnedRadius - ToolOffsetX));
    ToolY = ClampPx(std::sin(EdgeTilt) * EdgeReach + (0.4 * TurnedRadius + InnerCentreY + ToolOffsetY));
}

void SceneGeometry::PlaceShoulder()
{
    InnerCentreX = ClampPx(ShoulderCentreX + ShoulderWidth);
    InnerCentreY = ClampPx(ShoulderWidth / 2 + ShoulderCentreY);
}

void SceneGeometry::SizeEndFace()
{
    const double half = std::trunc(0.9 * TurnedRadius);
    const double full = std::trunc(TurnedRadius);
    EndFaceBox = {ClampPx(EndCentre.X - half), ClampPx(EndCentre.Y - full), ClampPx(EndCentre.X + half),
                  ClampPx(EndCentre.Y + full)};
}

void SceneGeometry::MeasureCuttingEdge(int approachAngle, double depthPx)
{
    const TPoint t4 = ToolPoint[4];
    const TPoint t5 = ToolPoint[5];
    const double dx = static_cast<double>(t4.X) - t5.X;
    const double dy = static_cast<double>(t4.Y) - t5.Y;
    const double length = std::sqrt(dx * dx + dy * dy);
    // A tip on the edge's end (only with absurd inputs) has no direction:
    // the forces stay placed along the direction measured last.
    if (length > 0) {
        EdgeLength = length;
        EdgeDirX = dx / length;
        EdgeDirY = (static_cast<double>(t5.Y) - t4.Y) / length;
    }
    SinApproach = std::sin(DegToRad(approachAngle));
    // An approach angle of 0 (typed on the way to another number) has no
    // offset; the previous one stays until the angle is back.
    const double offset = (ShoulderWidth / 4 + depthPx) / (2 * SinApproach);
    if (std::isfinite(offset))
        ForceOffset = std::clamp(offset, -double{PixelLimit}, double{PixelLimit});
}

void SceneGeometry::AdvanceScene()
{
    if (SpinSteps >= PhaseStepsPerCycle) {
        SpinPhase = 0;
        SpinSteps = 0;
        ShoulderCentreX -= 2;
        ShoulderCentreY -= 1;
        ToolX -= 2;
        ToolY -= 1;
        PlaceShoulder();
    } else {
        SpinPhase -= PhaseStep;
        ++SpinSteps;
    }
}

double SceneGeometry::ShoulderWidthFor(int approachAngle, double depthPx)
{
    return std::tan((90.0 - approachAngle) * Pi / 180) * depthPx;
}

void SceneGeometry::TiltEdge(int approachAngle)
{
    EdgeTilt = (static_cast<double>(approachAngle) - 45) * Pi / 360;
    EdgeReach = Round(std::cos(EdgeTilt) * StraightEdgeReach);
}

} // namespace otpor
