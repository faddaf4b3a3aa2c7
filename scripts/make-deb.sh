#!/usr/bin/env bash
# Makes the Debian package build-deb/tarnwick_<version>_amd64.deb and prints its path: the
# program built for release with warnings as errors, stripped, laid out under /usr as
# packaging/linux/CMakeLists.txt installs it. The version, 1.0+<commit date>.<commit count>,
# rises with every commit, so that a newer package upgrades an older one; a version given as
# the argument stands instead.
# Usage: make-deb.sh [VERSION]
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh" run deb >&2
cd "$top"
SOURCE_DATE_EPOCH="$(git log -1 --format=%ct)"
export SOURCE_DATE_EPOCH
count="$(git rev-list --count HEAD)"
version="${1:-1.0+$(TZ=UTC git log -1 --date=format-local:%Y%m%d --format=%cd).$count}"
# Debian's own build flags: -O2 (at -O3 GCC 12 warns of overlapping copies inside std::string
# that cannot happen) and its hardening.
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" -DTARNWICK_WARNINGS_AS_ERRORS=ON \
    -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr -DTARNWICK_PACKAGE_VERSION="$version" \
    -DTARNWICK_PACKAGE_COMMIT="$(git rev-parse --short=12 HEAD)" >&2
cmake --build build-deb >&2
(cd build-deb && cpack >&2)
deb="build-deb/tarnwick_${version}_amd64.deb"

# CPack counts the program twice, once more through its link in /usr/bin: Installed-Size is
# counted again as dpkg counts it, each file once by its own size in KiB rounded up, a link or
# folder as 1.
tree="build-deb/unpacked"
rm -rf "$tree"
dpkg-deb -R "$deb" "$tree"
size="$(find "$tree" -path "$tree/DEBIAN" -prune -o -printf '%y %s\n' |
    awk '$1 == "f" { kib += int(($2 + 1023) / 1024); next } { kib += 1 } END { print kib }')"
sed -i "s/^Installed-Size: .*/Installed-Size: $size/" "$tree/DEBIAN/control"
dpkg-deb --root-owner-group -Zgzip --build "$tree" "$deb" >&2
rm -rf "$tree"
echo "$top/$deb"
