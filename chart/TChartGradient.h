// The colour gradient of the chart's panel background. The oscillograph's
// runs from white at the bottom to light yellow at the top.
#pragma once

#include "chart/ChartTypes.h"
#include "chart/TChartObject.h"
#include "platform/Color.h"

namespace otpor {

class TChartGradient : public TChartObject {
public:
    explicit TChartGradient(TChartChangeSink* owner) : TChartObject(owner) {}

    TGradientDirection Direction() const { return direction_; }
    void SetDirection(TGradientDirection d) { SetProperty(direction_, d); }
    TColor StartColor() const { return startColor_; }
    void SetStartColor(TColor c) { SetProperty(startColor_, c); }
    TColor EndColor() const { return endColor_; }
    void SetEndColor(TColor c) { SetProperty(endColor_, c); }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { SetProperty(visible_, v); }

private:
    TGradientDirection direction_ = gdTopBottom;
    TColor startColor_ = clWhite;
    TColor endColor_ = clYellow;
    bool visible_ = false;
};

} // namespace otpor
