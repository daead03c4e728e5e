// The real drawing surface of both pictures on the desktop: a Canvas on a
// QImage (Format_RGB32), the off-screen bitmap that the animation window and
// the oscillograph show. Coordinates are layout pixels, origin top-left; the
// bitmap has Scale() device pixels to each (the screen's device pixel ratio
// times the form's zoom), and the image carries that ratio.
//
// Shapes and lines are set pixel by pixel by the Rasterizer, so that the
// classic conventions hold exactly at a scale of 1 (end pixel of a line left
// out, right and bottom edges excluded, even-odd fill, an exact not-xor), hold
// on device pixels at any other, and any int coordinate is safe; text is Qt's
// (QtTextEngine), drawn by the raster canvas.
//
// A copy of Image() taken at any time is a snapshot, because the canvas
// detaches the image before it draws again.
#pragma once

#include "platform/RasterCanvas.h"

#include <QImage>

namespace otpor::qt {

class QImageCanvas final : public RasterCanvas {
public:
    // A white bitmap of width x height layout pixels at the scale.
    QImageCanvas(int width, int height, double scale = 1);
    ~QImageCanvas() override;
    QImageCanvas(const QImageCanvas&) = delete;
    QImageCanvas& operator=(const QImageCanvas&) = delete;

    // Device pixels; its devicePixelRatio() is the scale.
    const QImage& Image() const { return image_; }
    // Layout pixels.
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Replaces the bitmap by a white one of the new size (a resized control
    // draws into a new picture); the drawing state stays, the clip is removed.
    void SetSize(int width, int height);

protected:
    // The rasterizer on an image that nobody else shares.
    Rasterizer& Pixels() override;
    void ScaleChanged() override;

private:
    void MakeImage();

    int width_ = 0;
    int height_ = 0;
    QImage image_;
};

} // namespace otpor::qt
