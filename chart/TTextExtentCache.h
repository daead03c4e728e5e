// Text extents of the chart's texts (px), measured once and kept while the
// text, the font and the canvas stay the same: the legend items, the titles
// and most axis labels read the same from paint to paint. A few slots, the
// least recently used one replaced; the slots keep their storage, so a
// steady paint asks the heap for nothing.
#pragma once

#include "platform/Canvas.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace otpor {

class TTextExtentCache {
public:
    // TextWidth of text in the canvas's current font.
    int Width(Canvas& canvas, std::string_view text);
    // The canvas's TextHeight of "W" in its current font, the line height the
    // chart lays out with.
    int FontHeight(Canvas& canvas);

private:
    static constexpr std::size_t Slots = 12;
    struct Entry {
        std::uint64_t Canvas = 0; // 0: empty
        otpor::Font Font;
        std::string Text;
        int Extent = 0;
        std::uint64_t Used = 0;
    };
    int Extent(Canvas& canvas, std::string_view text, bool height);

    std::array<Entry, Slots> widths_;
    std::array<Entry, 4> heights_;
    std::uint64_t clock_ = 0;
};

} // namespace otpor
