// The main window's two pictures drawn at the device scales of real screens
// (1.5 on a laptop, 2, 2.75 on a phone): shrunk back to their layout size
// they match the pictures at 1, and their texts hold detail finer than a
// layout pixel, smooth as Qt's own widgets draw text.
#include "app/Unit1.h"
#include "chart/Oscillograph.h"
#include "chart/TChart.h"
#include "platform/qt/QImageCanvas.h"
#include "scene/SceneDrawing.h"

#include <QImage>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

namespace otpor {
namespace {

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

// Averaged back onto the layout pixels.
QImage Shrunk(const qt::QImageCanvas& canvas)
{
    QImage device = canvas.Image();
    device.setDevicePixelRatio(1);
    return device.scaled(canvas.Width(), canvas.Height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

TEST(PictureScales, ShrunkBackTheyMatchThePicturesAtOneAndTheirTextsAreSmooth)
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

} // namespace
} // namespace otpor
