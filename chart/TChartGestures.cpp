#include "chart/TChartGestures.h"

#include "chart/TCustomChart.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace otpor {

namespace {

// The order of SavedAxes.
enum SavedAxisIndex { SavedTop, SavedLeft, SavedRight, SavedBottom };

// Whether an assigned click event takes the press; else the gesture starts.
bool ClickClaimed(TCustomChart& chart, const TChartClickedPart& part, TMouseButton button, TShiftState shift,
                  int x, int y)
{
    if (part.Part == cpSeries && part.Series->OnClick) {
        part.Series->OnClick(*part.Series, part.PointIndex, button, shift, x, y);
        return true;
    }
    if (part.Part == cpAxis && chart.OnClickAxis) {
        chart.OnClickAxis(*part.Axis, button, shift, x, y);
        return true;
    }
    if (part.Part == cpPlotArea && chart.OnClickBackground) {
        chart.OnClickBackground(button, shift, x, y);
        return true;
    }
    return false;
}

} // namespace

// The cursor stays the chart's own arrow throughout: the program's series
// have no cursor of their own.
void TChartGestures::Press(TMouseButton button, TShiftState shift, int x, int y)
{
    // A second button pressed during a drag is ignored.
    if (zoom_.Active || panning_.Active)
        return;
    const TChartClickedPart part = chart_.ClickedPart(x, y);
    if (part.Part != cpSeries && part.Part != cpAxis && part.Part != cpPlotArea)
        return;
    if (ClickClaimed(chart_, part, button, shift, x, y))
        return;
    if (chart_.AllowZoom() && button == TCustomChart::ZoomMouseButton &&
        (shift & TCustomChart::ZoomKeyShift) == TCustomChart::ZoomKeyShift) {
        zoom_ = {true, x, y, x, y};
        chart_.InvalidateWindow();
    }
    if (chart_.AllowPanning() != pmNone && button == TCustomChart::ScrollMouseButton &&
        (shift & TCustomChart::ScrollKeyShift) == TCustomChart::ScrollKeyShift)
        panning_ = {true, x, y, x, y};
}

void TChartGestures::Move(int x, int y)
{
    if (zoom_.Active) {
        if (x != zoom_.X1 || y != zoom_.Y1) {
            zoom_.X1 = x;
            zoom_.Y1 = y;
            // The host shows the band anew over the picture as it is.
            chart_.InvalidateWindow();
        }
        return;
    }
    if (!panning_.Active)
        return;
    if (!chart_.PlotRect().Contains(x, y)) {
        // Leaving the plot ends the scroll for the rest of the drag.
        panning_.Active = false;
        return;
    }
    if (x == panning_.X1 && y == panning_.Y1)
        return;
    if (!axesSaved_)
        SaveAxes();
    const TPanningMode mode = chart_.AllowPanning();
    bool scrolled = false;
    if (x != panning_.X1 && (mode == pmHorizontal || mode == pmBoth)) {
        chart_.ScrollAxis(chart_.BottomAxis, panning_.X1, x);
        chart_.ScrollAxis(chart_.TopAxis, panning_.X1, x);
        scrolled = true;
    }
    if (y != panning_.Y1 && (mode == pmVertical || mode == pmBoth)) {
        chart_.ScrollAxis(chart_.LeftAxis, panning_.Y1, y);
        chart_.ScrollAxis(chart_.RightAxis, panning_.Y1, y);
        scrolled = true;
    }
    panning_.X1 = x;
    panning_.Y1 = y;
    if (scrolled) {
        if (chart_.OnScroll)
            chart_.OnScroll();
        chart_.Invalidate();
    }
}

void TChartGestures::Scroll(TChartAxis& axis, int from, int to)
{
    // On the layout of the last paint, which the user sees.
    const TScaleMap& map = axis.Scale();
    const double d = map.PixelToValue(from) - map.PixelToValue(to);
    const double newMinimum = axis.Minimum() + d;
    const double newMaximum = axis.Maximum() + d;
    bool allow = true;
    if (chart_.OnAllowScroll)
        chart_.OnAllowScroll(axis, newMinimum, newMaximum, allow);
    if (allow)
        axis.SetRange(newMinimum, newMaximum);
}

void TChartGestures::Release(TMouseButton button, int x, int y)
{
    if (zoom_.Active && button == TCustomChart::ZoomMouseButton) {
        zoom_.Active = false;
        chart_.InvalidateWindow();
        zoom_.X1 = x;
        zoom_.Y1 = y;
        const std::int64_t dx = std::int64_t{x} - zoom_.X0;
        const std::int64_t dy = std::int64_t{y} - zoom_.Y0;
        if (std::llabs(dx) > TCustomChart::MinimumDragPixels &&
            std::llabs(dy) > TCustomChart::MinimumDragPixels) {
            if (dx > 0 && dy > 0)
                chart_.ZoomRect();
            else
                chart_.UndoZoom();
            chart_.Invalidate();
        }
    }
    panning_.Active = false;
}

void TChartGestures::ZoomToBand()
{
    if (zoom_.X0 > zoom_.X1)
        std::swap(zoom_.X0, zoom_.X1);
    if (zoom_.Y0 > zoom_.Y1)
        std::swap(zoom_.Y0, zoom_.Y1);
    const TScaleMap& top = chart_.TopAxis.Scale();
    const TScaleMap& bottom = chart_.BottomAxis.Scale();
    const TScaleMap& left = chart_.LeftAxis.Scale();
    const TScaleMap& right = chart_.RightAxis.Scale();
    chart_.ZoomValues(top.PixelToValue(zoom_.X0), top.PixelToValue(zoom_.X1), bottom.PixelToValue(zoom_.X0),
                      bottom.PixelToValue(zoom_.X1), left.PixelToValue(zoom_.Y1), left.PixelToValue(zoom_.Y0),
                      right.PixelToValue(zoom_.Y1), right.PixelToValue(zoom_.Y0));
}

void TChartGestures::Zoom(double topMin, double topMax, double bottomMin, double bottomMax, double leftMin,
                          double leftMax, double rightMin, double rightMax)
{
    // A further zoom keeps what the first one saved.
    if (!axesSaved_)
        SaveAxes();
    chart_.LeftAxis.SetRange(leftMin, leftMax);
    chart_.RightAxis.SetRange(rightMin, rightMax);
    chart_.TopAxis.SetRange(topMin, topMax);
    chart_.BottomAxis.SetRange(bottomMin, bottomMax);
    zoomed_ = true;
    if (chart_.OnZoom)
        chart_.OnZoom();
}

void TChartGestures::SaveAxes()
{
    const auto save = [](const TChartAxis& axis) {
        return TAxisSavedState{axis.Automatic(), axis.AutomaticMinimum(), axis.AutomaticMaximum(),
                               axis.Minimum(), axis.Maximum()};
    };
    savedAxes_[SavedTop] = save(chart_.TopAxis);
    savedAxes_[SavedLeft] = save(chart_.LeftAxis);
    savedAxes_[SavedRight] = save(chart_.RightAxis);
    savedAxes_[SavedBottom] = save(chart_.BottomAxis);
    axesSaved_ = true;
}

void TChartGestures::Undo()
{
    if (axesSaved_) {
        const auto restore = [](TChartAxis& axis, const TAxisSavedState& saved) {
            axis.SetAutomatic(saved.Automatic);
            axis.SetAutomaticMinimum(saved.AutomaticMinimum);
            axis.SetAutomaticMaximum(saved.AutomaticMaximum);
            if (!axis.Automatic())
                axis.SetRange(saved.Minimum, saved.Maximum);
        };
        restore(chart_.TopAxis, savedAxes_[SavedTop]);
        restore(chart_.BottomAxis, savedAxes_[SavedBottom]);
        restore(chart_.LeftAxis, savedAxes_[SavedLeft]);
        restore(chart_.RightAxis, savedAxes_[SavedRight]);
    }
    axesSaved_ = false;
    if (chart_.OnUndoZoom)
        chart_.OnUndoZoom();
    chart_.Invalidate();
    zoomed_ = false;
}

} // namespace otpor
