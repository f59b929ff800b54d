#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine, without a display, in the private prefix
# WINEPREFIX names (made on first use).
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the private Wine prefix}"
export WINEPREFIX WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
    wineserver --wait || true
fi
exec wine "$@"
