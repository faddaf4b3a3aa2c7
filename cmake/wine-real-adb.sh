#!/bin/sh
# The Windows program with the real adb.exe of its folder, under Wine on the X screen of DISPLAY
# (xvfb-run), with no phone and no adb server: ANDROID_ADB_SERVER_PORT names a free port, so
# that no other server on the machine is met. 重启到Recovery twice, clicked: each time the
# warning 重启失败! must name adb's reason within 15 s; the first starts adb's own server, which
# must still run afterwards, and the second must use it (the same process). At the end
# `adb kill-server`: a server left running would keep the Wine session, and so the prefix's
# `wineserver -w`, waiting. Saves a picture of the warning:
#   wine-real-adb.sh WINE-RUN WINE PREFIX STAGE PICTURE
set -eu
[ $# -eq 5 ]
run="$1" wine="$2" prefix="$3" stage="$4" picture="$5"
work="$(mktemp -d)"
cp -r "$stage" "$work/program"
ANDROID_ADB_SERVER_PORT="$(python3 -c '
import socket
with socket.socket() as s:
    s.bind(("127.0.0.1", 0))
    print(s.getsockname()[1])')"
export ANDROID_ADB_SERVER_PORT
TARNWICK_WINE_DISPLAY="$DISPLAY" "$run" "$wine" "$prefix" "$work/program/tarnwick.exe" &
program=$!
# adb.exe in the program's Wine session, beside the program (wine-run.sh would wait for the
# session to end first).
adb() {
    WINEPREFIX="$prefix${TARNWICK_WINE_SUITE:+-$TARNWICK_WINE_SUITE}" WINEDEBUG=-all \
        timeout 30 setarch "$(uname -m)" -R "$wine" "$work/program/adb.exe" "$@"
}
trap 'adb kill-server >/dev/null 2>&1 || true; kill $program 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
    echo "$*" >&2
    exit 1
}
# Runs the command until it succeeds, two minutes at most (the first start in a new Wine
# prefix sets it up).
retry() {
    for _ in $(seq 1200); do
        "$@" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "gave up waiting for $*"
}
# The program's main window and where it lies (X, Y, WIDTH, HEIGHT), once it is another than $1.
window=""
new_window() {
    window="$(xdotool search --onlyvisible --name '^Tarnwick$')"
    [ "$(printf '%s\n' "$window" | wc -l)" -eq 1 ] && [ -n "$window" ] && [ "$window" != "$1" ] &&
        eval "$(xdotool getwindowgeometry --shell "$window")"
}
painted() {
    timeout 20 import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" "$work/window.png" &&
        [ "$(convert "$work/window.png" -format '%k' info:)" -gt 1 ]
}
click() { xdotool mousemove "$((X + $1))" "$((Y + $2))" click 1; }
box=""
find_box() { box="$(xdotool search --onlyvisible --name "^$1\$" | head -1)" && [ -n "$box" ]; }
# The process of adb's own server, by the port it listens on; fails unless there is one.
server() { pgrep -f "tcp:$ANDROID_ADB_SERVER_PORT fork-server"; }

retry new_window none
retry painted
click 130 270  # 刷机模式
retry new_window "$window"
retry painted
click 27 118  # 重启到Recovery
first_server=""
for reboot in first second; do
    # 刷机模式下一步, until 确认重启到Recovery? shows: a click that comes soon after the window
    # opened can be lost under Wine.
    for _ in $(seq 20); do
        click 199 400
        for _ in $(seq 20); do
            find_box '请确认...' && break 2
            sleep 0.1
        done
    done
    find_box '请确认...' || fail "$reboot reboot: no confirmation"
    xdotool windowfocus --sync "$box" key Return
    for _ in $(seq 150); do
        find_box '警告!' && break
        sleep 0.1
    done
    find_box '警告!' || fail "$reboot reboot: no warning within 15 s"
    # Its text, as Qt's message box copies it (Ctrl+C), read from the clipboard.
    eval "$(xdotool getwindowgeometry --shell "$box" | sed 's/^/BOX_/')"
    xdotool mousemove "$((BOX_X + 20))" "$((BOX_Y + 20))" key ctrl+c
    text="$(timeout 10 xclip -o -selection clipboard)"
    case "$text" in
    *'重启失败!'*'cmd /c adb reboot recovery'*'error: no devices/emulators found'*) ;;
    *) fail "$reboot reboot: the warning says: $text" ;;
    esac
    [ "$reboot" = second ] || { mkdir -p "$(dirname "$picture")"; timeout 20 import -window root "$picture"; }
    xdotool key Return
    # The server lives on, and the second reboot met the first one's.
    [ "$(server | wc -l)" -eq 1 ] || fail "$reboot reboot: adb servers: $(server)"
    [ -n "$first_server" ] || first_server="$(server)"
    [ "$(server)" = "$first_server" ] || fail "a new server: $(server), not $first_server"
done
adb kill-server
for _ in $(seq 100); do
    server >/dev/null || exit 0
    sleep 0.1
done
fail "adb kill-server left the server running"
