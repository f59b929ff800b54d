#pragma once

#include <QImage>
#include <QString>

// Writes Windows icon files in the classic uncompressed layouts: 4 or 8 bits a pixel with a
// palette, or 24 bits, each with its transparency mask. Qt writes only 32-bit icons.
namespace IconFile {

// image: Format_Indexed8 (with at most 2^bits colours) for 4 and 8 bits, Format_RGB888 for 24.
// Pixels whose index or colour equals the key colour are written transparent.
bool write(const QImage& image, int bitsPerPixel, QRgb key, const QString& fileName);

} // namespace IconFile
