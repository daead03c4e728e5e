#include "packaging/icons/IconPainter.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSvgGenerator>
#include <QVector>

#include <cmath>
#include <stdexcept>

namespace otpor::qt {

namespace {

// The drawing's own square: every coordinate below is in these units.
constexpr double Units = 32.0;

// Colours of the classic 16-colour palette that the window icon uses.
constexpr QRgb Black = qRgb(0x00, 0x00, 0x00);
constexpr QRgb Maroon = qRgb(0x80, 0x00, 0x00);
constexpr QRgb Navy = qRgb(0x00, 0x00, 0x80);
constexpr QRgb Gray = qRgb(0x80, 0x80, 0x80);
constexpr QRgb Silver = qRgb(0xC0, 0xC0, 0xC0);
constexpr QRgb Red = qRgb(0xFF, 0x00, 0x00);
constexpr QRgb Yellow = qRgb(0xFF, 0xFF, 0x00);
constexpr QRgb Blue = qRgb(0x00, 0x00, 0xFF);
constexpr QRgb White = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb Transparent = qRgba(0, 0, 0, 0);

// One colour stop of a shading across a part, from 0 (its top) to 1 (its bottom).
struct Stop {
    double at;
    QRgb flat;   // the palette colour of the band that begins here
    QRgb smooth; // the colour of the smooth gradient at this point
};

// A turned steel surface: dark rim, bright reflection above the middle, darker underside.
constexpr std::array<Stop, 5> SteelShading = {{
    {0.00, Gray, qRgb(0x70, 0x76, 0x7c)},
    {0.15, Silver, qRgb(0xc8, 0xcd, 0xd2)},
    {0.30, White, qRgb(0xf8, 0xf9, 0xfa)},
    {0.48, Silver, qRgb(0xc0, 0xc5, 0xca)},
    {0.78, Gray, qRgb(0x7a, 0x80, 0x86)},
}};
constexpr QRgb SteelOutline = qRgb(0x2e, 0x34, 0x36);

constexpr std::array<Stop, 3> ChuckShading = {{
    {0.00, Gray, qRgb(0x55, 0x57, 0x53)},
    {0.25, Silver, qRgb(0x88, 0x8a, 0x85)},
    {0.60, Gray, qRgb(0x45, 0x47, 0x43)},
}};

constexpr std::array<Stop, 2> ShankShading = {{
    {0.00, Blue, qRgb(0x72, 0x9f, 0xcf)},
    {0.45, Navy, qRgb(0x20, 0x4a, 0x87)},
}};
constexpr QRgb ShankOutline = qRgb(0x10, 0x25, 0x4a);

constexpr std::array<Stop, 2> InsertShading = {{
    {0.00, Yellow, qRgb(0xfc, 0xe9, 0x4f)},
    {0.60, Yellow, qRgb(0xc4, 0xa0, 0x00)},
}};
constexpr QRgb InsertOutline = qRgb(0x8f, 0x59, 0x02);

constexpr std::array<Stop, 2> ArrowShading = {{
    {0.00, Red, qRgb(0xff, 0x40, 0x40)},
    {0.70, Red, qRgb(0xb0, 0x00, 0x00)},
}};
constexpr QRgb ArrowOutline = qRgb(0x6a, 0x00, 0x00);

// The chuck at the left, holding the bar.
constexpr QRectF ChuckBody{1.0, 1.0, 4.0, 20.0};
constexpr QRectF UpperJaw{5.0, 2.0, 3.0, 2.0};
constexpr QRectF LowerJaw{5.0, 18.0, 3.0, 2.0};

// The bar: its uncut part with the shoulder that the tool leaves, and the
// turned part behind the tool, both about the axis at y = 11.
const QPolygonF UncutBar{QVector<QPointF>{{5, 4}, {17, 4}, {19, 7}, {19, 15}, {17, 18}, {5, 18}}};
constexpr QRectF TurnedBar{19.0, 7.0, 11.0, 8.0};
constexpr QRectF TurnedBarEnd{29.0, 7.0, 2.0, 8.0};

// The tool: the tip at the turned diameter, the main cutting edge along the
// shoulder, the minor edge behind the tip, the shank below the insert.
constexpr QPointF ToolTip{19.0, 15.0};
constexpr QPointF MainEdgeEnd{16.2, 19.2};
constexpr QPointF MinorEdgeEnd{23.0, 16.0};
constexpr QPointF ShankRun{5.5, 11.8};
constexpr double InsertShare = 0.85; // how far along the edges the insert reaches

// The force on the cutting edge, pointing away from the tool.
constexpr QPointF ArrowTail{16.0, 19.0};
constexpr QPointF ArrowHead{4.0, 31.0};
constexpr double ArrowShaftWidth = 2.4;
constexpr double ArrowHeadLength = 7.0;
constexpr double ArrowHeadWidth = 7.5;

// The width of the smooth drawing's outlines, in units.
constexpr double OutlineWidth = 0.45;

template <std::size_t N>
QBrush Shading(const std::array<Stop, N>& stops, IconStyle style, QPointF from, QPointF to)
{
    if (style == IconStyle::Smooth) {
        QLinearGradient gradient(from, to);
        for (const Stop& stop : stops)
            gradient.setColorAt(stop.at, QColor::fromRgb(stop.smooth));
        return gradient;
    }
    // Flat bands: a gradient whose colour jumps at each stop.
    QLinearGradient bands(from, to);
    for (std::size_t i = 0; i < N; ++i) {
        const double end = i + 1 < N ? stops[i + 1].at : 1.0;
        bands.setColorAt(stops[i].at, QColor::fromRgb(stops[i].flat));
        bands.setColorAt(std::nextafter(end, 0.0), QColor::fromRgb(stops[i].flat));
    }
    return bands;
}

// The flat drawing outlines a part in one palette colour as crisp pixels; the
// smooth one strokes it in a dark tint of its own colour.
QPen Outline(IconStyle style, QRgb flat, QRgb smooth)
{
    if (style == IconStyle::Palette16)
        return QPen(QColor::fromRgb(flat), 0.0); // cosmetic: one pixel wide
    QPen pen(QColor::fromRgb(smooth), OutlineWidth);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPolygonF ArrowOutlinePolygon()
{
    const QPointF along = ArrowHead - ArrowTail;
    const double length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length;
    const QPointF normal(-unit.y(), unit.x());
    const QPointF neck = ArrowHead - unit * ArrowHeadLength;
    const QPointF shaft = normal * (ArrowShaftWidth / 2.0);
    const QPointF barb = normal * (ArrowHeadWidth / 2.0);
    return QPolygonF{QVector<QPointF>{ArrowTail + shaft, neck + shaft, neck + barb, ArrowHead, neck - barb,
                                      neck - shaft, ArrowTail - shaft}};
}

void PaintChuck(QPainter& p, IconStyle style)
{
    p.setPen(Outline(style, Black, SteelOutline));
    p.setBrush(Shading(ChuckShading, style, {0, 0}, {ChuckBody.width(), 0}));
    p.drawRect(ChuckBody);
    for (const QRectF& jaw : {UpperJaw, LowerJaw}) {
        p.setBrush(Shading(ChuckShading, style, jaw.topLeft(), jaw.bottomLeft()));
        p.drawRect(jaw);
    }
}

void PaintBar(QPainter& p, IconStyle style)
{
    const QRectF uncut = UncutBar.boundingRect();
    p.setPen(Outline(style, Black, SteelOutline));
    p.setBrush(Shading(SteelShading, style, uncut.topLeft(), uncut.bottomLeft()));
    p.drawPolygon(UncutBar);
    p.setBrush(Shading(SteelShading, style, TurnedBar.topLeft(), TurnedBar.bottomLeft()));
    p.drawRect(TurnedBar);
    // The bar's end face, seen nearly edge on.
    p.setBrush(Shading(ChuckShading, style, TurnedBarEnd.topLeft(), TurnedBarEnd.bottomLeft()));
    if (style == IconStyle::Smooth)
        p.drawEllipse(TurnedBarEnd);
    else
        p.drawRect(TurnedBarEnd);
}

void PaintTool(QPainter& p, IconStyle style)
{
    const QPolygonF shank{QVector<QPointF>{ToolTip, MainEdgeEnd, MainEdgeEnd + ShankRun,
                                           MinorEdgeEnd + ShankRun, MinorEdgeEnd}};
    p.setPen(Outline(style, Black, ShankOutline));
    p.setBrush(Shading(ShankShading, style, MainEdgeEnd, MinorEdgeEnd));
    p.drawPolygon(shank);

    const QPolygonF insert{QVector<QPointF>{ToolTip, ToolTip + (MainEdgeEnd - ToolTip) * InsertShare,
                                            ToolTip + (MinorEdgeEnd - ToolTip) * InsertShare}};
    p.setPen(Outline(style, Yellow, InsertOutline));
    p.setBrush(Shading(InsertShading, style, ToolTip, insert.boundingRect().bottomLeft()));
    p.drawPolygon(insert);
}

void PaintForceArrow(QPainter& p, IconStyle style)
{
    p.setPen(Outline(style, Maroon, ArrowOutline));
    p.setBrush(Shading(ArrowShading, style, ArrowTail, ArrowHead));
    p.drawPolygon(ArrowOutlinePolygon());
}

// The whole drawing, in units, on a painter already scaled to the target.
void PaintAppIcon(QPainter& p, IconStyle style)
{
    p.setRenderHint(QPainter::Antialiasing, style == IconStyle::Smooth);
    PaintChuck(p, style);
    PaintBar(p, style);
    PaintTool(p, style);
    PaintForceArrow(p, style);
}

// Only the colours that appear, transparency first, in a colour table.
QImage ToIndexed(const QImage& argb)
{
    QVector<QRgb> table{Transparent};
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = argb.pixel(x, y);
            const QRgb entry = qAlpha(c) == 0 ? Transparent : c;
            if (!table.contains(entry))
                table.append(entry);
        }
    }
    if (table.size() > WindowIconColours)
        throw std::logic_error("the window icon has more colours than its palette allows");
    QImage indexed(argb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = argb.pixel(x, y);
            indexed.setPixel(x, y, static_cast<uint>(table.indexOf(qAlpha(c) == 0 ? Transparent : c)));
        }
    }
    return indexed;
}

} // namespace

IconStyle StyleForSize(int size)
{
    return size == WindowIconSize ? IconStyle::Palette16 : IconStyle::Smooth;
}

QImage RenderAppIcon(int size, IconStyle style)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.scale(size / Units, size / Units);
        PaintAppIcon(p, style);
    }
    return style == IconStyle::Palette16 ? ToIndexed(image) : image;
}

QByteArray RenderAppIconSvg()
{
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(static_cast<int>(Units), static_cast<int>(Units)));
    generator.setViewBox(QRectF(0.0, 0.0, Units, Units));
    generator.setTitle(QStringLiteral("Otpor rezanja"));
    generator.setDescription(
        QStringLiteral("A bar in a lathe's chuck, a turning tool and the cutting force"));
    {
        QPainter p(&generator);
        PaintAppIcon(p, IconStyle::Smooth);
    }
    return svg;
}

QString IconFileName(int size)
{
    return QStringLiteral("otpor-rezanja-%1.png").arg(size);
}

QString ScalableIconFileName()
{
    return QStringLiteral("otpor-rezanja.svg");
}

QImage RenderMaskableIcon(int size)
{
    // The largest square within the safe circle (diameter 0.8), a little less
    // so that antialiased corners stay inside it.
    const int inner = static_cast<int>(size * 0.8 / std::sqrt(2.0)) - 2;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(MaskableGround);
    QPainter p(&image);
    p.drawImage((size - inner) / 2, (size - inner) / 2, RenderAppIcon(inner, IconStyle::Smooth));
    return image;
}

QString WebIconFileName(int size)
{
    return QStringLiteral("icon-%1.png").arg(size);
}

QString MaskableIconFileName()
{
    return QStringLiteral("icon-maskable-%1.png").arg(MaskableIconSize);
}

} // namespace otpor::qt
