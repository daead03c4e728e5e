// A picture control: shows the bitmap of a QImage canvas at its top-left
// corner, unscaled. The owner draws into the canvas and calls update().
#pragma once

#include "platform/qt/QImageCanvas.h"

#include <QWidget>

namespace otpor {

class TImage : public QWidget {
public:
    TImage(QWidget* parent, int width, int height);

    qt::QImageCanvas& Canvas() { return canvas_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qt::QImageCanvas canvas_;
};

} // namespace otpor
