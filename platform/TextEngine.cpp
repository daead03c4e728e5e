#include "platform/TextEngine.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace otpor {

namespace {

using i64 = std::int64_t;

// Larger pixel sizes only cost time: no text of the pictures comes near it.
constexpr int MaxFontPixels = 1000;
// Texts kept; a picture draws a few dozen. Beyond this the cache is thinned,
// so that changing texts cannot grow it without bound.
constexpr std::size_t MaxCachedTexts = 256;
// Renderings larger than this (device pixels) are not kept, and a text is
// rendered only where it can show when it would be larger: only absurd fonts
// or texts reach it.
constexpr i64 MaxKeptPixels = i64{1} << 20;
// Nor is more drawn than this at once.
constexpr i64 MaxDrawnPixels = i64{1} << 24;

int PixelSize(int height)
{
    if (height == 0)
        return Font{}.Height;
    return static_cast<int>(std::min<i64>(std::abs(i64{height}), MaxFontPixels));
}

i64 Ceil(double v)
{
    return static_cast<i64>(std::ceil(v));
}

} // namespace

std::size_t TextEngine::FaceOf(const Font& font)
{
    const int pixels = PixelSize(font.Height);
    const auto same = [&](const Face& f) {
        return f.Pixels == pixels && f.Bold == font.Bold && f.Italic == font.Italic && f.Name == font.Name;
    };
    if (lastFace_ < faces_.size() && same(faces_[lastFace_]))
        return lastFace_;
    for (std::size_t i = 0; i < faces_.size(); ++i)
        if (same(faces_[i]))
            return lastFace_ = i;
    Face face{font.Name, pixels, font.Bold, font.Italic, {}, {}, {}};
    face.Advance.fill(-1);
    faces_.push_back(std::move(face));
    lastFace_ = faces_.size() - 1;
    faces_.back().Metrics = OpenFace(lastFace_, font.Name, pixels, font.Bold, font.Italic);
    return lastFace_;
}

int TextEngine::Height(const Font& font)
{
    return faces_[FaceOf(font)].Metrics.Height;
}

int TextEngine::NumberWidth(std::size_t face, std::string_view text)
{
    Face& f = faces_[face];
    std::size_t previous = std::string_view::npos;
    i64 sum = 0;
    for (const char c : text) {
        const std::size_t k = NumberCharacters.find(c);
        if (k == std::string_view::npos)
            return -1;
        if (f.Advance[k] < 0)
            f.Advance[k] = Advance64(face, c);
        if (previous != std::string_view::npos) {
            std::uint8_t& adds = f.Adds[previous][k];
            if (adds == 0)
                adds = AdvancesAdd(face, NumberCharacters[previous], c) ? 1 : 2;
            if (adds != 1)
                return -1;
        }
        sum += f.Advance[k];
        previous = k;
    }
    // A sum of advances is rounded half up.
    return static_cast<int>((sum + 32) >> 6);
}

TextEngine::Entry& TextEngine::Find(const KeyView& key, int width)
{
    const std::size_t hash = std::hash<std::string_view>{}(key.Text);
    for (Entry& e : texts_)
        if (e.Hash == hash && e.Face == key.Face && e.Angle == key.Angle && e.CellLeft == key.CellLeft &&
            e.CellTop == key.CellTop && e.Scale == key.Scale && e.Text == key.Text)
            return e;
    if (texts_.size() >= MaxCachedTexts) {
        // Texts only measured go first; the rendered ones stay unless they
        // alone fill the cache.
        std::erase_if(texts_, [](const Entry& e) { return e.Scale == 0; });
        if (texts_.size() >= MaxCachedTexts)
            texts_.clear();
    }
    texts_.push_back({hash,
                      key.Face,
                      key.Angle,
                      key.CellLeft,
                      key.CellTop,
                      key.Scale,
                      std::string(key.Text),
                      width >= 0 ? width : MeasureWidth(key.Face, key.Text),
                      false,
                      {}});
    return texts_.back();
}

int TextEngine::Width(const Font& font, std::string_view text)
{
    if (text.empty())
        return 0;
    const std::size_t face = FaceOf(font);
    const int number = NumberWidth(face, text);
    return number >= 0 ? number : Find({face, 0, 0, 0, 0, text}).Width;
}

const TextStamp* TextEngine::Stamp(const Font& font, std::string_view text, int angle, int cellLeft,
                                   int cellTop, double scale, const TRect& box)
{
    const std::size_t face = FaceOf(font);
    const int width = Width(font, text);
    const i64 height = faces_[face].Metrics.Height;
    // What the glyphs may cover about the anchor, device pixels: level text
    // its cell and a line's height around it (italics, accents overhang it a
    // little), turned text its diagonal's reach.
    TRect area;
    if (angle == 0) {
        const i64 pad = Ceil(static_cast<double>(height) * scale);
        const i64 left = Ceil(static_cast<double>(cellLeft) * scale) - pad;
        const i64 top = Ceil(static_cast<double>(cellTop) * scale) - pad;
        area = {static_cast<int>(std::max<i64>(left, -(i64{1} << 30))),
                static_cast<int>(std::max<i64>(top, -(i64{1} << 30))),
                static_cast<int>(std::min<i64>(left + Ceil(width * scale) + 2 * pad, i64{1} << 30)),
                static_cast<int>(
                    std::min<i64>(top + Ceil(static_cast<double>(height) * scale) + 2 * pad, i64{1} << 30))};
    } else {
        const i64 pad =
            std::min<i64>(Ceil(static_cast<double>(i64{width} + 2 * height) * scale), i64{1} << 30);
        area = {static_cast<int>(-pad), static_cast<int>(-pad), static_cast<int>(pad), static_cast<int>(pad)};
    }
    const KeyView key{face, angle, cellLeft, cellTop, scale, text};
    if (i64{area.Width()} * area.Height() <= MaxKeptPixels) {
        Entry& entry = Find(key, width);
        if (!entry.Rendered) {
            RenderInto(key, area, entry.Stamp);
            entry.Rendered = true;
        }
        return &entry.Stamp;
    }
    const TRect shown = Intersect(area, box);
    if (shown.IsEmpty() || i64{shown.Width()} * shown.Height() > MaxDrawnPixels)
        return nullptr;
    RenderInto(key, shown, oversized_);
    return &oversized_;
}

void TextEngine::RenderInto(const KeyView& key, const TRect& area, TextStamp& stamp)
{
    const int w = area.Width();
    const int h = area.Height();
    mask_.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    Render(key.Face, key.Text, key.Angle, key.CellLeft, key.CellTop, key.Scale, -area.Left, -area.Top, w, h,
           mask_.data());
    stamp.Runs.clear();
    stamp.Coverage.clear();
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* row = mask_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
        int x = 0;
        while (x < w) {
            if (row[x] == 0) {
                ++x;
                continue;
            }
            const int start = x;
            bool whole = true;
            while (x < w && row[x] != 0)
                whole = row[x++] == 255 && whole;
            TextStamp::Run run{y + area.Top, start + area.Left, x + area.Left, -1};
            if (!whole) {
                run.Coverage = static_cast<int>(stamp.Coverage.size());
                stamp.Coverage.insert(stamp.Coverage.end(), row + start, row + x);
            }
            stamp.Runs.push_back(run);
        }
    }
    // The scratch mask of an absurd text is not kept.
    if (mask_.size() > static_cast<std::size_t>(MaxKeptPixels))
        std::vector<std::uint8_t>().swap(mask_);
}

} // namespace otpor
