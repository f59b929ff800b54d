#pragma once

#include <QIcon>

// The program's picture in every size of the desktop's icon theme, 16 to 256 pixels, so that
// window managers and task bars pick a sharp one rather than scale the smallest up.
namespace ProgramIcon {

QIcon icon();

} // namespace ProgramIcon
