#include "platform/qt/QImageCanvas.h"

#include "platform/qt/QtTextEngine.h"

#include <algorithm>
#include <memory>

namespace otpor::qt {

namespace {

using i64 = std::int64_t;

// No bitmap side beyond this (device pixels): a picture at the largest scale
// stays far below it.
constexpr i64 MaxImageSide = 1 << 15;

} // namespace

QImageCanvas::QImageCanvas(int width, int height, double scale)
    : RasterCanvas(PixelOrder::Xrgb, std::make_unique<QtTextEngine>())
{
    Raster().SetScale(scale);
    SetSize(width, height);
}

QImageCanvas::~QImageCanvas() = default;

void QImageCanvas::SetSize(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    MakeImage();
}

void QImageCanvas::ScaleChanged()
{
    MakeImage();
}

void QImageCanvas::MakeImage()
{
    const Rasterizer& px = Raster();
    const auto device = [&](int v) { return static_cast<int>(std::min<i64>(px.ToDevice(v), MaxImageSide)); };
    image_ = QImage(device(width_), device(height_), QImage::Format_RGB32);
    image_.setDevicePixelRatio(Scale());
    image_.fill(Qt::white);
    // The new bitmap may lie where the old one did: attach afresh.
    Raster().Attach(nullptr, 0, 0, 0);
    RemoveClip();
}

Rasterizer& QImageCanvas::Pixels()
{
    // A copy of Image() shares the pixels until one side writes; detach first.
    const auto* current = reinterpret_cast<const std::uint32_t*>(image_.constBits());
    Rasterizer& raster = Raster();
    if (!image_.isDetached() || raster.Bits() != current || current == nullptr) {
        auto* bits = reinterpret_cast<std::uint32_t*>(image_.bits());
        raster.Attach(bits, image_.bytesPerLine() / static_cast<qsizetype>(sizeof(std::uint32_t)),
                      image_.width(), image_.height());
        if (Clipped())
            raster.SetClip(ClipRectangle());
    }
    return raster;
}

} // namespace otpor::qt
