// The zoom and scroll gestures of a chart, apart from its drawing: a left
// drag to the lower right zooms every axis into the dragged rectangle, any
// other left drag restores the axes from before the first zoom or scroll, a
// right drag inside the plot scrolls. It holds the two drags and the saved
// axes; a front-end feeds it presses, moves and releases in client px of the
// chart (the desktop widget from the mouse, the web page from mouse and touch
// events) through the chart's MouseDown, MouseMove and MouseUp.
#pragma once

#include "chart/ChartTypes.h"
#include "chart/TAxisSavedState.h"
#include "chart/TZoomPanningRecord.h"

#include <array>

namespace otpor {

class TCustomChart;
class TChartAxis;

class TChartGestures {
public:
    explicit TChartGestures(TCustomChart& chart) : chart_(chart) {}
    TChartGestures(const TChartGestures&) = delete;
    TChartGestures& operator=(const TChartGestures&) = delete;

    // The drags in progress.
    TZoomPanningRecord& ZoomRecord() { return zoom_; }
    const TZoomPanningRecord& ZoomRecord() const { return zoom_; }
    TZoomPanningRecord& PanningRecord() { return panning_; }
    const TZoomPanningRecord& PanningRecord() const { return panning_; }
    // The top, left, right and bottom axes as the first zoom or scroll found
    // them; AxesSaved while that state is not restored.
    const std::array<TAxisSavedState, 4>& SavedAxes() const { return savedAxes_; }
    bool AxesSaved() const { return axesSaved_; }
    // Set by a zoom, cleared by an undo.
    bool Zoomed() const { return zoomed_; }

    // A press on a series, an axis or the plot starts the drag of its button,
    // unless a click event assigned to that part takes it; presses during a
    // drag are ignored.
    void Press(TMouseButton button, TShiftState shift, int x, int y);
    // Moves the band, or scrolls the axes by the move inside the plot.
    void Move(int x, int y);
    // Ends the drags: a band released far enough zooms or undoes.
    void Release(TMouseButton button, int x, int y);

    // The rubber band's pixel corners as value ranges of every axis, handed
    // to the chart's ZoomValues.
    void ZoomToBand();
    // New ranges for the four axes; the first zoom saves the axes.
    void Zoom(double topMin, double topMax, double bottomMin, double bottomMax, double leftMin,
              double leftMax, double rightMin, double rightMax);
    // Restores the saved axes, if any, and repaints.
    void Undo();
    // Shifts the axis' range by the values between the two pixels.
    void Scroll(TChartAxis& axis, int from, int to);

private:
    void SaveAxes();

    TCustomChart& chart_;
    TZoomPanningRecord zoom_;
    TZoomPanningRecord panning_;
    std::array<TAxisSavedState, 4> savedAxes_{};
    bool axesSaved_ = false;
    bool zoomed_ = false;
};

} // namespace otpor
