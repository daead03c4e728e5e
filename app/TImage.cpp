#include "app/TImage.h"

#include <QPainter>

namespace otpor {

TImage::TImage(QWidget* parent, int width, int height) : QWidget(parent), canvas_(width, height)
{
    resize(width, height);
    // The picture covers the control: nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_.Image());
}

} // namespace otpor
