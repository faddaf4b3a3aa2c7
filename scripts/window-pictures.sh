#!/usr/bin/env bash
# Starts each of the five windows under Xvfb and saves a picture of it into build/pictures/, at
# 100 % (home.png, ...) and at 150 % display scaling (home-150.png, ...). With --readme, the home
# window's picture also becomes docs/home-window.png, and the flash window's at 150 %
# docs/flash-window-150.png.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh"
if ! command -v xvfb-run >/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq xvfb xauth
fi
cd "$top"
cmake --preset default >/dev/null
cmake --build --preset default --target window_picture
mkdir -p build/pictures
for window in home push flash compile info; do
    xvfb-run -a -s "-screen 0 1280x1024x24" build/tools/window_picture "$window" \
        "build/pictures/$window.png"
    QT_SCALE_FACTOR=1.5 xvfb-run -a -s "-screen 0 1280x1024x24" build/tools/window_picture \
        "$window" "build/pictures/$window-150.png"
done
echo "Pictures in build/pictures/"
if [ "${1:-}" = "--readme" ]; then
    mkdir -p docs
    cp build/pictures/home.png docs/home-window.png
    cp build/pictures/flash-150.png docs/flash-window-150.png
fi
