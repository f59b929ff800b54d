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
"$(dirname "$0")/wine-prefix.sh" ready
# Wine looks for its own faces, "MS Sans Serif" and "Tahoma" among them, in the prefix's font
# folder only.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
[ -e "$fonts/sserife.fon" ] || ln -sf /usr/share/wine/fonts/* "$fonts/"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${WINE_LOGPIXELS:-96}" /f \
    >/dev/null 2>&1
# Wine draws the windows' frames itself, as Windows does: with no window manager to wait for, a
# window closes at once instead of after two seconds.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
status=0
wine "$@" || status=$?
# Before this X server goes: a Wine server that outlived it would open no more windows.
wineserver --wait
exit "$status"
