#pragma once

#include <QImage>
#include <QString>

// The program's pictures are PNG files, read as such: a picture read by its file name alone
// makes Qt ask every installed image-format plugin whether it knows the file, loading them all
// into the program.
namespace PngFile {

QImage read(const QString& path);

} // namespace PngFile
