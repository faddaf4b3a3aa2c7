#!/bin/sh
# Starts the Windows program under Wine on the X screen of DISPLAY (xvfb-run), checks that its
# home window shows and saves a picture of it:
#   wine-home-window.sh WINE-RUN WINE PREFIX PROGRAM PICTURE
set -eu
[ $# -eq 5 ]
picture="$5"
TARNWICK_WINE_DISPLAY="$DISPLAY" "$1" "$2" "$3" "$4" &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT

# The first start in a new Wine prefix sets it up, which takes a while. A window found may be
# gone again before it is measured (Wine replaces it while the program starts): look again.
geometry=""
for _ in $(seq 120); do
    window="$(xdotool search --onlyvisible --name '^Tarnwick$' | head -1)"
    if [ -n "$window" ] && geometry="$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)"; then
        break
    fi
    geometry=""
    sleep 1
done
[ -n "$geometry" ] || { echo "The home window did not show" >&2; exit 1; }
eval "$geometry"
if [ "$WIDTH" != 260 ] || [ "$HEIGHT" != 450 ]; then
    echo "The home window is ${WIDTH}x$HEIGHT, not 260x450" >&2
    exit 1
fi
# Shown is not yet painted: wait until the window holds more than one colour.
mkdir -p "$(dirname "$picture")"
for _ in $(seq 30); do
    import -window "$window" "$picture"
    [ "$(convert "$picture" -format '%k' info:)" -gt 1 ] && exit 0
    sleep 1
done
echo "The home window stayed blank" >&2
exit 1
