// The real drawing surface of both pictures on the desktop: a Canvas on a
// QImage (Format_RGB32), the off-screen bitmap that the animation window and
// the oscillograph show. Coordinates are layout pixels, origin top-left; the
// bitmap has Scale() device pixels to each (the screen's device pixel ratio
// times the form's zoom), and the image carries that ratio.
//
// Shapes and lines are set pixel by pixel by the Rasterizer, so that the
// classic conventions hold exactly at a scale of 1 (end pixel of a line left
// out, right and bottom edges excluded, even-odd fill, an exact not-xor), hold
// on device pixels at any other, and any int coordinate is safe. Text is
// measured as at a scale of 1, so that layouts stay the same, and drawn at
// the device's size: aliased at 1, smooth (antialiased, blended over what lies
// beneath) at any other scale. Qt renders each text once per font and angle
// into a coverage mask, kept with its measured width, and the canvas sets the
// mask's pixels in the font colour; the fonts are kept too. So a picture
// whose texts repeat from one paint to the next (axis labels, legend, titles)
// draws them without rebuilding a font, shaping a text or touching the heap.
// Its cell (TextWidth x TextHeight) is filled with the background colour when
// the background mode is opaque and the brush is not clear: a clear brush
// means a transparent text background.
//
// A copy of Image() taken at any time is a snapshot, because the canvas
// detaches the image before it draws again.
#pragma once

#include "platform/RasterCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

    void TextOut(int x, int y, std::string_view text) override;
    void RotatedTextOut(int x, int y, std::string_view text, int angleDegrees) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;

protected:
    // The rasterizer on an image that nobody else shares.
    Rasterizer& Pixels() override;
    void ScaleChanged() override;

private:
    // A font as Qt builds it, kept for the canvas's life.
    // The characters numbers are written with, whose widths a font keeps.
    static constexpr std::string_view NumberCharacters = "0123456789,.-+ Ee";
    struct CachedFont {
        otpor::Font Face; // colour not used
        // Measured with, and drawn with at a scale of 1: aliased.
        QFont QtFont;
        // Drawn with at any other scale: smooth.
        QFont SmoothFont;
        QFontMetrics Metrics;
        int Ascent;
        int Height;
        // Per number character: its advance in 1/64 pixel, -1 until
        // measured. Per pair:
        // 0 unknown, 1 when the pair measures as the sum of its advances
        // (no kerning between them), 2 when it does not.
        std::array<int, NumberCharacters.size()> Advance{};
        std::array<std::array<std::uint8_t, NumberCharacters.size()>, NumberCharacters.size()> Additive{};
    };
    // A run of covered pixels of a rendered text, relative to its mask's
    // origin: wholly covered, or covered by the bytes of the text's Coverage
    // from Coverage.
    struct MaskRun {
        int Dy;
        int Dx0;
        int Dx1;
        int Coverage; // -1: wholly covered
    };
    // Turned text is rendered about its anchor, so the alignment is part of
    // its key (level text is rendered from its cell's top-left).
    struct TextKey {
        std::size_t FontIndex;
        int Angle;
        int Align;
        std::string Text;
    };
    struct TextKeyView {
        std::size_t FontIndex;
        int Angle;
        int Align;
        std::string_view Text;
    };
    struct TextKeyLess {
        using is_transparent = void;
        template <class A, class B> bool operator()(const A& a, const B& b) const
        {
            if (a.FontIndex != b.FontIndex)
                return a.FontIndex < b.FontIndex;
            if (a.Angle != b.Angle)
                return a.Angle < b.Angle;
            if (a.Align != b.Align)
                return a.Align < b.Align;
            return std::string_view(a.Text) < std::string_view(b.Text);
        }
    };
    struct CachedText {
        int Width = 0;
        bool Rendered = false;
        // Too large to keep as a mask: drawn by Qt each time.
        bool Direct = false;
        // The mask's origin relative to the anchor point the text is drawn
        // at (the cell's top-left for level text, the turning point for
        // turned text), in device pixels.
        int OriginX = 0;
        int OriginY = 0;
        std::vector<MaskRun> Runs;
        std::vector<std::uint8_t> Coverage;
    };

    // The canvas's current font, built once.
    CachedFont& CurrentFont();
    // The width of a number's text from its characters' advances, when its
    // every pair of neighbours is known to add up; -1 otherwise.
    int NumberWidth(CachedFont& font, std::string_view text);
    // The measured (and, when render is set, rendered) text in the current
    // font at the angle.
    CachedText& Text(std::string_view text, int angle, bool render);
    void Render(const CachedFont& font, std::string_view text, int angle, CachedText& entry);
    // The text's mask with its anchor at layout (x, y).
    void BlitText(const CachedText& entry, std::int64_t x, std::int64_t y);
    // Qt's drawing of the text straight onto the image, for masks too large
    // to keep; (x, y) is the cell's top-left, or the anchor of turned text.
    void DrawDirect(std::string_view text, int angle, int width, std::int64_t x, std::int64_t y);
    void MakeImage();

    int width_ = 0;
    int height_ = 0;
    QImage image_;

    std::vector<CachedFont> fonts_;
    std::size_t fontIndex_ = 0;
    std::map<TextKey, CachedText, TextKeyLess> texts_;
};

} // namespace otpor::qt
