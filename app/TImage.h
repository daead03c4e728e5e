// A picture control: shows the bitmap of its canvas at its top-left corner,
// at the layout size. The owner draws into Canvas() and calls update(). The
// bitmap follows the device pixel ratio of the screen the control is shown
// on; when that changes, the bitmap is made anew and OnRedraw asked to draw
// the picture again.
// Hovering shows ToolTipText, when given, as a tooltip; nothing is drawn
// into the picture for it.
#pragma once

#include "platform/qt/DevicePicture.h"

#include <QString>
#include <QWidget>

#include <functional>

namespace otpor {

class TImage : public QWidget {
public:
    TImage(QWidget* parent, int width, int height);

    // Layout pixels, whatever the ratio.
    otpor::Canvas& Canvas() { return picture_.Canvas(); }
    // The bitmap in device pixels.
    const QImage& Picture() const { return picture_.Image(); }

    // Draws the current picture into Canvas() again.
    std::function<void()> OnRedraw;

    std::function<QString()> ToolTipText;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    qt::DevicePicture picture_;
};

} // namespace otpor
