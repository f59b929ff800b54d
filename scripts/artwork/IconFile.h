#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Writes Windows icon files: the classic uncompressed layouts (4 or 8 bits a pixel with a
// palette, or 24 bits, each with its transparency mask), which Qt does not write, and the
// program's icon at several sizes with full transparency.
namespace IconFile {

// image: Format_Indexed8 (with at most 2^bits colours) for 4 and 8 bits, Format_RGB888 for 24.
// Pixels whose index or colour equals the key colour are written transparent.
bool write(const QImage& image, int bitsPerPixel, QRgb key, const QString& fileName);

// One image for each picture, of 32 bits with its alpha. Those larger than 24 pixels are PNG
// files, a small part of a bitmap's size, which every shell a 64-bit program runs on since
// Windows Vista reads; the small ones, which lists draw most often, stay bitmaps.
bool writeSizes(const QList<QImage>& pictures, const QString& fileName);

} // namespace IconFile
