// The state of one axis as a zoom or a scroll found it, so that the undo of
// the zoom can bring it back: its automatic flags and its fixed ends (axis
// units: mm for the length axis, N for the force axis).
#pragma once

namespace otpor {

struct TAxisSavedState {
    bool Automatic = false;
    bool AutomaticMinimum = false;
    bool AutomaticMaximum = false;
    double Minimum = 0;
    double Maximum = 0;
};

} // namespace otpor
