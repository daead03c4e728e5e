// A Canvas whose shapes are set pixel by pixel by the Rasterizer into a 32-bit
// bitmap that the caller owns, without any window system, and whose text a
// platform's TextEngine measures and renders: the whole picture canvas of
// every platform. What differs is left to the derived canvas: which engine,
// and through Pixels() how the bitmap is reached.
//
// Text is measured in layout pixels as at a scale of 1 and drawn at the
// device's size. Its cell (TextWidth x TextHeight) is filled with the
// background colour when the background mode is opaque and the brush is not
// clear: a clear brush means a transparent text background.
//
// Pixel words are opaque: 0xFFRRGGBB (PixelOrder::Xrgb, a QImage's RGB32) or,
// for a browser's image data, bytes R, G, B, A in memory (PixelOrder::Rgba).
#pragma once

#include "platform/Canvas.h"
#include "platform/Rasterizer.h"
#include "platform/TextEngine.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace otpor {

enum class PixelOrder { Xrgb, Rgba };

class RasterCanvas : public Canvas {
public:
    RasterCanvas(PixelOrder order, std::unique_ptr<TextEngine> text);

    // The pixel word of a colour (system colours resolved).
    std::uint32_t ToPixel(TColor c) const;
    // Device pixels per layout pixel.
    double Scale() const { return raster_.Scale(); }
    // A white bitmap at the new scale (clamped to what the rasterizer draws),
    // with the same drawing state; false, and nothing changed, when the scale
    // is the one drawn at.
    bool SetScale(double scale);

    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(const TRect& r) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Polygon(std::span<const TPoint> points) override;
    void Polyline(std::span<const TPoint> points) override;
    // The lines of LineTo with the pen looked up once for the run.
    void PolylineTo(std::span<const TPoint> points) override;
    void BandFill(int x, int y, int w, int h, TColor color) override;
    void Bevel(const TRect& r, TColor topLeft, TColor bottomRight, int width) override;
    void ClipRect(const TRect& r) override;
    void RemoveClip() override;

    void TextOut(int x, int y, std::string_view text) override;
    void RotatedTextOut(int x, int y, std::string_view text, int angleDegrees) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;

protected:
    void DrawLine(TPoint from, TPoint to) override;
    // The scale has changed: the derived canvas makes its bitmap anew.
    virtual void ScaleChanged() = 0;

    // The rasterizer on the bitmap, with the canvas's clip.
    virtual Rasterizer& Pixels() { return raster_; }
    Rasterizer& Raster() { return raster_; }
    TextEngine& Texts() { return *text_; }
    bool Clipped() const { return clipped_; }
    const TRect& ClipRectangle() const { return clip_; }

    // A text was drawn: the device pixels about it that it may have
    // touched (its cell or its turning circle, widened by the glyphs'
    // overhang, clipped).
    virtual void TextPlaced(const TRect&) {}

private:
    // The top-left of the cell of a text of the size anchored at (x, y) by
    // the current alignment.
    void CellOrigin(std::int64_t x, std::int64_t y, int width, int height, std::int64_t& left,
                    std::int64_t& top) const;
    // Whether a box around (left, top) of the size, widened by slack, can
    // touch the clip (all in layout pixels): keeps far-away anchors away from
    // the text engine.
    bool NearClip(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
                  std::int64_t slack);
    // The text's rendering blended in the font's colour with its anchor at
    // layout (x, y); (cellLeft, cellTop) as for TextEngine::Stamp; reach is
    // how far (layout pixels) about the anchor it may touch.
    void DrawText(std::string_view text, int angle, std::int64_t cellLeft, std::int64_t cellTop,
                  std::int64_t x, std::int64_t y, const TRect& reach);

    bool PenVisible() const;
    LineStyle CurrentLineStyle() const;
    RasterOp CurrentOp() const;
    // The brush's fill and the visible pen, or nothing.
    std::optional<std::uint32_t> CurrentFill() const;
    std::optional<LineStyle> CurrentPen() const;

    PixelOrder order_;
    Rasterizer raster_;
    std::unique_ptr<TextEngine> text_;
    bool clipped_ = false;
    TRect clip_;
};

} // namespace otpor
