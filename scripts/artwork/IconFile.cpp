#include "IconFile.h"

#include <QBuffer>
#include <QFile>

#include <functional>

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

// One image of an icon file, with what its entry in the file's directory says of it.
struct Image {
    int width;
    int height;
    int colours;
    int bits;
    QByteArray data;
};

// The image's header: a bitmap of twice the picture's height, the colours over the mask.
void putHeader(QByteArray& out, int width, int height, int bits, int colours, int bytes)
{
    put32(out, 40);
    put32(out, quint32(width));
    put32(out, quint32(height * 2));
    put16(out, 1);
    put16(out, quint16(bits));
    put32(out, 0); // uncompressed
    put32(out, quint32(bytes));
    put32(out, 0);
    put32(out, 0);
    put32(out, quint32(colours));
    put32(out, 0);
}

// The mask's rows, bottom row first: a set bit lets the background show through.
void putMask(QByteArray& out, int width, int height, const std::function<bool(int, int)>& clear)
{
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(stride(width, 1), '\0');
        for (int x = 0; x < width; ++x) {
            if (clear(x, y))
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
}

bool save(const QList<Image>& images, const QString& fileName)
{
    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // icon
    put16(out, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (const Image& image : images) {
        // A side of 256 is written as 0.
        out.append(char(image.width & 0xff)).append(char(image.height & 0xff));
        out.append(char(image.colours & 0xff)).append('\0');
        put16(out, 1); // planes
        put16(out, quint16(image.bits));
        put32(out, quint32(image.data.size()));
        put32(out, offset);
        offset += quint32(image.data.size());
    }
    for (const Image& image : images)
        out.append(image.data);
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

} // namespace

bool write(const QImage& image, int bits, QRgb key, const QString& fileName)
{
    const int w = image.width();
    const int h = image.height();
    const int colours = bits <= 8 ? 1 << bits : 0;
    const int pixelBytes = stride(w, bits) * h;
    const int maskBytes = stride(w, 1) * h;

    QByteArray out;
    putHeader(out, w, h, bits, colours, pixelBytes + maskBytes);
    const auto table = image.colorTable();
    for (int i = 0; i < colours; ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    }
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
    putMask(out, w, h, [&](int x, int y) {
        return bits <= 8 ? (table[image.pixelIndex(x, y)] & 0xffffff) == (key & 0xffffff)
                         : (image.pixel(x, y) & 0xffffff) == (key & 0xffffff);
    });
    return save({{w, h, colours, bits, out}}, fileName);
}

bool writeSizes(const QList<QImage>& pictures, const QString& fileName)
{
    QList<Image> images;
    for (const QImage& picture : pictures) {
        const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
        const int w = argb.width();
        const int h = argb.height();
        QByteArray data;
        if (w > 24) {
            QBuffer png(&data);
            if (!png.open(QIODevice::WriteOnly) || !argb.save(&png, "PNG"))
                return false;
        } else {
            putHeader(data, w, h, 32, 0, (w * 4 + stride(w, 1)) * h);
            for (int y = h - 1; y >= 0; --y) {
                const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
                for (int x = 0; x < w; ++x) {
                    const QRgb c = line[x];
                    data.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
                    data.append(char(qAlpha(c)));
                }
            }
            putMask(data, w, h, [&](int x, int y) { return qAlpha(argb.pixel(x, y)) == 0; });
        }
        images.append({w, h, 0, 32, data});
    }
    return save(images, fileName);
}

} // namespace IconFile
