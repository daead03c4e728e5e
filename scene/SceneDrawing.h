// The drawing of the animation window: the shaded workpiece, the tool, and
// the force diagram at the cutting edge. Both operations draw on whatever
// canvas they are given; the drawing state they leave behind carries over
// to the next picture (the end face and the tool are outlined with the pen
// of the last turned strip).
#pragma once

#include "platform/Canvas.h"
#include "scene/SceneGeometry.h"

namespace otpor {

inline constexpr int PictureWidth = 433;
inline constexpr int PictureHeight = 369;

// Lengths of the force arrows, px (0.8 px per newton for F1, 1 px for F2 and
// F3, divided by the display scale).
struct ArrowLengths {
    int F1 = 0;
    int F2 = 0;
    int F3 = 0;
};

// The lengths before the first tick computes them.
inline constexpr ArrowLengths StartArrowLengths{60, 40, 30};

// The points of the force diagram: the origin on the main edge, the three
// component tips, the corners of the box they span, and the resultant's tip.
struct ForceDiagram {
    TPoint Origin, F1Tip, F2Tip, F3Tip;
    TPoint CornerF2F3, CornerF1F2, CornerF1F3, ResultTip;
};

ForceDiagram ComputeForceDiagram(const SceneGeometry& g, const ArrowLengths& lengths);

// Clears the picture and draws workpiece and tool.
void DrawWorkpieceAndTool(Canvas& canvas, const SceneGeometry& g);

// Draws the force diagram over the picture; only after DrawWorkpieceAndTool.
void DrawForces(Canvas& canvas, const SceneGeometry& g, const ArrowLengths& lengths);

} // namespace otpor
