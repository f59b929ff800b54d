#!/usr/bin/env bash
# Redraws the artwork in resources/: builds the drawing program and runs it, then makes the
# Windows program's bitmaps from its pictures with ImageMagick: the main window's two pictures
# as 256-colour bitmaps whose transparent pixels are magenta, the About window's picture as a
# 24-bit one. The Linux program shows the PNG pictures themselves.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target make_artwork
QT_QPA_PLATFORM=offscreen ./build/scripts/artwork/make_artwork resources
for picture in film film@2x format format@2x; do
    # Quantized with its transparency, which then becomes the key colour: magenta, a colour no
    # picture uses, so it cannot be rounded into one of theirs.
    /usr/bin/convert "resources/$picture.png" -channel A -threshold 50% +channel \
        -dither FloydSteinberg -colors 255 -background '#FF00FF' -alpha remove -type Palette \
        "BMP3:resources/$picture.bmp"
done
/usr/bin/convert resources/about.png -type TrueColor BMP3:resources/about.bmp
ls -l resources
