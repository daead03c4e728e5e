// The yardstick for the program's start-up: the smallest Qt Widgets window,
// built the same way (same compiler, flags and Qt), shown at the size of the
// main window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.resize(680, 574); // about the main window's size
    window.show();
    return QApplication::exec();
}
