#!/usr/bin/env bash
# The Debian package as a user gets it: packed from the build, checked by lintian (hardening
# included), installed with dpkg, started from PATH, its desktop entry and metadata valid and
# leaving videos to the player, the installed window converting a video; then removed, leaving
# nothing behind. Installing needs root: skipped (77) without it. Needs a display for the
# window, as the end-to-end tests do.
set -euo pipefail
build=$1
version=$2
id=example.pelmora.varnelo

[ "$(id -u)" -eq 0 ] || { echo "skipped: installing the package needs root"; exit 77; }
installed() { dpkg-query -W -f='${db:Status-Abbrev}' varnelo 2>/dev/null | grep -q '^.[^n]'; }
if installed; then
    echo "skipped: this machine has varnelo installed already; remove it first (dpkg -r varnelo)"
    exit 77
fi

scratch=$(mktemp -d)
trap 'if installed; then dpkg -r varnelo >/dev/null; fi; rm -rf "$scratch"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null
deb=$scratch/varnelo_$version-1_amd64.deb
[ -f "$deb" ] || { echo "no $(basename "$deb") among: $(ls "$scratch")" >&2; exit 1; }
# Packed again a second later, the same; and no folder of the build is in the program, its
# debugging information included.
sleep 1
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/again" >/dev/null
cmp "$deb" "$scratch/again/$(basename "$deb")"
for folder in "$build" "$(cd "$(dirname "$0")/../.." && pwd)"; do
    ! grep -qF "$folder" "$build/app/qt/varnelo" || { echo "$folder is in the program" >&2; exit 1; }
done
# An error fails the package, and so does any of lintian's hardening notes.
notes=$(lintian --fail-on error --display-info "$deb") || { echo "$notes" >&2; exit 1; }
echo "$notes"
! grep ' hardening-' <<<"$notes" >&2 || { echo "built without Debian's hardening" >&2; exit 1; }

dpkg -i "$deb"
[ "$(command -v varnelo)" = /usr/bin/varnelo ]
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY varnelo --version)" = "Varnelo $version" ]
desktop-file-validate "/usr/share/applications/$id.desktop"
# Only notes for information: the pedantic ones fail too.
notes=$(appstreamcli validate --no-net --pedantic "/usr/share/metainfo/$id.metainfo.xml") ||
    { echo "$notes" >&2; exit 1; }
! grep '^[EWP]:' <<<"$notes" >&2 || exit 1
# A double-click on a video still opens the player: beside the installed entry, a stand-in
# player that names the types and sorts after Varnelo stays each type's default.
applications=$scratch/data/applications
mkdir -p "$applications"
cp "/usr/share/applications/$id.desktop" "$applications"
printf '%s\n' '[Desktop Entry]' Type=Application Name=Player 'Exec=true %f' \
    'MimeType=video/mp4;video/x-msvideo;video/x-matroska;' >"$applications/zz.player.desktop"
update-desktop-database "$applications"
for type in video/mp4 video/x-msvideo video/x-matroska; do
    opener=$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION XDG_DATA_HOME="$scratch/none" \
        XDG_DATA_DIRS="$scratch/data" XDG_CONFIG_HOME="$scratch/none" \
        XDG_CONFIG_DIRS="$scratch/none" xdg-mime query default "$type")
    [ "$opener" = zz.player.desktop ] || { echo "$type opens with '$opener'" >&2; exit 1; }
done
"$(dirname "$0")/../e2e/window.sh" /usr/bin/varnelo

files=$(dpkg -L varnelo)
dpkg -r varnelo
! installed || { echo "varnelo is still installed" >&2; exit 1; }
left=$(while read -r path; do
    if [ -e "$path" ] && [ ! -d "$path" ]; then echo "$path"; fi
done <<<"$files")
[ -z "$left" ] && [ ! -e /usr/share/doc/varnelo ] || { echo "left behind: $left" >&2; exit 1; }
echo "built, installed, ran and removed $(basename "$deb")"
