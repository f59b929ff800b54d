#!/usr/bin/env bash
# The conversion job with the real platform: the script in the runtime folder, a real xterm,
# Debian's ffmpeg converting a clip to FLV and SWF, a key press closing the console. Neither the
# folder the program starts from nor the relative entries of its PATH play a part.
source "$(dirname "$0")/lib.sh"
driver=$1

# Started from a folder with a converter of its own, with an empty PATH entry that names it.
mkdir "$scratch/out dir" "$scratch/downloads"
cat >"$scratch/downloads/ffmpeg" <<SCRIPT
#!/bin/sh
echo planted >>'$scratch/planted'
echo 1 >>'$converted'
SCRIPT
chmod +x "$scratch/downloads/ffmpeg"
(cd "$scratch/downloads" && PATH="/usr/local/bin::$PATH" "$driver" "$clip" "$scratch/out dir/" flv)
finish_conversion "$scratch/out dir/in put's clip.flv" flv
[ ! -e "$scratch/planted" ] || { echo "the converter in the start folder ran" >&2; exit 1; }

# Started from a folder the user may not enter, with a PATH of the converter's folder alone:
# the console still waits for its key. Root enters any folder unless it gives up the
# capabilities that let it.
mkdir "$scratch/locked"
as_user() { if [ "$(id -u)" = 0 ]; then setpriv --bounding-set=-dac_override,-dac_read_search "$@"; else "$@"; fi; }
(cd "$scratch/locked" && chmod 000 . &&
    as_user env PATH="$scratch/bin" TERMINAL="$(command -v xterm)" "$driver" "$clip" "$scratch/out dir/" swf)
chmod 700 "$scratch/locked"
finish_conversion "$scratch/out dir/in put's clip.swf" swf
[ "$(stat -c %a "$work")" = 700 ]
