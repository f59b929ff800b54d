#!/usr/bin/env bash
# The Windows program under Wine as a user drives it, through its window alone: GO without a
# target is refused in a message box; "Add" opens the Open dialog and Escape leaves the source
# as typed; FLV, then SWF: GO opens a console where the real ffmpeg.exe converts, and a key
# closes it; CANCEL ends the program and removes C:\VC_Temp.
# Usage: win32_window.sh VARNELO_EXE CONVERTER_FOLDER, on a display of its own, with WINEPREFIX
# set to the prefix for runs with a display.
source "$(dirname "$0")/common.sh" wine wineserver
program=$1
converter=$2
: "${WINEPREFIX:?set WINEPREFIX to the private Wine prefix}"
scripts="$(dirname "$0")/../../scripts"
"$scripts/wine-prefix.sh" ready
# A server left by a run whose display is gone would open no windows here.
"$scripts/wine-prefix.sh" stop

# The display is this test's own; the converter comes first on Wine's search path.
export WINEPREFIX WINEDEBUG=-all WINE_X_DISPLAY=1 WINEPATH="Z:${converter//\//\\}"
drive_c="$WINEPREFIX/drive_c"
rm -rf "$drive_c/clips" "$drive_c/out" "$drive_c/VC_Temp"
trap '"$scripts/wine-prefix.sh" stop; rm -rf "$drive_c/clips" "$drive_c/out"' EXIT
mkdir "$drive_c/clips" "$drive_c/out"
make_clip "$drive_c/clips/in put's clip.avi"

# Other Wine prefixes may run on the machine: only processes of this one count.
running() { # pattern
    local pid
    for pid in $(pgrep -f -- "$1"); do
        { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" &&
            return 0
    done
    return 1
}
find_window() { xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1 || true; }
shown() { [ -n "$(find_window "$@")" ]; }
gone() { ! shown "$@"; }
wait_window() { # search options; prints the window
    wait_until 30 shown "$@" && find_window "$@"
}
click() { # x y, in the main window's client area
    xdotool mousemove --window "$window" $(($1 + left)) $(($2 + top)) click 1
}
press() { # window key
    xdotool windowfocus --sync "$1" key "$2"
}
console=(--class '^conhost\.exe$')
converter_done() { ! running 'ffmpeg\.exe'; }
console_closed() { ! running 'cmd\.exe.*VC_Temp' && gone "${console[@]}"; }
program_ended() { ! kill -0 "$pid" 2>/dev/null; }

# Waits for the console's conversion to end, checks what it wrote, and presses a key to close
# the console.
finish_conversion() { # output, format
    local shell
    shell=$(wait_window "${console[@]}")
    wait_until 60 converter_done
    check_format "$1" "$2"
    sleep 0.5
    ! console_closed || { echo "the console closed before a key was pressed" >&2; return 1; }
    press "$shell" space
    wait_until 20 console_closed
    echo "converted to $2: $1"
}

"$scripts/wine-x-run.sh" "$program" &
pid=$!
window=$(wait_window --name '^Varnelo! v3\.0$')
# Where Wine draws the frame itself, the client area lies inside its border and below its title
# bar; the client area is 423 x 266 and the border as wide at the bottom as at the sides.
eval "$(xdotool getwindowgeometry --shell "$window")"
left=$(((WIDTH - 423) / 2))
top=$((HEIGHT - 266 - left))

click 368 232 # GO, with no target
box=$(wait_window --name '^Varnelo$')
[ ! -e "$drive_c/VC_Temp" ] || { echo "GO without a target wrote a script" >&2; exit 1; }
press "$box" Return
wait_until 10 gone --name '^Varnelo$'
echo "GO without a target: refused in a message box"

click 150 49 # the source field
xdotool type --delay 20 "C:\\clips\\in put's clip.avi"
click 150 89 # the target field
xdotool type --delay 20 "C:\\out\\"

click 356 48 # Add
dialog=$(wait_window --name '^Open \.\.\.$')
press "$dialog" Escape
wait_until 10 gone --name '^Open \.\.\.$'
echo "Open dialog shown and cancelled"

click 340 200 # FLV (Flash)
click 368 232 # GO
finish_conversion "$drive_c/out/in put's clip.flv" flv

click 340 184 # SWF (Flash)
click 368 232 # GO
finish_conversion "$drive_c/out/in put's clip.swf" swf

[ -d "$drive_c/VC_Temp" ]
click 368 120 # CANCEL
wait_until 20 program_ended
[ ! -e "$drive_c/VC_Temp" ] || { echo "C:\\VC_Temp is still there: $(ls -A "$drive_c/VC_Temp")" >&2; exit 1; }
echo "closed and cleaned up"
