// The chart layer of the chart control: title and foot, panel gradient,
// walls, legend, and the paint sequence that lays out and draws the whole
// oscillograph on a canvas: background, legend and title, axis space, back
// wall, axes, series, rubber band. Each step measures its texts, asks
// ChartLayout where things go and draws there. The mouse gestures (zoom and
// scroll) are TChartGestures'; the chart's mouse handlers and zoom operations
// hand over to it. Client px throughout; axis values in axis units.
#pragma once

#include "chart/ChartLayout.h"
#include "chart/TAxisSavedState.h"
#include "chart/TChartClickedPart.h"
#include "chart/TChartGestures.h"
#include "chart/TChartGradient.h"
#include "chart/TChartLegend.h"
#include "chart/TChartTitle.h"
#include "chart/TChartWall.h"
#include "chart/TCustomAxisPanel.h"

#include <array>
#include <functional>

namespace otpor {

class TCustomChart : public TCustomAxisPanel {
public:
    // The gesture settings of the chart control, the same for every chart.
    static constexpr TMouseButton ZoomMouseButton = mbLeft;
    static constexpr TMouseButton ScrollMouseButton = mbRight;
    static constexpr TShiftState ZoomKeyShift = 0;
    static constexpr TShiftState ScrollKeyShift = 0;
    // A rubber band must be wider and higher than this to zoom or undo, px.
    static constexpr int MinimumDragPixels = 16;
    // A press nearer than this to an axis line hits the axis, px.
    static constexpr int AxisClickTolerance = 12;

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
    // The legend box beside the plot, one row per listed series with its
    // title and its colour sample, and its shadow; the box and a gap after it
    // are taken off PlotRect. Only the series legend at the left or right is
    // built: a value legend (one active series) or a legend above or below
    // the plot is not drawn and takes no room.
    virtual void DrawLegend(Canvas& canvas);
    // The framed rectangle behind the series, on PlotRect.
    virtual void DrawBackWall(Canvas& canvas);
    // The zoom's rubber band in the inverting pen: drawn twice on the same
    // canvas it leaves the pixels as they were. The paint sequence draws it
    // while a drag is on; the host draws it over the shown picture.
    virtual void DrawZoomRect(Canvas& canvas);

    // --- the off-screen picture ---------------------------------------------------
    // Whether the chart's off-screen picture must be drawn anew.
    bool PictureStale() const { return !Buffered() || BufferStale(); }
    // Lays the chart out and draws it into its off-screen picture, without the
    // band of a drag in progress, which the paint sequence drew.
    void DrawPicture(Canvas& picture, const TRect& rect);
    // Shows the off-screen picture through show() with the band of a drag in
    // progress over it, without laying the chart out anew: the band is drawn
    // in not-xor, shown, and drawn again to take it off.
    template <class Show> void ShowPicture(Canvas& picture, Show&& show)
    {
        const bool band = ZoomRecord().Active;
        if (band)
            DrawZoomRect(picture);
        show();
        if (band)
            DrawZoomRect(picture);
    }

    // --- zoom and scroll -------------------------------------------------------
    bool AllowZoom() const { return allowZoom_; }
    void SetAllowZoom(bool a) { SetProperty(allowZoom_, a); }
    TPanningMode AllowPanning() const { return allowPanning_; }
    void SetAllowPanning(TPanningMode m) { SetProperty(allowPanning_, m); }
    // The stepwise zoom animation is off and not built; the steps are kept.
    bool AnimatedZoom() const { return animatedZoom_; }
    void SetAnimatedZoom(bool a) { SetProperty(animatedZoom_, a); }
    int AnimatedZoomSteps() const { return animatedZoomSteps_; }
    void SetAnimatedZoomSteps(int n) { SetProperty(animatedZoomSteps_, n); }

    // The gestures and their drags (the rubber band, the scroll drag).
    TChartGestures& Gestures() { return gestures_; }
    TZoomPanningRecord& ZoomRecord() { return gestures_.ZoomRecord(); }
    const TZoomPanningRecord& ZoomRecord() const { return gestures_.ZoomRecord(); }
    TZoomPanningRecord& PanningRecord() { return gestures_.PanningRecord(); }
    const TZoomPanningRecord& PanningRecord() const { return gestures_.PanningRecord(); }
    // The top, left, right and bottom axes as the first zoom or scroll found
    // them; AxesSaved while that state is not restored.
    const std::array<TAxisSavedState, 4>& SavedAxes() const { return gestures_.SavedAxes(); }
    bool AxesSaved() const { return gestures_.AxesSaved(); }
    // Set by a zoom, cleared by UndoZoom.
    bool Zoomed() const { return gestures_.Zoomed(); }

    // The part that the client pixel (x, y) lies on, as of the last paint:
    // legend, series (the last drawn first), axis, title, foot, plot.
    TChartClickedPart ClickedPart(int x, int y);

    // A press on a series, an axis or the plot starts the gesture of its
    // button; presses during a gesture are ignored. The host passes every
    // press, move and release from press to release, also outside the chart.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    // Zooms every axis to the rubber band's pixel corners.
    virtual void ZoomRect();
    // New ranges for the four axes; the first zoom saves the axes.
    virtual void ZoomValues(double topMin, double topMax, double bottomMin, double bottomMax, double leftMin,
                            double leftMax, double rightMin, double rightMax);
    // Restores the axes from before the first zoom or scroll, if saved, and repaints.
    virtual void UndoZoom();
    // Shifts the axis' range by the values between the two pixels, so that
    // the content follows the mouse from pixel from to pixel to.
    void ScrollAxis(TChartAxis& axis, int from, int to);

    // Events; the toolkit's mouse events come first in each handler.
    std::function<void(TMouseButton, TShiftState, int, int)> OnMouseDown;
    std::function<void(TShiftState, int, int)> OnMouseMove;
    std::function<void(TMouseButton, TShiftState, int, int)> OnMouseUp;
    std::function<void()> OnZoom;
    std::function<void()> OnUndoZoom;
    std::function<void()> OnScroll;
    // Asked before each axis scrolls to the new ends; clearing allow vetoes it.
    std::function<void(TChartAxis& axis, double newMinimum, double newMaximum, bool& allow)> OnAllowScroll;
    // When assigned, a press on an axis or on the plot goes to it instead of
    // starting a gesture.
    std::function<void(TChartAxis& axis, TMouseButton, TShiftState, int, int)> OnClickAxis;
    std::function<void(TMouseButton, TShiftState, int, int)> OnClickBackground;

private:
    void DrawLegendAndTitles(Canvas& canvas);
    void DrawTitles(Canvas& canvas);
    void DrawAxes(Canvas& canvas);
    void DrawAllSeries(Canvas& canvas);
    void DrawBevel(Canvas& canvas, TRect& rect, TPanelBevel bevel, int width);

    // The series listed in the legend (active and shown in it) and the n-th
    // of them; null past the last.
    int LegendSeriesCount() const;
    TChartSeries* LegendSeries(int n) const;
    SideLegendSettings LegendSettings() const;
    void DrawLegendBox(Canvas& canvas, const SideLegendSettings& settings, const TRect& box);
    void DrawLegendItems(Canvas& canvas, const SideLegendLayout& legend, int rows, int fontHeight);

    bool allowZoom_ = true;
    TPanningMode allowPanning_ = pmBoth;
    bool animatedZoom_ = false;
    int animatedZoomSteps_ = 8;
    TChartGestures gestures_{*this};
};

} // namespace otpor
