// The value-to-pixel map of one axis on the plot of one layout: the pixel
// ends of the plot along the axis, the value ends of the axis' range, and
// whether the axis is inverted. It is a plain value, copied once per paint
// by whoever maps many points (the series' drawing), and used between paints
// by zoom and scroll, on the layout of the last paint. Client px; values in
// axis units (mm, N).
#pragma once

#include "platform/Geometry.h"

namespace otpor {

class TScaleMap {
public:
    // An empty map: every value at pixel 0, every pixel at value 0.
    TScaleMap() = default;
    // horizontal: the map runs along x over plot.Left ... plot.Right, else
    // along y over plot.Bottom ... plot.Top. min maps to the left (bottom)
    // edge and max to the right (top) one; inverted swaps the edges.
    TScaleMap(bool horizontal, const TRect& plot, double min, double max, bool inverted);

    // The same axis on plot with the pixels before (left or top) and after
    // (right or bottom) taken off its ends.
    TScaleMap Shrunk(int before, int after) const;

    // Pixel of v: Round(Length × (v - Min) / Size) px from the edge of Min.
    // Values outside the range land outside the plot, saturated at the ends
    // of int; a range of size 0 maps everything to the plot's centre.
    int ValueToPixel(double v) const;
    // Value at pixel p: the inverse of ValueToPixel up to rounding; 0 when the
    // plot has no extent along the axis.
    double PixelToValue(int p) const;

    bool Horizontal() const { return horizontal_; }
    bool Inverted() const { return inverted_; }
    double Min() const { return min_; }
    double Max() const { return max_; }
    double Size() const { return size_; }
    // The plot the map was built on, and its extent along the axis.
    const TRect& Plot() const { return plot_; }
    int Length() const { return length_; }
    // Where every value lands when the range has size 0.
    int Centre() const { return centre_; }
    // The pixels where Min and Max land.
    int MinPixel() const { return minPixel_; }
    int MaxPixel() const { return maxPixel_; }

private:
    bool horizontal_ = true;
    bool inverted_ = false;
    TRect plot_;
    double min_ = 0;
    double max_ = 0;
    double size_ = 0;
    int length_ = 0;
    int centre_ = 0;
    int minPixel_ = 0;
    int maxPixel_ = 0;
};

} // namespace otpor
