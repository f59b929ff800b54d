#!/usr/bin/env bash
# The Debian package as a user gets it: packed from the build, checked by lintian (hardening
# included), installed with dpkg, started from PATH, its desktop entry and metadata valid and
# offering the source types, the installed window converting a video; then removed, leaving
# nothing behind. Installing needs root: skipped (77) without it. Needs a display for the
# window, as the end-to-end tests do.
set -euo pipefail
build=$1
version=$2
id=example.pelmora.Varnelo

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
# An error fails the package, and so does any of lintian's hardening notes.
notes=$(lintian --fail-on error --display-info "$deb") || { echo "$notes" >&2; exit 1; }
echo "$notes"
! grep ' hardening-' <<<"$notes" >&2 || { echo "built without Debian's hardening" >&2; exit 1; }

dpkg -i "$deb"
[ "$(command -v varnelo)" = /usr/bin/varnelo ]
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY varnelo --version)" = "Varnelo $version" ]
desktop-file-validate "/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml"
# Every source type is offered under a name the MIME database gives its extension, no other
# type is, and the metadata offers what the desktop entry does.
offered=$(sed -n 's/^MimeType=//p' "/usr/share/applications/$id.desktop" | tr ';' '\n' |
    grep . | sort)
[ "$offered" = "$(sed -n 's:.*<mediatype>\(.*\)</mediatype>.*:\1:p' \
    "/usr/share/metainfo/$id.metainfo.xml" | sort)" ] ||
    { echo "the desktop entry and the metadata offer different types" >&2; exit 1; }
known=()
for extension in avi flv wmv mpg mpeg mp4 m4v mkv mov webm ts m2ts mts 3gp ogv vob asf divx rm \
    rmvb; do
    types=$(awk -F: -v glob="*.$extension" '$3 == glob { print $2 }' /usr/share/mime/globs2)
    grep -qxFf <(echo "$types") <<<"$offered" ||
        { echo "*.$extension ($types) is not offered" >&2; exit 1; }
    known+=($types)
done
stray=$(grep -vxFf <(printf '%s\n' "${known[@]}") <<<"$offered" || true)
[ -z "$stray" ] || { echo "offered for no source type: $stray" >&2; exit 1; }
"$(dirname "$0")/../e2e/window.sh" /usr/bin/varnelo

files=$(dpkg -L varnelo)
dpkg -r varnelo
! installed || { echo "varnelo is still installed" >&2; exit 1; }
left=$(while read -r path; do
    if [ -e "$path" ] && [ ! -d "$path" ]; then echo "$path"; fi
done <<<"$files")
[ -z "$left" ] && [ ! -e /usr/share/doc/varnelo ] || { echo "left behind: $left" >&2; exit 1; }
echo "built, installed, ran and removed $(basename "$deb")"
