// The main window on Wayland, where the window's decoration is drawn inside
// it: a real weston (headless, software rendering) with its own runtime
// folder, started before the application and stopped after it.
#include "app/Unit1.h"
#include "chart/qt/TChartWidget.h"
#include "platform/qt/Runtime.h"
#include "support/ServerProcess.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

// The Wayland client library keeps a few proxies that Qt's Wayland platform
// leaves at exit, and Mesa's software driver, which Qt loads through EGL for
// the decorations, keeps an allocation that is lost when EGL unloads it at
// exit; the leak checker of the sanitizer build is told so here.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libwayland-client.so\nleak:libEGL_mesa.so\n";
}
// The driver has no frame pointers: only the slow unwinder finds Mesa's EGL
// below its allocation (the fast one stops in the driver, whose name is gone
// by the time the leaks are reported).
extern "C" const char* __asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

namespace otpor {
namespace {

TEST(Wayland, ClientAreaHoldsTheWholeLayoutInsideTheDecoration)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    TForm1 form(FormatSettings{",", "."});
    form.ShowAtFormGeometry();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(300);

    // The decoration is there, and outside the client area.
    EXPECT_GT(form.frameGeometry().height(), form.geometry().height());
    EXPECT_GE(form.width(), 672);
    EXPECT_GE(form.height(), 547);
    EXPECT_TRUE(form.rect().contains(form.Chart1->geometry())) << form.height();
    // What the compositor was given holds the chart too.
    const QImage shot = form.grab().toImage();
    EXPECT_GE(shot.height(), form.Chart1->geometry().bottom() + 1);
}

struct Weston {
    std::filesystem::path runtime;
    test::ServerProcess process;
};

// Starts weston on a socket of its own; false when it does not come up.
bool StartWeston(Weston& w)
{
    char folder[] = "/tmp/otpor-weston-XXXXXX"; // mkdtemp makes it 0700
    if (mkdtemp(folder) == nullptr)
        return false;
    w.runtime = folder;
    setenv("XDG_RUNTIME_DIR", folder, 1);
    if (!w.process.Start({"weston", "--backend=headless-backend.so", "--use-pixman", "--socket=otpor-test",
                          "--width=1280", "--height=1024", "--idle-time=0",
                          "--log=" + (w.runtime / "weston.log").string()}))
        return false;
    const auto socket = w.runtime / "otpor-test";
    setenv("WAYLAND_DISPLAY", "otpor-test", 1);
    setenv("QT_QPA_PLATFORM", "wayland", 1);
    return test::WaitUntil([&] { return std::filesystem::exists(socket); }, std::chrono::seconds(10));
}

void StopWeston(Weston& w)
{
    w.process.Stop();
    std::error_code ignored;
    if (!w.runtime.empty())
        std::filesystem::remove_all(w.runtime, ignored);
}

} // namespace
} // namespace otpor

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    otpor::Weston weston;
    if (!otpor::StartWeston(weston)) {
        std::fprintf(stderr, "weston did not start (see its log in %s)\n", weston.runtime.c_str());
        otpor::StopWeston(weston);
        return 1;
    }
    // Client-side decorations, whatever the desktop's settings say.
    unsetenv("QT_WAYLAND_DISABLE_WINDOWDECORATION");
    int result = 1;
    {
        QApplication app(argc, argv);
        otpor::qt::RegisterFallbackFonts();
        result = RUN_ALL_TESTS();
    }
    otpor::StopWeston(weston);
    return result;
}
