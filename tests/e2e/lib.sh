# Shared steps of the Linux end-to-end tests: a private runtime folder, a generated clip, and
# the console's key press. Needs a display (the tests run under xvfb-run), xterm, ffmpeg, xdotool.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh" xterm

scratch=$(mktemp -d)
export XDG_RUNTIME_DIR="$scratch/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset TERMINAL
work="$XDG_RUNTIME_DIR/VC_Temp"
trap 'pkill -f "$scratch" 2>/dev/null || true; rm -rf "$scratch"' EXIT

clip="$scratch/in put's clip.avi"
make_clip "$clip"

no_converter_running() { ! pgrep -f "ffmpeg -i $scratch" >/dev/null; }
no_console_open() { ! pgrep -f "sh $work/" >/dev/null; }
console_window() { xdotool search --class xterm 2>/dev/null | tail -n 1; }

# Waits for the conversion to end in its console, checks what it wrote, and presses a key
# to close the console.
finish_conversion() { # output, format
    wait_until 20 console_window >/dev/null
    wait_until 60 no_converter_running
    check_format "$1" "$2"
    sleep 0.5
    ! no_console_open || { echo "the console closed before a key was pressed" >&2; return 1; }
    local window
    window=$(console_window)
    xdotool windowfocus --sync "$window" key space
    wait_until 20 no_console_open
    echo "converted to $2: $1"
}
