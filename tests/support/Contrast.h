// Readability of rendered text: the contrast ratio of the relative luminances
// of two sRGB colours, as the accessibility guidelines define it (1 to 21).
#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace otpor::test {

inline double Luminance(const QColor& c)
{
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

inline double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The ground of the region (its most frequent colour) against the pixel that
// stands out most from it: the core of the text's glyphs. 1 when the region
// holds nothing but its ground.
inline double TextContrast(const QImage& shot, const QRect& region)
{
    const QRect r = region.intersected(shot.rect());
    QHash<QRgb, int> counts;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[shot.pixel(x, y)];
    QRgb ground = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            ground = it.key();
        }
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, ContrastRatio(QColor(ground), QColor(it.key())));
    return best;
}

} // namespace otpor::test
