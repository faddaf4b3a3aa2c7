#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them under a virtual display of their own; records
# the figures, each beside its floor and as a ratio to it, with the date in BENCHMARKS.md.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh" run test
cd "$top"
cmake --preset bench >/dev/null
cmake --build --preset bench

display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb"' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

figures="$(DISPLAY=":$display" build-bench/stage/tarnwick_bench --benchmark_counters_tabular=true \
    2>/dev/null)"
echo "$figures"
{
    echo "# Benchmarks"
    echo
    echo "Recorded by \`scripts/bench.sh\` on $(date -u +%Y-%m-%d) ($(nproc) cores; each figure"
    echo "beside its floor, measured alternately in the same run; a ratio is figure / floor)."
    echo
    sed -n '/^Goals/,$p' "$top/bench/goals.md"
    echo
    echo '```'
    echo "$figures"
    echo '```'
} >"$top/BENCHMARKS.md"
