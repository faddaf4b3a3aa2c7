#!/usr/bin/env bash
# Makes Qt for Windows (qtbase: Core, Gui, Widgets, Test) from Debian's own source package with
# Debian's MinGW-w64 and host Qt, into a cache folder outside the repository; a finished cache
# is reused. Prints the folder; its progress goes to stderr. TARNWICK_QT_MINGW_DIR overrides
# where it goes.
set -euo pipefail
exec 3>&1 1>&2
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
prefix="${TARNWICK_QT_MINGW_DIR:-/var/cache/tarnwick/qt6-mingw}"
work="$prefix.work"
[ -f "$prefix/.complete" ] && { echo "$prefix" >&3; exit 0; }

"$top/scripts/debian-sources.sh"
"$top/scripts/fresh-cache-folder.sh" "$prefix"
cd "$work"
apt-get source -qq qt6-base >/dev/null
source_dir="$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -1)"

# Debian's source lacks the tablet headers (removed for their licence); Wine's LGPL ones serve,
# behind the few Wine macros they use.
apt-get download -qq libwine-dev
dpkg-deb -x libwine-dev_*.deb wine
wintab="$source_dir/src/3rdparty/wintab"
mkdir -p "$wintab/wine"
cp wine/usr/include/wine/wine/windows/{wintab.h,pktdef.h} "$wintab/wine/"
cp "$wintab/wine/pktdef.h" "$wintab/pktdef.h"
cat >"$wintab/wintab.h" <<'EOF'
#pragma once
#include <windows.h>
#ifdef UNICODE
#define WINELIB_NAME_AW(func) func##W
#else
#define WINELIB_NAME_AW(func) func##A
#endif
#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#define API WINAPI
#include "wine/wintab.h"
EOF

features=(sql network dbus opengl vulkan printsupport concurrent xml zstd icu openssl
          androiddeployqt direct2d1_1 system_zlib system_png system_jpeg system_harfbuzz
          system_freetype system_pcre2 system_doubleconversion system_textmarkdownreader)
cmake -G Ninja -S "$source_dir" -B build \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=BOTH \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DINPUT_opengl=no $(printf -- '-DFEATURE_%s=OFF ' "${features[@]}") >/dev/null
cmake --build build -j "${TARNWICK_QT_MINGW_JOBS:-2}"
cmake --install build >/dev/null
touch "$prefix/.complete"
cd / && rm -rf "$work"
echo "$prefix" >&3
