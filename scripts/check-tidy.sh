#!/usr/bin/env bash
# Runs clang-tidy (the checks in .clang-tidy) over the project's C++ files with the compile
# commands of a configured build (default build-ci: `cmake --preset ci` first); fails on any
# finding. Not part of scripts/test.sh: it takes as long as a second build.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build="${1:-build-ci}"
mapfile -t files < <(git ls-files '*.cpp' | grep -v -E '^(fuzz|bench)/|/win/')
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${files[@]/#/$PWD/}" >"$build/tidy.log" 2>&1 ||
    { grep -E 'error:|warning:' "$build/tidy.log" | sort -u; exit 1; }
echo "clang-tidy: no findings in ${#files[@]} files"
