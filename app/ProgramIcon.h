// The program's icon for its windows: the same pictures the desktop's icon
// theme gets from the package, compiled into the program as a Qt resource so
// that the window, the menu entry and the task bar show one icon.
#pragma once

#include <QIcon>

namespace otpor {

// Every installed size; the window manager picks the one it needs. The
// 32 x 32 picture is the classic 16-colour window icon. A picture is decoded
// only when its size is first asked for (Qt's own file icons decode every
// file as it is added, which would cost the start-up every size).
QIcon ProgramIcon();

} // namespace otpor
