// The free stand-in for "Tahoma": a bold label must look bold, heavier than
// the regular one, as the form's title does. The test main has registered
// the fonts, as the program's main does.
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace otpor::qt {
namespace {

// The ink of the text drawn black on white: the sum of each pixel's darkness.
long long Ink(bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    font.setBold(bold);
    QImage image(160, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(4, 14, QStringLiteral("POLAZNI PODACI"));
    painter.end();
    long long ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += 255 - qGray(image.pixel(x, y));
    return ink;
}

TEST(FallbackFonts, BoldTahomaIsVisiblyHeavierThanRegular)
{
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
        GTEST_SKIP() << "fonts-wine is not installed";
    const long long regular = Ink(false);
    const long long bold = Ink(true);
    ASSERT_GT(regular, 0);
    EXPECT_GT(bold * 4, regular * 5) << "regular " << regular << ", bold " << bold;
}

} // namespace
} // namespace otpor::qt
