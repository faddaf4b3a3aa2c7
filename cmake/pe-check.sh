#!/bin/sh
# Checks a Windows program's PE header for its subsystem (2: GUI, 3: console) and, with a
# third argument, that it carries an application manifest that runs it as the user who starts
# it and names Windows 10 and 11 among its systems:
#   pe-check.sh PROGRAM SUBSYSTEM [manifest]
set -eu
[ $# -ge 2 ]
header="$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')"     # e_lfanew: where "PE\0\0" stands
signature="$(od -An -c -j"$header" -N2 "$1" | tr -d ' ')"
# The optional header follows the signature (4 bytes) and the file header (20); its Subsystem
# field is 68 bytes into it.
subsystem="$(od -An -tu2 -j$((header + 92)) -N2 "$1" | tr -d ' ')"
if [ "$signature" != PE ] || [ "$subsystem" != "$2" ]; then
    echo "$1: subsystem $subsystem, not $2" >&2
    exit 1
fi
[ $# -eq 2 ] && exit 0
# The manifest is resource 1 of type RT_MANIFEST; its text lies whole in the resource section.
for wanted in 'level="asInvoker"' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'; do
    if ! grep -qaF "$wanted" "$1"; then
        echo "$1: its manifest lacks $wanted" >&2
        exit 1
    fi
done
