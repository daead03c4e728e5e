// A tick of the running process in steady state (a second pass of the tool),
// the chart's paint included, makes no heap call of any kind: the histories,
// point lists, fonts and drawn texts keep what they hold from one tick to the
// next, and the range's changing ends are measured without shaping a text.
#include "bench/HeapCalls.h"
#include "app/TImage.h"
#include "app/Unit1.h"
#include "chart/Oscillograph.h"
#include "platform/qt/QImageCanvas.h"
#include "tests/support/Choose.h"

#include <QComboBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace otpor {
namespace {

TEST(SteadyStateTick, MakesNoHeapCalls)
{
    if (!bench::HeapCallsCounted())
        GTEST_SKIP() << "the sanitizer keeps the allocator to itself";
    // At a scale of 1 and at a phone's, both pictures.
    for (const double scale : {1.0, 2.75}) {
        TForm1 form(FormatSettings{",", "."});
        form.Image1->SetZoom(scale);
        test::ChooseC1633AndP30(form);
        form.Button2Click();
        qt::QImageCanvas canvas(OscillographWidth, OscillographHeight, scale);
        auto tick = [&] {
            form.Timer1Timer();
            form.Chart().Draw(canvas, {0, 0, OscillographWidth, OscillographHeight});
        };
        // The first pass fills the oscillogram and meets every label once; the
        // second one draws the same labels again.
        while (form.Timer1->isActive())
            tick();
        form.Button5Click();
        form.Button2Click();
        for (int i = 0; i < 300; ++i)
            tick();
        const bench::HeapCalls before = bench::CountedHeapCalls();
        constexpr int Ticks = 100;
        for (int i = 0; i < Ticks; ++i)
            tick();
        const bench::HeapCalls after = bench::CountedHeapCalls();
        EXPECT_EQ(after.Allocations - before.Allocations, 0) << "over " << Ticks << " ticks at " << scale;
        EXPECT_EQ(after.Frees - before.Frees, 0) << "over " << Ticks << " ticks at " << scale;
    }
}

} // namespace
} // namespace otpor
