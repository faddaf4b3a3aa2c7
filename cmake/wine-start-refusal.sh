#!/bin/sh
# Starts a copy of the Windows program folder whose path holds a character that code page 936
# lacks, under Wine on the X screen of DISPLAY (xvfb-run): the program must say so in a message
# box instead of opening its home window, and end once the box is closed. The path is long, a
# name of 180 letters without a blank: the box must still fit the screen, 1,024 x 768. Saves a
# picture of it:
#   wine-start-refusal.sh WINE-RUN WINE PREFIX STAGE PICTURE
set -eu
[ $# -eq 5 ]
work="$(mktemp -d)"
folder="$work/한국어/$(printf 'a%.0s' $(seq 180))/Tarnwick"
mkdir -p "$(dirname "$folder")"
cp -r "$4" "$folder"
TARNWICK_WINE_DISPLAY="$DISPLAY" "$1" "$2" "$3" "$folder/tarnwick.exe" &
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
eval "$(xdotool getwindowgeometry --shell "$box")"
if [ "$WIDTH" -gt 1024 ] || [ "$HEIGHT" -gt 768 ]; then
    echo "The message box is ${WIDTH}x$HEIGHT, larger than the screen" >&2
    exit 1
fi
mkdir -p "$(dirname "$5")"
timeout 20 import -window root "$5"
xdotool windowfocus --sync "$box" key Return
for _ in $(seq 30); do
    kill -0 $program 2>/dev/null || exit 0
    sleep 1
done
echo "The program did not end" >&2
exit 1
