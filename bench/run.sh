#!/usr/bin/env bash
# Prints the program's speed and memory figures beside those of floor windows, the least a
# window of its kind costs, started in turn with it (see bench/startup_bench.cpp).
#   bench/run.sh [BUILD]: the Linux program: the time from a "GO" press to the terminal's exec,
#       with its work folder in memory (tmpfs) and on disk, against the least a press can do,
#       then its start-up against a bare Qt window showing one line of text and against
#       the main window's controls in Qt's own widgets and the program's fonts, no pictures.
#   bench/run.sh --windows [BUILD [MINGW_BUILD]]: the Windows program under Wine: its start-up
#       against a bare Win32 window, the same window with the program's manifest and icon, and
#       the main window's controls as the system draws them with that manifest and icon; then
#       the memory an About window leaves behind when it opens and closes, and its size.
# BUILD holds the start-up meter (startup_bench, built for X11); MINGW_BUILD the cross-build.
# ROUNDS (41 unless set) is the number of rounds. The programs timed are the builds for the
# benchmarks (varnelo_marked), which say when their window is first finished.
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
rounds=${ROUNDS:-41}

if ! $windows; then
    # The program's work folder lies in XDG_RUNTIME_DIR: one on each kind of file system.
    for base in /dev/shm "$build"; do
        if [ ! -d "$base" ] || [ ! -w "$base" ]; then
            echo "GO press: no writable $base here, skipped"
            continue
        fi
        runtime=$(mktemp -d "$base/varnelo-go.XXXXXX")
        XDG_RUNTIME_DIR=$runtime "$build/bench/go_bench" || { rm -rf "$runtime"; exit 1; }
        rm -rf "$runtime"
    done
    echo "targets (median of the ratios): CPU time to paint <= 1.05 x the controls floor;" \
        "peak memory <= 1.075 x the floor window, whatever image plugins are installed"
    "$build/bench/startup_bench" "$rounds" "Varnelo! v3.0" "$build/bench/varnelo_marked" \
        -- "Floor window" "$build/bench/floor_window" \
        -- "Controls floor" "$build/bench/controls_window"
    # Writing 4 only silences the kernel's note of a drop: it tells whether a drop is allowed.
    if { echo 4 >/proc/sys/vm/drop_caches; } 2>/dev/null; then
        echo "cold start, the page cache dropped before every start (target first paint <= 1.10 x" \
            "the floor window):"
        VARNELO_COLD_START=1 "$build/bench/startup_bench" "${COLD_ROUNDS:-9}" "Varnelo! v3.0" \
            "$build/bench/varnelo_marked" -- "Floor window" "$build/bench/floor_window"
    else
        echo "cold start: this system does not let the page cache be dropped, skipped"
    fi
    if command -v strace >/dev/null; then
        for program in varnelo_marked floor_window; do
            trace=$(mktemp)
            VARNELO_ABOUT_CYCLES=1 strace -f -e trace=openat,open -o "$trace" \
                "$build/bench/$program" >/dev/null 2>&1 || true
            echo "$program: $(grep -E '\.so[."]' "$trace" | grep -c ENOENT) failed library" \
                "look-ups, search path of its own: $(readelf -d "$build/bench/$program" |
                    grep -E 'R(UN)?PATH' || echo none)"
            rm -f "$trace"
        done
    fi
    # What stays behind when a second window opens and closes: the About window, against a
    # bare one opened by the floor window, in turns.
    echo "About window opened and closed 200 times, anonymous memory (target <= 0.5 KB a cycle):"
    for turn in 1 2 3; do
        echo "  Varnelo: $(VARNELO_ABOUT_CYCLES=200 "$build/bench/varnelo_marked" 2>/dev/null | grep grew)," \
            "floor: $(VARNELO_ABOUT_CYCLES=200 "$build/bench/floor_window" 2>/dev/null | grep grew)"
    done
    exit 0
fi

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
echo "targets (median of the ratios): peak memory <= 1.045 x the icon floor; CPU time to" \
    "paint <= 1.05 x the controls floor"
# A start that failed ends the run with its status, after the size.
status=0
"$build/bench/startup_bench" "$rounds" "Varnelo! v3.0" wine "$mingw/bench/varnelo_marked.exe" \
    -- "Floor window" wine "$mingw/bench/floor_window.exe" \
    -- "Icon floor" wine "$mingw/bench/icon_floor.exe" \
    -- "Controls floor" wine "$mingw/bench/controls_floor.exe" || status=$?
echo "About window opened and closed 200 times, committed memory (target <= 0.5 KB a cycle):"
for turn in 1 2 3; do
    echo "  Varnelo: $(VARNELO_ABOUT_CYCLES=200 wine "$mingw/bench/varnelo_marked.exe" 2>/dev/null | grep grew)," \
        "floor: $(VARNELO_ABOUT_CYCLES=200 wine "$mingw/bench/floor_window.exe" 2>/dev/null | grep grew)"
done
program="$mingw/app/varnelo.exe"
# In bytes: a megabyte of 1,048,576 bytes would let a file over the mark read as under it.
echo "varnelo.exe: $(stat -c %s "$program") bytes (target <= 550000)"
exit "$status"
