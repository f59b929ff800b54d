#!/usr/bin/env bash
# Prints the program's speed and memory figures beside those of a bare window of the main
# window's size showing one line of text (the floor).
#   bench/run.sh [BUILD]: the Linux program: the time of a "GO" press, then the start-up time
#       and peak memory of the Qt window against a bare Qt window.
#   bench/run.sh --windows [BUILD [MINGW_BUILD]]: the Windows program under Wine: the start-up
#       time and peak working set of varnelo.exe against a bare Win32 window, and its size.
# BUILD holds the start-up meter (startup_bench, built for X11); MINGW_BUILD the cross-build.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
windows=false
if [ "${1:-}" = --windows ]; then
    windows=true
    shift
fi
build=${1:-build}
mingw=${2:-build-mingw}
runs=${RUNS:-21}

# Reads "median_ms peak_kb" of the floor, then of the program, and compares them.
compare() {
    local floor_ms floor_kb program_ms program_kb
    read -r floor_ms floor_kb
    read -r program_ms program_kb
    awk -v runs="$runs" -v fm="$floor_ms" -v pm="$program_ms" -v fk="$floor_kb" -v pk="$program_kb" 'BEGIN {
        printf "start-up to window shown, median of %d runs: floor %.1f ms, program %.1f ms, ratio %.2f (target <= 1.15)\n", runs, fm, pm, pm / fm
        printf "peak memory: floor %.1f MB, program %.1f MB, ratio %.2f (target <= 1.10)\n", fk / 1024, pk / 1024, pk / fk
    }'
}

if ! $windows; then
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
    "$build/bench/go_bench"
    "$build/bench/startup_bench" "$runs" "Floor window" "$build/bench/floor_window" \
        -- "Varnelo! v3.0" "$build/app/qt/varnelo" | compare
    exit 0
fi

program="$mingw/app/varnelo.exe"
prefix_tool="$(dirname "$0")/../scripts/wine-prefix.sh"
export WINEPREFIX WINEDEBUG=-all
WINEPREFIX=$(realpath "$mingw")/wineprefix-display
# A session of its own on this display, set as the tests set it and kept up for the whole run,
# so that no start pays for it.
"$prefix_tool" stop
trap '"$prefix_tool" stop' EXIT
# The server runs in the prefix, so a fresh build makes the prefix first.
"$prefix_tool" ready
wineserver --persistent
"$prefix_tool" display
echo "under $(wine --version)"
"$build/bench/startup_bench" "$runs" "Floor window" wine "$mingw/bench/floor_window.exe" \
    -- "Varnelo! v3.0" wine "$program" | compare
# In bytes: a megabyte of 1,048,576 bytes would let a file over the mark read as under it.
echo "varnelo.exe: $(stat -c %s "$program") bytes (target < 1500000)"
