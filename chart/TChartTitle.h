// The chart's title above the plot ("Oscilograf") or its foot below it: lines
// of text, their font and alignment, and the rectangle they took at the last
// paint (px), which the mouse handling hit-tests.
#pragma once

#include "chart/ChartTypes.h"
#include "chart/TChartBrush.h"
#include "chart/TChartFont.h"
#include "chart/TChartObject.h"
#include "chart/TChartPen.h"
#include "platform/Geometry.h"

#include <string>
#include <vector>

namespace otpor {

class TChartTitle : public TChartObject {
public:
    explicit TChartTitle(TChartChangeSink* owner);

    const std::vector<std::string>& Text() const { return text_; }
    void SetText(std::vector<std::string> lines) { SetProperty(text_, std::move(lines)); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a) { SetProperty(alignment_, a); }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { SetProperty(visible_, v); }
    bool AdjustFrame() const { return adjustFrame_; }
    void SetAdjustFrame(bool a) { SetProperty(adjustFrame_, a); }

    TChartFont Font;
    TChartHiddenPen Frame;
    TChartBrush Brush;

    // Layout result of the last paint, frame included.
    const TRect& TitleRect() const { return titleRect_; }
    void SetTitleRect(const TRect& r) { titleRect_ = r; }

private:
    std::vector<std::string> text_;
    TAlignment alignment_ = taCenter;
    bool visible_ = true;
    bool adjustFrame_ = true;
    TRect titleRect_;
};

} // namespace otpor
