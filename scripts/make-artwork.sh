#!/usr/bin/env bash
# Redraws the artwork in resources/: builds the drawing program, runs it, and turns its two
# PNG pictures into single-frame 256-colour GIF89a files with ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target make_artwork
QT_QPA_PLATFORM=offscreen ./build/scripts/artwork/make_artwork resources
for picture in film format; do
    /usr/bin/convert "resources/$picture.png" -channel A -threshold 50% +channel -dither FloydSteinberg -colors 256 "GIF:resources/$picture.gif"
    rm "resources/$picture.png"
done
ls -l resources
