#!/bin/sh
# Checks the subsystem that a Windows program's PE header names (2: GUI, 3: console):
#   pe-subsystem.sh PROGRAM EXPECTED
set -eu
[ $# -eq 2 ]
header="$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')"     # e_lfanew: where "PE\0\0" stands
signature="$(od -An -c -j"$header" -N2 "$1" | tr -d ' ')"
# The optional header follows the signature (4 bytes) and the file header (20); its Subsystem
# field is 68 bytes into it.
subsystem="$(od -An -tu2 -j$((header + 92)) -N2 "$1" | tr -d ' ')"
if [ "$signature" != PE ] || [ "$subsystem" != "$2" ]; then
    echo "$1: subsystem $subsystem, not $2" >&2
    exit 1
fi
