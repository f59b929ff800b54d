#include "ProgramIcon.h"

namespace ProgramIcon {

QIcon icon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/resources/varnelo-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace ProgramIcon
