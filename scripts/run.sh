#!/usr/bin/env bash
# Builds Tarnwick and starts it from its staged program folder.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh"
cd "$top"
cmake --preset default >/dev/null
cmake --build --preset default --target tarnwick  # the program alone; the tests are scripts/test.sh's
"$top/scripts/stage-apk-tools.sh" "$top/build/stage"
exec "$top/build/stage/tarnwick"
