#include "platform/qt/QImageCanvas.h"
#include "platform/qt/QtText.h"

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace otpor::qt {

namespace {

using i64 = std::int64_t;

// Larger pixel sizes only cost time: no text of the pictures comes near it.
constexpr int MaxFontPixels = 1000;
// Texts kept per canvas; a picture draws a few dozen. Beyond this the cache
// is thinned, so that changing texts cannot grow it without bound.
constexpr std::size_t MaxCachedTexts = 512;
// Masks larger than this (in pixels) are not kept: only absurd fonts or
// texts reach it.
constexpr i64 MaxMaskPixels = 1 << 20;
// No bitmap side beyond this (device pixels): a picture at the largest scale
// stays far below it.
constexpr i64 MaxImageSide = 1 << 15;

// Text is measured on a device of no ratio, whatever the picture's scale.
const QPaintDevice* MetricsDevice()
{
    static const QImage device(1, 1, QImage::Format_RGB32);
    return &device;
}

bool SameFace(const otpor::Font& a, const otpor::Font& b)
{
    return a.Name == b.Name && a.Height == b.Height && a.Bold == b.Bold && a.Italic == b.Italic;
}

int PixelSize(int height)
{
    if (height == 0)
        return otpor::Font{}.Height;
    const i64 magnitude = std::abs(i64{height});
    return static_cast<int>(std::min<i64>(magnitude, MaxFontPixels));
}

} // namespace

QImageCanvas::QImageCanvas(int width, int height, double scale) : RasterCanvas(PixelOrder::Xrgb)
{
    Raster().SetScale(scale);
    SetSize(width, height);
}

QImageCanvas::~QImageCanvas() = default;

void QImageCanvas::SetSize(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    MakeImage();
}

void QImageCanvas::ScaleChanged()
{
    // The masks were rendered at the old scale; the widths stay.
    for (auto& [key, text] : texts_) {
        text.Rendered = false;
        text.Direct = false;
        text.Runs.clear();
        text.Coverage.clear();
    }
    MakeImage();
}

void QImageCanvas::MakeImage()
{
    const Rasterizer& px = Raster();
    const auto device = [&](int v) { return static_cast<int>(std::min<i64>(px.ToDevice(v), MaxImageSide)); };
    image_ = QImage(device(width_), device(height_), QImage::Format_RGB32);
    image_.setDevicePixelRatio(Scale());
    image_.fill(Qt::white);
    // The new bitmap may lie where the old one did: attach afresh.
    Raster().Attach(nullptr, 0, 0, 0);
    RemoveClip();
}

Rasterizer& QImageCanvas::Pixels()
{
    // A copy of Image() shares the pixels until one side writes; detach first.
    const auto* current = reinterpret_cast<const std::uint32_t*>(image_.constBits());
    Rasterizer& raster = Raster();
    if (!image_.isDetached() || raster.Bits() != current || current == nullptr) {
        auto* bits = reinterpret_cast<std::uint32_t*>(image_.bits());
        raster.Attach(bits, image_.bytesPerLine() / static_cast<qsizetype>(sizeof(std::uint32_t)),
                      image_.width(), image_.height());
        if (Clipped())
            raster.SetClip(ClipRectangle());
    }
    return raster;
}

QImageCanvas::CachedFont& QImageCanvas::CurrentFont()
{
    if (fontIndex_ < fonts_.size() && SameFace(fonts_[fontIndex_].Face, Font()))
        return fonts_[fontIndex_];
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        if (SameFace(fonts_[i].Face, Font())) {
            fontIndex_ = i;
            return fonts_[i];
        }
    }
    QFont font(QString::fromStdString(Font().Name));
    font.setPixelSize(PixelSize(Font().Height));
    font.setBold(Font().Bold);
    font.setItalic(Font().Italic);
    // The pictures are specified per pixel: no grey edges on glyphs.
    QFont smooth = font;
    font.setStyleStrategy(QFont::NoAntialias);
    QFontMetrics metrics(font, MetricsDevice());
    const int ascent = metrics.ascent();
    const int height = metrics.height();
    fonts_.push_back(CachedFont{Font(), font, smooth, metrics, ascent, height, {}, {}});
    fonts_.back().Advance.fill(-1);
    fontIndex_ = fonts_.size() - 1;
    return fonts_.back();
}

QImageCanvas::CachedText& QImageCanvas::Text(std::string_view text, int angle, bool render)
{
    const CachedFont& font = CurrentFont();
    const int align =
        angle == 0 ? 0
                   : static_cast<int>(TextAlign().Horizontal) * 2 + static_cast<int>(TextAlign().Vertical);
    const TextKeyView probe{fontIndex_, angle, align, text};
    auto it = texts_.find(probe);
    if (it == texts_.end()) {
        if (texts_.size() >= MaxCachedTexts) {
            // Texts only measured (a range's changing ends) go first; the
            // drawn ones keep their masks unless they alone fill the cache.
            std::erase_if(texts_, [](const auto& e) { return !e.second.Rendered; });
            if (texts_.size() >= MaxCachedTexts)
                texts_.clear();
        }
        CachedText entry;
        entry.Width = font.Metrics.horizontalAdvance(ToQString(text));
        it = texts_.emplace(TextKey{fontIndex_, angle, align, std::string(text)}, std::move(entry)).first;
    }
    if (render && !it->second.Rendered)
        Render(font, text, angle, it->second);
    return it->second;
}

// The text drawn by Qt into a transparent mask at the device's size, as
// DrawDirect would draw it onto the image, and kept as runs of covered pixels.
void QImageCanvas::Render(const CachedFont& font, std::string_view text, int angle, CachedText& entry)
{
    entry.Rendered = true;
    const double scale = Scale();
    const i64 height = font.Height;
    // Glyphs may overhang their cell a little (italics, accents); turned text
    // stays within its diagonal of the anchor. In device pixels from here.
    const i64 pad =
        static_cast<i64>(std::ceil((angle == 0 ? height : i64{entry.Width} + 2 * height) * scale));
    const auto device = [&](i64 v) { return static_cast<i64>(std::ceil(static_cast<double>(v) * scale)); };
    const i64 maskWidth = angle == 0 ? device(entry.Width) + 2 * pad : 2 * pad;
    const i64 maskHeight = angle == 0 ? device(height) + 2 * pad : 2 * pad;
    if (maskWidth * maskHeight > MaxMaskPixels) {
        entry.Direct = true;
        return;
    }
    QImage mask(static_cast<int>(maskWidth), static_cast<int>(maskHeight),
                QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        const bool smooth = scale != 1;
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, smooth);
        painter.setFont(smooth ? font.SmoothFont : font.QtFont);
        painter.setPen(Qt::black);
        const QString s = ToQString(text);
        const double origin = static_cast<double>(pad);
        if (angle == 0) {
            painter.scale(scale, scale);
            painter.drawText(QPointF(origin / scale, origin / scale + font.Ascent), s);
        } else {
            i64 left = 0;
            i64 top = 0;
            CellOrigin(0, 0, entry.Width, font.Height, left, top);
            painter.translate(origin, origin);
            painter.rotate(-static_cast<double>(angle % 360));
            painter.scale(scale, scale);
            painter.drawText(QPointF(static_cast<double>(left), static_cast<double>(top + font.Ascent)), s);
        }
    }
    entry.OriginX = static_cast<int>(-pad);
    entry.OriginY = static_cast<int>(-pad);
    entry.Runs.clear();
    entry.Coverage.clear();
    for (int y = 0; y < mask.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        int x = 0;
        while (x < mask.width()) {
            if (qAlpha(row[x]) == 0) {
                ++x;
                continue;
            }
            const int start = x;
            bool whole = true;
            while (x < mask.width() && qAlpha(row[x]) != 0)
                whole = qAlpha(row[x++]) == 255 && whole;
            MaskRun run{y, start, x, -1};
            if (!whole) {
                run.Coverage = static_cast<int>(entry.Coverage.size());
                for (int i = start; i < x; ++i)
                    entry.Coverage.push_back(static_cast<std::uint8_t>(qAlpha(row[i])));
            }
            entry.Runs.push_back(run);
        }
    }
}

void QImageCanvas::BlitText(const CachedText& entry, i64 x, i64 y)
{
    Rasterizer& px = Pixels();
    const std::uint32_t ink = ToPixel(Font().Color);
    const i64 originX = px.ToDevice(x) + entry.OriginX;
    const i64 originY = px.ToDevice(y) + entry.OriginY;
    for (const MaskRun& run : entry.Runs) {
        const i64 row = originY + run.Dy;
        if (run.Coverage < 0)
            px.FillDevice(originX + run.Dx0, row, originX + run.Dx1, row + 1, ink);
        else
            px.BlendDevice(originX + run.Dx0, row, entry.Coverage.data() + run.Coverage, run.Dx1 - run.Dx0,
                           ink);
    }
}

void QImageCanvas::DrawDirect(std::string_view text, int angle, int width, i64 x, i64 y)
{
    Pixels();
    if (image_.isNull())
        return;
    // The painter draws on the image in layout pixels, at its ratio.
    QPainter painter(&image_);
    const bool smooth = Scale() != 1;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, smooth);
    const TRect& clip = Raster().Clip();
    const double scale = Scale();
    painter.setClipRect(
        QRectF(clip.Left / scale, clip.Top / scale, clip.Width() / scale, clip.Height() / scale));
    const CachedFont& font = CurrentFont();
    painter.setFont(smooth ? font.SmoothFont : font.QtFont);
    painter.setPen(QColor::fromRgb(ToPixel(Font().Color)));
    i64 left = 0;
    i64 top = 0;
    if (angle != 0) {
        CellOrigin(0, 0, width, font.Height, left, top);
        painter.translate(static_cast<int>(x), static_cast<int>(y));
        painter.rotate(-static_cast<double>(angle % 360));
    } else {
        left = x;
        top = y;
    }
    painter.drawText(QPoint(static_cast<int>(left), static_cast<int>(top) + font.Ascent), ToQString(text));
}

void QImageCanvas::TextOut(int x, int y, std::string_view text)
{
    if (text.empty())
        return;
    const CachedText& measured = Text(text, 0, false);
    const int width = measured.Width;
    const int height = CurrentFont().Height;
    i64 left = 0;
    i64 top = 0;
    CellOrigin(x, y, width, height, left, top);
    // Glyphs may overhang their cell a little (italics, accents).
    if (!NearClip(left, top, width, height, height))
        return;
    // A clear brush means a transparent text background, whatever the mode.
    if (Background() == BackgroundMode::Opaque && Brush().Style != BrushStyle::Clear)
        Pixels().FillRect(left, top, left + width, top + height, ToPixel(BackgroundColor()), RasterOp::Copy);
    const CachedText& drawn = Text(text, 0, true);
    if (drawn.Direct)
        DrawDirect(text, 0, width, left, top);
    else
        BlitText(drawn, left, top);
}

void QImageCanvas::RotatedTextOut(int x, int y, std::string_view text, int angleDegrees)
{
    if (text.empty())
        return;
    const int angle = angleDegrees % 360;
    const CachedText& measured = Text(text, angle, false);
    const int width = measured.Width;
    const int height = CurrentFont().Height;
    // Turned about the anchor, the cell stays within its diagonal of it.
    const i64 reach = i64{width} + height;
    if (!NearClip(x, y, 0, 0, reach + height))
        return;
    const CachedText& drawn = Text(text, angle, true);
    if (drawn.Direct)
        DrawDirect(text, angle, width, x, y);
    else
        BlitText(drawn, x, y);
}

// A range's ends change at every tick and are measured once each: their
// widths come from the characters' advances, which needs no text shaping and
// no heap, wherever that is exact: Qt adds the advances in 1/64 pixel and
// rounds the sum, and no kerning may lie between the neighbours (checked
// once per pair against Qt's own measure of the pair).
int QImageCanvas::NumberWidth(CachedFont& font, std::string_view text)
{
    constexpr qreal Units = 64;
    std::size_t previous = std::string_view::npos;
    std::int64_t sum = 0;
    for (const char c : text) {
        const std::size_t k = NumberCharacters.find(c);
        if (k == std::string_view::npos)
            return -1;
        if (font.Advance[k] < 0) {
            const qreal advance = QFontMetricsF(font.QtFont, MetricsDevice()).horizontalAdvance(QChar(c));
            font.Advance[k] = static_cast<int>(std::lround(advance * Units));
        }
        if (previous != std::string_view::npos) {
            std::uint8_t& additive = font.Additive[previous][k];
            if (additive == 0) {
                const char pair[] = {NumberCharacters[previous], c};
                const qreal measured = QFontMetricsF(font.QtFont, MetricsDevice())
                                           .horizontalAdvance(QString::fromLatin1(pair, 2));
                additive = std::lround(measured * Units) == font.Advance[previous] + font.Advance[k] ? 1 : 2;
            }
            if (additive != 1)
                return -1;
        }
        sum += font.Advance[k];
        previous = k;
    }
    // Qt rounds a width half up.
    return static_cast<int>((sum + 32) >> 6);
}

int QImageCanvas::TextWidth(std::string_view text)
{
    if (text.empty())
        return 0;
    const int number = NumberWidth(CurrentFont(), text);
    return number >= 0 ? number : Text(text, 0, false).Width;
}

int QImageCanvas::TextHeight(std::string_view)
{
    return CurrentFont().Height;
}

} // namespace otpor::qt
