// A bitmap for the rasterizer's tests, with no Qt: 32-bit words 0xFFRRGGBB,
// colours compared as 0x00BBGGRR values, counts of pixels over regions.
#pragma once

#include "platform/Color.h"
#include "platform/Rasterizer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace otpor::test {

constexpr std::uint32_t PixelOf(TColor c)
{
    return 0xFF000000u | static_cast<std::uint32_t>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
}

constexpr TColor ColorOf(std::uint32_t p)
{
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

// A white bitmap of width x height pixels with a rasterizer on it; the
// stride is wider than a row, so that a write past a row's end shows.
struct Bitmap {
    static constexpr int Slack = 3;

    Bitmap(int w, int h)
        : width(w), height(h), bits(static_cast<std::size_t>((w + Slack) * h), PixelOf(clWhite))
    {
        raster.Attach(bits.data(), w + Slack, w, h);
    }

    TColor At(int x, int y) const { return ColorOf(bits[static_cast<std::size_t>(y * (width + Slack) + x)]); }
    std::uint32_t Word(int x, int y) const { return bits[static_cast<std::size_t>(y * (width + Slack) + x)]; }
    TRect Whole() const { return {0, 0, width, height}; }

    int width;
    int height;
    std::vector<std::uint32_t> bits;
    Rasterizer raster;
};

// How many pixels of the rectangle (right and bottom excluded) have the
// colour, for any picture given by its colour at (x, y).
template <class ColorAt> int CountColorOf(ColorAt at, const TRect& r, TColor color)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += at(x, y) == color ? 1 : 0;
    return n;
}

// The smallest rectangle holding every pixel of the width x height picture
// that is not the colour; empty when there is none.
template <class ColorAt> TRect BoundsOfOtherOf(ColorAt at, int width, int height, TColor background)
{
    TRect r{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (at(x, y) == background)
                continue;
            r.Left = std::min(r.Left, x);
            r.Top = std::min(r.Top, y);
            r.Right = std::max(r.Right, x + 1);
            r.Bottom = std::max(r.Bottom, y + 1);
        }
    }
    return r.IsEmpty() ? TRect{} : r;
}

inline int CountColor(const Bitmap& b, const TRect& r, TColor color)
{
    return CountColorOf([&b](int x, int y) { return b.At(x, y); }, r, color);
}

inline TRect BoundsOfOther(const Bitmap& b, TColor background)
{
    return BoundsOfOtherOf([&b](int x, int y) { return b.At(x, y); }, b.width, b.height, background);
}

} // namespace otpor::test
