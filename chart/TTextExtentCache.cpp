#include "chart/TTextExtentCache.h"

namespace otpor {

namespace {
constexpr std::string_view FontHeightSample = "W";
}

int TTextExtentCache::Width(Canvas& canvas, std::string_view text)
{
    return Extent(canvas, text, false);
}

int TTextExtentCache::FontHeight(Canvas& canvas)
{
    return Extent(canvas, FontHeightSample, true);
}

int TTextExtentCache::Extent(Canvas& canvas, std::string_view text, bool height)
{
    const std::span<Entry> slots = height ? std::span<Entry>(heights_) : std::span<Entry>(widths_);
    const std::uint64_t id = canvas.MetricsId();
    Entry* oldest = &slots[0];
    for (Entry& e : slots) {
        if (e.Canvas == id && e.Text == text && e.Font == canvas.Font()) {
            e.Used = ++clock_;
            return e.Extent;
        }
        if (e.Used < oldest->Used)
            oldest = &e;
    }
    Entry& e = *oldest;
    e.Extent = height ? canvas.TextHeight(text) : canvas.TextWidth(text);
    e.Canvas = id;
    e.Font = canvas.Font();
    e.Text.assign(text);
    e.Used = ++clock_;
    return e.Extent;
}

} // namespace otpor
