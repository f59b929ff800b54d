# Steps every end-to-end test shares: a display to drive, waits with a time limit, the generated
# clip, and what the converter wrote.
set -euo pipefail

[ -n "${DISPLAY:-}" ] || { echo "no display: run under xvfb-run" >&2; exit 1; }
for tool in ffmpeg ffprobe xdotool "$@"; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done

wait_until() { # seconds, command...
    local limit=$(($1 * 10)); shift
    for ((i = 0; i < limit; i++)); do "$@" && return 0; sleep 0.1; done
    echo "timed out waiting for: $*" >&2
    return 1
}

# A two-second clip with 48 kHz sound, the rate that SWF does not take as it is.
make_clip() { # path
    ffmpeg -v error -f lavfi -i testsrc=duration=2:size=320x240:rate=25 \
        -f lavfi -i sine=frequency=440:sample_rate=48000:duration=2 -shortest "$1"
}

check_format() { # file, format
    local format
    format=$(ffprobe -v error -show_entries format=format_name -of csv=p=0 "$1")
    [ "$format" = "$2" ] || { echo "$1 is '$format', not $2" >&2; return 1; }
}

# Whether a process of this test's Wine prefix matches the pattern: other prefixes may run on
# the machine, and only processes of this one count.
running() { # pattern
    local pid
    for pid in $(pgrep -f -- "$1"); do
        { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" &&
            return 0
    done
    return 1
}
