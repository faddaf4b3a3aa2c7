#!/bin/sh
# Starts the program on the X screen of DISPLAY (xvfb-run) with Qt's accessibility bridge on,
# inside a session bus of its own (dbus-run-session), and reads its home window as a screen
# reader does, through the AT-SPI bus: the five mode buttons and the close cross must be there
# as push buttons named by their captions. Then it presses 刷机模式 as a screen reader does:
# the flash window must come as a frame named by its mode, its ROM path box named by its caption.
#   at-spi-home-window.sh PROGRAM
set -eu
[ $# -eq 1 ]
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT

# Debian's Python, which has Debian's bindings of the accessibility library.
/usr/bin/python3 - <<'PYTHON'
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi

EXPECTED = ["关闭", "刷机模式", "推送模式", "意见反馈", "破解模式", "编译模式"]


def showing(node, role, found):
    if node is None:
        return
    states = node.get_state_set()
    if not states.contains(Atspi.StateType.SHOWING):
        return
    if node.get_role() == role:
        found[node.get_name()] = node
    for index in range(node.get_child_count()):
        showing(node.get_child_at_index(index), role, found)


def windows():
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        for window in range(application.get_child_count() if application else 0):
            yield application.get_child_at_index(window)


# Polls for what the program shows on the bus: it registers while it starts, a minute at most.
def wait_for(role, expected, within=windows):
    found = {}
    for _ in range(600):
        found = {}
        for window in within():
            showing(window, role, found)
        if expected(found):
            return found
        time.sleep(0.1)
    print("Showing on the AT-SPI bus:", sorted(found), file=sys.stderr)
    sys.exit(1)


buttons = wait_for(Atspi.Role.PUSH_BUTTON, lambda found: sorted(found) == sorted(EXPECTED))
buttons["刷机模式"].do_action(0)
frames = wait_for(Atspi.Role.FRAME, lambda found: "Tarnwick - 刷机模式" in found, windows)
wait_for(Atspi.Role.TEXT, lambda found: "刷入ROM:" in found,
         lambda: [frames["Tarnwick - 刷机模式"]])
PYTHON
