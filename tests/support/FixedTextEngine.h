// A text engine with fixed metrics and glyphs for tests without a platform:
// every character CharWidth wide, every line TextHeight high, each glyph a
// solid box one layout pixel inside its cell (level text; turned text covers
// its anchor's device pixel only). It counts what it is asked to do, and a
// RasterCanvas on a plain bitmap draws with it.
#pragma once

#include "platform/RasterCanvas.h"
#include "support/RecordingCanvas.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace otpor::test {

class FixedTextEngine final : public TextEngine {
public:
    explicit FixedTextEngine(FixedMetrics metrics = {}) : metrics_(metrics) {}
    int Faces = 0;
    int Measured = 0;
    int Rendered = 0;

protected:
    FaceMetrics OpenFace(std::size_t, const std::string&, int, bool, bool) override
    {
        ++Faces;
        return {metrics_.TextHeight * 3 / 4, metrics_.TextHeight};
    }
    int MeasureWidth(std::size_t, std::string_view text) override
    {
        ++Measured;
        return metrics_.CharWidth * static_cast<int>(text.size());
    }
    int Advance64(std::size_t, char) override { return metrics_.CharWidth * 64; }
    bool AdvancesAdd(std::size_t, char, char) override { return true; }
    void Render(std::size_t, std::string_view text, int angle, int cellLeft, int cellTop, double scale,
                int anchorX, int anchorY, int width, int height, std::uint8_t* coverage) override
    {
        ++Rendered;
        const auto set = [&](long x, long y) {
            if (x >= 0 && y >= 0 && x < width && y < height)
                coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(x)] = 255;
        };
        if (angle != 0) {
            set(anchorX, anchorY);
            return;
        }
        const auto device = [&](double v) { return std::lround(v * scale); };
        for (std::size_t i = 0; i < text.size(); ++i) {
            const double left = cellLeft + static_cast<double>(i) * metrics_.CharWidth + 1;
            // Within the mask only.
            const long y0 = std::max<long>(device(cellTop + 1), -anchorY);
            const long y1 = std::min<long>(device(cellTop + metrics_.TextHeight - 1), height - anchorY);
            const long x0 = std::max<long>(device(left), -anchorX);
            const long x1 = std::min<long>(device(left + metrics_.CharWidth - 2), width - anchorX);
            for (long y = y0; y < y1; ++y)
                for (long x = x0; x < x1; ++x)
                    set(anchorX + x, anchorY + y);
        }
    }

private:
    FixedMetrics metrics_;
};

// A picture canvas on a plain bitmap (0xFFRRGGBB words) with fixed text.
class FixedTextCanvas final : public RasterCanvas {
public:
    FixedTextCanvas(int width, int height, double scale, FixedMetrics metrics = {})
        : RasterCanvas(PixelOrder::Xrgb, std::make_unique<FixedTextEngine>(metrics)), width_(width),
          height_(height)
    {
        Raster().SetScale(scale);
        MakeBitmap();
    }
    FixedTextEngine& Engine() { return static_cast<FixedTextEngine&>(Texts()); }
    int DeviceWidth() const { return deviceWidth_; }
    std::uint32_t Word(int x, int y) const
    {
        return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(deviceWidth_) +
                       static_cast<std::size_t>(x)];
    }

protected:
    void ScaleChanged() override { MakeBitmap(); }

private:
    void MakeBitmap()
    {
        deviceWidth_ = static_cast<int>(Raster().ToDevice(width_));
        deviceHeight_ = static_cast<int>(Raster().ToDevice(height_));
        pixels_.assign(static_cast<std::size_t>(deviceWidth_) * static_cast<std::size_t>(deviceHeight_),
                       0xFFFFFFFFu);
        Raster().Attach(pixels_.data(), deviceWidth_, deviceWidth_, deviceHeight_);
        RemoveClip();
    }
    int width_, height_, deviceWidth_ = 0, deviceHeight_ = 0;
    std::vector<std::uint32_t> pixels_;
};

} // namespace otpor::test
