#!/bin/sh
# Starts the program on the X screen of DISPLAY (xvfb-run) with Qt's accessibility bridge on,
# inside a session bus of its own (dbus-run-session), and reads its home window as a screen
# reader does, through the AT-SPI bus: the five mode buttons and the close cross must be there
# as push buttons named by their captions.
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


def showing_buttons(node, found):
    if node is None:
        return
    states = node.get_state_set()
    if not states.contains(Atspi.StateType.SHOWING):
        return
    if node.get_role() == Atspi.Role.PUSH_BUTTON:
        found.append(node.get_name())
    for index in range(node.get_child_count()):
        showing_buttons(node.get_child_at_index(index), found)


# The program registers with the bus while it starts: a minute at most.
found = []
for _ in range(600):
    desktop = Atspi.get_desktop(0)
    found = []
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        for window in range(application.get_child_count() if application else 0):
            showing_buttons(application.get_child_at_index(window), found)
    if sorted(found) == sorted(EXPECTED):
        sys.exit(0)
    time.sleep(0.1)
print("The home window's buttons on the AT-SPI bus:", sorted(found), file=sys.stderr)
sys.exit(1)
PYTHON
