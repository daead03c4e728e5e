#include "chart/qt/TChartWidget.h"

#include "platform/qt/ErrorReport.h"
#include "platform/qt/Runtime.h"

#include <QMouseEvent>
#include <QPainter>

namespace otpor::qt {

namespace {

std::optional<TMouseButton> ButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return mbLeft;
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return std::nullopt;
    }
}

TShiftState ShiftOf(const QMouseEvent& event)
{
    TShiftState s = 0;
    const Qt::KeyboardModifiers keys = event.modifiers();
    if (keys & Qt::ShiftModifier)
        s |= ssShift;
    if (keys & Qt::AltModifier)
        s |= ssAlt;
    if (keys & Qt::ControlModifier)
        s |= ssCtrl;
    const Qt::MouseButtons buttons = event.buttons();
    if (buttons & Qt::LeftButton)
        s |= ssLeft;
    if (buttons & Qt::RightButton)
        s |= ssRight;
    if (buttons & Qt::MiddleButton)
        s |= ssMiddle;
    return s;
}

TChart& WithSystemSeparators(TChart& chart)
{
    chart.SetSeparators(SystemFormatSettings());
    return chart;
}

} // namespace

TChartWidget::TChartWidget(QWidget* parent, std::unique_ptr<TChart> chart)
    : TChartWidget(parent, WithSystemSeparators(*chart))
{
    ownChart_ = std::move(chart);
}

TChartWidget::TChartWidget(QWidget* parent, TChart& chart) : QWidget(parent), chart_(&chart)
{
    // The picture covers every pixel: nothing is erased before a paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    chart_->SetBounds(x(), y(), width(), height());
    chart_->SetOnInvalidate([this] { RequestPaint(); });
}

TChartWidget::~TChartWidget()
{
    chart_->SetOnInvalidate({});
}

void TChartWidget::RequestPaint()
{
    if (!paintRequested_) {
        paintRequested_ = true;
        update();
    }
}

void TChartWidget::paintEvent(QPaintEvent*)
{
    Guarded([this] { Paint(); });
}

void TChartWidget::Paint()
{
    paintRequested_ = false;
    const int w = width();
    const int h = height();
    if (w <= 0 || h <= 0)
        return;
    const double ratio = devicePixelRatioF();
    // A new screen or scale makes a new picture, which is drawn below.
    const bool sameRatio = !picture_ || !picture_->SetRatio(ratio);
    const bool kept = picture_ && sameRatio && picture_->Width() == w && picture_->Height() == h;
    if (!kept || chart_->PictureStale()) {
        if (!picture_)
            picture_.emplace(w, h, ratio);
        else if (picture_->Width() != w || picture_->Height() != h)
            picture_->SetSize(w, h);
        chart_->DrawPicture(picture_->Canvas(), {0, 0, w, h});
    }
    chart_->ShowPicture(picture_->Canvas(), [this] {
        picture_->EndFrame();
        QPainter painter(this);
        painter.drawImage(0, 0, picture_->Image());
    });
    picture_->EndFrame();
}

void TChartWidget::resizeEvent(QResizeEvent*)
{
    Guarded([this] {
        picture_.reset();
        chart_->SetBounds(x(), y(), width(), height());
    });
}

void TChartWidget::moveEvent(QMoveEvent*)
{
    Guarded([this] { chart_->SetBounds(x(), y(), width(), height()); });
}

void TChartWidget::mousePressEvent(QMouseEvent* event)
{
    Guarded([&] {
        if (const auto button = ButtonOf(event->button())) {
            const QPoint p = event->position().toPoint();
            chart_->MouseDown(*button, ShiftOf(*event), p.x(), p.y());
        }
    });
}

void TChartWidget::mouseMoveEvent(QMouseEvent* event)
{
    Guarded([&] {
        const QPoint p = event->position().toPoint();
        chart_->MouseMove(ShiftOf(*event), p.x(), p.y());
    });
}

void TChartWidget::mouseReleaseEvent(QMouseEvent* event)
{
    Guarded([&] {
        if (const auto button = ButtonOf(event->button())) {
            const QPoint p = event->position().toPoint();
            chart_->MouseUp(*button, ShiftOf(*event), p.x(), p.y());
        }
    });
}

} // namespace otpor::qt
