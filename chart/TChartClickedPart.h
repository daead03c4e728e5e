// What a point of the chart (client px) lies on, as the mouse handling asks
// it: the part, and for a series its point, for an axis which one.
#pragma once

#include "chart/ChartTypes.h"

namespace otpor {

class TChartSeries;
class TChartAxis;

struct TChartClickedPart {
    TChartClickedPartStyle Part = cpNone;
    TChartSeries* Series = nullptr;
    int PointIndex = -1;
    TChartAxis* Axis = nullptr;
};

} // namespace otpor
