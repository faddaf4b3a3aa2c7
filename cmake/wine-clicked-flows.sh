#!/bin/sh
# Takes the Windows program through three flows under Wine as a user would, on the X screen of
# DISPLAY (xvfb-run), in a copy of its program folder with the fake tools as adb.exe and
# fastboot.exe: a reboot into the recovery by keyboard alone, the same reboot clicked (flash
# mode) and an APK install (push mode). Checks what the fake adb received, and that it ran
# without a console window (the program, of the GUI subsystem, has no console to pass on), and
# saves a picture of each clicked flow's window:
#   wine-clicked-flows.sh WINE-RUN WINE PREFIX STAGE FAKE-TOOL PICTURES
set -eu
[ $# -eq 6 ]
run="$1" wine="$2" prefix="$3" stage="$4" fake="$5" pictures="$6"
work="$(mktemp -d)"
cp -r "$stage" "$work/program"
cp "$fake" "$work/program/adb.exe"
cp "$fake" "$work/program/fastboot.exe"
# An install that the phone took; and whether a hidden tool got a console window.
printf 'out=Success\nconsole\n' > "$work/program/adb.acts"
printf APK > "$work/Foo.apk"
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
record="$work/record.txt"
TARNWICK_FAKE_RECORD="$(windows_path "$record")" TARNWICK_WINE_DISPLAY="$DISPLAY" \
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
    echo "$flow: gave up waiting for $*" >&2
    exit 1
}
# The program's one main window, once it is another than $1 (the window it replaces is gone,
# so that a click reaches the new one), and where it lies: X, Y, WIDTH, HEIGHT.
window=""
new_window() {
    window="$(xdotool search --onlyvisible --name '^Tarnwick$')"
    [ "$(printf '%s\n' "$window" | wc -l)" -eq 1 ] && [ -n "$window" ] && [ "$window" != "$1" ] &&
        eval "$(xdotool getwindowgeometry --shell "$window")"
}
# A picture of the screen where the window (x, y, w, h) lies.
picture() { timeout 20 import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" "$1"; }
# The window has been painted (it holds more than one colour): it takes clicks.
painted() {
    picture "$work/window.png" && [ "$(convert "$work/window.png" -format '%k' info:)" -gt 1 ]
}
# Clicks the control whose middle lies at x, y of the window.
click() { xdotool mousemove "$((X + $1))" "$((Y + $2))" click 1; }
# Presses keys in the window. Under Wine without a window manager, keys go to the window under
# the pointer: it rests on the window's background, where it covers no control.
keys() {
    xdotool mousemove "$((X + 130))" "$((Y + 50))"
    xdotool key --delay 50 "$@"
}
# A window of the program other than its main windows: a message box, Wine's file dialog
# (which has no name).
dialog=""
find_dialog() {
    for dialog in $(xdotool search --onlyvisible --class .); do
        [ "$(xdotool getwindowname "$dialog")" != Tarnwick ] && return 0
    done
    return 1
}
recorded() { grep -qF "$1" "$record"; }

flow=keyboard
retry new_window none
retry painted
home="$window"
keys Tab Tab Tab Return  # 刷机模式
retry new_window "$home"
retry painted
keys Tab Tab Tab space Tab Tab Tab Tab Tab Tab Return  # 重启到Recovery, 刷机模式下一步
retry find_dialog  # 确认重启到Recovery?
xdotool windowfocus --sync "$dialog" key Return
retry recorded console=  # its last line
expected="$(printf '[adb]\nreboot\nrecovery\nconsole=none')"
[ "$(cat "$record")" = "$expected" ] || { echo "keyboard: adb got: $(cat "$record")" >&2; exit 1; }

flow=flash
rm "$record"
click 60 400   # 刷机模式返回
retry new_window "$window"
retry painted
home="$window"
click 130 270  # 刷机模式
retry new_window "$home"
retry painted
flash="$window"
click 27 118   # 重启到Recovery
click 199 400  # 刷机模式下一步
retry find_dialog  # 确认重启到Recovery?
xdotool windowfocus --sync "$dialog" key Return
retry recorded console=  # its last line
mkdir -p "$pictures"
picture "$pictures/flash-wine.png"
expected="$(printf '[adb]\nreboot\nrecovery\nconsole=none')"
[ "$(cat "$record")" = "$expected" ] || { echo "flash: adb got: $(cat "$record")" >&2; exit 1; }

flow=push
rm "$record"
click 60 400   # 刷机模式返回
retry new_window "$flash"
retry painted
home="$window"
click 130 218  # 推送模式
retry new_window "$home"
retry painted
click 25 117   # APK单选框
click 194 390  # 推送服务下一步
retry find_dialog  # the open dialog: its file name box has the focus
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove "$((X + WIDTH / 2))" "$((Y + HEIGHT / 2))"  # keys go where the pointer is
xdotool type "$(windows_path "$work/Foo.apk")"
xdotool key Return
retry recorded console=  # the end of its record
retry new_window none  # the push window's place again
picture "$pictures/push-wine.png"
expected="$(printf '[adb]\ninstall\n%s\n<<APK>>\nconsole=none' "$(windows_path "$work/Foo.apk")")"
[ "$(cat "$record")" = "$expected" ] || { echo "push: adb got: $(cat "$record")" >&2; exit 1; }
