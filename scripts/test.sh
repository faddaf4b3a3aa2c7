#!/usr/bin/env bash
# Builds Tarnwick with warnings as errors and runs every test; cross-builds the whole Windows
# program with MinGW-w64 and Qt for Windows, with the tools it runs (both made once from Debian's
# source, then cached), and runs its tests and its home window under Wine; then runs every test
# again under the sanitizers, with the fuzzers.
# The test presets run suites side by side (CMakePresets.json).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh" run test
cd "$top"
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci
qt="$(scripts/build-qt-mingw.sh)"
android_tools="$(scripts/build-android-tools-mingw.sh)"
aapt="$(scripts/build-aapt-mingw.sh)"
cmake --preset windows -DTARNWICK_QT_MINGW_DIR="$qt" -DTARNWICK_ANDROID_TOOLS_DIR="$android_tools" \
    -DTARNWICK_AAPT_MINGW_DIR="$aapt" >/dev/null
cmake --build --preset windows
# The suites under Wine mostly wait for Wine's windows: they run while the sanitizer build
# compiles, their report kept until they end.
windows_report="$top/build-windows/test-report.txt"
ctest --preset windows >"$windows_report" 2>&1 &
windows_tests=$!
trap 'kill "$windows_tests" 2>/dev/null || true' EXIT
# Again under AddressSanitizer and UndefinedBehaviorSanitizer, with the fuzzers (about 30 s each).
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
windows_result=0
wait "$windows_tests" || windows_result=$?
cat "$windows_report"
[ "$windows_result" -eq 0 ]
ctest --preset sanitize
# CI also checks the Debian package: made, installed, used by a new user, upgraded, purged.
[ "${CI:-}" != true ] || scripts/check-package.sh
