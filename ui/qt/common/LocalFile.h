#pragma once

#include <QString>

// Paths as Qt's file dialogs give them. Qt reads a name's bytes as UTF-8 and puts U+FFFD for
// bytes that are not; such a text names another file, so it is never passed on.
namespace LocalFile {

// Whether the path's U+FFFD stands for bytes that are not UTF-8: no file of that name exists,
// or its folder holds a name of such bytes that reads the same.
bool isMisread(const QString& path);

// Why a misread name is not taken, in the program's words.
QString misreadMessage(const QString& shown);

} // namespace LocalFile
