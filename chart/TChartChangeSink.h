// What a chart part tells about its changes: the chart answers by marking its
// picture stale (Invalidate); a series passes the news on to its chart.
#pragma once

namespace otpor {

class TChartChangeSink {
public:
    virtual void Changed() = 0;

protected:
    ~TChartChangeSink() = default;
};

} // namespace otpor
