// A picture control: shows the bitmap of its canvas at its top-left corner,
// at the layout size times its zoom. The owner draws into Canvas() in layout
// pixels and calls update(). The bitmap is drawn at the zoom times the device
// pixel ratio of the screen the control is shown on; when that changes, the
// bitmap is made anew and OnRedraw asked to draw the picture again.
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

    // Layout pixels, whatever the scale.
    otpor::Canvas& Canvas() { return canvas_; }
    // The bitmap in device pixels.
    const QImage& Picture() const { return canvas_.Image(); }

    // The form's zoom (1 is 100 %): the control takes the layout size times
    // it, and the picture is drawn that much finer.
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }

    // Draws the current picture into Canvas() again.
    std::function<void()> OnRedraw;

    std::function<QString()> ToolTipText;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // A new screen, scale or zoom draws the picture anew; true when it did.
    bool FollowScale();

    double zoom_ = 1;
    qt::QImageCanvas canvas_;
};

} // namespace otpor
