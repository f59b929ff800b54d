#!/usr/bin/env bash
# The program as a user drives it: started on the video, as a file manager's "Open with" does,
# fill the target, pick a format, GO; the console converts and a key closes it; CANCEL ends the
# program and removes the work folder.
source "$(dirname "$0")/lib.sh"
program=$1

"$program" "$clip" &
pid=$!
wait_until 20 xdotool search --name '^Varnelo! v3.0$' >/dev/null
window=$(xdotool search --name '^Varnelo! v3.0$' | head -n 1)

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

[ -d "$work" ]
click 368 120 # CANCEL
wait_until 20 bash -c "! kill -0 $pid 2>/dev/null"
[ ! -e "$work" ] || { echo "the work folder is still there: $(ls -A "$work")" >&2; exit 1; }
echo "closed and cleaned up"
