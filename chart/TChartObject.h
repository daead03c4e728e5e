// Base of the chart's sub-objects (pens, brushes, fonts, gradient, walls,
// titles, legend, axes): a setter that changes a value tells the owner, so
// that the chart repaints once the window system asks it to.
#pragma once

#include "chart/TChartChangeSink.h"

#include <utility>

namespace otpor {

class TChartObject {
public:
    explicit TChartObject(TChartChangeSink* owner) : owner_(owner) {}
    TChartObject(const TChartObject&) = delete;
    TChartObject& operator=(const TChartObject&) = delete;

    TChartChangeSink* Owner() const { return owner_; }
    // A series' pen follows the series from chart to chart.
    void SetOwner(TChartChangeSink* owner) { owner_ = owner; }

protected:
    ~TChartObject() = default;

    void Changed() const
    {
        if (owner_ != nullptr)
            owner_->Changed();
    }

    // Stores the value and tells the owner, but only when it differs.
    template <class T, class U> void SetProperty(T& field, U&& value)
    {
        if (field != value) {
            field = std::forward<U>(value);
            Changed();
        }
    }

private:
    TChartChangeSink* owner_;
};

} // namespace otpor
