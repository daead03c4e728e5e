#include "platform/qt/Runtime.h"

#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>

namespace otpor::qt {

namespace {

std::function<void()>& BeepHook()
{
    static std::function<void()> hook;
    return hook;
}

// A box centred on the primary screen rather than on its parent.
void ShowCenteredBox(QMessageBox::Icon icon, const QString& caption, const QString& text)
{
    QMessageBox box(icon, caption, text, QMessageBox::NoButton);
    box.addButton(QString::fromUtf8(BoxButtonText.data(), BoxButtonText.size()), QMessageBox::AcceptRole);
    box.adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        box.move(area.center() - box.rect().center());
    }
    box.exec();
}

} // namespace

FormatSettings SystemFormatSettings()
{
    const QLocale locale = QLocale::system();
    FormatSettings s;
    s.DecimalSeparator = locale.decimalPoint().toStdString();
    s.ThousandSeparator = locale.groupSeparator().toStdString();
    return s;
}

void Beep()
{
    if (BeepHook())
        BeepHook()();
    else
        QApplication::beep();
}

void SetBeepHook(std::function<void()> hook)
{
    BeepHook() = std::move(hook);
}

void ShowWarningBox(const QString& text)
{
    ShowCenteredBox(QMessageBox::Warning, QString::fromUtf8(WarningCaption.data(), WarningCaption.size()),
                    text);
}

void ShowErrorBox(const QString& text)
{
    ShowCenteredBox(QMessageBox::Critical, QApplication::applicationName(), text);
}

void RegisterFallbackFonts()
{
    // Not tahomabd.ttf: its outlines are no heavier than the regular face's,
    // so a bold label would not look bold. Without a bold face Qt emboldens
    // the regular one, which does.
    static const char* const files[] = {
        "/usr/share/wine/fonts/tahoma.ttf",
        "/usr/share/wine/fonts/ms_sans_serif.ttf",
    };
    for (const char* file : files) {
        if (QFile::exists(QString::fromLatin1(file)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    }
}

} // namespace otpor::qt
