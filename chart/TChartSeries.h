// Base of the chart's series: the points of one trace of the oscillograph
// (X: position along the length turned, mm; Y: force, N), with a colour and
// an optional label per point, kept in ascending X order. Every change asks
// the chart for a repaint; the chart paints later, once.
#pragma once

#include "chart/ChartTypes.h"
#include "chart/TChartChangeSink.h"
#include "chart/TChartValueList.h"
#include "platform/Canvas.h"
#include "platform/Color.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace otpor {

class TCustomAxisPanel;
class TChartAxis;

class TChartSeries : public TChartChangeSink {
public:
    // name: the component name ("Series1"), the legend's fallback text.
    explicit TChartSeries(std::string name = {});
    virtual ~TChartSeries() = default;
    TChartSeries(const TChartSeries&) = delete;
    TChartSeries& operator=(const TChartSeries&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name);

    // An inactive series is not drawn, not listed, ignored by the axes.
    bool Active() const { return active_; }
    void SetActive(bool a);
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);
    TColor SeriesColor() const { return seriesColor_; }
    void SetSeriesColor(TColor c);
    bool ColorEachPoint() const { return colorEachPoint_; }
    void SetColorEachPoint(bool c);
    bool ShowInLegend() const { return showInLegend_; }
    void SetShowInLegend(bool s);
    THorizAxis HorizAxis() const { return horizAxis_; }
    void SetHorizAxis(THorizAxis a);
    TVertAxis VertAxis() const { return vertAxis_; }
    void SetVertAxis(TVertAxis a);

    TChartValueList& XValues() { return xValues_; }
    const TChartValueList& XValues() const { return xValues_; }
    TChartValueList& YValues() { return yValues_; }
    const TChartValueList& YValues() const { return yValues_; }

    // The chart that shows the series; set when the chart adopts it.
    TCustomAxisPanel* ParentChart() const { return parentChart_; }

    // --- points ----------------------------------------------------------
    // The point's own colour, or SeriesColor when it has none or index is not
    // below Count.
    virtual TColor PointColor(int index) const;
    // The point's label; empty when it has none or index is not below Count.
    virtual const std::string& PointLabel(int index) const;
    // index below Count.
    virtual double XValue(int index) const { return xValues_.ValueAt(index); }
    virtual double YValue(int index) const { return yValues_.ValueAt(index); }
    // Inserts the point by its X (after any equal X) and returns its index. A
    // colour of clDefaultPointColor or clNoOwnColor means none of its own.
    virtual int AddPoint(double x, double y, std::string_view label = {}, TColor color = clDefaultPointColor);
    virtual void ClearValues();
    virtual int Count() const { return xValues_.Count(); }
    virtual double MaxXValue() const { return xValues_.ListMax(); }
    virtual double MaxYValue() const { return yValues_.ListMax(); }
    virtual double MinXValue() const { return xValues_.ListMin(); }
    virtual double MinYValue() const { return yValues_.ListMin(); }
    // Pixel of the point on the bound horizontal / vertical axis; 0 without a chart.
    virtual int XScreenPos(int index) const;
    virtual int YScreenPos(int index) const;

    // The points that lie in the horizontal axis' range of the last layout:
    // from the first not left of the plot through the first at or beyond its
    // right edge, so that the segment leaving the plot is drawn and clipped.
    // -1, -1 when there is none.
    void CalcVisibleRange();
    int FirstVisibleIndex() const { return firstVisibleIndex_; }
    int LastVisibleIndex() const { return lastVisibleIndex_; }

    // The axes the series is mapped with; null without a chart.
    TChartAxis* GetHorizAxis() const;
    TChartAxis* GetVertAxis() const;

    // --- painting --------------------------------------------------------
    // Draws the series during the chart's paint, after the axes; the base
    // draws nothing.
    virtual void DrawSeries(Canvas& canvas);
    // The series' sample in a legend row (rect: the sample's box, px); the
    // base draws nothing.
    virtual void DrawLegendSymbol(Canvas& canvas, const TRect& rect);
    // Fired around the drawing of the points, when there is a point to draw.
    std::function<void()> BeforeDrawValues;
    std::function<void()> AfterDrawValues;

    // --- mouse -----------------------------------------------------------
    // The index of the point whose drawing the client pixel (x, y) touches,
    // as laid out at the last paint; -1 for none. The base is never hit.
    virtual int Clicked(int x, int y);
    // A press on the series; when assigned it takes the press, and the chart
    // starts no zoom or scroll.
    std::function<void(TChartSeries& series, int valueIndex, TMouseButton button, TShiftState shift, int x,
                       int y)>
        OnClick;
    // Pixel margins the series wants kept free beside its points (for point
    // markers); none here.
    virtual void CalcHorizMargins(int& left, int& right) const;
    virtual void CalcVerticalMargins(int& top, int& bottom) const;

    // A part of the series changed: the chart repaints.
    void Changed() override;

private:
    friend class TCustomAxisPanel;
    void SetParentChart(TCustomAxisPanel* chart) { parentChart_ = chart; }

    template <class T, class U> void SetProperty(T& field, U&& value)
    {
        if (field != value) {
            field = std::forward<U>(value);
            Changed();
        }
    }

    std::string name_;
    bool active_ = true;
    std::string title_;
    TColor seriesColor_ = clNoOwnColor;
    bool colorEachPoint_ = false;
    bool showInLegend_ = true;
    THorizAxis horizAxis_ = aBottomAxis;
    TVertAxis vertAxis_ = aLeftAxis;
    TChartValueList xValues_{loAscending};
    TChartValueList yValues_{loNone};
    std::vector<TColor> colors_;
    // An empty string is a point without a label.
    std::vector<std::string> labels_;
    TCustomAxisPanel* parentChart_ = nullptr;
    int firstVisibleIndex_ = -1;
    int lastVisibleIndex_ = -1;
};

} // namespace otpor
