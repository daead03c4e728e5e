#include "app/TImage.h"

#include "platform/qt/ErrorReport.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace otpor {

TImage::TImage(QWidget* parent, int width, int height)
    : QWidget(parent), canvas_(width, height, parent ? parent->devicePixelRatioF() : 1.0)
{
    resize(width, height);
    // The picture covers the control: nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImage::SetZoom(double zoom)
{
    if (!(zoom > 0) || zoom == zoom_)
        return;
    zoom_ = zoom;
    resize(static_cast<int>(std::lround(canvas_.Width() * zoom_)),
           static_cast<int>(std::lround(canvas_.Height() * zoom_)));
    FollowScale();
    update();
}

bool TImage::FollowScale()
{
    if (!canvas_.SetScale(zoom_ * devicePixelRatioF()))
        return false;
    if (OnRedraw)
        qt::Guarded([this] { OnRedraw(); });
    return true;
}

bool TImage::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && ToolTipText) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), ToolTipText(), this);
        return true;
    }
    return QWidget::event(event);
}

void TImage::paintEvent(QPaintEvent*)
{
    // A new screen or scale shows first as a paint at the new ratio.
    FollowScale();
    QPainter painter(this);
    // The bitmap's device pixels onto the screen's, one to one: at a zoom
    // whose size is not whole in device pixels a scaled copy would cost a
    // smooth one's time for a blurred last column.
    const QImage& image = canvas_.Image();
    const qreal ratio = devicePixelRatioF();
    painter.drawImage(QRectF(0, 0, image.width() / ratio, image.height() / ratio), image);
}

} // namespace otpor
