#!/usr/bin/env bash
# Builds Tarnwick with warnings as errors and runs every test; then cross-builds the Windows
# side of host/ and steps/ with MinGW-w64 and runs its tests under Wine.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh"
cd "$top"
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci
cmake --preset mingw >/dev/null
cmake --build --preset mingw
ctest --preset mingw
