#include "platform/qt/QImageCanvas.h"
#include "scene/SceneDrawing.h"
#include "sim/FakeEffects.h"
#include "sim/InputHandlers.h"
#include "sim/ProcessCycle.h"
#include "support/Choose.h"

#include <QColor>
#include <gtest/gtest.h>

namespace otpor {
namespace {

QRgb Rgb(TColor c)
{
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

int CountPixels(const QImage& image, QRgb color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
    return n;
}

// Draws what the running window draws, on the real canvas.
class PictureEffects : public test::FakeEffects {
public:
    PictureEffects(SimulationState& s, qt::QImageCanvas& c) : s_(s), c_(c) {}
    void DrawWorkpieceAndTool() override { otpor::DrawWorkpieceAndTool(c_, s_.Scene); }
    void DrawForces() override { otpor::DrawForces(c_, s_.Scene, s_.Arrows()); }

private:
    SimulationState& s_;
    qt::QImageCanvas& c_;
};

class ScenePicture : public ::testing::Test {
protected:
    void SetUp() override { FormCreate(s); }
    SimulationState s;
    qt::QImageCanvas canvas{PictureWidth, PictureHeight};
    PictureEffects fx{s, canvas};
};

TEST_F(ScenePicture, StartPictureShowsWorkpieceAndToolWithoutForces)
{
    DrawWorkpieceAndTool(canvas, s.Scene);
    const QImage& img = canvas.Image();
    img.save(QStringLiteral(PICTURE_DIR "/scene-start.png"));
    EXPECT_EQ(img.pixel(2, 360) & 0xFFFFFF, 0xFFFFFFu);                            // white background
    EXPECT_EQ(img.pixel(360, 220) & 0xFFFFFF, Rgb(RGB(180, 180, 180)) & 0xFFFFFF); // end face
    EXPECT_EQ(img.pixel(240, 245) & 0xFFFFFF, Rgb(RGB(215, 215, 220)) & 0xFFFFFF); // rake face
    EXPECT_GT(CountPixels(img, Rgb(RGB(153, 153, 153))), 100); // outlines in the grey of strip 61
    EXPECT_EQ(CountPixels(img, Rgb(RGB(255, 0, 0))), 0);       // no resultant arrow
}

TEST_F(ScenePicture, RunningPictureShowsTheForceArrows)
{
    test::ChooseC1633AndP30(s);
    StartProcess(s, fx);
    for (int i = 0; i < 10; ++i)
        ProcessTick(s, fx);
    const QImage& img = canvas.Image();
    img.save(QStringLiteral(PICTURE_DIR "/scene-forces.png"));
    const ForceDiagram d = ComputeForceDiagram(s.Scene, s.Arrows());
    EXPECT_EQ(img.pixel(d.F1Tip.X, d.F1Tip.Y - 3) & 0xFFFFFF, Rgb(RGB(0, 0, 255)) & 0xFFFFFF);
    EXPECT_GT(CountPixels(img, Rgb(RGB(255, 0, 0))), 50);
    EXPECT_GT(CountPixels(img, Rgb(RGB(128, 0, 0))), 20);
    EXPECT_GT(CountPixels(img, Rgb(RGB(0, 128, 0))), 10);

    // A reset during a pause removes the arrows.
    PauseProcess(s, fx);
    ResetProcess(s, fx);
    EXPECT_EQ(CountPixels(canvas.Image(), Rgb(RGB(255, 0, 0))), 0);
}

TEST_F(ScenePicture, AbsurdArrowsAreClippedNotWrapped)
{
    DrawWorkpieceAndTool(canvas, s.Scene);
    DrawForces(canvas, s.Scene, {PixelLimit, -PixelLimit, PixelLimit});
    DrawForces(canvas, s.Scene, {500 * 4 / 5, 0, 0}); // F1 of 500 N leaves the picture at the bottom
    const ForceDiagram d = ComputeForceDiagram(s.Scene, {400, 0, 0});
    canvas.Image().save(QStringLiteral(PICTURE_DIR "/scene-absurd.png"));
    // Beside the dotted vertical edge that runs down the same column.
    EXPECT_EQ(canvas.Image().pixel(d.Origin.X + 1, PictureHeight - 1) & 0xFFFFFF,
              Rgb(RGB(255, 0, 0)) & 0xFFFFFF);
}

} // namespace
} // namespace otpor
