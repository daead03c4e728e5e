// The picture canvas of the page: shapes set by the Rasterizer into an RGBA
// bitmap laid out as a browser's image data, and text measured (as at a scale
// of 1) and drawn (at the device's size) by the browser's 2D canvas into the
// same bitmap, in drawing order (the page's glue copies the text's
// neighbourhood out, draws the text over it and copies it back). Coordinates
// are layout (CSS) pixels; the bitmap has Scale() device pixels to each, the
// page's devicePixelRatio. The page hands the bitmap to putImageData as it is.
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

    void TextOut(int x, int y, std::string_view text) override;
    void RotatedTextOut(int x, int y, std::string_view text, int angleDegrees) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;

protected:
    void ScaleChanged() override { MakeBitmap(); }

private:
    // Text in the current font into the bitmap: (originX, originY) is the
    // turning point, (left, top) the cell's corner relative to it, and only
    // the pixels of box (relative to the origin) within the clip may change.
    void DrawText(const TRect& box, std::int64_t originX, std::int64_t originY, std::int64_t left,
                  std::int64_t top, int angleDegrees, std::string_view text);

    void MakeBitmap();

    int width_;
    int height_;
    int deviceWidth_ = 0;
    int deviceHeight_ = 0;
    std::vector<std::uint32_t> pixels_;
    std::vector<TRect> textCells_;
};

} // namespace otpor::web
