// The legend box at the right of the oscillograph, listing the series by
// title beside a line sample in the series colour. This holds its settings
// and the rectangle it took at the last paint (px); the chart's paint lays it
// out and draws it. Percentages are of the panel or of the text column.
#pragma once

#include "chart/ChartTypes.h"
#include "chart/TChartFont.h"
#include "chart/TChartObject.h"
#include "chart/TChartPen.h"
#include "platform/Color.h"
#include "platform/Geometry.h"

namespace otpor {

class TChartLegend : public TChartObject {
public:
    explicit TChartLegend(TChartChangeSink* owner);

    bool Visible() const { return visible_; }
    void SetVisible(bool v) { SetProperty(visible_, v); }
    TLegendAlignment Alignment() const { return alignment_; }
    void SetAlignment(TLegendAlignment a) { SetProperty(alignment_, a); }
    TLegendStyle LegendStyle() const { return legendStyle_; }
    void SetLegendStyle(TLegendStyle s) { SetProperty(legendStyle_, s); }
    TLegendTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TLegendTextStyle s) { SetProperty(textStyle_, s); }
    // Box fill.
    TColor Color() const { return color_; }
    void SetColor(TColor c) { SetProperty(color_, c); }
    // Width of the colour sample, percent of the text column plus 10 px;
    // 0 ... 100, else LegendException.
    int ColorWidth() const { return colorWidth_; }
    void SetColorWidth(int percent);
    // Top of the box, percent of the panel height; 0 ... 100, else LegendException.
    int TopPos() const { return topPos_; }
    void SetTopPos(int percent);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor c) { SetProperty(shadowColor_, c); }
    int ShadowSize() const { return shadowSize_; }
    void SetShadowSize(int px) { SetProperty(shadowSize_, px); }
    bool ResizeChart() const { return resizeChart_; }
    void SetResizeChart(bool r) { SetProperty(resizeChart_, r); }
    // Gap between box and plot, px; 0 = 3 % of the plot width (4 % of its height).
    int HorizMargin() const { return horizMargin_; }
    void SetHorizMargin(int px) { SetProperty(horizMargin_, px); }
    int VertMargin() const { return vertMargin_; }
    void SetVertMargin(int px) { SetProperty(vertMargin_, px); }
    // First item shown; not below 0, else LegendException.
    int FirstValue() const { return firstValue_; }
    void SetFirstValue(int index);
    bool Inverted() const { return inverted_; }
    void SetInverted(bool i) { SetProperty(inverted_, i); }

    TChartPen Frame;
    TChartHiddenPen DividingLines;
    TChartFont Font;

    // Layout results of the last paint: the box without frame and shadow, and
    // the width of the colour sample.
    const TRect& LegendRect() const { return legendRect_; }
    void SetLegendRect(const TRect& r) { legendRect_ = r; }
    int SymbolWidth() const { return symbolWidth_; }
    void SetSymbolWidth(int px) { symbolWidth_ = px; }

private:
    bool visible_ = true;
    TLegendAlignment alignment_ = laRight;
    TLegendStyle legendStyle_ = lsAuto;
    TLegendTextStyle textStyle_ = ltsLeftValue;
    TColor color_ = clWhite;
    int colorWidth_ = 12;
    int topPos_ = 10;
    TColor shadowColor_ = clBlack;
    int shadowSize_ = 3;
    bool resizeChart_ = true;
    int horizMargin_ = 0;
    int vertMargin_ = 0;
    int firstValue_ = 0;
    bool inverted_ = false;
    TRect legendRect_;
    int symbolWidth_ = 0;
};

} // namespace otpor
