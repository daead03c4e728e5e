#include "chart/qt/TChartWidget.h"

#include "platform/qt/ErrorReport.h"
#include "platform/qt/Runtime.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

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
    SetChartBounds();
    chart_->SetOnInvalidate([this] { RequestPaint(); });
}

int TChartWidget::LayoutWidth() const
{
    return static_cast<int>(std::lround(width() / zoom_));
}

int TChartWidget::LayoutHeight() const
{
    return static_cast<int>(std::lround(height() / zoom_));
}

QPoint TChartWidget::LayoutPoint(const QMouseEvent& event) const
{
    return (event.position() / zoom_).toPoint();
}

void TChartWidget::SetChartBounds()
{
    chart_->SetBounds(static_cast<int>(std::lround(x() / zoom_)), static_cast<int>(std::lround(y() / zoom_)),
                      LayoutWidth(), LayoutHeight());
}

void TChartWidget::SetZoom(double zoom)
{
    if (!(zoom > 0) || zoom == zoom_)
        return;
    const int w = LayoutWidth();
    const int h = LayoutHeight();
    zoom_ = zoom;
    resize(static_cast<int>(std::lround(w * zoom_)), static_cast<int>(std::lround(h * zoom_)));
    update();
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
    const int w = LayoutWidth();
    const int h = LayoutHeight();
    if (w <= 0 || h <= 0)
        return;
    const double scale = zoom_ * devicePixelRatioF();
    bool current = picture_ && !chart_->PictureStale();
    if (!picture_) {
        picture_.emplace(w, h, scale);
        current = false;
    } else if (picture_->Width() != w || picture_->Height() != h) {
        picture_->SetSize(w, h);
        current = false;
    }
    // A new screen, scale or zoom makes a new picture, which is drawn below.
    if (picture_->SetScale(scale))
        current = false;
    if (!current)
        chart_->DrawPicture(*picture_, {0, 0, w, h});
    chart_->ShowPicture(*picture_, [&] {
        QPainter painter(this);
        // Device pixels one to one, whatever the zoom (as TImage).
        const QImage& image = picture_->Image();
        const qreal ratio = devicePixelRatioF();
        painter.drawImage(QRectF(0, 0, image.width() / ratio, image.height() / ratio), image);
    });
}

void TChartWidget::resizeEvent(QResizeEvent*)
{
    Guarded([this] {
        picture_.reset();
        SetChartBounds();
    });
}

void TChartWidget::moveEvent(QMoveEvent*)
{
    Guarded([this] { SetChartBounds(); });
}

void TChartWidget::mousePressEvent(QMouseEvent* event)
{
    Guarded([&] {
        if (const auto button = ButtonOf(event->button())) {
            const QPoint p = LayoutPoint(*event);
            chart_->MouseDown(*button, ShiftOf(*event), p.x(), p.y());
        }
    });
}

void TChartWidget::mouseMoveEvent(QMouseEvent* event)
{
    Guarded([&] {
        const QPoint p = LayoutPoint(*event);
        chart_->MouseMove(ShiftOf(*event), p.x(), p.y());
    });
}

void TChartWidget::mouseReleaseEvent(QMouseEvent* event)
{
    Guarded([&] {
        if (const auto button = ButtonOf(event->button())) {
            const QPoint p = LayoutPoint(*event);
            chart_->MouseUp(*button, ShiftOf(*event), p.x(), p.y());
        }
    });
}

} // namespace otpor::qt
