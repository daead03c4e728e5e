// A mouse drag on the chart: the zoom's rubber band or the scroll drag. The
// press point and the latest point are client pixels of the chart, and may lie
// outside it while the mouse is captured.
#pragma once

namespace otpor {

struct TZoomPanningRecord {
    bool Active = false;
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;
};

} // namespace otpor
