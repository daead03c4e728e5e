// Speed of one tick of the process and of its parts, and the heap calls one
// tick makes (every malloc, calloc, realloc and free of the process, counted
// by bench/HeapCalls). The timer gives every tick 50 ms.
#include "app/TImage.h"
#include "app/Unit1.h"
#include "bench/HeapCalls.h"
#include "chart/Oscillograph.h"
#include "chart/TChart.h"
#include "platform/qt/QImageCanvas.h"
#include "platform/qt/Runtime.h"
#include "scene/SceneDrawing.h"
#include "sim/ForceModel.h"
#include "sim/InputHandlers.h"
#include "sim/ProcessCycle.h"
#include "tests/support/Choose.h"

#include <QApplication>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fstream>
#include <string>

namespace otpor {
namespace {

const FormatSettings Comma{",", "."};

using bench::CountedHeapCalls;

// Heap calls (allocations and frees) per tick as benchmark counters.
void ReportHeapCalls(benchmark::State& st, const bench::HeapCalls& calls, long ticks)
{
    st.counters["allocs_per_tick"] = benchmark::Counter(static_cast<double>(calls.Allocations) / ticks);
    st.counters["frees_per_tick"] = benchmark::Counter(static_cast<double>(calls.Frees) / ticks);
}

// Effects that go nowhere, for the logic alone.
class NullSeries : public SeriesSink {
public:
    void ClearValues() override {}
    void AddPoint(double, double, std::string_view, TColor) override {}
};
class NullEffects : public ProcessEffects {
public:
    NullSeries series;
    SeriesSink& Series1() override { return series; }
    SeriesSink& Series2() override { return series; }
    SeriesSink& Series3() override { return series; }
    void DrawWorkpieceAndTool() override {}
    void DrawForces() override {}
    bool TimerEnabled() const override { return true; }
    void SetTimerEnabled(bool) override {}
    void Beep() override {}
    void ShowWarning(std::string_view) override {}
};

void Prepare(SimulationState& s)
{
    FormCreate(s);
    test::ChooseC1633AndP30(s);
    s.Inputs.WorkMaterial = 1;
    LoadMaterialCoefficients(s);
}

void BM_ComputeForces(benchmark::State& st)
{
    SimulationState s;
    Prepare(s);
    for (auto _ : st)
        benchmark::DoNotOptimize(ComputeForces(s.Inputs, s.Coefficients));
}
BENCHMARK(BM_ComputeForces);

// The logic of one tick: scene motion, forces, arrows, oscillogram, shift.
void BM_TickLogic(benchmark::State& st)
{
    SimulationState s;
    Prepare(s);
    int n = 0;
    for (auto _ : st) {
        AdvanceProcess(s);
        ShiftHistories(s);
        if (++n == 600) { // stay within one pass of the tool
            st.PauseTiming();
            NullEffects none;
            ResetProcess(s, none);
            n = 0;
            st.ResumeTiming();
        }
        benchmark::DoNotOptimize(s.Osc.OscF1[334]);
    }
}
BENCHMARK(BM_TickLogic);

void BM_FillOscillogram(benchmark::State& st)
{
    SimulationState s;
    Prepare(s);
    TChart chart;
    const OscillographSeries series = ConfigureOscillograph(chart);
    TraceFeed s1(series.Series1), s2(series.Series2), s3(series.Series3);
    for (auto _ : st)
        FillOscillogram(s, s1, s2, s3);
}
BENCHMARK(BM_FillOscillogram);

// The scene's picture after one tick, painted on the canvas over and over.
void PaintScene(benchmark::State& st, Canvas& canvas)
{
    SimulationState s;
    Prepare(s);
    AdvanceProcess(s);
    for (auto _ : st) {
        DrawWorkpieceAndTool(canvas, s.Scene);
        DrawForces(canvas, s.Scene, s.Arrows());
    }
}

// The oscillograph after 400 ticks, painted on the canvas over and over.
void PaintChart(benchmark::State& st, Canvas& canvas)
{
    SimulationState s;
    Prepare(s);
    TChart chart;
    const OscillographSeries series = ConfigureOscillograph(chart);
    TraceFeed s1(series.Series1), s2(series.Series2), s3(series.Series3);
    for (int i = 0; i < 400; ++i) {
        AdvanceProcess(s);
        FillOscillogram(s, s1, s2, s3);
        ShiftHistories(s);
    }
    for (auto _ : st)
        chart.Draw(canvas, {0, 0, OscillographWidth, OscillographHeight});
}

// The scale of a picture benchmark: its argument in percent.
double ScaleOf(const benchmark::State& st)
{
    return static_cast<double>(st.range(0)) / 100;
}

// The device pixels the picture has, beside its time.
void ReportPixels(benchmark::State& st, const qt::QImageCanvas& canvas)
{
    st.counters["device_pixels"] = static_cast<double>(canvas.Image().width()) * canvas.Image().height();
}

// The two pictures at scales of 1, 1.5, 2 and 3 (a laptop's, a phone's and a
// high-resolution screen's device pixel ratio, or the form's zoom).
void BM_ScenePaint(benchmark::State& st)
{
    qt::QImageCanvas canvas(PictureWidth, PictureHeight, ScaleOf(st));
    PaintScene(st, canvas);
    ReportPixels(st, canvas);
}
BENCHMARK(BM_ScenePaint)->Arg(100)->Arg(150)->Arg(200)->Arg(300)->Unit(benchmark::kMicrosecond);

void BM_ChartPaint(benchmark::State& st)
{
    qt::QImageCanvas canvas(OscillographWidth, OscillographHeight, ScaleOf(st));
    PaintChart(st, canvas);
    ReportPixels(st, canvas);
}
BENCHMARK(BM_ChartPaint)->Arg(100)->Arg(150)->Arg(200)->Arg(300)->Unit(benchmark::kMicrosecond);

// One whole tick as the running program does it: the timer's handler
// (logic, fill, scene picture) and the chart's paint that follows.
void BM_WholeTick(benchmark::State& st)
{
    TForm1 form(Comma);
    form.ComboBox1Change(0);
    form.ComboBox2Change(0);
    form.Button2Click();
    // At the screen's ratio, as the window draws it (QT_SCALE_FACTOR=2 gives 2).
    qt::QImageCanvas canvas(OscillographWidth, OscillographHeight, form.devicePixelRatioF());
    bench::HeapCalls calls;
    long ticks = 0;
    int n = 0;
    for (auto _ : st) {
        const bench::HeapCalls before = CountedHeapCalls();
        form.Timer1Timer();
        form.Chart().Draw(canvas, {0, 0, OscillographWidth, OscillographHeight});
        const bench::HeapCalls after = CountedHeapCalls();
        calls.Allocations += after.Allocations - before.Allocations;
        calls.Frees += after.Frees - before.Frees;
        ++ticks;
        if (++n == 600) {
            st.PauseTiming();
            form.Button5Click();
            n = 0;
            st.ResumeTiming();
        }
    }
    ReportHeapCalls(st, calls, ticks);
}
BENCHMARK(BM_WholeTick)->Unit(benchmark::kMicrosecond);

// Allocations of the tick's logic and scene picture alone, outside the chart.
void BM_TickAllocationsOutsideChart(benchmark::State& st)
{
    SimulationState s;
    Prepare(s);
    qt::QImageCanvas canvas(PictureWidth, PictureHeight);
    DrawWorkpieceAndTool(canvas, s.Scene);
    bench::HeapCalls calls;
    long ticks = 0;
    for (auto _ : st) {
        const bench::HeapCalls before = CountedHeapCalls();
        AdvanceProcess(s);
        ShiftHistories(s);
        DrawWorkpieceAndTool(canvas, s.Scene);
        DrawForces(canvas, s.Scene, s.Arrows());
        const bench::HeapCalls after = CountedHeapCalls();
        calls.Allocations += after.Allocations - before.Allocations;
        calls.Frees += after.Frees - before.Frees;
        ++ticks;
    }
    ReportHeapCalls(st, calls, ticks);
}
BENCHMARK(BM_TickAllocationsOutsideChart)->Iterations(600);

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

// Resident memory after one and after twenty passes of the tool.
void BM_ResidentMemoryOverPasses(benchmark::State& st)
{
    for (auto _ : st) {
        TForm1 form(Comma);
        form.ComboBox1Change(0);
        form.ComboBox2Change(0);
        qt::QImageCanvas canvas(OscillographWidth, OscillographHeight);
        long afterOne = 0;
        for (int pass = 1; pass <= 20; ++pass) {
            form.Button5Click();
            form.Button2Click();
            while (form.Timer1->isActive()) {
                form.Timer1Timer();
                form.Chart().Draw(canvas, {0, 0, OscillographWidth, OscillographHeight});
            }
            if (pass == 1)
                afterOne = ResidentKiB();
        }
        st.counters["rss_after_1_pass_KiB"] = static_cast<double>(afterOne);
        st.counters["rss_after_20_passes_KiB"] = static_cast<double>(ResidentKiB());
    }
}
BENCHMARK(BM_ResidentMemoryOverPasses)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace otpor

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    otpor::qt::RegisterFallbackFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
