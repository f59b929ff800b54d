#pragma once

#include <QIcon>

// The program's picture in the sizes a window's icon is shown at, 16 to 64 pixels, so that
// window managers and task bars pick a sharp one rather than scale the smallest up; larger ones
// would cost every start memory for the sake of menus that take theirs from the icon theme.
namespace ProgramIcon {

QIcon icon();

} // namespace ProgramIcon
