// The window control that shows a chart (the oscillograph Chart1): it owns
// the chart and its off-screen picture, paints only when Qt asks, copies the
// picture while it is current and draws it anew when the chart has marked it
// stale, and passes the mouse to the chart. The chart works in layout pixels
// (the control's size and the mouse divided by its zoom); the picture is drawn
// at the zoom times the device pixel ratio of the screen, and anew when that
// changes.
#pragma once

#include "chart/TChart.h"
#include "platform/qt/QImageCanvas.h"

#include <QWidget>

#include <memory>
#include <optional>

class QMouseEvent;

namespace otpor::qt {

class TChartWidget : public QWidget {
public:
    // Owns the chart, which takes the system's separators.
    explicit TChartWidget(QWidget* parent = nullptr,
                          std::unique_ptr<TChart> chart = std::make_unique<TChart>());
    // Shows a chart that its owner keeps, with the owner's settings, for as
    // long as the widget lives.
    TChartWidget(QWidget* parent, TChart& chart);
    ~TChartWidget() override;

    TChart& Chart() { return *chart_; }
    const TChart& Chart() const { return *chart_; }

    // The off-screen picture in device pixels; none after a resize until the next paint.
    const QImage* Picture() const { return picture_ ? &picture_->Image() : nullptr; }

    // The form's zoom (1 is 100 %): the chart keeps its layout size, the
    // control takes that size times the zoom, and the picture is drawn that
    // much finer.
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The chart's Invalidate: one update() until the paint it asks for.
    void RequestPaint();
    void Paint();
    // The control's size and a mouse position in layout pixels.
    int LayoutWidth() const;
    int LayoutHeight() const;
    QPoint LayoutPoint(const QMouseEvent& event) const;
    void SetChartBounds();

    std::unique_ptr<TChart> ownChart_;
    TChart* chart_;
    double zoom_ = 1;
    std::optional<QImageCanvas> picture_;
    bool paintRequested_ = false;
};

} // namespace otpor::qt
