#!/usr/bin/env bash
# How long `make check` takes after a one-line change to a file of the conversion job, headers
# included, beside the floor: `make check` with nothing changed, measured in the same run.
#   bench/check-rebuild.sh [FILE...]: each file given, else every file of job/.
# The line is a comment added at the file's end; the file is put back as it was, even when the
# run is interrupted. No compiler cache answers: every compile is a real one.
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_DISABLE=1
if [ $# -eq 0 ]; then
    mapfile -t files < <(git ls-files 'job/*.h' 'job/*.cpp')
else
    files=("$@")
fi
saved=$(mktemp)
changed=
restore() { if [ -n "$changed" ]; then cp "$saved" "$changed"; fi; rm -f "$saved"; }
trap restore EXIT

seconds() { # runs make check, prints the seconds it took
    local start end
    start=$(date +%s.%N)
    make --no-print-directory check >/dev/null
    end=$(date +%s.%N)
    echo "$end - $start" | bc
}

make --no-print-directory check >/dev/null
floor=$(seconds)
printf '%-24s %5.1f s\n' "nothing changed (floor)" "$floor"
for file in "${files[@]}"; do
    cp "$file" "$saved"
    changed=$file
    echo "// a one-line change" >>"$file"
    took=$(seconds)
    cp "$saved" "$file"
    changed=
    # The tree is brought back to the unchanged file before the next one is measured.
    make --no-print-directory check >/dev/null
    printf '%-24s %5.1f s  %4.1f x the floor\n' "$file" "$took" "$(echo "$took / $floor" | bc -l)"
done
