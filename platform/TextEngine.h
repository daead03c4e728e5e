// The text of the pictures: measured in layout pixels, as at a scale of 1, so
// that layouts, hit tests and gestures are the same at every scale, and
// rendered at the device's size as coverage (how much of each device pixel
// the glyphs cover), which the raster canvas blends in the font's colour.
//
// The engine keeps what it measured and rendered: each face's metrics, every
// text's width and, per angle, place and scale, its coverage. A picture whose
// texts repeat from one paint to the next (axis labels, legend, titles) draws
// them without shaping a text or touching the heap. The changing ends of a
// range are measured from their characters' advances, where the platform
// says they add up, so that they do not fill the cache.
//
// What is left to a platform is its glyphs: Qt's on the desktop, the
// browser's on the page, fixed boxes in tests.
#pragma once

#include "platform/Canvas.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace otpor {

// A rendered text: its covered device pixels in runs, relative to the device
// pixel of its anchor.
struct TextStamp {
    struct Run {
        int Dy;
        int Dx0;
        int Dx1;
        int Coverage; // index of the run's bytes in Coverage; -1: wholly covered
    };
    std::vector<Run> Runs;
    std::vector<std::uint8_t> Coverage;
};

class TextEngine {
public:
    virtual ~TextEngine() = default;

    // The text's advance in the font, layout pixels.
    int Width(const Font& font, std::string_view text);
    // The font's line height (ascent and descent), layout pixels.
    int Height(const Font& font);
    // The text rendered at the scale with its cell's top-left at (cellLeft,
    // cellTop) layout pixels from its anchor, turned by angle degrees
    // counter-clockwise about the anchor. Only the device pixels within box
    // (relative to the anchor's device pixel) are needed: a text whose whole
    // rendering would be absurdly large is rendered there only. Null when
    // even that is too large to draw.
    const TextStamp* Stamp(const Font& font, std::string_view text, int angle, int cellLeft, int cellTop,
                           double scale, const TRect& box);

protected:
    // The characters numbers are written with, whose advances a face keeps.
    static constexpr std::string_view NumberCharacters = "0123456789,.-+ Ee";

    struct FaceMetrics {
        int Ascent = 0;
        int Height = 0;
    };
    // A face (a font without its colour) seen for the first time; its index
    // stays the same for the engine's life. Pixels is the character height,
    // already kept within what the engine draws.
    virtual FaceMetrics OpenFace(std::size_t face, const std::string& name, int pixels, bool bold,
                                 bool italic) = 0;
    virtual int MeasureWidth(std::size_t face, std::string_view text) = 0;
    // A number character's advance in 1/64 pixel, and whether the two side by
    // side measure as the sum of their advances (no kerning between them).
    virtual int Advance64(std::size_t face, char c) = 0;
    virtual bool AdvancesAdd(std::size_t face, char first, char second) = 0;
    // The coverage of the text (one byte a pixel, width x height, zeroed)
    // with its anchor at device pixel (anchorX, anchorY) of it; the cell as
    // for Stamp.
    virtual void Render(std::size_t face, std::string_view text, int angle, int cellLeft, int cellTop,
                        double scale, int anchorX, int anchorY, int width, int height,
                        std::uint8_t* coverage) = 0;

private:
    struct Face {
        std::string Name;
        int Pixels;
        bool Bold;
        bool Italic;
        FaceMetrics Metrics;
        // Per number character, its advance (-1 until measured); per pair, 0
        // unknown, 1 when they add up, 2 when they do not.
        std::array<int, NumberCharacters.size()> Advance{};
        std::array<std::array<std::uint8_t, NumberCharacters.size()>, NumberCharacters.size()> Adds{};
    };
    struct KeyView {
        std::size_t Face;
        int Angle;
        int CellLeft;
        int CellTop;
        double Scale; // 0: measured only
        std::string_view Text;
    };
    struct Entry {
        std::size_t Hash;
        std::size_t Face;
        int Angle;
        int CellLeft;
        int CellTop;
        double Scale;
        std::string Text;
        int Width = 0;
        bool Rendered = false;
        TextStamp Stamp;
    };

    std::size_t FaceOf(const Font& font);
    // The width of a number's text from its characters' advances; -1 where
    // they are not known to add up.
    int NumberWidth(std::size_t face, std::string_view text);
    // The entry of the key, made on first use with the width given, or
    // measured when it is -1.
    Entry& Find(const KeyView& key, int width = -1);
    void RenderInto(const KeyView& key, const TRect& area, TextStamp& stamp);

    std::vector<Face> faces_;
    std::size_t lastFace_ = 0;
    // Few enough to be searched in turn, by their texts' hashes first (a
    // tree costs the page's module more than it saves).
    std::vector<Entry> texts_;
    // The one-off rendering of a text too large to keep.
    TextStamp oversized_;
    std::vector<std::uint8_t> mask_;
};

} // namespace otpor
