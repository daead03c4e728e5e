#include "web/WebCanvas.h"

#include <emscripten.h>

#include <memory>

// The browser's glyphs (web/canvas-text.js): the face is passed as its parts,
// the text as UTF-8.
EM_JS(int, otpor_face_ascent, (const char* name, int pixels, int bold, int italic),
      { return Module.textEngine.ascent(UTF8ToString(name), pixels, bold, italic); });
EM_JS(int, otpor_face_descent, (const char* name, int pixels, int bold, int italic),
      { return Module.textEngine.descent(UTF8ToString(name), pixels, bold, italic); });
EM_JS(int, otpor_char_advance, (const char* name, int pixels, int bold, int italic, int codePoint),
      { return Module.textEngine.advance(UTF8ToString(name), pixels, bold, italic, codePoint); });
EM_JS(int, otpor_text_width,
      (const char* name, int pixels, int bold, int italic, const char* text, int length), {
          return Module.textEngine.width(UTF8ToString(name), pixels, bold, italic,
                                         UTF8ToString(text, length));
      });
EM_JS(void, otpor_text_render,
      (const char* name, int pixels, int bold, int italic, int ascent, const char* text, int length,
       int angle, int cellLeft, int cellTop, double scale, int anchorX, int anchorY, int width, int height,
       std::uint8_t* coverage),
      {
          Module.textEngine.render(HEAPU8, coverage, width, height, anchorX, anchorY, UTF8ToString(name),
                                   pixels, bold, italic, ascent, UTF8ToString(text, length), angle, cellLeft,
                                   cellTop, scale);
      });

namespace otpor::web {

WebCanvas::WebCanvas(int width, int height, double scale)
    : RasterCanvas(PixelOrder::Rgba, std::make_unique<BrowserTextEngine>()), width_(std::max(width, 0)),
      height_(std::max(height, 0))
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

TextEngine::FaceMetrics BrowserTextEngine::OpenFace(std::size_t, const std::string& name, int pixels,
                                                    bool bold, bool italic)
{
    const int ascent = otpor_face_ascent(name.c_str(), pixels, bold, italic);
    const int descent = otpor_face_descent(name.c_str(), pixels, bold, italic);
    faces_.push_back({name, pixels, bold, italic, ascent});
    return {ascent, ascent + descent};
}

int BrowserTextEngine::MeasureWidth(std::size_t face, std::string_view text)
{
    const BrowserFace& f = faces_[face];
    return otpor_text_width(f.Name.c_str(), f.Pixels, f.Bold, f.Italic, text.data(),
                            static_cast<int>(text.size()));
}

int BrowserTextEngine::Advance64(std::size_t face, char c)
{
    const BrowserFace& f = faces_[face];
    return otpor_char_advance(f.Name.c_str(), f.Pixels, f.Bold, f.Italic, static_cast<unsigned char>(c)) * 64;
}

void BrowserTextEngine::Render(std::size_t face, std::string_view text, int angle, int cellLeft, int cellTop,
                               double scale, int anchorX, int anchorY, int width, int height,
                               std::uint8_t* coverage)
{
    const BrowserFace& f = faces_[face];
    otpor_text_render(f.Name.c_str(), f.Pixels, f.Bold, f.Italic, f.Ascent, text.data(),
                      static_cast<int>(text.size()), angle, cellLeft, cellTop, scale, anchorX, anchorY, width,
                      height, coverage);
}

} // namespace otpor::web
