// Program entry: the main window, then the hidden instructions window, then
// the message loop until the main window closes.
#include "app/ProgramIcon.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "form/FormLayout.h"
#include "platform/MessageBoxes.h"
#include "platform/qt/Runtime.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(
        QString::fromUtf8(otpor::ProgramName.data(), static_cast<qsizetype>(otpor::ProgramName.size())));
    // The desktop entry's id: the desktop matches the windows to the entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(OTPOR_APP_ID));
    // Boxes and any other window without its own icon show the program's.
    QApplication::setWindowIcon(otpor::ProgramIcon());
    otpor::qt::RegisterFallbackFonts();

    otpor::TForm1 form1(otpor::qt::SystemFormatSettings());
    otpor::TForm2 form2;
    form1.SetInstructionsWindow(&form2);
    // Closing the main window ends the program, the instructions with it.
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    form1.setAttribute(Qt::WA_QuitOnClose, true);
    form2.setAttribute(Qt::WA_QuitOnClose, false);

    form1.ShowAtFormGeometry();
    form2.move(otpor::InstructionsWindow.Frame.Left, otpor::InstructionsWindow.Frame.Top);
    return QApplication::exec();
}
