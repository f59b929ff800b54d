#!/usr/bin/env bash
# The Windows program under Wine as a user drives it, through its window alone, installed with
# the real ffmpeg.exe beside it and not on PATH, and started from a folder that holds a decoy
# ffmpeg.exe, as a shortcut with another working folder would start it, with a third decoy
# planted in the work folder C:\VC_Temp: GO without a target is refused in a message box; "Add"
# opens the Open dialog and Escape leaves the source as typed; FLV: GO opens a console where the
# converter beside the program converts, and a key closes it; "Add" picks an .mkv video in a
# folder with another decoy, and SWF converts it, again with the converter beside the program, as
# FLV then converts an .mp4 typed into the emptied source field; no decoy ever runs; CANCEL ends
# the program and removes all it wrote in C:\VC_Temp. Without a converter beside the program or
# on PATH, GO says so in a message box and opens no console.
# Usage: win32_window.sh VARNELO_EXE CONVERTER_FOLDER DECOY_FOLDER, on a display of its own,
# with WINEPREFIX set to the prefix for runs with a display. Each folder holds an ffmpeg.exe; they
# are named by folder so that no process but a converter has ffmpeg.exe on its command line.
source "$(dirname "$0")/common.sh" wine wineserver
built=$1
converter=$2
decoys=$3
: "${WINEPREFIX:?set WINEPREFIX to the private Wine prefix}"
scripts="$(dirname "$0")/../../scripts"
"$scripts/wine-prefix.sh" ready
# A server left by a run whose display is gone would open no windows here.
"$scripts/wine-prefix.sh" stop

# The display is this test's own; nothing of the test's is on Wine's search path.
export WINEPREFIX WINEDEBUG=-all WINE_X_DISPLAY=1
unset WINEPATH
drive_c="$WINEPREFIX/drive_c"
app="$drive_c/Varnelo app"
folders=("$drive_c/clips" "$drive_c/out" "$drive_c/downloads" "$app")
# A decoy that runs appends its arguments to this file.
export FAKE_RECORD='C:\decoy ran.txt'
decoy_record="$drive_c/decoy ran.txt"
messages="$drive_c/messages.txt"
work="$drive_c/VC_Temp"
rm -rf "${folders[@]}" "$work" "$decoy_record" "$messages"
trap '"$scripts/wine-prefix.sh" stop; rm -rf "${folders[@]}" "$work" "$decoy_record" "$messages"' EXIT
mkdir "${folders[@]}" "$work"
cp "$built" "$app/varnelo.exe"
cp "$converter/ffmpeg.exe" "$app/ffmpeg.exe"
cp "$decoys/ffmpeg.exe" "$drive_c/downloads/ffmpeg.exe"
cp "$decoys/ffmpeg.exe" "$drive_c/clips/ffmpeg.exe"
cp "$decoys/ffmpeg.exe" "$work/ffmpeg.exe"
make_clip "$drive_c/clips/in put's clip.avi"
make_clip "$drive_c/clips/picked.mkv"
make_clip "$drive_c/clips/film.mp4"

find_window() { xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1 || true; }
shown() { [ -n "$(find_window "$@")" ]; }
gone() { ! shown "$@"; }
# Wine starts a program slowly on a busy machine: the limits are generous, never a pause.
wait_window() { # search options; prints the window
    wait_until 120 shown "$@" && find_window "$@"
}
click() { # x y, in the main window's client area
    xdotool mousemove --window "$window" $(($1 + left)) $(($2 + top)) click 1
}
press() { # window key
    xdotool windowfocus --sync "$1" key "$2"
}
console=(--class '^conhost\.exe$')
# Only the converter writes the output: once it exists the converter has started, and once no
# converter runs after that it has ended.
converter_done() { [ -e "$1" ] && ! running 'ffmpeg\.exe'; }
# Wine traces each command the console's cmd.exe runs to the messages file; after PAUSE's
# trace, a key pressed lies in the console's input until PAUSE reads it.
pauses() { grep -c "trace:cmd:WCMD_execute Command: 'L\"PAUSE\"'" "$messages" || true; }
console_at_pause() { [ "$(pauses)" -ge "$1" ]; }
console_closed() { ! running 'cmd\.exe.*VC_Temp' && gone "${console[@]}"; }
program_ended() { ! kill -0 "$pid" 2>/dev/null; }

said() { # the traced text of a message box
    grep -qF "$1" "$messages" || { echo "no message box said $1" >&2; return 1; }
}
no_decoy() {
    [ ! -e "$decoy_record" ] || { echo "a decoy ffmpeg.exe ran: $(cat "$decoy_record")" >&2; return 1; }
}
converter_or_decoy_done() { [ -e "$decoy_record" ] || converter_done "$1"; }
# What the program wrote in the work folder is gone; the decoy planted there is the user's.
only_decoy_in_work() {
    [ "$(ls -A "$work")" = ffmpeg.exe ] || { echo "C:\\VC_Temp holds $(ls -A "$work")" >&2; return 1; }
}

# Waits for the console's conversion to end, checks what it wrote, and once the console waits
# for a key, sees it still open and presses one to close it.
finish_conversion() { # output, format
    conversions=$((conversions + 1))
    local shell
    shell=$(wait_window "${console[@]}")
    wait_until 180 converter_or_decoy_done "$1"
    no_decoy
    check_format "$1" "$2"
    wait_until 60 console_at_pause $conversions
    ! console_closed || { echo "the console closed before a key was pressed" >&2; return 1; }
    press "$shell" space
    wait_until 60 console_closed
    echo "converted to $2: $1"
}

# Starts the installed program from the downloads folder and finds its window. Wine writes the
# text of every message box the program shows, and the commands of its consoles, to the
# messages file.
start_program() {
    conversions=0
    (cd "$drive_c/downloads" &&
        WINEDEBUG=trace+msgbox,trace+cmd exec wine "$app/varnelo.exe" 2>"$messages") &
    pid=$!
    window=$(wait_window --name '^Varnelo! v3\.0$')
    # Where Wine draws the frame itself, the client area lies inside its border and below its
    # title bar; the client area is 423 x 266 and the border as wide at the bottom as at the sides.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    left=$(((WIDTH - 423) / 2))
    top=$((HEIGHT - 266 - left))
}

"$scripts/wine-prefix.sh" display
start_program

click 368 232 # GO, with no target
box=$(wait_window --name '^Varnelo$')
said 'MSGBOX_OnInit L"Target path MUST be set before proceeding!"'
only_decoy_in_work
press "$box" Return
wait_until 60 gone --name '^Varnelo$'
echo "GO without a target: refused in a message box"

click 150 49 # the source field
xdotool type --delay 20 "C:\\clips\\in put's clip.avi"
click 150 89 # the target field
xdotool type --delay 20 "C:\\out\\"

click 356 48 # Add
dialog=$(wait_window --name '^Open \.\.\.$')
press "$dialog" Escape
wait_until 60 gone --name '^Open \.\.\.$'
echo "Open dialog shown and cancelled"

click 340 200 # FLV (Flash)
click 368 232 # GO
finish_conversion "$drive_c/out/in put's clip.flv" flv
# The planted folder was the user's own and open to no one else, so the program worked in it.
[ -e "$work/temp.bat" ] || { echo "the program did not work in C:\VC_Temp" >&2; exit 1; }

click 356 48 # Add
dialog=$(wait_window --name '^Open \.\.\.$')
xdotool windowfocus --sync "$dialog" type --delay 20 'C:\clips\picked.mkv'
press "$dialog" Return
wait_until 60 gone --name '^Open \.\.\.$'
echo "picked C:\\clips\\picked.mkv, beside a decoy"

click 340 184 # SWF (Flash)
click 368 232 # GO
finish_conversion "$drive_c/out/picked.swf" swf

click 408 48 # the picture button that clears the source field
click 150 49 # the source field
xdotool type --delay 20 "C:\\clips\\film.mp4"
click 340 200 # FLV (Flash)
click 368 232 # GO
finish_conversion "$drive_c/out/film.flv" flv

click 368 120 # CANCEL
wait_until 60 program_ended
only_decoy_in_work
echo "closed and cleaned up"

# Nowhere to find a converter: beside the program, on PATH. The decoys, the one in the work
# folder too, are still there.
rm "$app/ffmpeg.exe"
start_program
click 150 49 # the source field
xdotool type --delay 20 "C:\\clips\\picked.mkv"
click 150 89 # the target field
xdotool type --delay 20 "C:\\out\\"
click 340 200 # FLV (Flash)
click 368 232 # GO
box=$(wait_window --name '^Varnelo$')
said 'MSGBOX_OnInit L"FFmpeg MUST be installed before proceeding! Put ffmpeg.exe beside varnelo.exe, in C:\\Varnelo app\\, or in a folder on PATH."'
# The refusal comes before anything is written or started.
gone "${console[@]}" && ! running 'cmd\.exe' || { echo "GO without a converter opened a console" >&2; exit 1; }
only_decoy_in_work
[ ! -e "$drive_c/out/picked.flv" ]
no_decoy
press "$box" Return
wait_until 60 gone --name '^Varnelo$'
echo "GO without a converter: refused in a message box, no console"
click 368 120 # CANCEL
wait_until 60 program_ended
