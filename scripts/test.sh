#!/usr/bin/env bash
# Builds Tarnwick with warnings as errors and runs every test.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh"
cd "$top"
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci
# Again under AddressSanitizer and UndefinedBehaviorSanitizer, with the fuzzers (about 30 s each).
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize
