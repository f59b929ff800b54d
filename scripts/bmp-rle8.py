#!/usr/bin/env python3
"""Run-length encodes 8-bit bitmaps in place, as the system's SetDIBits decodes them (BI_RLE8).

ImageMagick writes every pixel of a picture with shades as a run of one, two bytes a pixel;
this writes repeats as runs and the rest as literal stretches, one byte a pixel, and keeps
only the palette entries the picture uses.
Usage: bmp-rle8.py FILE.bmp...: each an uncompressed, bottom-up 8-bit BMP.
"""
import struct
import sys


def encode_row(row):
    out = bytearray()
    literal = bytearray()

    def flush():
        for start in range(0, len(literal), 255):
            chunk = literal[start:start + 255]
            if len(chunk) < 3:  # an absolute stretch holds three pixels at least
                for pixel in chunk:
                    out.extend((1, pixel))
            else:
                out.extend((0, len(chunk)))
                out.extend(chunk)
                out.extend(b"\0" * (len(chunk) & 1))  # stretches end on a 16-bit boundary
        literal.clear()

    i = 0
    while i < len(row):
        end = i
        while end < len(row) and row[end] == row[i] and end - i < 255:
            end += 1
        if end - i >= 3 or (end - i == 2 and not literal):
            flush()
            out.extend((end - i, row[i]))
        else:
            literal.extend(row[i:end])
        i = end
    flush()
    return out


def encode(path):
    data = open(path, "rb").read()
    offset = struct.unpack_from("<I", data, 10)[0]
    size, width, height, _, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    if bits != 8 or compression != 0 or height <= 0:
        sys.exit(f"{path}: not an uncompressed bottom-up 8-bit bitmap")
    stride = (width + 3) & ~3
    rows = [data[offset + y * stride:offset + y * stride + width] for y in range(height)]
    colours = max(max(row) for row in rows) + 1
    pixels = bytearray()
    for row in rows:
        pixels += encode_row(row) + b"\0\0"  # end of line
    pixels[-2:] = b"\0\1"  # end of bitmap
    header = bytearray(data[14:14 + size])
    struct.pack_into("<I", header, 16, 1)  # BI_RLE8
    struct.pack_into("<I", header, 20, len(pixels))
    struct.pack_into("<I", header, 32, colours)
    palette = data[14 + size:14 + size + 4 * colours]
    start = 14 + len(header) + len(palette)
    with open(path, "wb") as out:
        out.write(b"BM" + struct.pack("<IHHI", start + len(pixels), 0, 0, start))
        out.write(header + palette + pixels)


for name in sys.argv[1:]:
    encode(name)
