// A series drawn with a line between its points; this system's traces are
// its line-series kind. LinePen's colour is replaced at drawing time by the
// colour of the point a segment ends at.
#pragma once

#include "chart/TChartPen.h"
#include "chart/TChartSeries.h"

namespace otpor {

class TCustomSeries : public TChartSeries {
public:
    explicit TCustomSeries(std::string name = {}) : TChartSeries(std::move(name)) {}

    TChartPen LinePen{this};
};

} // namespace otpor
