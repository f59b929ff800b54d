#!/usr/bin/env bash
# Reads a Windows program's header and import tables and fails when a DLL that should load on
# first use is imported at start (a function called from it is missing from its
# cmake/delayload/*.def file), when the program names any DLL outside the expected ones at all,
# or when the system could not load it at a random address, anywhere in the 64-bit space, or
# would run its data as code.
#   imports.sh OBJDUMP PROGRAM "DELAY-LOADED DLL..." "DLL IMPORTED AT START..."
set -euo pipefail
objdump=$1
program=$2
delayed=" ${3,,} "
atStart=" ${4,,} "
status=0

header=$("$objdump" -p "$program")
startImports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$header")
[ -n "$startImports" ] || { echo "no import table read from $program" >&2; exit 1; }
for dll in $startImports; do
    name=${dll,,}
    name=${name%.dll}
    if [[ $delayed == *" $name "* ]]; then
        echo "$dll is imported at start; it should load on first use" >&2
        status=1
    fi
done

# The delay-load records name their DLLs too, outside the table objdump reads.
for dll in $(grep -aoiE '[[:alnum:]_-]+\.dll' "$program" | sort -uf); do
    name=${dll,,}
    name=${name%.dll}
    if [[ $delayed != *" $name "* && $atStart != *" $name "* ]]; then
        echo "$dll is not among the DLLs the program may use" >&2
        status=1
    fi
done
for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    grep -qx "[[:space:]]*$flag" <<<"$header" || { echo "$program lacks $flag" >&2; status=1; }
done
# Moving the program needs its relocations.
if ! grep -qE '^Entry 5 [[:xdigit:]]+ 0*[1-9a-f][[:xdigit:]]* Base Relocation' <<<"$header"; then
    echo "$program has no relocations: the system cannot move it" >&2
    status=1
fi
exit "$status"
