// The instructions window: the user guide of the simulation as one page,
// shown beside the main window by "Help" and hidden again by its close
// button. It has nothing to operate.
#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

namespace otpor {

class TForm2 : public QWidget {
public:
    explicit TForm2(QWidget* parent = nullptr);

    // The 392 x 435 page: light yellow, framed, the seven paragraphs.
    static QImage RenderPage();

    QLabel* Image1 = nullptr;
};

} // namespace otpor
