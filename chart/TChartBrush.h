// A fill of the chart (walls, title background): colour and style. A colour
// of clNoOwnColor leaves the fill to whoever draws with it.
#pragma once

#include "chart/TChartObject.h"
#include "platform/Canvas.h"
#include "platform/Color.h"

namespace otpor {

class TChartBrush : public TChartObject {
public:
    explicit TChartBrush(TChartChangeSink* owner, TColor color = clNoOwnColor,
                         BrushStyle style = BrushStyle::Solid)
        : TChartObject(owner), color_(color), style_(style)
    {
    }

    TColor Color() const { return color_; }
    void SetColor(TColor c) { SetProperty(color_, c); }
    BrushStyle Style() const { return style_; }
    void SetStyle(BrushStyle s) { SetProperty(style_, s); }

private:
    TColor color_;
    BrushStyle style_;
};

} // namespace otpor
