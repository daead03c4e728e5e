#include "chart/TScaleMap.h"

#include "platform/Numeric.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace otpor {

namespace {

int ClampToInt(std::int64_t v)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

TScaleMap::TScaleMap(bool horizontal, const TRect& plot, double min, double max, bool inverted)
    : horizontal_(horizontal), inverted_(inverted), plot_(plot), min_(min), max_(max), size_(max - min)
{
    const int low = horizontal ? plot.Left : plot.Bottom;
    const int high = horizontal ? plot.Right : plot.Top;
    length_ =
        ClampToInt(horizontal ? std::int64_t{plot.Right} - plot.Left : std::int64_t{plot.Bottom} - plot.Top);
    centre_ = static_cast<int>((std::int64_t{low} + high) / 2);
    minPixel_ = inverted ? high : low;
    maxPixel_ = inverted ? low : high;
}

TScaleMap TScaleMap::Shrunk(int before, int after) const
{
    TRect r = plot_;
    if (horizontal_) {
        r.Left = ClampToInt(std::int64_t{r.Left} + before);
        r.Right = ClampToInt(std::int64_t{r.Right} - after);
    } else {
        r.Top = ClampToInt(std::int64_t{r.Top} + before);
        r.Bottom = ClampToInt(std::int64_t{r.Bottom} - after);
    }
    return {horizontal_, r, min_, max_, inverted_};
}

int TScaleMap::ValueToPixel(double v) const
{
    if (size_ == 0)
        return centre_;
    // Rows grow downwards: a vertical map rounds its offset as measured
    // upwards from the bottom edge.
    const double length = horizontal_ ? double(length_) : -double(length_);
    const int t = Round(length * (v - min_) / size_);
    return ClampToInt(inverted_ ? std::int64_t{minPixel_} - t : std::int64_t{minPixel_} + t);
}

double TScaleMap::PixelToValue(int p) const
{
    if (length_ <= 0)
        return 0;
    if (horizontal_) {
        const double d = inverted_ ? double(minPixel_) - p : double(p) - minPixel_;
        return d * size_ / length_ + min_;
    }
    const double d = inverted_ ? double(maxPixel_) - p : double(p) - maxPixel_;
    return max_ - d * size_ / length_;
}

} // namespace otpor
