#!/usr/bin/env bash
# Builds Tarnwick and starts it from its staged program folder.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh"
cd "$top"
cmake --preset default -DBUILD_TESTING=OFF >/dev/null  # the tests are scripts/test.sh's
cmake --build --preset default --target tarnwick
"$top/scripts/stage-apk-tools.sh" "$top/build/stage"
exec "$top/build/stage/tarnwick"
