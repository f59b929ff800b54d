#include "ProgramIcon.h"

#include "PngFile.h"

#include <QPixmap>

namespace ProgramIcon {

QIcon icon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(
            PngFile::read(QStringLiteral(":/resources/varnelo-%1.png").arg(size))));
    return icon;
}

} // namespace ProgramIcon
