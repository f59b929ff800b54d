#!/usr/bin/env bash
# Runs a cross-built Windows program that opens windows under Wine on a private X server (or on
# the display already there when WINE_X_DISPLAY is set), in the private prefix WINEPREFIX
# names. A Wine server started without a display opens no windows, so keep that prefix for such
# runs. WINE_LOGPIXELS sets the screen resolution the program sees, 96 dpi unless set.
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the private Wine prefix}"
if [ -z "${WINE_X_DISPLAY:-}" ]; then
    exec env WINE_X_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
export WINEPREFIX WINEDEBUG=-all
"$(dirname "$0")/wine-prefix.sh" display
status=0
wine "$@" || status=$?
# Before this X server goes: a Wine server that outlived it would open no more windows.
wineserver --wait
exit "$status"
