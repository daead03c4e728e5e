#include "app/TImage.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace otpor {

TImage::TImage(QWidget* parent, int width, int height) : QWidget(parent), canvas_(width, height)
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
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_.Image());
}

} // namespace otpor
