#!/usr/bin/env bash
# Takes the screenshots in docs/ of both windows, on a private X server. Needs ImageMagick's
# import and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${SCREENSHOT_DISPLAY:-}" ]; then
    exec env SCREENSHOT_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
export XDG_RUNTIME_DIR=$(mktemp -d)
./build/app/qt/varnelo &
trap 'kill $! 2>/dev/null || true' EXIT
window=$(xdotool search --sync --name '^Varnelo! v3.0$' | head -n 1)
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }

click 150 49
xdotool type --delay 2 "/home/ann/Videos/holiday.avi"
click 150 89
xdotool type --delay 2 "/home/ann/Converted/"
click 334 200
click 40 250 # away from the fields, so no cursor blinks in the picture
/usr/bin/import -window "$window" docs/main-window.png

click 368 144 # HELP
about=$(xdotool search --sync --name '^About\.\.\.$' | head -n 1)
sleep 0.3
/usr/bin/import -window "$about" docs/about-window.png
ls -l docs
