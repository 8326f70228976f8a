#!/usr/bin/env bash
# Builds the benchmarks and runs every one of them: reading and draw, start-up, centring under
# window managers, redraw.
# Usage: bench/run-all.sh
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset bench >/dev/null
cmake --build --preset bench

echo "== Machine"
echo "$(nproc) CPUs: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1); load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo "== Reading and draw"
build/bench/bench/jestrel_bench_reading
echo "== Start-up"
bench/startup.sh build/bench
echo "== Centring under window managers"
bench/centring.sh build/bench
echo "== Redraw"
bench/redraw.sh build/bench
