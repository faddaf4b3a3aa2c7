#!/usr/bin/env bash
# Builds the artwork and lays it out for review: the windows put together as the
# program shows them, every picture with its variants, and the same at 3x.
# Usage: scripts/art-contact-sheet.sh [build-dir]   (default: build)
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$top/build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S "$top" -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j2 --target art_contact_sheet
review="$build/art-review"
mkdir -p "$review"
QT_QPA_PLATFORM=offscreen "$build/ui/art/art_contact_sheet" "$review"
ls "$review"/*.png
