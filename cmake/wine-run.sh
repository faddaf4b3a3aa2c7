#!/bin/sh
# Runs a Windows test program under Wine: wine-run.sh WINE PREFIX PROGRAM [ARGUMENTS...]
# Headless and quiet, in a Wine prefix of the build's own that the first caller sets up. The
# Chinese locale gives Wine code page 936, the program's encoding, as its ANSI and OEM code
# page, while file names on disk stay UTF-8; it is compiled beside the prefix, so the system's
# own locale settings stay as they are. TARNWICK_WINE_LOCALE names another (en_US.UTF-8: code
# pages 1252 and 437). Windows reach a screen only where TARNWICK_WINE_DISPLAY names one.
set -eu
wine="$1"
export WINEPREFIX="$2"
shift 2
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LOCPATH="$WINEPREFIX-locale"
export LC_ALL="${TARNWICK_WINE_LOCALE:-zh_CN.UTF-8}"
unset DISPLAY WAYLAND_DISPLAY LANG
[ -z "${TARNWICK_WINE_DISPLAY:-}" ] || export DISPLAY="$TARNWICK_WINE_DISPLAY"
mkdir -p "$WINEPREFIX" "$LOCPATH"
# Debian's Wine has no preloader to reserve its address ranges before the system's libraries
# are mapped: with a randomized layout, a new Windows process now and then finds the place of
# its shared user data taken ("failed to map the shared user data") and does not start, about
# one start in a few thousand, cmd.exe's tools too. Wine runs with a fixed layout, which every
# process it starts inherits.
fixed_layout="setarch $(uname -m) -R"
# Each program starts a Wine session of its own: one that starts while the last one is still
# ending can fail to start at all, and a session keeps the screen it started on (none, or a
# virtual screen that is gone) for every window of its programs.
"$(dirname "$wine")/wineserver" -w
(
    flock 9
    if [ ! -d "$LOCPATH/$LC_ALL" ]; then
        localedef -i "${LC_ALL%%.*}" -f UTF-8 "$LOCPATH/$LC_ALL" || [ -d "$LOCPATH/$LC_ALL" ]
    fi
    [ -f "$WINEPREFIX/system.reg" ] || $fixed_layout "$wine" wineboot -i >/dev/null 2>&1
) 9>"$WINEPREFIX.lock"
exec $fixed_layout "$wine" "$@"
