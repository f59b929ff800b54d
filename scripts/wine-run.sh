#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine, without a display (so the consoles of the unit
# tests need no key), in the private prefix WINEPREFIX names.
set -euo pipefail
unset DISPLAY WAYLAND_DISPLAY
"$(dirname "$0")/wine-prefix.sh" ready
export WINEDEBUG=-all
exec wine "$@"
