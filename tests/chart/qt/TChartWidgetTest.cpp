#include "chart/qt/TChartWidget.h"
#include "chart/Oscillograph.h"
#include "platform/Errors.h"
#include "platform/qt/ErrorReport.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace otpor::qt {
namespace {

// Counts the paint events the widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A chart that keeps the mouse calls it gets and can be told to fail.
class MouseNotingChart : public TChart {
public:
    std::vector<std::string> log;
    bool fail = false;
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override
    {
        if (fail)
            throw Exception("refused");
        log.push_back("down " + std::to_string(b) + " " + std::to_string(s) + " " + std::to_string(x) + "," +
                      std::to_string(y));
    }
    void MouseMove(TShiftState s, int x, int y) override
    {
        log.push_back("move " + std::to_string(s) + " " + std::to_string(x) + "," + std::to_string(y));
    }
    void MouseUp(TMouseButton b, TShiftState, int x, int y) override
    {
        log.push_back("up " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
    }
};

struct ShownChart {
    TChartWidget widget;
    OscillographSeries series = ConfigureOscillograph(widget.Chart());
    PaintCounter counter;
    int draws = 0;

    explicit ShownChart(std::unique_ptr<TChart> chart = std::make_unique<TChart>())
        : widget(nullptr, std::move(chart))
    {
        widget.Chart().OnAfterDraw = [this] { ++draws; };
        widget.installEventFilter(&counter);
        widget.resize(OscillographWidth, OscillographHeight);
        widget.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
        Settle();
    }

    // Lets Qt deliver what is pending, paints included.
    static void Settle()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }

    void Tick()
    {
        for (TLineSeries* s : {&series.Series1, &series.Series2, &series.Series3})
            s->ClearValues();
        for (int k = 0; k <= 334; ++k)
            for (TLineSeries* s : {&series.Series1, &series.Series2, &series.Series3})
                s->AddPoint((k - 334) * 0.3, 500);
    }
};

TEST(ChartWidget, TheChangesOfOneTickGiveOnePaint)
{
    ShownChart shown;
    ASSERT_GE(shown.draws, 1);
    ASSERT_NE(shown.widget.Picture(), nullptr);
    const int paints = shown.counter.paints;
    const int draws = shown.draws;

    shown.Tick();
    shown.widget.Chart().LeftAxis.SetMaximum(1050);
    EXPECT_TRUE(shown.widget.Chart().BufferStale());
    ShownChart::Settle();
    EXPECT_EQ(shown.counter.paints, paints + 1);
    EXPECT_EQ(shown.draws, draws + 1);
    EXPECT_FALSE(shown.widget.Chart().BufferStale());

    // Nothing changed: nothing is painted.
    ShownChart::Settle();
    EXPECT_EQ(shown.counter.paints, paints + 1);
}

TEST(ChartWidget, APaintWhileThePictureIsCurrentOnlyCopiesIt)
{
    ShownChart shown;
    const int draws = shown.draws;
    const int paints = shown.counter.paints;
    shown.widget.repaint();
    EXPECT_EQ(shown.counter.paints, paints + 1);
    EXPECT_EQ(shown.draws, draws);
    EXPECT_EQ(shown.widget.grab().toImage().convertToFormat(QImage::Format_RGB32),
              shown.widget.Picture()->convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(shown.widget.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(ChartWidget, AResizeDropsThePictureAndTheNextPaintDrawsOneOfTheNewSize)
{
    ShownChart shown;
    const int draws = shown.draws;
    shown.widget.resize(300, 120);
    EXPECT_EQ(shown.widget.Picture(), nullptr);
    EXPECT_EQ(shown.widget.Chart().Width(), 300);
    EXPECT_TRUE(shown.widget.Chart().BufferStale());
    ShownChart::Settle();
    EXPECT_EQ(shown.draws, draws + 1);
    ASSERT_NE(shown.widget.Picture(), nullptr);
    EXPECT_EQ(shown.widget.Picture()->size(), QSize(300, 120));
    EXPECT_EQ(shown.widget.Chart().PanelRect(), (TRect{0, 0, 300, 120}));
}

TEST(ChartWidget, PassesTheMouseToTheChartAndReportsItsFailures)
{
    auto owned = std::make_unique<MouseNotingChart>();
    MouseNotingChart& chart = *owned;
    ShownChart shown(std::move(owned));
    QTest::mousePress(&shown.widget, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 40));
    QTest::mouseMove(&shown.widget, QPoint(150, 80));
    QTest::mouseRelease(&shown.widget, Qt::LeftButton, Qt::NoModifier, QPoint(150, 80));
    ASSERT_GE(chart.log.size(), 3u);
    EXPECT_EQ(chart.log.front(),
              "down " + std::to_string(mbLeft) + " " + std::to_string(ssShift | ssLeft) + " 100,40");
    EXPECT_NE(std::find(chart.log.begin(), chart.log.end(), "move " + std::to_string(ssLeft) + " 150,80"),
              chart.log.end());
    EXPECT_EQ(chart.log.back(), "up " + std::to_string(mbLeft) + " 150,80");

    static std::vector<std::string> reported;
    reported.clear();
    SetErrorReportHook([](const std::string& m) { reported.push_back(m); });
    chart.fail = true;
    QTest::mousePress(&shown.widget, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    SetErrorReportHook(nullptr);
    EXPECT_EQ(reported, (std::vector<std::string>{"refused"}));
}

// A zoom of the form: the control grows, the chart keeps its layout size and
// hears the mouse in layout pixels, and the picture is drawn that much finer.
TEST(ChartWidget, AZoomKeepsTheLayoutAndDrawsTheScaledPicture)
{
    auto owned = std::make_unique<MouseNotingChart>();
    MouseNotingChart& chart = *owned;
    ShownChart shown(std::move(owned));
    shown.widget.resize(433, 161);
    ShownChart::Settle();
    shown.widget.SetZoom(2);
    ShownChart::Settle();
    EXPECT_EQ(shown.widget.size(), QSize(866, 322));
    EXPECT_EQ(chart.PanelRect(), (TRect{0, 0, 433, 161}));
    ASSERT_NE(shown.widget.Picture(), nullptr);
    EXPECT_EQ(shown.widget.Picture()->size(), QSize(866, 322) * shown.widget.devicePixelRatioF());
    QTest::mousePress(&shown.widget, Qt::LeftButton, Qt::NoModifier, QPoint(200, 80));
    ASSERT_FALSE(chart.log.empty());
    EXPECT_TRUE(chart.log.back().ends_with(" 100,40")) << chart.log.back();
}

} // namespace
} // namespace otpor::qt

namespace otpor::qt {
namespace {

TEST(TChartWidgetBand, DragShowsTheBandOverThePictureAndLeavesThePictureClean)
{
    TChartWidget widget;
    ConfigureOscillograph(widget.Chart());
    widget.resize(433, 161);
    const QImage before = widget.grab().toImage();
    const QImage clean = *widget.Picture();
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(100, 40));
    QTest::mouseMove(&widget, QPoint(150, 80));
    const QImage during = widget.grab().toImage();
    // The picture itself holds the chart alone; the window shows the band.
    EXPECT_EQ(*widget.Picture(), clean);
    EXPECT_NE(during, before);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(-20, -10)); // released outside: undo
    EXPECT_FALSE(widget.Chart().ZoomRecord().Active);
}

} // namespace
} // namespace otpor::qt
