// The picture canvas of the page: shapes set by the Rasterizer into an RGBA
// bitmap laid out as a browser's image data, and text from the browser's 2D
// canvas (BrowserTextEngine), in drawing order. Coordinates are layout (CSS)
// pixels; the bitmap has Scale() device pixels to each, the page's
// devicePixelRatio. The page hands the bitmap to putImageData as it is.
#pragma once

#include "platform/RasterCanvas.h"

#include <cstdint>
#include <vector>

namespace otpor::web {

class WebCanvas final : public RasterCanvas {
public:
    // A white bitmap of width x height layout pixels at the scale.
    WebCanvas(int width, int height, double scale = 1);

    // Layout pixels.
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The bitmap's pixels.
    int DeviceWidth() const { return deviceWidth_; }
    int DeviceHeight() const { return deviceHeight_; }
    const std::uint32_t* Bits() const { return pixels_.data(); }

    // The rectangles the text of the current picture touched (cells widened
    // by the glyphs' overhang, clipped; device pixels); cleared by BeginPicture.
    const std::vector<TRect>& TextCells() const { return textCells_; }
    void BeginPicture() { textCells_.clear(); }

protected:
    void ScaleChanged() override { MakeBitmap(); }
    void TextPlaced(const TRect& cell) override { textCells_.push_back(cell); }

private:
    void MakeBitmap();

    int width_;
    int height_;
    int deviceWidth_ = 0;
    int deviceHeight_ = 0;
    std::vector<std::uint32_t> pixels_;
    std::vector<TRect> textCells_;
};

// The pictures' text on the page: the browser's glyphs (web/canvas-text.js),
// measured in whole pixels as a hinting font engine gives them, so that the
// chart is laid out as on the desktop: each glyph's advance rounded on its
// own, the ascent rounded up and the descent to the nearest pixel.
class BrowserTextEngine final : public TextEngine {
protected:
    FaceMetrics OpenFace(std::size_t face, const std::string& name, int pixels, bool bold,
                         bool italic) override;
    int MeasureWidth(std::size_t face, std::string_view text) override;
    int Advance64(std::size_t face, char c) override;
    bool AdvancesAdd(std::size_t, char, char) override { return true; }
    void Render(std::size_t face, std::string_view text, int angle, int cellLeft, int cellTop, double scale,
                int anchorX, int anchorY, int width, int height, std::uint8_t* coverage) override;

private:
    struct BrowserFace {
        std::string Name;
        int Pixels;
        bool Bold;
        bool Italic;
        int Ascent;
    };
    std::vector<BrowserFace> faces_;
};

} // namespace otpor::web
