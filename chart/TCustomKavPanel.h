// The panel layer of the chart control: its bounds, margins and bevels, the
// state of the off-screen picture (stale or current), the repaint request,
// and the rectangles of the last paint: the whole panel and the plotting
// rectangle PlotRect that the axes map onto (client px). The host widget
// owns the picture itself and calls Draw when the picture is stale.
#pragma once

#include "chart/ChartTypes.h"
#include "chart/TChartChangeSink.h"
#include "platform/Canvas.h"
#include "platform/Color.h"
#include "platform/Geometry.h"

#include <functional>

namespace otpor {

class TCustomKavPanel : public TChartChangeSink {
public:
    // A new chart panel is 400 x 250 px.
    static constexpr int DefaultWidth = 400;
    static constexpr int DefaultHeight = 250;

    TCustomKavPanel();
    virtual ~TCustomKavPanel() = default;
    TCustomKavPanel(const TCustomKavPanel&) = delete;
    TCustomKavPanel& operator=(const TCustomKavPanel&) = delete;

    // --- repaint -----------------------------------------------------------
    // Marks the picture stale and asks the host for a paint; nothing happens
    // before the panel is constructed or while the chart is being destroyed.
    // Cheap: the host coalesces the requests into one paint.
    void Invalidate();
    void Changed() override { Invalidate(); }
    // Asks the host to show the picture again as it is, without drawing it
    // anew: the rubber band moved and lies over the picture.
    void InvalidateWindow();
    // The host's paint request (the widget's update()).
    void SetOnInvalidate(std::function<void()> request) { onInvalidate_ = std::move(request); }
    bool Constructed() const { return constructed_; }
    // Painting goes to the host's off-screen picture, shown with one copy.
    bool Buffered() const { return buffered_; }
    void SetBuffered(bool b);
    // The picture needs drawing anew; true until the first paint.
    bool BufferStale() const { return bufferStale_; }

    // --- bounds ------------------------------------------------------------
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    TRect ClientRect() const { return {0, 0, width_, height_}; }
    // The host calls this when its widget moves or resizes: the picture is
    // dropped by the host and drawn anew at the next paint.
    void SetBounds(int left, int top, int width, int height);

    // --- panel properties --------------------------------------------------
    // Percent of the panel width (left, right) or height (top, bottom).
    int MarginLeft() const { return marginLeft_; }
    void SetMarginLeft(int percent) { SetProperty(marginLeft_, percent); }
    int MarginTop() const { return marginTop_; }
    void SetMarginTop(int percent) { SetProperty(marginTop_, percent); }
    int MarginRight() const { return marginRight_; }
    void SetMarginRight(int percent) { SetProperty(marginRight_, percent); }
    int MarginBottom() const { return marginBottom_; }
    void SetMarginBottom(int percent) { SetProperty(marginBottom_, percent); }
    bool View3D() const { return view3D_; }
    void SetView3D(bool v) { SetProperty(view3D_, v); }
    TColor Color() const { return color_; }
    void SetColor(TColor c) { SetProperty(color_, c); }
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel b) { SetProperty(bevelOuter_, b); }
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel b) { SetProperty(bevelInner_, b); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int px) { SetProperty(bevelWidth_, px); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int px) { SetProperty(borderWidth_, px); }

    // --- paint -------------------------------------------------------------
    // Lays out and paints the whole chart on the canvas of the host's picture
    // (clientRect: the widget's client rectangle); afterwards the picture is
    // current.
    void Draw(Canvas& canvas, const TRect& clientRect);
    // The fixed paint sequence on the panel rectangle.
    virtual void InternalDraw(Canvas& canvas, const TRect& panelRect) = 0;

    // --- layout of the last paint -------------------------------------------
    const TRect& PanelRect() const { return panelRect_; }
    const TRect& PlotRect() const { return plotRect_; }
    int PlotWidth() const { return plotWidth_; }
    int PlotHeight() const { return plotHeight_; }
    int PlotXCenter() const { return plotXCenter_; }
    int PlotYCenter() const { return plotYCenter_; }
    // Sets PlotRect and normalises it; a paint lays it out anew, so this only
    // pins a layout for work between paints.
    void SetPlotRect(const TRect& r);
    // Keeps PlotRect inside the panel and non-empty, and derives PlotWidth,
    // PlotHeight and the centres from it.
    void NormalizePlotRect();

    // --- mouse -------------------------------------------------------------
    // Client pixels, which may lie outside the chart while a drag holds the
    // mouse. The panel itself does nothing with them.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

protected:
    // Changes PlotRect's corners; PlotWidth and the rest follow only at the
    // next NormalizePlotRect, as the layout steps rely on.
    void ChangePlotRect(const TRect& r) { plotRect_ = r; }
    // PlotRect was pinned from outside a paint (SetPlotRect).
    virtual void PlotRectPinned() {}
    // Set by the chart's destructor: clearing series then asks for no paint.
    void BeginDestroy() { destroying_ = true; }
    bool Destroying() const { return destroying_; }

    template <class T, class U> void SetProperty(T& field, U&& value)
    {
        if (field != value) {
            field = std::forward<U>(value);
            Invalidate();
        }
    }

private:
    bool constructed_ = false;
    bool destroying_ = false;
    bool buffered_ = true;
    bool bufferStale_ = true;
    std::function<void()> onInvalidate_;

    int left_ = 0;
    int top_ = 0;
    int width_ = DefaultWidth;
    int height_ = DefaultHeight;

    int marginLeft_ = 3;
    int marginTop_ = 4;
    int marginRight_ = 3;
    int marginBottom_ = 4;
    bool view3D_ = true;
    TColor color_ = clBtnFace;
    TPanelBevel bevelOuter_ = bvRaised;
    TPanelBevel bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;

    TRect panelRect_;
    TRect plotRect_;
    int plotWidth_ = 0;
    int plotHeight_ = 0;
    int plotXCenter_ = 0;
    int plotYCenter_ = 0;
};

} // namespace otpor
