#!/usr/bin/env bash
# The Windows installer as a user meets it, under Wine in a prefix made afresh for this run:
# an earlier version installed, then this one over it with /S, carrying the converter; its
# files, Start menu shortcut and registry entries in place, without taking .avi from the program
# that has it; the program started from the shortcut, and through "Open with" with a video that
# then shows in the source field; neither uninstalled nor installed over while it runs;
# uninstalled with /S once it is closed, a console of its still waiting for a key, leaving
# nothing of Varnelo behind, and the console's copy of its script gone once a key closes it.
# Usage: installer.sh BUILD VERSION FIELD_TEXT_EXE FFMPEG_EXE, on a display of its own, with
# WINEPREFIX set to a prefix for this test alone.
source "$(dirname "$0")/../e2e/common.sh" wine wineserver winepath cpack makensis
build=$1
version=$2
field_text=$3
converter=$4
: "${WINEPREFIX:?set WINEPREFIX to a Wine prefix for this test alone}"
scripts="$(dirname "$0")/../../scripts"
export WINEPREFIX WINEDEBUG=-all

scratch=$(mktemp -d)
trap '"$scripts/wine-prefix.sh" stop; rm -rf "$scratch"' EXIT
rm -rf "$WINEPREFIX"
"$scripts/wine-prefix.sh" display

# The earlier version carries no converter; this one does.
converter_source=https://www.pelmora.example/varnelo/ffmpeg-N-92722-gf22fcd4483-source.tar.xz
pack() { # version, converter
    cpack -G NSIS --config "$build/CPackConfig.cmake" -B "$scratch/$1" \
        -D CPACK_PACKAGE_VERSION="$1" -D CPACK_PACKAGE_FILE_NAME="Varnelo-$1-win64" \
        -D VARNELO_FFMPEG_EXE="$2" -D VARNELO_FFMPEG_SOURCE="$converter_source" >/dev/null
    echo "$scratch/$1/Varnelo-$1-win64.exe"
}
earlier=$(pack 2.9 "")
# Packed again from files of another time, the same: no time of packing or of the files is in
# it.
mv "$earlier" "$scratch/first.exe"
touch "$build/app/varnelo.exe"
cmp "$scratch/first.exe" "$(pack 2.9 "")"
installer=$(pack "$version" "$converter")

windows_variable() { wine cmd /c echo "%$1%" | tr -d '\r'; }
local_data=$(windows_variable LOCALAPPDATA)
folder="$local_data\\Programs\\Varnelo"
shortcut="$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Varnelo.lnk"
unix() { winepath -u "$1"; }

# reg's answer for a value reads "    NAME    REG_TYPE    DATA".
value() { # key, name ("" for the default)
    local listing
    if [ -z "$2" ]; then
        listing=$(wine reg query "$1" /ve 2>/dev/null) || return 1
    else
        listing=$(wine reg query "$1" /v "$2" 2>/dev/null) || return 1
    fi
    tr -d '\r' <<<"$listing" | sed -n 's/^    .*    REG_[A-Z_]*    //p; s/^    .*    REG_[A-Z_]*$//p'
}
key_exists() { wine reg query "$1" >/dev/null 2>&1; }
expect() { # what, got, wanted
    [ "$2" = "$3" ] || { echo "$1: '$2', not '$3'" >&2; exit 1; }
}
# The program carries no link time (the PE header's time stamp).
exe=$build/app/varnelo.exe
stamp=$(od -An -tu4 -N4 -j$(($(od -An -tu4 -N4 -j60 "$exe") + 8)) "$exe")
expect "varnelo.exe's link time" $((stamp)) 0
classes='HKCU\Software\Classes'
uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnelo'
application="$classes\\Applications\\varnelo.exe"
types=(.avi .flv .wmv .mpg .mpeg .mp4 .m4v .mkv .mov .webm .ts .m2ts .mts .3gp .ogv .vob .asf .divx
    .rm .rmvb)

# Another program is .avi's default and on its "Open with" list; both stay.
wine reg add "$classes\\.avi" /ve /d OtherPlayer.avi /f >/dev/null
wine reg add "$classes\\.avi\\OpenWithList\\other.exe" /f >/dev/null

wine "$earlier" /S
expect "version after the earlier installer" "$(value "$uninstall" DisplayVersion)" 2.9
[ ! -e "$(unix "$folder\\ffmpeg.exe")" ] || { echo "the earlier version carried ffmpeg.exe" >&2; exit 1; }
wine "$installer" /S
echo "installed $(basename "$installer") over $(basename "$earlier")"

for file in varnelo.exe LICENSE.txt Uninstall.exe ffmpeg.exe ffmpeg-readme.txt ffmpeg-GPL-3.txt; do
    [ -f "$(unix "$folder\\$file")" ] || { echo "$folder\\$file is missing" >&2; exit 1; }
done
for line in "FFmpeg N-92722-gf22fcd4483" "$converter_source" "libavutil 56.24.101" \
    "libavdevice 58.6.101" "libpostproc 55.4.100" "--enable-libx264"; do
    grep -qF -- "$line" "$(unix "$folder\\ffmpeg-readme.txt")" ||
        { echo "ffmpeg-readme.txt does not name $line" >&2; exit 1; }
done
[ -f "$(unix "$shortcut")" ] || { echo "no shortcut $shortcut" >&2; exit 1; }
# Explorer's Properties name the product, its maker and version for the installer and the
# uninstaller.
for exe in "$installer" "$(unix "$folder\\Uninstall.exe")"; do
    strings -el "$exe" | grep -qxF "Copyright (C) 2026 Pelmora Software" ||
        { echo "$exe carries no version information" >&2; exit 1; }
done

# key | name | value
while IFS='|' read -r key name wanted; do
    expect "$key\\$name" "$(value "$key" "$name")" "$wanted"
done <<EOF
$uninstall|DisplayName|Varnelo
$uninstall|DisplayVersion|$version
$uninstall|Publisher|Pelmora Software
$uninstall|DisplayIcon|$folder\\varnelo.exe,0
$uninstall|UninstallString|"$folder\\Uninstall.exe"
$uninstall|QuietUninstallString|"$folder\\Uninstall.exe" /S
$application|FriendlyAppName|Varnelo
$application\\shell\\open\\command||"$folder\\varnelo.exe" "%1"
$classes\\.avi||OtherPlayer.avi
EOF
size=$(($(value "$uninstall" EstimatedSize)))
files_size=$(du -sk --apparent-size "$(unix "$folder")" | cut -f1)
((size * 11 / 10 >= files_size && size <= files_size)) ||
    { echo "EstimatedSize $size KB for $files_size KB of files" >&2; exit 1; }
for type in "${types[@]}"; do
    value "$application\\SupportedTypes" "$type" >/dev/null ||
        { echo "$type is not among the supported types" >&2; exit 1; }
    key_exists "$classes\\$type\\OpenWithList\\varnelo.exe" ||
        { echo "varnelo.exe is not on the Open with list of $type" >&2; exit 1; }
done
key_exists "$classes\\.avi\\OpenWithList\\other.exe"
echo "files, shortcut and registry entries in place"

title="Varnelo! v$version"
find_window() { xdotool search --onlyvisible --name "^${title//./\\.}\$" 2>/dev/null | head -n 1 || true; }
shown() { [ -n "$(find_window)" ]; }
program_ended() { ! running 'varnelo\.exe' && ! shown; }
# In the window's client area of 423 x 266, inside the frame Wine draws itself.
click() { # x y
    local window WIDTH HEIGHT left
    window=$(find_window)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    left=$(((WIDTH - 423) / 2))
    xdotool mousemove --window "$window" $(($1 + left)) $(($2 + HEIGHT - 266 - left)) click 1
}
close_program() {
    click 368 120 # CANCEL
    wait_until 60 program_ended
}

wine start "$shortcut"
wait_until 120 shown
close_program
echo "started from the Start menu"

# As Explorer runs it: the registered command, with the video in place of %1.
command=$(value "$application\\shell\\open\\command" "")
[[ $command =~ ^\"([^\"]+)\"\ \"%1\"$ ]] || { echo "unexpected command: $command" >&2; exit 1; }
program=${BASH_REMATCH[1]}
mkdir "$WINEPREFIX/drive_c/clips"
make_clip "$WINEPREFIX/drive_c/clips/party clip.avi"
video='C:\clips\party clip.avi'
# Wine traces each command a console runs; after PAUSE's trace, a key lies in its input.
WINEDEBUG=trace+cmd wine "$program" "$video" 2>"$scratch/messages" &
source_field() { wine "$field_text" "$title" 2>/dev/null | head -n 1; }
shows_video() { [ "$(source_field)" = "$video" ]; }
wait_until 120 shown
wait_until 120 shows_video
echo "opened $video with Varnelo"

# While it runs, the uninstaller and an installer, silent, each give up with 2 and change
# nothing. The uninstaller runs in place as an installer runs an earlier one: started plainly,
# it hands over to a copy of itself and returns at once.
snapshot() { # folder
    mkdir -p "$1"
    sha256sum "$(unix "$folder")"/* "$(unix "$shortcut")" >"$1/files"
    wine reg export "$classes" "$1/classes.reg" /y >/dev/null
    wine reg export "$uninstall" "$1/uninstall.reg" /y >/dev/null
}
snapshot "$scratch/before"
status=0
wine "$folder\\Uninstall.exe" /S "_?=$folder" || status=$?
expect "the uninstaller's exit code while Varnelo runs" $status 2
status=0
wine "$earlier" /S || status=$?
expect "the earlier installer's exit code while Varnelo runs" $status 2
snapshot "$scratch/after"
diff -r "$scratch/before" "$scratch/after" >&2 || { echo "changed while Varnelo ran" >&2; exit 1; }
echo "neither uninstalled nor installed over while Varnelo ran"

# A console waiting for its key holds its own folder, which must be none of the installation's.
click 150 89 # the target field
xdotool type --delay 20 'C:\clips\'
click 340 200 # FLV (Flash)
click 368 232 # GO
console_at_pause() { grep -q "trace:cmd:WCMD_execute Command: 'L\"PAUSE\"'" "$scratch/messages"; }
wait_until 180 console_at_pause
close_program
wait
echo "converted, the console waiting for a key after Varnelo closed"

# The uninstaller removes a work folder only when nothing is in it.
spare="$(unix "$local_data")/VC_Temp"
mkdir "$spare"
quiet=$(value "$uninstall" QuietUninstallString)
[[ $quiet =~ ^\"([^\"]+)\"\ /S$ ]] || { echo "unexpected quiet uninstall: $quiet" >&2; exit 1; }
# The uninstaller runs on as a copy of itself after the one started returns; the last thing it
# does is remove the empty work folder.
wine "${BASH_REMATCH[1]}" /S
uninstalled() { [ ! -e "$spare" ]; }
wait_until 120 uninstalled

left=()
for path in "$folder" "$shortcut"; do
    [ ! -e "$(unix "$path")" ] || left+=("$path")
done
for key in "$uninstall" "$application" "$classes\\.avi\\OpenWithList\\varnelo.exe"; do
    ! key_exists "$key" || left+=("$key")
done
for type in "${types[@]:1}"; do
    ! key_exists "$classes\\$type" || left+=("$classes\\$type")
done
[ ${#left[@]} -eq 0 ] || { printf 'left behind: %s\n' "${left[@]}" >&2; exit 1; }
expect "the default of .avi" "$(value "$classes\\.avi" "")" OtherPlayer.avi
key_exists "$classes\\.avi\\OpenWithList\\other.exe"
work="$WINEPREFIX/drive_c/VC_Temp"
[ -n "$(ls -A "$work")" ] || { echo "the console's copy went with Varnelo" >&2; exit 1; }
console=$(xdotool search --onlyvisible --class '^conhost\.exe$' | head -n 1)
xdotool windowfocus --sync "$console" key space
console_closed() { ! running 'cmd\.exe.*VC_Temp'; }
wait_until 60 console_closed
[ -z "$(ls -A "$work")" ] || { echo "the console left $(ls -A "$work")" >&2; exit 1; }
"$scripts/wine-prefix.sh" stop
rm -rf "$WINEPREFIX"
echo "uninstalled, nothing of Varnelo left"
