#!/bin/sh
# Goes through a reboot into the recovery under Wine by keyboard alone, on the X screen of
# DISPLAY (xvfb-run), in a copy of the program folder with the fake tool as adb.exe: Tab to
# 刷机模式 and Enter opens the flash window; there Tab to 重启到Recovery, Space, Tab to
# 刷机模式下一步, Enter, and Enter on the confirmation. Checks what the fake adb received:
#   wine-keyboard-flow.sh WINE-RUN WINE PREFIX STAGE FAKE-TOOL
set -eu
[ $# -eq 5 ]
run="$1" wine="$2" prefix="$3" stage="$4" fake="$5"
work="$(mktemp -d)"
cp -r "$stage" "$work/program"
cp "$fake" "$work/program/adb.exe"
record="$work/record.txt"
TARNWICK_FAKE_RECORD="$(printf 'Z:%s' "$record" | tr / '\\')" TARNWICK_WINE_DISPLAY="$DISPLAY" \
    "$run" "$wine" "$prefix" "$work/program/tarnwick.exe" &
program=$!
trap 'kill $program 2>/dev/null || true; rm -rf "$work"' EXIT

# Runs the command until it succeeds, two minutes at most (the first start in a new Wine
# prefix sets it up).
retry() {
    for _ in $(seq 1200); do
        "$@" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "gave up waiting for $*" >&2
    exit 1
}
# The program's one main window, once it is another than $1, painted (more than one colour).
window=""
new_window() {
    window="$(xdotool search --onlyvisible --name '^Tarnwick$')"
    [ "$(printf '%s\n' "$window" | wc -l)" -eq 1 ] && [ -n "$window" ] && [ "$window" != "$1" ] &&
        import -window "$window" "$work/window.png" &&
        [ "$(convert "$work/window.png" -format '%k' info:)" -gt 1 ]
}
# Under Wine without a window manager, keys go to the window under the pointer: it rests on
# the window's background, where it covers no control.
keys() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove "$((X + 130))" "$((Y + 50))"
    xdotool key --delay 50 "$@"
}
dialog=""
find_dialog() {
    for dialog in $(xdotool search --onlyvisible --class .); do
        [ "$(xdotool getwindowname "$dialog")" != Tarnwick ] && return 0
    done
    return 1
}

retry new_window none
home="$window"
keys Tab Tab Tab Return  # 刷机模式
retry new_window "$home"
keys Tab Tab Tab space Tab Tab Tab Tab Tab Tab Return  # 重启到Recovery, 刷机模式下一步
retry find_dialog  # 确认重启到Recovery?
xdotool windowfocus --sync "$dialog" key Return
expected="$(printf '[adb]\nreboot\nrecovery')"
adb_got_the_reboot() { [ "$(cat "$record")" = "$expected" ]; }
retry adb_got_the_reboot
