// Text on the QImage canvas: the named fonts really draw, the text cell is
// anchored by the alignment, the background mode decides whether the cell is
// filled, and turned text reads upwards.
#include "CanvasPixels.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace otpor::test {
namespace {

using qt::QImageCanvas;

constexpr TColor Paper = RGB(255, 0, 0);
constexpr TColor Ink = RGB(0, 0, 255);
constexpr TColor CellColor = RGB(0, 255, 0);

otpor::Font ArialFont(int height = 13)
{
    otpor::Font f;
    f.Name = "Arial";
    f.Height = height;
    f.Color = Ink;
    return f;
}

// A canvas of one colour with the font set.
void Prepare(QImageCanvas& canvas, const otpor::Font& font)
{
    canvas.BandFill(0, 0, canvas.Width(), canvas.Height(), Paper);
    canvas.SetFont(font);
    canvas.SetBackgroundColor(CellColor);
}

TEST(QImageCanvasText, ArialResolvesAndTextDrawsPixels)
{
    QImageCanvas canvas(120, 40);
    Prepare(canvas, ArialFont());
    canvas.SetBackgroundMode(BackgroundMode::Transparent);
    canvas.TextOut(5, 5, "Oscilograf");
    EXPECT_GT(CountColor(canvas, Whole(canvas), Ink), 40);

    QFont requested(QStringLiteral("Arial"));
    requested.setPixelSize(13);
    EXPECT_TRUE(QFontInfo(requested).exactMatch() ||
                QFontInfo(requested).family() == QStringLiteral("Liberation Sans"))
        << QFontInfo(requested).family().toStdString();

    // The character height is the pixel size; the cell adds the leading.
    const int cell = canvas.TextHeight("W");
    EXPECT_GE(cell, 13);
    EXPECT_LE(cell, 13 * 3 / 2);
    EXPECT_GT(canvas.TextWidth("Oscilograf"), canvas.TextWidth("Osc"));
    EXPECT_EQ(canvas.TextWidth(""), 0);
    // Serbian letters are measured and drawn, not dropped.
    EXPECT_GT(canvas.TextWidth("čćšžđ"), canvas.TextWidth("ccszd") / 2);
}

TEST(QImageCanvasText, BoldAndLargerFontsChangeTheMetrics)
{
    QImageCanvas canvas(10, 10);
    canvas.SetFont(ArialFont(11));
    const int plainWidth = canvas.TextWidth("Oscilograf");
    const int smallHeight = canvas.TextHeight("W");
    otpor::Font bold = ArialFont(11);
    bold.Bold = true;
    canvas.SetFont(bold);
    EXPECT_GT(canvas.TextWidth("Oscilograf"), plainWidth);
    canvas.SetFont(ArialFont(20));
    EXPECT_GT(canvas.TextHeight("W"), smallHeight);
    // The form's negative heights mean the same character height.
    canvas.SetFont(ArialFont(-20));
    const int negative = canvas.TextHeight("W");
    canvas.SetFont(ArialFont(20));
    EXPECT_EQ(canvas.TextHeight("W"), negative);
}

TEST(QImageCanvasText, OpaqueBackgroundFillsTheTextCellAndTransparentDoesNot)
{
    const char* text = "F1 = 100";
    QImageCanvas opaque(100, 40);
    Prepare(opaque, ArialFont());
    opaque.SetBackgroundMode(BackgroundMode::Opaque);
    opaque.TextOut(10, 8, text);
    const int w = opaque.TextWidth(text);
    const int h = opaque.TextHeight(text);
    const TRect cell{10, 8, 10 + w, 8 + h};
    EXPECT_EQ(CountColor(opaque, cell, Paper), 0);
    EXPECT_GT(CountColor(opaque, cell, CellColor), w * h / 2);
    EXPECT_GT(CountColor(opaque, cell, Ink), 0);
    EXPECT_EQ(CountColor(opaque, Whole(opaque), CellColor), CountColor(opaque, cell, CellColor));

    QImageCanvas transparent(100, 40);
    Prepare(transparent, ArialFont());
    transparent.SetBackgroundMode(BackgroundMode::Transparent);
    transparent.TextOut(10, 8, text);
    EXPECT_EQ(CountColor(transparent, Whole(transparent), CellColor), 0);
    EXPECT_GT(CountColor(transparent, cell, Paper), w * h / 2);
    EXPECT_GT(CountColor(transparent, cell, Ink), 0);

    // A clear brush, as the legend sets it before its texts, means no cell.
    QImageCanvas clearBrush(100, 40);
    Prepare(clearBrush, ArialFont());
    clearBrush.SetBackgroundMode(BackgroundMode::Opaque);
    clearBrush.SetBrushStyle(BrushStyle::Clear);
    clearBrush.TextOut(10, 8, text);
    EXPECT_EQ(CountColor(clearBrush, Whole(clearBrush), CellColor), 0);
}

TEST(QImageCanvasText, AlignmentPlacesTheTextCellAroundTheAnchor)
{
    struct Case {
        HorizontalAlign Horizontal;
        VerticalAlign Vertical;
    };
    const Case cases[] = {
        {HorizontalAlign::Left, VerticalAlign::Top},      {HorizontalAlign::Center, VerticalAlign::Top},
        {HorizontalAlign::Right, VerticalAlign::Top},     {HorizontalAlign::Left, VerticalAlign::Bottom},
        {HorizontalAlign::Center, VerticalAlign::Bottom}, {HorizontalAlign::Right, VerticalAlign::Bottom},
    };
    const char* text = "1000";
    for (const Case& c : cases) {
        QImageCanvas canvas(120, 80);
        Prepare(canvas, ArialFont());
        canvas.SetBackgroundMode(BackgroundMode::Opaque);
        canvas.SetTextAlign({c.Horizontal, c.Vertical});
        canvas.TextOut(60, 40, text);
        const int w = canvas.TextWidth(text);
        const int h = canvas.TextHeight(text);
        const int left = c.Horizontal == HorizontalAlign::Left     ? 60
                         : c.Horizontal == HorizontalAlign::Center ? 60 - w / 2
                                                                   : 60 - w;
        const int top = c.Vertical == VerticalAlign::Top ? 40 : 40 - h;
        EXPECT_EQ(BoundsOfOther(canvas, Paper), (TRect{left, top, left + w, top + h}));
    }
}

TEST(QImageCanvasText, TurnedTextReadsUpwardsWithItsBottomOnTheAnchor)
{
    const char* title = "Sila [N]";
    QImageCanvas canvas(60, 120);
    Prepare(canvas, ArialFont());
    canvas.SetBackgroundMode(BackgroundMode::Opaque); // turned text is never filled
    canvas.SetTextAlign({HorizontalAlign::Center, VerticalAlign::Bottom});
    canvas.RotatedTextOut(40, 60, title, 90);
    const int w = canvas.TextWidth(title);
    const int h = canvas.TextHeight(title);
    EXPECT_EQ(CountColor(canvas, Whole(canvas), CellColor), 0);
    const TRect ink = BoundsOfOther(canvas, Paper);
    ASSERT_FALSE(ink.IsEmpty());
    // Left of x = 40, within the cell's height; centred on y = 60.
    EXPECT_LE(ink.Right, 40);
    EXPECT_GE(ink.Left, 40 - h);
    EXPECT_GT(ink.Height(), ink.Width());
    EXPECT_GE(ink.Top, 60 - w / 2 - 1);
    EXPECT_LE(ink.Bottom, 60 + w / 2 + 1);
    EXPECT_LE(std::abs((ink.Top + ink.Bottom) / 2 - 60), 3);

    // Reading upwards: anchored at its start, the text runs up from it.
    QImageCanvas start(60, 120);
    Prepare(start, ArialFont());
    start.SetTextAlign({HorizontalAlign::Left, VerticalAlign::Bottom});
    start.RotatedTextOut(40, 100, title, 90);
    const TRect up = BoundsOfOther(start, Paper);
    EXPECT_LE(up.Bottom, 101);
    EXPECT_GE(up.Top, 100 - w - 1);
    EXPECT_LT(up.Top, 100 - w / 2);
    EXPECT_LE(up.Right, 40);
}

TEST(QImageCanvasText, TextIsClippedToTheClipRectangle)
{
    QImageCanvas canvas(100, 40);
    Prepare(canvas, ArialFont());
    canvas.SetBackgroundMode(BackgroundMode::Opaque);
    canvas.ClipRect(TRect{0, 0, 20, 40});
    canvas.TextOut(10, 5, "Oscilograf");
    EXPECT_LE(BoundsOfOther(canvas, Paper).Right, 20);
    canvas.RemoveClip();
    canvas.TextOut(10, 5, "Oscilograf");
    EXPECT_GT(BoundsOfOther(canvas, Paper).Right, 20);
}

} // namespace
} // namespace otpor::test

namespace otpor::test {
namespace {

// Numbers are measured from their characters' advances (no shaping, no
// heap); the widths must be Qt's, whatever the digits, in every font the
// pictures use.
TEST(QImageCanvasText, NumbersMeasureAsQtMeasuresThem)
{
    QImageCanvas canvas(10, 10);
    for (const char* name : {"Arial", "Tahoma"}) {
        for (const int height : {11, 13}) {
            otpor::Font font = ArialFont(height);
            font.Name = name;
            canvas.SetFont(font);
            QFont qfont(QString::fromLatin1(name));
            qfont.setPixelSize(height);
            qfont.setStyleStrategy(QFont::NoAntialias);
            const QFontMetrics metrics(qfont, &canvas.Image());
            for (const char* text : {"0", "1.000", "-100,2", "1000000", "-87,65", "111", "1E-5", "+4 7"})
                EXPECT_EQ(canvas.TextWidth(text), metrics.horizontalAdvance(QString::fromLatin1(text)))
                    << name << " " << height << " \"" << text << "\"";
        }
    }
}

} // namespace
} // namespace otpor::test
