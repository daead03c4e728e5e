// What the program takes from the desktop: the regional separators, the
// system's beep, the modal message boxes, and the fonts the forms name.
// Each effect has a hook so that tests can observe it without a sound card
// or a person to close the box.
#pragma once

#include "platform/FormatSettings.h"

#include <QString>
#include <functional>

class QWidget;

namespace otpor::qt {

// The separators of QLocale::system().
FormatSettings SystemFormatSettings();

// The system's default sound.
void Beep();
// Replaces the beep (tests count it); an empty function restores the sound.
void SetBeepHook(std::function<void()> hook);

// The modal warning box: caption "Warning", one button "OK", exclamation
// icon, centred on the screen. Returns when it is closed; timers go on
// running inside its message loop.
void ShowWarningBox(const QString& text);

// The application's error report: the message in a modal box with the error
// icon. Called for every failure that ends a handler or a tick.
void ShowErrorBox(const QString& text);

// Registers the free stand-ins for "Tahoma" and "MS Sans Serif" that the
// set-up installs, where they exist; "Arial" is answered by fontconfig.
void RegisterFallbackFonts();

} // namespace otpor::qt
