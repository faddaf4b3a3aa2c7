#!/bin/sh
# Runs a Windows test program under Wine: wine-run.sh WINE PREFIX PROGRAM [ARGUMENTS...]
# Headless and quiet, in a Wine prefix of the build's own that the first caller sets up. The
# Chinese locale gives Wine code page 936, the program's encoding, as its ANSI and OEM code
# page, while file names on disk stay UTF-8; it is compiled beside the prefix, so the system's
# own locale settings stay as they are. TARNWICK_WINE_LOCALE names another (en_US.UTF-8: code
# pages 1252 and 437). Windows reach a screen only where TARNWICK_WINE_DISPLAY names one.
# A test suite named by TARNWICK_WINE_SUITE runs in a prefix of its own, PREFIX-SUITE, so that
# suites run side by side: a copy of PREFIX made in a moment, not a Wine start-up of its own.
set -eu
wine="$1"
base="$2"
shift 2
export WINEPREFIX="$base${TARNWICK_WINE_SUITE:+-$TARNWICK_WINE_SUITE}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LOCPATH="$base-locale"
export LC_ALL="${TARNWICK_WINE_LOCALE:-zh_CN.UTF-8}"
# Only the fonts the tests were laid out with, whatever else the machine has installed.
FONTCONFIG_FILE="$(cd "$(dirname "$0")" && pwd)/wine-fonts.conf"
export FONTCONFIG_FILE
unset DISPLAY WAYLAND_DISPLAY LANG
[ -z "${TARNWICK_WINE_DISPLAY:-}" ] || export DISPLAY="$TARNWICK_WINE_DISPLAY"
mkdir -p "$(dirname "$base")" "$LOCPATH"
# Debian's Wine has no preloader to reserve its address ranges before the system's libraries
# are mapped: with a randomized layout, a new Windows process now and then finds the place of
# its shared user data taken ("failed to map the shared user data") and does not start, about
# one start in a few thousand, cmd.exe's tools too. Wine runs with a fixed layout, which every
# process it starts inherits.
fixed_layout="setarch $(uname -m) -R"
# Each program starts a Wine session of its own: one that starts while the last one is still
# ending can fail to start at all, and a session keeps the screen it started on (none, or a
# virtual screen that is gone) for every window of its programs.
wineserver="$(dirname "$wine")/wineserver"
"$wineserver" -w
(
    flock 9
    if [ ! -d "$LOCPATH/$LC_ALL" ]; then
        localedef -i "${LC_ALL%%.*}" -f UTF-8 "$LOCPATH/$LC_ALL" || [ -d "$LOCPATH/$LC_ALL" ]
    fi
    # Wine updates a prefix, rewriting its DLLs and programs in place, when the prefix's
    # .update-timestamp (a line that ends in CRLF) is not the time of Wine's wine.inf, as after
    # an upgrade of Wine. The build's prefix is updated here, before any suite runs; the suites'
    # prefixes, which share its files, are removed first and made again from it.
    inf="$(ls "${wine%/*}/../../share/wine/wine.inf" "${wine%/*}/../share/wine/wine.inf" \
        2>/dev/null | head -n 1)"
    if [ ! -f "$base/system.reg" ]; then
        WINEPREFIX="$base" $fixed_layout "$wine" wineboot -i >/dev/null 2>&1
        WINEPREFIX="$base" "$wineserver" -w
    elif [ -n "$inf" ] &&
        [ "$(tr -d '\r\n' <"$base/.update-timestamp")" != "$(stat -c %Y "$inf")" ]; then
        for suite in "$base"-*/system.reg; do
            if [ -f "$suite" ]; then
                WINEPREFIX="${suite%/system.reg}" "$wineserver" -w
                rm -rf "${suite%/system.reg}"
            fi
        done
        WINEPREFIX="$base" $fixed_layout "$wine" wineboot -u >/dev/null 2>&1
        WINEPREFIX="$base" "$wineserver" -w
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        # Wine's own files are shared as hard links; the registry and the other files at the
        # top, and the users' folders, which a suite writes, are copies: Wine writes a
        # registry file that has more than one link in place, which would reach every prefix.
        # The suite's Wine never updates its prefix (`disable`), which would rewrite the shared
        # files in place.
        rm -rf "$WINEPREFIX" "$WINEPREFIX.new"
        cp -al "$base" "$WINEPREFIX.new"
        rm -rf "$WINEPREFIX.new/drive_c/users"
        cp -a "$base/drive_c/users" "$WINEPREFIX.new/drive_c/"
        find "$base" -maxdepth 1 -type f -exec cp -a --remove-destination {} "$WINEPREFIX.new/" \;
        echo disable >"$WINEPREFIX.new/.update-timestamp"
        mv "$WINEPREFIX.new" "$WINEPREFIX"
    fi
) 9>"$base.lock"
exec $fixed_layout "$wine" "$@"
