// The enumerations of the oscillograph chart: list order, axis bindings,
// gradient directions, panel bevels, label styles, legend settings and the
// mouse input the zoom and scroll gestures read with the parts they hit.
#pragma once

namespace otpor {

// How a value list places a new value.
enum TChartListOrder { loNone, loAscending, loDescending };

// The axes a series can map its X and Y with.
enum THorizAxis { aTopAxis, aBottomAxis };
enum TVertAxis { aLeftAxis, aRightAxis };

enum TGradientDirection {
    gdTopBottom,
    gdBottomTop,
    gdLeftRight,
    gdRightLeft,
    gdFromCenter,
    gdFromTopLeft,
    gdFromBottomLeft
};

enum TPanelBevel { bvNone, bvLowered, bvRaised };

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };

// Horizontal placement of a title's lines.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TLegendAlignment { laLeft, laRight, laTop, laBottom };
enum TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };
enum TLegendTextStyle { ltsPlain, ltsLeftValue, ltsRightValue, ltsLeftPercent, ltsRightPercent, ltsXValue };

enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// What a mouse press on the chart hit, in the order the hit test asks.
enum TChartClickedPartStyle { cpNone, cpLegend, cpSeries, cpAxis, cpTitle, cpFoot, cpPlotArea };

// The keys and buttons held during a mouse event, as a set of flags.
enum TShiftFlag : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5
};
using TShiftState = unsigned;

} // namespace otpor
