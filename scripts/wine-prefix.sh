#!/usr/bin/env bash
# Looks after the private Wine prefix WINEPREFIX names.
#   ready: keeps a healthy prefix as it is and makes one afresh when it is missing or broken
#          (half made, or wineboot failed on it); making one costs seconds, keeping it nothing.
#   display: ready, then set for runs on the display DISPLAY names: Wine's own faces, the screen
#          resolution WINE_LOGPIXELS (96 dpi unless set), window frames drawn by Wine.
#   stop:  ends every Wine process of the prefix and its server, so none outlives the tests.
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the private Wine prefix}"
export WINEPREFIX WINEDEBUG=-all
made="$WINEPREFIX/.made"

healthy() {
    [ -f "$made" ] && [ -f "$WINEPREFIX/system.reg" ] && [ -d "$WINEPREFIX/drive_c/windows/system32" ]
}

make_prefix() {
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    # Made without a display: the prefix serves the headless runs and those on X alike.
    env -u DISPLAY -u WAYLAND_DISPLAY wineboot --init >/dev/null 2>&1 &&
        wineserver --wait &&
        [ -f "$WINEPREFIX/system.reg" ] &&
        touch "$made"
}

ready() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    # One maker at a time; the lock is not handed on to the Wine processes.
    exec {lock}>"$WINEPREFIX.lock"
    flock "$lock"
    healthy || make_prefix {lock}>&- || make_prefix {lock}>&- || {
        echo "could not make the Wine prefix $WINEPREFIX" >&2
        exit 1
    }
    exec {lock}>&-
}

case "${1:-}" in
    ready)
        ready
        ;;
    display)
        ready
        # Wine looks for its own faces, "MS Sans Serif" and "Tahoma" among them, in the prefix's
        # font folder only.
        fonts="$WINEPREFIX/drive_c/windows/Fonts"
        [ -e "$fonts/sserife.fon" ] || ln -sf /usr/share/wine/fonts/* "$fonts/"
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
            /d "${WINE_LOGPIXELS:-96}" /f >/dev/null 2>&1
        # Wine draws the windows' frames itself, as Windows does: with no window manager to wait
        # for, a window closes at once instead of after two seconds.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        ;;
    stop)
        wineserver --kill >/dev/null 2>&1 || true
        wineserver --wait >/dev/null 2>&1 || true
        ;;
    *)
        echo "usage: $0 ready|display|stop" >&2
        exit 2
        ;;
esac
