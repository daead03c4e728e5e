#include "web/WebCanvas.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <string>

// The page's text engine (web/canvas-text.js): the font is passed as its
// parts, the text as UTF-8.
EM_JS(int, otpor_text_width,
      (const char* name, int height, int bold, int italic, const char* text, int length), {
          return Module.textEngine.width(UTF8ToString(name), height, bold, italic,
                                         UTF8ToString(text, length));
      });
EM_JS(int, otpor_text_height, (const char* name, int height, int bold, int italic),
      { return Module.textEngine.height(UTF8ToString(name), height, bold, italic); });
EM_JS(void, otpor_text_draw,
      (std::uint32_t * bits, int stride, int cl, int ct, int cr, int cb, int ox, int oy, int bl, int bt,
       int br, int bb, int left, int top, int angle, double scale, const char* name, int height, int bold,
       int italic, int color, const char* text, int length),
      {
          Module.textEngine.draw(HEAPU8, bits, stride, cl, ct, cr, cb, ox, oy, bl, bt, br, bb, left, top,
                                 angle, scale, UTF8ToString(name), height, bold, italic, color,
                                 UTF8ToString(text, length));
      });

namespace otpor::web {

namespace {

using i64 = std::int64_t;

// Larger pixel sizes only cost time: no text of the pictures comes near it.
constexpr int MaxFontPixels = 1000;

int PixelSize(int height)
{
    if (height == 0)
        return otpor::Font{}.Height;
    return static_cast<int>(std::min<i64>(std::abs(i64{height}), MaxFontPixels));
}

int Clamp(i64 v)
{
    return static_cast<int>(std::clamp<i64>(v, -1000000, 1000000));
}

} // namespace

WebCanvas::WebCanvas(int width, int height, double scale)
    : RasterCanvas(PixelOrder::Rgba), width_(std::max(width, 0)), height_(std::max(height, 0))
{
    Raster().SetScale(scale);
    MakeBitmap();
}

void WebCanvas::MakeBitmap()
{
    deviceWidth_ = static_cast<int>(Raster().ToDevice(width_));
    deviceHeight_ = static_cast<int>(Raster().ToDevice(height_));
    pixels_.assign(static_cast<std::size_t>(deviceWidth_) * static_cast<std::size_t>(deviceHeight_),
                   ToPixel(clWhite));
    Raster().Attach(pixels_.data(), deviceWidth_, deviceWidth_, deviceHeight_);
    RemoveClip();
}

int WebCanvas::TextWidth(std::string_view text)
{
    const otpor::Font& f = Font();
    return otpor_text_width(f.Name.c_str(), PixelSize(f.Height), f.Bold, f.Italic, text.data(),
                            static_cast<int>(text.size()));
}

int WebCanvas::TextHeight(std::string_view)
{
    const otpor::Font& f = Font();
    return otpor_text_height(f.Name.c_str(), PixelSize(f.Height), f.Bold, f.Italic);
}

void WebCanvas::TextOut(int x, int y, std::string_view text)
{
    if (text.empty())
        return;
    const int width = TextWidth(text);
    const int height = TextHeight(text);
    i64 left = 0;
    i64 top = 0;
    CellOrigin(x, y, width, height, left, top);
    if (!NearClip(left, top, width, height, height))
        return;
    // A clear brush means a transparent text background, whatever the mode.
    if (Background() == BackgroundMode::Opaque && Brush().Style != BrushStyle::Clear)
        Pixels().FillRect(left, top, left + width, top + height, ToPixel(BackgroundColor()), RasterOp::Copy);
    // Glyphs may overhang their cell a little (italics, accents, antialiasing).
    const int slack = height / 4 + 1;
    DrawText({-slack, -slack, width + slack, height + slack}, left, top, 0, 0, 0, text);
}

void WebCanvas::RotatedTextOut(int x, int y, std::string_view text, int angleDegrees)
{
    if (text.empty())
        return;
    const int width = TextWidth(text);
    const int height = TextHeight(text);
    i64 left = 0;
    i64 top = 0;
    CellOrigin(0, 0, width, height, left, top);
    // Turned about the anchor, the cell stays within its diagonal of it.
    const i64 reach = i64{width} + height;
    if (!NearClip(x, y, 0, 0, reach + height))
        return;
    const int r = static_cast<int>(reach);
    DrawText({-r, -r, r, r}, x, y, left, top, angleDegrees % 360, text);
}

void WebCanvas::DrawText(const TRect& box, i64 originX, i64 originY, i64 left, i64 top, int angleDegrees,
                         std::string_view text)
{
    const Rasterizer& px = Pixels();
    // The anchor and the box in device pixels; the cell's corner stays in
    // layout pixels, drawn at the scale.
    const i64 ox = px.ToDevice(originX);
    const i64 oy = px.ToDevice(originY);
    const TRect device{Clamp(px.ToDevice(box.Left)), Clamp(px.ToDevice(box.Top)),
                       Clamp(px.ToDevice(box.Right)), Clamp(px.ToDevice(box.Bottom))};
    const TRect region = Intersect(TRect{Clamp(ox + device.Left), Clamp(oy + device.Top),
                                         Clamp(ox + device.Right), Clamp(oy + device.Bottom)},
                                   px.Clip());
    if (region.IsEmpty())
        return;
    textCells_.push_back(region);
    const otpor::Font& f = Font();
    otpor_text_draw(pixels_.data(), deviceWidth_, region.Left, region.Top, region.Right, region.Bottom,
                    Clamp(ox), Clamp(oy), device.Left, device.Top, device.Right, device.Bottom, Clamp(left),
                    Clamp(top), angleDegrees, Scale(), f.Name.c_str(), PixelSize(f.Height), f.Bold, f.Italic,
                    static_cast<int>(ColorToRGB(f.Color)), text.data(), static_cast<int>(text.size()));
}

} // namespace otpor::web
