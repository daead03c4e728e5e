#include "packaging/icons/IconPainter.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using otpor::qt::IconSizes;
using otpor::qt::WindowIconSize;

// Antialiasing may pick slightly different edge tints in another Qt release.
constexpr int SmoothTolerance = 3;

QImage CommittedIcon(int size)
{
    const QString path = QStringLiteral(OTPOR_ICON_DIR "/") + otpor::qt::IconFileName(size);
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

int LargestChannelDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

double MeanChannelDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * a.width() * a.height());
}

TEST(ProgramIcon, WindowIconIsThirtyTwoSquarePixelsInSixteenColoursOnATransparentGround)
{
    const QImage icon = CommittedIcon(WindowIconSize);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(32, 32));

    QSet<QRgb> colours;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            colours.insert(qAlpha(icon.pixel(x, y)) == 0 ? 0u : icon.pixel(x, y));
    EXPECT_LE(colours.size(), otpor::qt::WindowIconColours);
    EXPECT_TRUE(colours.contains(0u)) << "no transparent pixel";
    for (const QRgb c : colours)
        EXPECT_TRUE(qAlpha(c) == 0 || qAlpha(c) == 255) << "a half-transparent colour";
    EXPECT_EQ(qAlpha(icon.pixel(31, 0)), 0) << "the top right corner is ground";
}

TEST(ProgramIcon, CommittedIconsAreTheOnesThePainterDraws)
{
    // The build compiles in and installs the sizes it lists; the painter draws its own list.
    QStringList painted;
    for (const int size : IconSizes)
        painted << QString::number(size);
    EXPECT_EQ(painted.join(u','), QStringLiteral(OTPOR_ICON_SIZES_LIST));

    // After a change to the drawing: cmake --build build --target icons
    for (const int size : IconSizes) {
        SCOPED_TRACE(size);
        const QImage committed = CommittedIcon(size);
        ASSERT_EQ(committed.size(), QSize(size, size));
        const otpor::qt::IconStyle style = otpor::qt::StyleForSize(size);
        const QImage drawn = otpor::qt::RenderAppIcon(size, style).convertToFormat(QImage::Format_ARGB32);
        const int tolerance = style == otpor::qt::IconStyle::Palette16 ? 0 : SmoothTolerance;
        EXPECT_LE(LargestChannelDifference(committed, drawn), tolerance);
    }
}

TEST(ProgramIcon, CommittedScalableIconIsTheSmoothDrawing)
{
    // Written by the `icons` target; rendered back, it is the smooth picture
    // (compared by rendering: the SVG's text may change with the Qt release).
    QFile file(QStringLiteral(OTPOR_ICON_DIR "/") + otpor::qt::ScalableIconFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray committed = file.readAll();

    QSvgRenderer renderer(committed);
    ASSERT_TRUE(renderer.isValid());
    constexpr int size = 256;
    QImage rendered(size, size, QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    {
        QPainter p(&rendered);
        renderer.render(&p);
    }
    const QImage drawn = otpor::qt::RenderAppIcon(size, otpor::qt::IconStyle::Smooth)
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_LE(MeanChannelDifference(rendered, drawn), 1.0);
}

TEST(ProgramIcon, WebIconsAreThePaintersAndTheMaskableOneKeepsToItsSafeCircle)
{
    // The page's manifest names these files; the `icons` target draws them.
    auto committed = [](const QString& name) {
        return QImage(QStringLiteral(OTPOR_WEB_ICON_DIR "/") + name).convertToFormat(QImage::Format_ARGB32);
    };
    for (const int size : otpor::qt::WebIconSizes) {
        SCOPED_TRACE(size);
        const QImage icon = committed(otpor::qt::WebIconFileName(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        const QImage drawn = otpor::qt::RenderAppIcon(size, otpor::qt::IconStyle::Smooth)
                                 .convertToFormat(QImage::Format_ARGB32);
        EXPECT_LE(LargestChannelDifference(icon, drawn), SmoothTolerance);
    }

    const int size = otpor::qt::MaskableIconSize;
    const QImage maskable = committed(otpor::qt::MaskableIconFileName());
    ASSERT_EQ(maskable.size(), QSize(size, size));
    EXPECT_LE(LargestChannelDifference(maskable, otpor::qt::RenderMaskableIcon(size)), SmoothTolerance);
    // Opaque everywhere; outside the central circle of 80 % only the ground,
    // so that any mask shape keeps the whole drawing.
    int drawing = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb p = maskable.pixel(x, y);
            ASSERT_EQ(qAlpha(p), 255);
            const double dx = x + 0.5 - size / 2.0, dy = y + 0.5 - size / 2.0;
            const bool ground = p == otpor::qt::MaskableGround;
            if (std::hypot(dx, dy) > 0.4 * size) {
                ASSERT_TRUE(ground) << x << "," << y;
            }
            drawing += !ground;
        }
    EXPECT_GT(drawing, size * size / 8) << "the drawing fills the circle";
}

} // namespace
