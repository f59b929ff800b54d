#!/usr/bin/env bash
# Looks after the private Wine prefix WINEPREFIX names.
#   ready: keeps a healthy prefix as it is and makes one afresh when it is missing or broken
#          (half made, or wineboot failed on it); making one costs seconds, keeping it nothing.
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

case "${1:-}" in
    ready)
        mkdir -p "$(dirname "$WINEPREFIX")"
        # One maker at a time; the lock is not handed on to the Wine processes.
        exec {lock}>"$WINEPREFIX.lock"
        flock "$lock"
        healthy || make_prefix {lock}>&- || make_prefix {lock}>&- || {
            echo "could not make the Wine prefix $WINEPREFIX" >&2
            exit 1
        }
        ;;
    stop)
        wineserver --kill >/dev/null 2>&1 || true
        wineserver --wait >/dev/null 2>&1 || true
        ;;
    *)
        echo "usage: $0 ready|stop" >&2
        exit 2
        ;;
esac
