#include "app/ProgramIcon.h"

#include <QDir>
#include <QString>

namespace otpor {

QIcon ProgramIcon()
{
    // Whatever sizes the build compiled in (OTPOR_ICON_SIZES); each file knows its own.
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& name : icons.entryList({QStringLiteral("otpor-rezanja-*.png")}, QDir::Files))
        icon.addFile(icons.filePath(name));
    return icon;
}

} // namespace otpor
