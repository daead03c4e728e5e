// Program entry: the main window, then the hidden instructions window, then
// the message loop until the main window closes.
#include "app/Unit1.h"
#include "platform/qt/Runtime.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("otpor-rezanja"));
    otpor::qt::RegisterFallbackFonts();

    otpor::TForm1 form1;
    // The outer frame at 200, 146, 680 x 574, as the form was laid out.
    form1.show();
    const QRect frame = form1.frameGeometry();
    const QRect client = form1.geometry();
    const int frameW = frame.width() - client.width();
    const int frameH = frame.height() - client.height();
    form1.resize(680 - frameW, 574 - frameH);
    form1.move(200, 146);
    return QApplication::exec();
}
