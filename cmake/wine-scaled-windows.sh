#!/bin/sh
# Runs a Windows test program under Wine on the X screen of DISPLAY (xvfb-run), with the
# system's DPI set to SCALE x 96 in the Wine prefix of PREFIX that wine-run.sh picks (a prefix of
# its own for each scale, since the setting is the user's: HKCU\Control Panel\Desktop\LogPixels):
#   wine-scaled-windows.sh WINE-RUN WINE PREFIX SCALE PROGRAM [ARGUMENTS...]
set -eu
run="$1" wine="$2" prefix="$3" scale="$4"
shift 4
export TARNWICK_WINE_SUITE="${TARNWICK_WINE_SUITE:-scale-$scale}"
dpi="$(awk "BEGIN { print $scale * 96 }")"
"$run" "$wine" "$prefix" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$dpi" /f >/dev/null
TARNWICK_SCALE="$scale" TARNWICK_WINE_DISPLAY="$DISPLAY" exec "$run" "$wine" "$prefix" "$@"
