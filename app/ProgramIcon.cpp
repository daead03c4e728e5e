#include "app/ProgramIcon.h"

#include <QString>

namespace otpor {

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {32, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/otpor-rezanja-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace otpor
