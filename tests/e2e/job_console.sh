#!/usr/bin/env bash
# The conversion job with the real platform: the script in the runtime folder, a real xterm,
# Debian's ffmpeg converting a clip to FLV and SWF, a key press closing the console.
source "$(dirname "$0")/lib.sh"
driver=$1

mkdir "$scratch/out dir"
"$driver" "$clip" "$scratch/out dir/" flv
finish_conversion "$scratch/out dir/in put's clip.flv" flv
"$driver" "$clip" "$scratch/out dir/" swf
finish_conversion "$scratch/out dir/in put's clip.swf" swf
[ "$(stat -c %a "$work")" = 700 ]
