#include "PngFile.h"

#include <QImageReader>

namespace PngFile {

QImage read(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace PngFile
