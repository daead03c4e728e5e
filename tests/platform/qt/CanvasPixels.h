// Pixel helpers for the tests of the QImage canvas: the rasterizer tests'
// questions (colours as 0x00BBGGRR values, counts over regions) asked of it.
#pragma once

#include "../RasterPixels.h"
#include "platform/qt/QImageCanvas.h"

namespace otpor::test {

// The pixel at (x, y) as a TColor.
inline TColor PixelAt(const qt::QImageCanvas& canvas, int x, int y)
{
    const QRgb p = canvas.Image().pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

inline int CountColor(const qt::QImageCanvas& canvas, const TRect& r, TColor color)
{
    return CountColorOf([&canvas](int x, int y) { return PixelAt(canvas, x, y); }, r, color);
}

inline TRect Whole(const qt::QImageCanvas& canvas)
{
    return {0, 0, canvas.Width(), canvas.Height()};
}

inline TRect BoundsOfOther(const qt::QImageCanvas& canvas, TColor background)
{
    return BoundsOfOtherOf([&canvas](int x, int y) { return PixelAt(canvas, x, y); }, canvas.Width(),
                           canvas.Height(), background);
}

} // namespace otpor::test
