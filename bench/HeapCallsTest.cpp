// A tick of the running process in steady state, the chart's paint included,
// makes no heap call of any kind: the histories, point lists, label texts,
// fonts and measured texts all keep what they hold from one tick to the next.
#include "bench/HeapCalls.h"
#include "app/Unit1.h"
#include "chart/Oscillograph.h"
#include "platform/qt/QImageCanvas.h"

#include <gtest/gtest.h>

namespace otpor {
namespace {

TEST(SteadyStateTick, MakesNoHeapCalls)
{
    if (!bench::HeapCallsCounted())
        GTEST_SKIP() << "the sanitizer keeps the allocator to itself";
    TForm1 form(FormatSettings{",", "."});
    form.ComboBox1Change(0);
    form.ComboBox2Change(0);
    form.Button2Click();
    qt::QImageCanvas canvas(OscillographWidth, OscillographHeight);
    auto tick = [&] {
        form.Timer1Timer();
        form.Chart().Draw(canvas, {0, 0, OscillographWidth, OscillographHeight});
    };
    // The first ticks fill the oscillogram and meet every text once.
    for (int i = 0; i < 400; ++i)
        tick();
    const bench::HeapCalls before = bench::CountedHeapCalls();
    constexpr int Ticks = 100;
    for (int i = 0; i < Ticks; ++i)
        tick();
    const bench::HeapCalls after = bench::CountedHeapCalls();
    EXPECT_EQ(after.Allocations - before.Allocations, 0) << "over " << Ticks << " ticks";
    EXPECT_EQ(after.Frees - before.Frees, 0) << "over " << Ticks << " ticks";
}

} // namespace
} // namespace otpor
