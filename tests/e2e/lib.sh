# Shared steps of the end-to-end tests: a private runtime folder, a generated clip, and the
# console's key press. Needs a display (the tests run under xvfb-run), xterm, ffmpeg, xdotool.
set -euo pipefail

[ -n "${DISPLAY:-}" ] || { echo "no display: run under xvfb-run" >&2; exit 1; }
for tool in ffmpeg ffprobe xterm xdotool; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done

scratch=$(mktemp -d)
export XDG_RUNTIME_DIR="$scratch/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset TERMINAL
work="$XDG_RUNTIME_DIR/VC_Temp"
trap 'pkill -f "$scratch" 2>/dev/null || true; rm -rf "$scratch"' EXIT

# A two-second clip with 48 kHz sound, the rate that SWF does not take as it is.
clip="$scratch/in put's clip.avi"
ffmpeg -v error -f lavfi -i testsrc=duration=2:size=320x240:rate=25 \
    -f lavfi -i sine=frequency=440:sample_rate=48000:duration=2 -shortest "$clip"

wait_until() { # seconds, command...
    local limit=$(($1 * 10)); shift
    for ((i = 0; i < limit; i++)); do "$@" && return 0; sleep 0.1; done
    echo "timed out waiting for: $*" >&2
    return 1
}

no_converter_running() { ! pgrep -f "ffmpeg -i $scratch" >/dev/null; }
no_console_open() { ! pgrep -f "sh $work/" >/dev/null; }
console_window() { xdotool search --class xterm 2>/dev/null | tail -n 1; }

# Waits for the conversion to end in its console, checks what it wrote, and presses a key
# to close the console.
finish_conversion() { # output, format
    wait_until 20 console_window >/dev/null
    wait_until 60 no_converter_running
    local format
    format=$(ffprobe -v error -show_entries format=format_name -of csv=p=0 "$1")
    [ "$format" = "$2" ] || { echo "$1 is '$format', not $2" >&2; return 1; }
    sleep 0.5
    ! no_console_open || { echo "the console closed before a key was pressed" >&2; return 1; }
    local window
    window=$(console_window)
    xdotool windowfocus --sync "$window" key space
    wait_until 20 no_console_open
    echo "converted to $2: $1"
}
