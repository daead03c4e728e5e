// A sweep: one numeric input taking a row of evenly spaced values, from one
// end to the other, both included, each on a step of its control; the other
// inputs stay as given. Written NAME=FROM:TO:COUNT, for example
// feed=0.05:0.50:10 for the feeds 0.05, 0.10, ..., 0.50 mm/rev.
#pragma once

#include "cli/NumericInput.h"

#include <string_view>
#include <vector>

namespace otpor {

struct SweepRange {
    const NumericInput* Input = nullptr;
    int From = 0, To = 0; // control values
    int Count = 0;        // number of values, at least 2

    // The control values in order, From first.
    std::vector<int> Values() const;
};

// Refuses, with UsageError naming --sweep, a text not of that form, an unknown
// NAME, an end outside the control's range or off its step, a COUNT below 2,
// equal ends, and a COUNT whose spacing falls between the control's steps
// (the message then lists the counts that fit).
SweepRange ParseSweep(std::string_view text);

} // namespace otpor
