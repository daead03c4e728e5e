#include "app/TImage.h"

#include "platform/qt/ErrorReport.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace otpor {

TImage::TImage(QWidget* parent, int width, int height)
    : QWidget(parent), picture_(width, height, parent ? parent->devicePixelRatioF() : 1.0)
{
    resize(width, height);
    // The picture covers the control: nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
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
    if (picture_.SetRatio(devicePixelRatioF()) && OnRedraw)
        qt::Guarded([this] { OnRedraw(); });
    picture_.EndFrame();
    QPainter painter(this);
    painter.drawImage(0, 0, picture_.Image());
}

} // namespace otpor
