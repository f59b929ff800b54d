#include "IconFile.h"

#include <QFile>
#include <QtEndian>

namespace IconFile {
namespace {

void put16(QByteArray& out, quint16 value)
{
    out.append(char(value & 0xff)).append(char(value >> 8));
}

void put32(QByteArray& out, quint32 value)
{
    put16(out, quint16(value & 0xffff));
    put16(out, quint16(value >> 16));
}

int stride(int width, int bits)
{
    return ((width * bits + 31) / 32) * 4;
}

} // namespace

bool write(const QImage& image, int bits, QRgb key, const QString& fileName)
{
    const int w = image.width();
    const int h = image.height();
    const int colours = bits <= 8 ? 1 << bits : 0;
    const int pixelBytes = stride(w, bits) * h;
    const int maskBytes = stride(w, 1) * h;
    const int imageBytes = 40 + colours * 4 + pixelBytes + maskBytes;

    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // icon
    put16(out, 1); // one image
    out.append(char(w & 0xff)).append(char(h & 0xff)).append(char(colours & 0xff)).append('\0');
    put16(out, 1);                   // planes
    put16(out, quint16(bits));       // bits a pixel
    put32(out, quint32(imageBytes)); // size of the image
    put32(out, 22);                  // where it starts

    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(h * 2)); // colour and mask together
    put16(out, 1);
    put16(out, quint16(bits));
    put32(out, 0); // uncompressed
    put32(out, quint32(pixelBytes + maskBytes));
    put32(out, 0);
    put32(out, 0);
    put32(out, quint32(colours));
    put32(out, 0);

    const auto table = image.colorTable();
    for (int i = 0; i < colours; ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    }

    auto transparent = [&](int x, int y) {
        return bits <= 8 ? (table[image.pixelIndex(x, y)] & 0xffffff) == (key & 0xffffff)
                         : (image.pixel(x, y) & 0xffffff) == (key & 0xffffff);
    };
    for (int y = h - 1; y >= 0; --y) { // bottom row first
        QByteArray row(stride(w, bits), '\0');
        for (int x = 0; x < w; ++x) {
            if (bits == 4) {
                const int index = image.pixelIndex(x, y);
                row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
            } else if (bits == 8) {
                row[x] = char(image.pixelIndex(x, y));
            } else {
                const QRgb c = image.pixel(x, y);
                row[x * 3] = char(qBlue(c));
                row[x * 3 + 1] = char(qGreen(c));
                row[x * 3 + 2] = char(qRed(c));
            }
        }
        out.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(stride(w, 1), '\0');
        for (int x = 0; x < w; ++x) {
            if (transparent(x, y))
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }

    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

} // namespace IconFile
