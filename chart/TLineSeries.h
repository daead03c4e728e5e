// One trace of the oscillograph (F1, F2 or F3 in N over the length turned
// in mm): a line series without point markers and without marks.
#pragma once

#include "chart/TCustomSeries.h"

namespace otpor {

class TLineSeries : public TCustomSeries {
public:
    explicit TLineSeries(std::string name = {}) : TCustomSeries(std::move(name)) {}
};

} // namespace otpor
