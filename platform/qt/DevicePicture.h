// The off-screen picture of a control, kept at the device pixel ratio of the
// screen it is shown on: at a ratio of 1 a QImageCanvas, exact to the pixel;
// at any other ratio a QPainterCanvas of the same layout size with that many
// more device pixels. Either way the drawing code sees a Canvas in layout
// pixels, and Image() carries its ratio, so QPainter shows it at the
// control's layout size.
#pragma once

#include "platform/qt/QImageCanvas.h"
#include "platform/qt/QPainterCanvas.h"

#include <QImage>

#include <optional>

namespace otpor::qt {

class DevicePicture {
public:
    // A white picture of width x height layout pixels.
    DevicePicture(int width, int height, double ratio = 1);

    otpor::Canvas& Canvas();
    const otpor::Canvas& Canvas() const { return const_cast<DevicePicture*>(this)->Canvas(); }
    // Device pixels; devicePixelRatio() is Ratio().
    const QImage& Image() const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    double Ratio() const { return ratio_; }

    // A white picture of the new layout size; the drawing state stays.
    void SetSize(int width, int height);
    // A white picture at the new ratio, with the same drawing state; false
    // (and nothing changed) when the ratio is the same.
    bool SetRatio(double ratio);
    // The picture is finished: the canvas lets go of its painter.
    void EndFrame();

private:
    void Make();

    int width_;
    int height_;
    double ratio_;
    std::optional<QImageCanvas> exact_;
    std::optional<QPainterCanvas> scaled_;
};

} // namespace otpor::qt
