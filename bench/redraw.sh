#!/usr/bin/env bash
# Clicks on the bullseye, timed in-process from the click to the repainted label, on a private X
# server; then memory growth over a long run of redraws.
# Usage: bench/redraw.sh [BUILD_DIR [CLICKS [REDRAWS]]]   (default build/bench, 1000 clicks, 2000 redraws)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../build/bench}")
redraw=$build/bench/jestrel_bench_redraw
[ -x "$redraw" ] || { echo "$redraw is missing; build with: cmake --preset bench && cmake --build --preset bench" >&2; exit 2; }

# Qt starts a session bus of its own when the address is unset; an address that leads nowhere fails at once.
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/jestrel-bench-bus
unset QT_QPA_PLATFORM WAYLAND_DISPLAY SESSION_MANAGER
exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$redraw" --clicks "${2:-1000}" --redraws "${3:-2000}"
