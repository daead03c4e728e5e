// The instructions window: the user guide of the simulation as one page,
// shown beside the main window by "Help" and hidden again by its close
// button or Escape. It has nothing to operate; the page's text can be read
// by a screen reader, selected and copied, and looks as the painted page.
#pragma once

#include <QImage>
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

    // The page's frame and paper; the text lies on it in Text.
    QLabel* Image1 = nullptr;
    // The seven paragraphs, read-only; laid out when the window is first shown.
    QTextEdit* Text = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LayOutPage();
};

} // namespace otpor
