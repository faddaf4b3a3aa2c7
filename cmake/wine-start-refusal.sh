#!/bin/sh
# Starts a copy of the Windows program folder whose path holds a character that code page 936
# lacks, under Wine on the X screen of DISPLAY (xvfb-run): the program must say so in a message
# box instead of opening its home window, and end once the box is closed:
#   wine-start-refusal.sh WINE-RUN WINE PREFIX STAGE
set -eu
[ $# -eq 4 ]
work="$(mktemp -d)"
mkdir "$work/한국어"
cp -r "$4" "$work/한국어/Tarnwick"
TARNWICK_WINE_DISPLAY="$DISPLAY" "$1" "$2" "$3" "$work/한국어/Tarnwick/tarnwick.exe" &
program=$!
trap 'kill $program 2>/dev/null || true; rm -rf "$work"' EXIT

box=""
for _ in $(seq 120); do
    box="$(xdotool search --onlyvisible --name '^警告!$' | head -1)" && [ -n "$box" ] && break
    sleep 1
done
[ -n "$box" ] || { echo "No message box showed" >&2; exit 1; }
if xdotool search --onlyvisible --name '^Tarnwick$' >/dev/null; then
    echo "The home window opened" >&2
    exit 1
fi
xdotool windowfocus --sync "$box" key Return
for _ in $(seq 30); do
    kill -0 $program 2>/dev/null || exit 0
    sleep 1
done
echo "The program did not end" >&2
exit 1
