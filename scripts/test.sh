#!/usr/bin/env bash
# Builds Tarnwick with warnings as errors and runs every test.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh"
cd "$top"
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci
