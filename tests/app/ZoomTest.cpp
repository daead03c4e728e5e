// Zoom and full screen of the main window on a real X server (Xvfb, one
// 1920 x 1080 screen) with a real window manager (openbox), both started by
// this file's main before the application: the window's own keys, what the
// screen shows, and the chart's gestures at a zoom.
#include "app/TImage.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "chart/qt/TChartWidget.h"
#include "platform/qt/Runtime.h"
#include "support/ServerProcess.h"
#include "widgets/Spin.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>

namespace otpor {
namespace {

using namespace std::chrono_literals;

constexpr QSize Screen(1920, 1080);

// Waits, with Qt's events delivered, until the condition holds.
bool Eventually(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, 20000);
}

// The window's frame and contents have stopped changing.
void Settle(QWidget& w)
{
    QRect last;
    QSize size;
    Eventually([&] {
        QTest::qWait(200);
        const bool same = w.frameGeometry() == last && w.size() == size;
        last = w.frameGeometry();
        size = w.size();
        return same;
    });
}

void Key(TForm1& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &form, key, modifiers);
    Settle(form);
}

std::string Text(const QRect& r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

// What the screen shows of a widget, device pixels.
QImage OnScreen(const QWidget& w)
{
    const QPoint at = w.mapToGlobal(QPoint(0, 0));
    return w.screen()->grabWindow(0, at.x(), at.y(), w.width(), w.height()).toImage().convertToFormat(
        QImage::Format_RGB32);
}

// Kept for a look when OTPOR_SCREENSHOTS names a folder.
void Shot(const QImage& image, const char* name)
{
    if (const char* folder = std::getenv("OTPOR_SCREENSHOTS"))
        image.save(QString::fromUtf8(folder) + QLatin1Char('/') + QLatin1String(name) + ".png");
}

QImage WholeScreen(const QWidget& w)
{
    return w.screen()->grabWindow(0).toImage();
}

// The widest run of white pixels along any row.
int WhiteWidth(const QImage& image)
{
    int widest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0, run = 0; x < image.width(); ++x) {
            run = image.pixel(x, y) == qRgb(255, 255, 255) ? run + 1 : 0;
            widest = std::max(widest, run);
        }
    return widest;
}

struct ShownForm {
    TForm2 instructions;
    TForm1 form{FormatSettings{",", "."}};
    ShownForm()
    {
        form.SetInstructionsWindow(&instructions);
        form.ShowAtFormGeometry();
        // A loaded machine may take its time. Now and then, with other
        // tests' servers running beside it, the window was never exposed
        // (why is not known): it is shown once more before the test fails.
        if (!QTest::qWaitForWindowExposed(&form, 10000)) {
            form.hide();
            form.ShowAtFormGeometry();
        }
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form, 20000));
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form, 20000));
        Settle(form);
    }
};

TEST(Zoom, StepsGrowTheClientAreaWithinTheScreenAndCtrlZeroGivesBackTheWindow)
{
    ShownForm shown;
    TForm1& form = shown.form;
    ASSERT_EQ(form.screen()->size(), Screen);
    // The keys work wherever the focus is: here in a spin field.
    form.SpinEdit2->setFocus();
    const QSize at100 = form.size();
    const QImage picture100 = form.grab().toImage();

    Key(form, Qt::Key_Plus);
    Key(form, Qt::Key_Equal);
    EXPECT_EQ(form.Zoom(), 1.5);
    Shot(WholeScreen(form), "zoom-150");
    EXPECT_EQ(form.size(), QSize(Zoomed(at100.width(), 1.5), Zoomed(at100.height(), 1.5)));
    EXPECT_EQ(form.SpinEdit2->text(), QStringLiteral("45"));
    // Everything at the zoom: the spin buttons, the pictures at the screen's scale.
    EXPECT_EQ(form.SpinEdit2->Button()->width(), Zoomed(TSpinEdit::ButtonPairWidth, 1.5));
    EXPECT_EQ(form.Image1->Picture().width(), Zoomed(433, 1.5));
    EXPECT_EQ(form.Chart1->size(), QSize(Zoomed(433, 1.5), Zoomed(161, 1.5)));

    // The wheel with Control over the form's ground; no step beyond what the
    // screen's available area holds (200 % needs 1094 rows).
    for (int turn = 0; turn < 3; ++turn) {
        const QPointF at(4, 4);
        QWheelEvent wheel(at, form.mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&form, &wheel);
    }
    Settle(form);
    EXPECT_EQ(form.Zoom(), 1.75);
    EXPECT_TRUE(form.screen()->availableGeometry().contains(form.frameGeometry())) << Text(form.frameGeometry());

    Key(form, Qt::Key_Minus);
    EXPECT_EQ(form.Zoom(), 1.5);
    Key(form, Qt::Key_0);
    EXPECT_EQ(form.size(), at100);
    EXPECT_EQ(form.grab().toImage(), picture100);
}

TEST(Zoom, FullScreenShowsTheFormAtTheScreensSizeAndGoesBackToTheWindowAsItWas)
{
    ShownForm shown;
    TForm1& form = shown.form;
    const QImage animation100 = OnScreen(*form.Image1);
    Shot(WholeScreen(form), "zoom-100");
    const QImage picture100 = form.grab().toImage();
    Key(form, Qt::Key_Plus);
    const QRect window = form.frameGeometry();

    Key(form, Qt::Key_F11, Qt::NoModifier);
    ASSERT_TRUE(Eventually([&] { return form.frameGeometry() == QRect(QPoint(0, 0), Screen); }))
        << Text(form.frameGeometry());
    Settle(form);
    // The layout's 547 rows fill the 1080 of the screen, the form centred.
    const double zoom = 1080.0 / 547;
    EXPECT_DOUBLE_EQ(form.Zoom(), zoom);
    EXPECT_EQ(form.Image1->x(), (1920 - Zoomed(672, zoom)) / 2 + Zoomed(232, zoom));

    // The animation drawn at its size on the screen: its bitmap shown pixel
    // for pixel, not the 100 % picture blown up.
    const QImage animation = OnScreen(*form.Image1);
    EXPECT_GE(WhiteWidth(animation), 1.8 * WhiteWidth(animation100));
    const QImage bitmap = form.Image1->Picture().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(bitmap.size(), QSize(Zoomed(433, zoom), Zoomed(369, zoom)));
    EXPECT_EQ(animation.copy(QRect(QPoint(), bitmap.size())), bitmap);
    EXPECT_NE(bitmap, animation100.scaled(bitmap.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));

    Shot(WholeScreen(form), "full-screen");
    if (std::getenv("OTPOR_SCREENSHOTS")) {
        form.Button4->click();
        Settle(*shown.instructions.window());
        Shot(WholeScreen(form), "full-screen-help");
        shown.instructions.close();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // The chart's zoom drag in layout pixels, and the reverse drag restores.
    TChart& chart = form.Chart();
    const auto drag = [&](QPoint from, QPoint to) {
        QTest::mousePress(form.Chart1, Qt::LeftButton, {}, from * zoom);
        QTest::mouseMove(form.Chart1, to * zoom);
        QTest::mouseRelease(form.Chart1, Qt::LeftButton, {}, to * zoom);
    };
    drag({100, 40}, {150, 80});
    EXPECT_LT(chart.LeftAxis.Maximum(), 1000);
    EXPECT_GT(chart.LeftAxis.Minimum(), 0);
    drag({150, 80}, {100, 40});
    EXPECT_EQ(chart.LeftAxis.Minimum(), 0);
    EXPECT_EQ(chart.LeftAxis.Maximum(), 1000);

    // Escape in an open list closes the list, and only then leaves full screen.
    form.ComboBox1->showPopup();
    ASSERT_TRUE(Eventually([] { return QApplication::activePopupWidget() != nullptr; }));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    ASSERT_TRUE(Eventually([] { return QApplication::activePopupWidget() == nullptr; }));
    EXPECT_TRUE(form.FullScreen());
    Key(form, Qt::Key_Escape, Qt::NoModifier);
    ASSERT_TRUE(Eventually([&] { return form.frameGeometry() == window; }))
        << Text(form.frameGeometry()) << " " << Text(window);
    EXPECT_EQ(form.Zoom(), 1.25);

    Key(form, Qt::Key_F11, Qt::NoModifier);
    ASSERT_TRUE(Eventually([&] { return form.FullScreen() && form.frameGeometry().size() == Screen; }));
    Key(form, Qt::Key_F11, Qt::NoModifier);
    ASSERT_TRUE(Eventually([&] { return form.frameGeometry() == window; })) << Text(form.frameGeometry());
    Key(form, Qt::Key_0);
    EXPECT_EQ(form.grab().toImage(), picture100);
    if (std::getenv("OTPOR_SCREENSHOTS")) {
        form.SetZoom(2);
        Settle(form);
        Shot(form.grab().toImage(), "zoom-200");
    }
}

} // namespace
} // namespace otpor

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    otpor::test::ServerProcess xvfb, openbox;
    const std::string display = otpor::test::StartXvfb(xvfb, otpor::Screen.width(), otpor::Screen.height());
    if (display.empty()) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("QT_SCALE_FACTOR");
    openbox.Start({"openbox", "--sm-disable"});
    QApplication app(argc, argv);
    otpor::qt::RegisterFallbackFonts();
    // The window manager is up once it manages a window: its own check window.
    if (!QTest::qWaitFor([] { return std::system("xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window") == 0; },
                         10000)) {
        std::fprintf(stderr, "openbox did not start\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
