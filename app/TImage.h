// A picture control: shows the bitmap of a QImage canvas at its top-left
// corner, unscaled. The owner draws into the canvas and calls update().
// Hovering shows ToolTipText, when given, as a tooltip; nothing is drawn
// into the picture for it.
#pragma once

#include "platform/qt/QImageCanvas.h"

#include <QString>
#include <QWidget>
#include <functional>

namespace otpor {

class TImage : public QWidget {
public:
    TImage(QWidget* parent, int width, int height);

    qt::QImageCanvas& Canvas() { return canvas_; }

    std::function<QString()> ToolTipText;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    qt::QImageCanvas canvas_;
};

} // namespace otpor
