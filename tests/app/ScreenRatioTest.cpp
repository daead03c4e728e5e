// The main window moved between two screens, of device pixel ratio 1 and 2:
// at 1 the pictures are exactly what the raster rules give; at 2 the
// animation and the oscillograph are drawn anew at device resolution, not
// enlarged, and agree with the pictures at 1.
#include "app/TImage.h"
#include "app/Unit1.h"
#include "chart/Oscillograph.h"
#include "chart/TChart.h"
#include "chart/qt/TChartWidget.h"
#include "platform/qt/QImageCanvas.h"
#include "platform/qt/Runtime.h"
#include "scene/SceneDrawing.h"
#include "tests/support/Choose.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <string>

namespace otpor {
namespace {

// Each 2 x 2 block of device pixels averaged into one pixel.
QImage ShrunkByTwo(const QImage& image)
{
    QImage out(image.width() / 2, image.height() / 2, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                const QRgb p = image.pixel(2 * x + d.x(), 2 * y + d.y());
                r += qRed(p);
                g += qGreen(p);
                b += qBlue(p);
            }
            out.setPixel(x, y, qRgb((r + 2) / 4, (g + 2) / 4, (b + 2) / 4));
        }
    return out;
}

// Share of pixels whose channels differ by more than a quarter of the scale.
double ShareDiffering(const QImage& a, const QImage& b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))}) > 64)
                ++differing;
        }
    return static_cast<double>(differing) / (a.width() * a.height());
}

// Aligned 2 x 2 blocks of device pixels, within the layout rectangle, whose
// four pixels are not all the same: none in a picture enlarged from ratio 1.
int MixedBlocks(const QImage& image, const QRect& layout)
{
    int mixed = 0;
    const QRect r = layout.intersected(QRect(0, 0, image.width() / 2, image.height() / 2));
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = image.pixel(2 * x, 2 * y);
            if (image.pixel(2 * x + 1, 2 * y) != p || image.pixel(2 * x, 2 * y + 1) != p ||
                image.pixel(2 * x + 1, 2 * y + 1) != p)
                ++mixed;
        }
    return mixed;
}

TEST(ScreenRatio, PicturesFollowTheDevicePixelRatioOfTheScreen)
{
    TForm1 form(FormatSettings{",", "."});
    test::ChooseC1633AndP30(form);
    form.Button2->click();
    for (int i = 0; i < 60; ++i)
        form.Timer1Timer();
    form.Timer1->stop();
    form.ShowAtFormGeometry();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(50);
    ASSERT_EQ(form.devicePixelRatioF(), 1.0);

    // The same state drawn by the raster rules at a ratio of 1.
    qt::QImageCanvas scene(433, 369);
    DrawWorkpieceAndTool(scene, form.State().Scene);
    DrawForces(scene, form.State().Scene, form.State().Arrows());
    qt::QImageCanvas oscillograph(433, 161);
    form.Chart().Draw(oscillograph, {0, 0, 433, 161});
    EXPECT_EQ(form.Image1->Picture(), scene.Image());
    ASSERT_NE(form.Chart1->Picture(), nullptr);
    EXPECT_EQ(*form.Chart1->Picture(), oscillograph.Image());

    // On the second screen, without a tick: drawn anew at the new ratio.
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    form.windowHandle()->setScreen(screens[1]);
    QTest::qWait(100);
    ASSERT_EQ(form.devicePixelRatioF(), 2.0);

    const QImage animation = form.Image1->Picture();
    ASSERT_NE(form.Chart1->Picture(), nullptr);
    const QImage chart = *form.Chart1->Picture();
    EXPECT_EQ(animation.size(), QSize(866, 738));
    EXPECT_EQ(chart.size(), QSize(866, 322));
    EXPECT_EQ(animation.devicePixelRatio(), 2.0);

    animation.save(QStringLiteral(PICTURE_DIR "/ratio2-animation.png"));
    chart.save(QStringLiteral(PICTURE_DIR "/ratio2-chart.png"));
    form.grab().save(QStringLiteral(PICTURE_DIR "/ratio2-window.png"));

    EXPECT_LT(ShareDiffering(ShrunkByTwo(animation), scene.Image()), 0.01);
    // Only the texts differ: smooth glyphs of the device's size against 1x glyphs.
    EXPECT_LT(ShareDiffering(ShrunkByTwo(chart), oscillograph.Image()), 0.04);

    // Finer than 2 x 2 blocks: edges of the picture, and the chart's texts.
    EXPECT_GT(MixedBlocks(animation, QRect(0, 0, 433, 369)), 500);
    const TRect title = form.Chart().Title.TitleRect();
    EXPECT_GT(MixedBlocks(chart, QRect(title.Left, title.Top, title.Width(), title.Height())), 20);

    // The window icon has a picture for the device's size.
    EXPECT_EQ(form.windowIcon().pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));

    // Back on the first screen: the exact pictures again.
    form.windowHandle()->setScreen(screens[0]);
    QTest::qWait(100);
    ASSERT_EQ(form.devicePixelRatioF(), 1.0);
    EXPECT_EQ(form.Image1->Picture(), scene.Image());
    EXPECT_EQ(*form.Chart1->Picture(), oscillograph.Image());
}

// A framed box at ratio 2 covers exactly the 2 x 2 blocks of its pixels at
// ratio 1, for odd and even pen widths alike.
TEST(ScreenRatio, RectangleFramesAtRatioTwoEnlargeThoseAtOne)
{
    for (const int width : {1, 2, 3, 4}) {
        qt::QImageCanvas one(40, 30);
        qt::QImageCanvas two(40, 30, 2);
        for (Canvas* c : {static_cast<Canvas*>(&one), static_cast<Canvas*>(&two)}) {
            c->SetBrushColor(clBlue);
            c->FillRect({0, 0, 40, 30});
            c->SetBrushColor(clYellow);
            c->SetPen({clRed, width, PenStyle::Solid, PenMode::Copy});
            c->Rectangle(8, 6, 31, 22);
        }
        const QImage& big = two.Image();
        int differing = 0;
        for (int y = 0; y < big.height(); ++y) {
            for (int x = 0; x < big.width(); ++x)
                differing += big.pixel(x, y) != one.Image().pixel(x / 2, y / 2);
        }
        EXPECT_EQ(differing, 0) << "pen width " << width;
    }
}

// The same pictures at the scales of other screens (1.5 on a laptop, 2.75 on a
// phone): shrunk back to their layout size they match the pictures at 1, and
// their texts hold detail finer than a layout pixel, smooth as Qt's own
// widgets draw text.
// Averaged back onto the layout pixels.
QImage Shrunk(const qt::QImageCanvas& canvas)
{
    QImage device = canvas.Image();
    device.setDevicePixelRatio(1);
    return device.scaled(canvas.Width(), canvas.Height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

TEST(ScreenRatio, PicturesAtOtherScalesShrunkBackMatchThoseAtOneAndTheirTextsAreSmooth)
{
    TForm1 form(FormatSettings{",", "."});
    form.ComboBox1Change(0);
    form.ComboBox2Change(0);
    form.Button2Click();
    for (int i = 0; i < 60; ++i)
        form.Timer1Timer();
    form.Timer1->stop();

    auto draw = [&](double scale) {
        auto scene = std::make_unique<qt::QImageCanvas>(PictureWidth, PictureHeight, scale);
        DrawWorkpieceAndTool(*scene, form.State().Scene);
        DrawForces(*scene, form.State().Scene, form.State().Arrows());
        auto chart = std::make_unique<qt::QImageCanvas>(OscillographWidth, OscillographHeight, scale);
        form.Chart().Draw(*chart, {0, 0, OscillographWidth, OscillographHeight});
        return std::pair{std::move(scene), std::move(chart)};
    };
    const auto [scene1, chart1] = draw(1);
    const TRect title = form.Chart().Title.TitleRect();
    for (const double scale : {1.5, 2.0, 2.75}) {
        const auto [scene, chart] = draw(scale);
        const std::string name = std::to_string(static_cast<int>(scale * 100));
        scene->Image().save(QString::fromStdString(PICTURE_DIR "/scale" + name + "-animation.png"));
        chart->Image().save(QString::fromStdString(PICTURE_DIR "/scale" + name + "-chart.png"));
        EXPECT_EQ(chart->Image().width(), static_cast<int>(std::nearbyint(OscillographWidth * scale)));
        EXPECT_EQ(chart->Image().devicePixelRatio(), scale);
        // The layout is the same at every scale.
        EXPECT_EQ(form.Chart().Title.TitleRect(), title) << scale;

        EXPECT_LT(ShareDiffering(Shrunk(*scene), scene1->Image()), 0.02) << scale;
        // The texts differ most: smooth glyphs of the device's size against 1x glyphs.
        EXPECT_LT(ShareDiffering(Shrunk(*chart), chart1->Image()), 0.05) << scale;

        // The title's blue glyphs: edges blended over the yellow panel (as
        // the picture at 1 never has them), and as tall as the scale makes them.
        const QImage& image = chart->Image();
        int blended = 0;
        int inkTop = image.height();
        int inkBottom = -1;
        const auto device = [&](int v) { return static_cast<int>(std::nearbyint(v * scale)); };
        for (int y = device(title.Top); y < device(title.Bottom); ++y)
            for (int x = device(title.Left); x < device(title.Right); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qBlue(p) > 200 && qRed(p) < 200) {
                    inkTop = std::min(inkTop, y);
                    inkBottom = std::max(inkBottom, y);
                }
                blended += qRed(p) > 40 && qRed(p) < 215 && qBlue(p) > qRed(p) ? 1 : 0;
            }
        EXPECT_GT(blended, 30) << scale;
        EXPECT_GT(inkBottom - inkTop, 6 * scale) << scale;
    }
}

// Typed inputs can make any int a coordinate: the canvas of ratio 2 keeps
// what shows and stays defined (this runs under the sanitizers too).
TEST(ScreenRatio, AbsurdCoordinatesAtRatioTwoDrawWhatShows)
{
    constexpr int Big = std::numeric_limits<int>::max();
    constexpr int Small = std::numeric_limits<int>::min();
    qt::QImageCanvas c(100, 50, 2);
    c.SetBrushColor(clBlue);
    c.SetPen({clRed, 3, PenStyle::Solid, PenMode::Copy});
    const TPoint huge[] = {{Small, Small}, {Big, Small}, {Big, Big}, {Small, Big}};
    c.Polygon(huge);
    c.Polyline(huge);
    c.Ellipse(Small, Small, Big, Big);
    c.Rectangle(Small, Small, Big, Big);
    c.SetPen({clBlack, 1, PenStyle::Dot, PenMode::NotXor});
    c.MoveTo(Small, 10);
    c.LineTo(Big, 10);
    c.Bevel({Small, Small, Big, Big}, clWhite, clBlack, Big);
    c.ClipRect({Small, Small, Big, Big});
    c.SetFont({"Arial", Small, clBlack, false, false});
    c.TextOut(Big, Small, "x");
    c.RotatedTextOut(Small, Big, "x", Small);
    c.BandFill(Big, Big, Small, Small, clYellow);
    const QImage& image = c.Image();
    EXPECT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(image.pixel(100, 60), qRgb(255, 255, 0));
}

} // namespace
} // namespace otpor

int main(int argc, char** argv)
{
    // Two screens side by side, the second of ratio 2; set before the application starts.
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" TWO_SCREENS, 1);
    setenv("QT_SCREEN_SCALE_FACTORS", "one=1;two=2", 1);
    QApplication app(argc, argv);
    otpor::qt::RegisterFallbackFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
