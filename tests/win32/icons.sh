#!/usr/bin/env bash
# Reads a Windows program's icon as the shell finds it, the first icon group in the program:
# it must hold the program's picture at every size the shell shows, 32 bits each, and those over
# 48 pixels must be the desktop icon theme's PNG files.
#   icons.sh PROGRAM RESOURCES_FOLDER
set -euo pipefail
program=$1
resources=$2
sizes="16 20 24 32 40 48 64 128 256"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

first=$(wrestool -l --type=14 "$program" | sed -n "1s/^--type=14 --name='\?\([^' ]*\)'\? .*/\1/p")
[ -n "$first" ] || { echo "no icon group read from $program" >&2; exit 1; }
wrestool -x --type=14 --name="$first" -o "$scratch/first.ico" "$program"
found=$(icotool -l "$scratch/first.ico" |
    sed -n 's/.*--width=\([0-9]*\) --height=\1 --bit-depth=32 .*/\1/p' | paste -sd ' ')
if [ "$found" != "$sizes" ]; then
    echo "the first icon group, $first, holds 32-bit images of ${found:-no} pixels," \
        "not of $sizes" >&2
    icotool -l "$scratch/first.ico" >&2
    exit 1
fi
icotool -x -o "$scratch" "$scratch/first.ico"
for size in 64 128 256; do
    cmp -s "$scratch"/first_*_"${size}x${size}"x32.png "$resources/program-$size.png" ||
        { echo "the $size-pixel image is not resources/program-$size.png" >&2; exit 1; }
done
