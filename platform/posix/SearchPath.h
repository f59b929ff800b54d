#pragma once

#include <QString>
#include <QStringList>

// Where a console looks for the programs its script names bare, and where the check before GO
// looks for them: the absolute folders of the program's PATH, in order. An empty, "." or other
// relative entry names a folder relative to wherever a process happens to be, so it is dropped
// for both.
namespace platform::SearchPath {

// The folders of the program's own PATH, or of the system's standard one when it has none.
QStringList folders();

// The program that a name given to a console runs: the name itself when it is an absolute path
// to a program, else the first program of the name in the folders; empty when there is none.
QString find(const QString& name);

} // namespace platform::SearchPath
