// The chart layer of the chart control: title and foot, panel gradient,
// walls, legend, and the paint sequence that lays out and draws the whole
// oscillograph on a canvas: background, legend and title, axis space, back
// wall, axes, series, rubber band. Client px throughout.
#pragma once

#include "chart/TChartGradient.h"
#include "chart/TChartLegend.h"
#include "chart/TChartTitle.h"
#include "chart/TChartWall.h"
#include "chart/TCustomAxisPanel.h"

#include <functional>

namespace otpor {

class TCustomChart : public TCustomAxisPanel {
public:
    TCustomChart();

    TChartTitle Title;
    TChartTitle Foot;
    TChartGradient Gradient;
    TChartWall BackWall;
    TChartWall LeftWall;
    TChartWall BottomWall;
    TChartLegend Legend;

    // The back wall's colour; setting it also makes the wall's brush solid.
    TColor BackColor() const { return BackWall.Color(); }
    void SetBackColor(TColor c);

    // Fired at the end of every paint sequence.
    std::function<void()> OnAfterDraw;

    void InternalDraw(Canvas& canvas, const TRect& panelRect) override;

    // --- the steps of the paint sequence -----------------------------------
    // Gradient (or panel colour) and bevels on rect.
    virtual void DrawBackground(Canvas& canvas, const TRect& rect);
    // The gradient of rect from c1 to c2 in at most 256 solid bands; band 0,
    // in c1, lies against the bottom (right) edge. The directions from the
    // centre and the corners are not built: they fill with c1.
    void GradientFill(Canvas& canvas, const TRect& rect, TColor c1, TColor c2, TGradientDirection direction);
    // The title's lines at the top (foot at the bottom) of PlotRect, which
    // then starts (ends) 5 px beyond them.
    void DrawTitle(Canvas& canvas, TChartTitle& title, bool atTop);
    // The legend is drawn here and takes its room from PlotRect; nothing yet.
    virtual void DrawLegend(Canvas& canvas);
    // The framed rectangle behind the series, on PlotRect.
    virtual void DrawBackWall(Canvas& canvas);
    // The zoom's rubber band, drawn over the picture while a drag is on; nothing yet.
    virtual void DrawZoomRect(Canvas& canvas);

private:
    void DrawLegendAndTitles(Canvas& canvas);
    void DrawTitles(Canvas& canvas);
    void DrawAxes(Canvas& canvas);
    void DrawAllSeries(Canvas& canvas);
    void DrawBevel(Canvas& canvas, TRect& rect, TPanelBevel bevel, int width);
};

} // namespace otpor
