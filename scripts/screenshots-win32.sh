#!/usr/bin/env bash
# Takes the screenshots in docs/ of the Windows program's two windows, under Wine on a private X
# server. Needs build-mingw/app/varnelo.exe, ImageMagick's import and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${WINE_X_DISPLAY:-}" ]; then
    exec env WINE_X_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
export WINEPREFIX=$PWD/build-mingw/wineprefix-display
scripts/wine-x-run.sh build-mingw/app/varnelo.exe &
program=$!
window=$(xdotool search --sync --onlyvisible --name '^Varnelo! v3.0$' | head -n 1)
# The window is mapped before Wine gives its controls their first input: typing sooner is lost.
sleep 1
# Places in the client area; the frame Wine draws adds its border and title bar.
frame=$(xwininfo -id "$window" | awk '/Width:/ {w = $2} END {print w}')
border=$(((frame - 423) / 2))
title=$(($(xwininfo -id "$window" | awk '/Height:/ {print $2}') - 266 - border))
click() { xdotool mousemove --window "$window" $(($1 + border)) $(($2 + title)) click 1; sleep 0.3; }

click 150 49
xdotool type --delay 2 'C:\Videos\holiday.avi'
click 150 89
xdotool type --delay 2 'D:\Converted\'
click 334 200
click 40 250 # away from the fields, so no caret blinks in the picture
import -window "$window" docs/win32-main-window.png

click 368 144 # HELP
about=$(xdotool search --sync --name '^About\.\.\.$' | head -n 1)
sleep 0.5
import -window "$about" docs/win32-about-window.png

click 368 120 # CANCEL
wait "$program"
ls -l docs/win32-*.png
