# Shared steps of the Linux end-to-end tests: a private runtime folder, a generated clip, and
# the console's key press. Needs a display (the tests run under xvfb-run), xterm, ffmpeg, xdotool.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh" xterm pgrep xprop

scratch=$(mktemp -d)
export XDG_RUNTIME_DIR="$scratch/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset TERMINAL
work="$XDG_RUNTIME_DIR/VC_Temp"
trap 'kill $keeper 2>/dev/null || true; pkill -f "$scratch" 2>/dev/null || true; rm -rf "$scratch"' EXIT

# The X server resets when its last client leaves and refuses connections until it is done, so
# a program started right after another one ended could find no display. A client that stays
# connected for the whole test, once it has shown the root window's properties, prevents that.
keeper=
hold_display() { xprop -root -spy >"$scratch/keeper" 2>/dev/null & keeper=$!; }
display_held() { [ -s "$scratch/keeper" ] || { kill -0 $keeper 2>/dev/null || hold_display; false; }; }
hold_display
wait_until 20 display_held

clip="$scratch/in put's clip.avi"
make_clip "$clip"

# The consoles find the real converter behind one that notes its exit status once it has
# returned: a test waits for that note, never for a sign that may come before the converter
# has even started.
converted="$scratch/converted"
mkdir "$scratch/bin"
cat >"$scratch/bin/ffmpeg" <<SCRIPT
#!/bin/sh
'$(command -v ffmpeg)' "\$@"
status=\$?
echo \$status >>'$converted'
exit \$status
SCRIPT
chmod +x "$scratch/bin/ffmpeg"
export PATH="$scratch/bin:$PATH"
conversions=0

converter_returned() { [ "$(cat "$converted" 2>/dev/null | wc -l)" -ge "$1" ]; }
consoles() { pgrep -d, -f "sh $work/"; }
no_console_open() { ! consoles >/dev/null; }
# The console's shell reads the key after the converter and the clearing of the screen.
console_waits_for_key() { pgrep -x dd -P "$(consoles)" >/dev/null 2>&1; }
console_window() { xdotool search --onlyvisible --class xterm 2>/dev/null | tail -n 1 | grep .; }
no_console_window() { ! console_window >/dev/null; }

# Waits for the converter to return in its console, checks what it wrote, and presses a key
# to close the console once it waits for one. Returns when the console's window is gone: it
# may lie over the main window, which would take its clicks.
finish_conversion() { # output, format
    conversions=$((conversions + 1))
    wait_until 120 converter_returned $conversions
    local status
    status=$(sed -n "${conversions}p" "$converted")
    [ "$status" = 0 ] || { echo "the converter failed with $status" >&2; return 1; }
    check_format "$1" "$2"
    wait_until 60 console_waits_for_key
    local window
    window=$(wait_until 20 console_window)
    xdotool windowfocus --sync "$window" key space
    wait_until 60 no_console_open
    wait_until 60 no_console_window
    echo "converted to $2: $1"
}
