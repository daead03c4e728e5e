// The instructions window: the user guide of the simulation as one page,
// shown beside the main window by "Help" and hidden again by its close
// button or Escape. It has nothing to operate; the page's text can be read
// by a screen reader, selected and copied, and looks as the painted page.
#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>

class QLabel;
class QTextDocument;
class QTextEdit;

namespace otpor {

class TForm2 : public QWidget {
public:
    explicit TForm2(QWidget* parent = nullptr);

    // The 392 x 435 page: light yellow, framed, the seven paragraphs.
    static QImage RenderPage();

    // The main window's zoom (1 is 100 %): the page, its text and the window
    // that much larger, the page drawn at the zoom times the screen's ratio.
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }

    // The page's frame and paper; the text lies on it in Text.
    QLabel* Image1 = nullptr;
    // The seven paragraphs, read-only; laid out when the window is first shown.
    QTextEdit* Text = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LayOutPage();

    double zoom_ = 1;
    // The window's client size at 100 %, kept while it is zoomed.
    QSize sizeAt100_;
};

} // namespace otpor
