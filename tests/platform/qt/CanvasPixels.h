// Pixel helpers for the tests of the QImage canvas: colours compared as
// 0x00BBGGRR values, counts of pixels over regions.
#pragma once

#include "platform/qt/QImageCanvas.h"

namespace otpor::test {

// The pixel at (x, y) as a TColor.
inline TColor PixelAt(const qt::QImageCanvas& canvas, int x, int y)
{
    const QRgb p = canvas.Image().pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

// How many pixels of the rectangle (right and bottom excluded) have the colour.
inline int CountColor(const qt::QImageCanvas& canvas, const TRect& r, TColor color)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += PixelAt(canvas, x, y) == color ? 1 : 0;
    return n;
}

inline TRect Whole(const qt::QImageCanvas& canvas)
{
    return {0, 0, canvas.Width(), canvas.Height()};
}

// The smallest rectangle holding every pixel that is not the colour; empty
// when there is none.
inline TRect BoundsOfOther(const qt::QImageCanvas& canvas, TColor background)
{
    TRect b{canvas.Width(), canvas.Height(), 0, 0};
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (PixelAt(canvas, x, y) == background)
                continue;
            b.Left = std::min(b.Left, x);
            b.Top = std::min(b.Top, y);
            b.Right = std::max(b.Right, x + 1);
            b.Bottom = std::max(b.Bottom, y + 1);
        }
    }
    return b.IsEmpty() ? TRect{} : b;
}

} // namespace otpor::test
