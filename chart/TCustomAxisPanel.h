// The axis layer of the chart control: the series it owns, in drawing and
// legend order, and its four axes. Only the bottom (X, mm) and left (Y, N)
// axes of the oscillograph are ever shown. The separators of the labels come
// from the regional settings, passed in as data.
#pragma once

#include "chart/TChartAxis.h"
#include "chart/TChartSeries.h"
#include "chart/TCustomKavPanel.h"
#include "platform/FormatSettings.h"

#include <memory>
#include <string>
#include <vector>

namespace otpor {

class TCustomAxisPanel : public TCustomKavPanel {
public:
    TCustomAxisPanel();
    ~TCustomAxisPanel() override;

    // --- series ------------------------------------------------------------
    // Adopts the series at the end of the list and repaints.
    TChartSeries& AddSeries(std::unique_ptr<TChartSeries> series);
    template <class T> T& AddSeries(std::unique_ptr<T> series)
    {
        T& s = *series;
        AddSeries(std::unique_ptr<TChartSeries>(std::move(series)));
        return s;
    }
    // Hands the series back to the caller and repaints; null if not ours.
    std::unique_ptr<TChartSeries> RemoveSeries(TChartSeries& series);
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    TChartSeries& Series(int index) const { return *series_[static_cast<std::size_t>(index)]; }
    int ActiveSeriesCount() const;

    // Text of legend item n (the active series listed in the legend, in list
    // order): the title, else the component name, else "Series <n>"; empty
    // past the last item.
    std::string LegendText(int n) const;

    // --- axes --------------------------------------------------------------
    TChartAxis TopAxis;
    TChartAxis BottomAxis;
    TChartAxis LeftAxis;
    TChartAxis RightAxis;

    TChartAxis& Axis(THorizAxis which) { return which == aTopAxis ? TopAxis : BottomAxis; }
    const TChartAxis& Axis(THorizAxis which) const { return which == aTopAxis ? TopAxis : BottomAxis; }
    TChartAxis& Axis(TVertAxis which) { return which == aRightAxis ? RightAxis : LeftAxis; }
    const TChartAxis& Axis(TVertAxis which) const { return which == aRightAxis ? RightAxis : LeftAxis; }

    bool AxisVisible() const { return axisVisible_; }
    void SetAxisVisible(bool v) { SetProperty(axisVisible_, v); }
    // Clip the series to the inside of the back wall.
    bool ClipPoints() const { return clipPoints_; }
    void SetClipPoints(bool c) { SetProperty(clipPoints_, c); }
    // Axes are shown, the axis is visible, and an active series maps with it.
    bool IsAxisShown(const TChartAxis& axis) const;

    const FormatSettings& Separators() const { return separators_; }
    void SetSeparators(const FormatSettings& s);

protected:
    // Axis space: every axis' range for this paint, then the strips of the
    // shown ones taken off PlotRect in the order left, right, top, bottom.
    void CalcAxisSpace(Canvas& canvas);
    // Series margins: the axes widen their ranges for the series' pixel
    // margins; afterwards each axis maps onto the final PlotRect.
    void WidenAxesForMargins();
    void PlotRectPinned() override { MapAxesOnPlot(); }

private:
    // Every axis maps onto PlotRect as it now stands.
    void MapAxesOnPlot();
    void ReserveAxisSpace(Canvas& canvas, TChartAxis& axis);
    TRect SeriesMargins(const TChartAxis& axis) const;

    std::vector<std::unique_ptr<TChartSeries>> series_;
    bool axisVisible_ = true;
    bool clipPoints_ = true;
    FormatSettings separators_;
};

} // namespace otpor
