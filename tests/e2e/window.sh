#!/usr/bin/env bash
# The program as a user drives it: started on the video, as a file manager's "Open with" does,
# fill the target, pick a format, GO; the console converts and a key closes it; so it does for an
# .mp4 and an .mkv typed into the source field; CANCEL ends the program and removes the work
# folder; so do the signals that ask a program to end.
source "$(dirname "$0")/lib.sh"
program=$1

main_window() { xdotool search --onlyvisible --name '^Varnelo! v3.0$' 2>/dev/null | head -n 1 | grep .; }
ended() { ! kill -0 "$1" 2>/dev/null; }
# Waits for the program to end and fails unless it ended well: a sanitizer's report ends it
# with another status.
program_ended() { # pid
    wait_until 60 ended "$1"
    local status=0
    wait "$1" || status=$?
    [ $status = 0 ] || { echo "the program ended with status $status" >&2; return 1; }
}

"$program" "$clip" &
pid=$!
window=$(wait_until 60 main_window)

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }
fill() { # x y text
    click "$1" "$2"
    xdotool key ctrl+a BackSpace
    xdotool type --delay 2 "$3"
}

mkdir "$scratch/out"
fill 150 89 "$scratch/out/"

click 334 200 # FLV (Flash)
click 368 232 # GO
finish_conversion "$scratch/out/in put's clip.flv" flv

click 334 184 # SWF (Flash)
click 368 232 # GO
finish_conversion "$scratch/out/in put's clip.swf" swf

# Videos beyond the designed five types, typed into the source field. Made by the real
# converter: the one on PATH notes each of its runs as a conversion.
PATH=${PATH#"$scratch/bin:"} make_clip "$scratch/film.mp4"
PATH=${PATH#"$scratch/bin:"} make_clip "$scratch/movie.mkv"
fill 150 49 "$scratch/film.mp4"
click 368 232 # GO
finish_conversion "$scratch/out/film.swf" swf
fill 150 49 "$scratch/movie.mkv"
click 334 200 # FLV (Flash)
click 368 232 # GO
finish_conversion "$scratch/out/movie.flv" flv

[ -d "$work" ]
click 368 120 # CANCEL
program_ended $pid
[ ! -e "$work" ] || { echo "the work folder is still there: $(ls -A "$work")" >&2; exit 1; }
echo "closed and cleaned up"

# Asked to end by the system, the program closes as the user closes it, and cleans up: the
# copy an ended program left goes, a script of the user's under the script's name stays.
for signal in TERM HUP; do
    "$program" &
    pid=$!
    wait_until 60 main_window >/dev/null
    mkdir -m 700 "$work"
    echo "exit" >"$work/temp.sh"
    echo "exit" >"$work/temp-999999999-1.sh"
    touch -d '1 hour ago' "$work/temp-999999999-1.sh"
    kill -s $signal $pid
    program_ended $pid
    left=$(ls -A "$work")
    [ "$left" = temp.sh ] || { echo "SIG$signal left the work folder with: $left" >&2; exit 1; }
    rm -r "$work"
    echo "SIG$signal closed and cleaned up"
done
