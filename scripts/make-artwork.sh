#!/usr/bin/env bash
# Redraws the artwork in resources/: builds the drawing program and runs it, then makes the
# Windows program's bitmaps from its pictures with ImageMagick: 256-colour bitmaps, run-length
# encoded by bmp-rle8.py, which the system's own SetDIBits decodes as it draws them; the main window's two
# pictures with their transparent pixels in magenta. Undithered, the pictures' runs stay long
# and the file small, and none of them has more shades than a palette shows without a visible
# step. The Linux program shows the PNG pictures themselves.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target make_artwork
QT_QPA_PLATFORM=offscreen ./build/scripts/artwork/make_artwork resources
for picture in film film@2x format format@2x; do
    # Quantized with its transparency, which then becomes the key colour: magenta, a colour no
    # picture uses, so it cannot be rounded into one of theirs.
    /usr/bin/convert "resources/$picture.png" -channel A -threshold 50% +channel \
        -dither None -colors 255 -background '#FF00FF' -alpha remove -type Palette \
        -compress None "BMP3:resources/$picture.bmp"
done
/usr/bin/convert resources/about.png -dither None -colors 256 -type Palette -compress None \
    BMP3:resources/about.bmp
scripts/bmp-rle8.py resources/film.bmp resources/film@2x.bmp resources/format.bmp \
    resources/format@2x.bmp resources/about.bmp
ls -l resources
