#pragma once

#include <QByteArray>
#include <QString>

class QUrl;

// Files named by a URL or by the system's bytes, as the program takes them for the converter.
// Qt reads a name's bytes as UTF-8 and puts U+FFFD for bytes that are not; such a text names
// another file, so it is never passed on.
namespace LocalFile {

// The path of a file URL on this computer, "localhost" being this computer; the empty text for
// a URL of another host or scheme.
QString path(const QUrl& url);

// Whether the text of the name stands for other bytes than the name's own.
bool isMisread(const QByteArray& name);
bool isMisread(const QUrl& url);
// For a path as the file dialog gives it: its U+FFFD stands for bytes that are not UTF-8 when
// no file of that name exists or its folder holds a name of such bytes that reads the same.
bool isMisread(const QString& path);

// Why a misread name is not taken, in the program's words.
QString misreadMessage(const QString& shown);

} // namespace LocalFile
