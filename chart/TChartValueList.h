// One coordinate list of a series (X in mm or Y in N for the oscillograph):
// the values in point order, placed by the list's order, with the running
// minimum and maximum the axes read without scanning.
#pragma once

#include "chart/ChartTypes.h"

#include <span>
#include <vector>

namespace otpor {

class TChartValueList {
public:
    explicit TChartValueList(TChartListOrder order) : order_(order) {}

    TChartListOrder Order() const { return order_; }
    void SetOrder(TChartListOrder order) { order_ = order; }

    // Places v by the order and returns its index: appended for loNone and
    // for a value that does not go before the last one; otherwise after the
    // last stored value it may follow, so equal values keep their arrival order.
    int AddValue(double v);
    // Places v at index (0 ... Count).
    void InsertValue(int index, double v);

    int Count() const { return static_cast<int>(values_.size()); }
    // index below Count.
    double ValueAt(int index) const { return values_[static_cast<std::size_t>(index)]; }
    std::span<const double> Values() const { return values_; }

    // Both 0 while the list is empty.
    double ListMin() const { return listMin_; }
    double ListMax() const { return listMax_; }

    // Empties the list and resets the extremes to 0. The storage is kept: the
    // process refills the same number of points every tick.
    void Clear();

private:
    void UpdateExtremes(double v);

    TChartListOrder order_;
    std::vector<double> values_;
    double listMin_ = 0;
    double listMax_ = 0;
};

} // namespace otpor
