#!/usr/bin/env bash
# Prints the program's speed and memory figures: the time of a "GO" press, and the start-up
# time and peak memory of the main window beside those of a bare Qt window (the floor).
set -euo pipefail
build=${1:-build}
runs=${RUNS:-21}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

"$build/bench/go_bench"

{
    read -r floor_ms floor_kb
    read -r program_ms program_kb
} < <("$build/bench/startup_bench" "$runs" "Floor window" "$build/bench/floor_window" \
    -- "Varnelo! v3.0" "$build/app/qt/varnelo")
awk -v runs="$runs" -v fm="$floor_ms" -v pm="$program_ms" -v fk="$floor_kb" -v pk="$program_kb" 'BEGIN {
    printf "start-up to window shown, median of %d runs: floor %.1f ms, program %.1f ms, ratio %.2f (target <= 1.15)\n", runs, fm, pm, pm / fm
    printf "peak memory: floor %.1f MB, program %.1f MB, ratio %.2f (target <= 1.10)\n", fk / 1024, pk / 1024, pk / fk
}'
