// How the main window meets the desktop it runs on: the system colours taken
// from the desktop's palette as one set, the form's ground with the text that
// goes on it, the degree marks kept clear of their labels whatever the font,
// and the window's size whatever its frame measures (on Wayland the frame is
// drawn inside the window).
#pragma once

#include "form/FormLayout.h"

#include <QMargins>
#include <QRect>
#include <QSize>

class QLabel;
class QPalette;
class QWidget;

namespace otpor {

// The client area that holds the whole layout.
inline constexpr QSize MinimumClientSize{MainClientWidth, MainClientHeight};

// clBtnFace, clBtnHighlight, clBtnShadow and clWindowText from the palette.
void LoadSystemColors(const QPalette& palette);

// Takes the system colours from the application's palette, and gives the
// form the ground clBtnFace with the text clWindowText on it; again whenever
// the application's palette changes.
void ApplyDesktopColors(QWidget& form);

// Moves a degree mark right, at its height, where the label's text reaches it
// (a font wider than the form's); with the form's font it stays where it is.
void KeepDegreeMarkClear(const QLabel& label, QLabel& mark);

// The same for every degree mark ("o") among the box's labels, each with the
// label on its line to its left.
void KeepDegreeMarksClear(QWidget& box);

// The window's decoration around its client area (none before it is shown).
QMargins FrameMargins(const QWidget& window);

// The client size that gives the frame its size with the decoration's
// margins, never below MinimumClientSize.
QSize ClientSizeForFrame(QSize frame, const QMargins& decoration);

// Shows the window with its frame at the rectangle where the platform lets the
// program place it, the client area never below MinimumClientSize. The frame
// is measured once shown, and again when the window system reports it later.
void PlaceOnDesktop(QWidget& window, const QRect& frame);

} // namespace otpor
