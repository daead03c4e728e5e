// The chart control as the program places it: the oscillograph Chart1.
#pragma once

#include "chart/TCustomChart.h"

namespace otpor {

class TChart : public TCustomChart {
public:
    using TCustomChart::TCustomChart;
};

} // namespace otpor
