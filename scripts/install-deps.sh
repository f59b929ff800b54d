#!/usr/bin/env bash
# Installs the Debian packages the program needs: "run" for building and starting it, "deb"
# for building its Debian package too, "win" for building its Windows installer too, "test" for
# its tests as well. Installs only what is missing; works as root or through sudo.
set -euo pipefail

run_packages=(
    cmake ninja-build g++ make
    qt6-base-dev qt6-qpa-plugins
    fonts-liberation2
    ffmpeg xterm
    dpkg-dev
)
test_packages=(
    googletest libgtest-dev clang-format git
    xvfb xauth xdotool x11-utils procps strace
    at-spi2-core python3-pyatspi dbus-daemon
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64 fonts-wine
    lintian desktop-file-utils appstream xdg-utils
    nsis imagemagick icoutils qt6-svg-dev
    npm
)
deb_packages=(file)
# Wine runs a converter the installer is to carry, to read what it is built of.
win_packages=(g++-mingw-w64-x86-64 nsis wine wine64)

packages=("${run_packages[@]}")
case "${1:-run}" in
    run) ;;
    deb) packages+=("${deb_packages[@]}") ;;
    win) packages+=("${win_packages[@]}") ;;
    test) packages+=("${deb_packages[@]}" "${test_packages[@]}") ;;
    *) echo "usage: $0 [run|deb|win|test]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    # A Node.js from outside Debian brings its own npm and conflicts with Debian's package.
    [ "$package" = npm ] && command -v npm >/dev/null && continue
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root, or install sudo, to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
