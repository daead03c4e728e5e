#include "platform/qt/QtTextEngine.h"

#include "platform/qt/QtText.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace otpor::qt {

namespace {

// Text is measured on a device of no ratio, whatever the picture's scale.
const QPaintDevice* MetricsDevice()
{
    static const QImage device(1, 1, QImage::Format_RGB32);
    return &device;
}

int Units(qreal advance)
{
    return static_cast<int>(std::lround(advance * 64));
}

} // namespace

TextEngine::FaceMetrics QtTextEngine::OpenFace(std::size_t, const std::string& name, int pixels, bool bold,
                                               bool italic)
{
    QFont font(QString::fromStdString(name));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    QFont smooth = font;
    // The pictures are specified per pixel: no grey edges on glyphs.
    font.setStyleStrategy(QFont::NoAntialias);
    QFontMetrics metrics(font, MetricsDevice());
    faces_.push_back(QtFace{font, smooth, metrics, metrics.ascent()});
    return {metrics.ascent(), metrics.height()};
}

int QtTextEngine::MeasureWidth(std::size_t face, std::string_view text)
{
    return faces_[face].Metrics.horizontalAdvance(ToQString(text));
}

// Qt adds the advances in 1/64 pixel and rounds the sum.
int QtTextEngine::Advance64(std::size_t face, char c)
{
    return Units(QFontMetricsF(faces_[face].Aliased, MetricsDevice()).horizontalAdvance(QChar(c)));
}

bool QtTextEngine::AdvancesAdd(std::size_t face, char first, char second)
{
    const QFontMetricsF metrics(faces_[face].Aliased, MetricsDevice());
    const char pair[] = {first, second};
    return Units(metrics.horizontalAdvance(QString::fromLatin1(pair, 2))) ==
           Advance64(face, first) + Advance64(face, second);
}

void QtTextEngine::Render(std::size_t face, std::string_view text, int angle, int cellLeft, int cellTop,
                          double scale, int anchorX, int anchorY, int width, int height,
                          std::uint8_t* coverage)
{
    const QtFace& f = faces_[face];
    QImage mask(width, height, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        const bool smooth = scale != 1;
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, smooth);
        painter.setFont(smooth ? f.Smooth : f.Aliased);
        painter.setPen(Qt::black);
        const QString s = ToQString(text);
        if (angle == 0) {
            painter.scale(scale, scale);
            painter.drawText(QPointF(anchorX / scale + cellLeft, anchorY / scale + cellTop + f.Ascent), s);
        } else {
            painter.translate(anchorX, anchorY);
            painter.rotate(-static_cast<double>(angle));
            painter.scale(scale, scale);
            painter.drawText(QPointF(cellLeft, cellTop + f.Ascent), s);
        }
    }
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < width; ++x)
            coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                     static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(qAlpha(row[x]));
    }
}

} // namespace otpor::qt
