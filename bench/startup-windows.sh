#!/usr/bin/env bash
# Start-up of Jestrel.exe against the bare Windows API baseline, under Wine in a prefix and on an
# Xvfb of their own: time from exec to the map of the main window and peak resident memory, in
# paired rounds, timed from outside by the Linux build's jestrel_map_watch; prints the median of
# the per-round ratios Jestrel/baseline with their spread, and Jestrel.exe's size once stripped.
# Usage: bench/startup-windows.sh [WINDOWS_BUILD_DIR [ROUNDS [LINUX_BUILD_DIR]]]
#        (defaults build/windows, 41 rounds, build/default)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../build/windows}")
rounds=${2:-41}
watch=$(realpath "${3:-$here/../build/default}")/bench/jestrel_map_watch
[ "$rounds" -ge 1 ] || { echo "ROUNDS must be at least 1" >&2; exit 2; }

jestrel=$build/app/Jestrel.exe
baseline=$build/bench/jestrel_baseline.exe
for program in "$jestrel" "$baseline" "$watch"; do
    [ -f "$program" ] || { echo "$program is missing; build the windows and default presets" >&2; exit 2; }
done

wineSession=$here/../cmake/wine-session
session=$(mktemp -d)
work=$(mktemp -d)
trap '"$wineSession" stop "$session" >/dev/null; rm -rf "$work"' EXIT
"$wineSession" start "$session" >/dev/null
WINEPREFIX=$(cat "$session/prefix") DISPLAY=$(cat "$session/display")
export WINEPREFIX DISPLAY WINEDEBUG=-all

source "$here/common.sh"
cd "$work"
writeSayingsFile
wine=$(command -v wine)
# Both run stripped, as the package ships Jestrel.exe.
x86_64-w64-mingw32-strip -o "$work/Jestrel.exe" "$jestrel"
x86_64-w64-mingw32-strip -o "$work/baseline.exe" "$baseline"
size=$(stat -c %s "$jestrel")
jestrel=$work/Jestrel.exe
baseline=$work/baseline.exe

# Wine starts a desktop process for the first window on the display and ends it after the last
# one closes; a window kept open for the whole run spares every round that start and its noise.
"$wine" "$baseline" >/dev/null 2>&1 &

echo "Start-up under Wine: $rounds rounds after one to warm up, alternating which program goes first."
"$watch" "$wine" "$jestrel" >/dev/null
"$watch" "$wine" "$baseline" >/dev/null
: >rounds.txt
# Each line: Jestrel's milliseconds to map and peak KiB, then the baseline's.
for ((round = 1; round <= rounds; round++)); do
    if ((round % 2)); then
        jestrelRun=$("$watch" "$wine" "$jestrel")
        baselineRun=$("$watch" "$wine" "$baseline")
    else
        baselineRun=$("$watch" "$wine" "$baseline")
        jestrelRun=$("$watch" "$wine" "$jestrel")
    fi
    echo "$jestrelRun $baselineRun" >>rounds.txt
done

read -r ratio q1 q3 low high < <(awk '{ print $1 / $3 }' rounds.txt | summary)
column() { awk -v c="$1" '{ print $c }' rounds.txt | summary; }
read -r jMedian _ < <(column 1)
read -r bMedian _ < <(column 3)
read -r jPeak _ < <(column 2)
read -r bPeak _ < <(column 4)
printf 'time to map:   Jestrel %.1f ms, baseline %.1f ms (medians)\n' "$jMedian" "$bMedian"
printf '  ratio per round: median %.3f, quartiles %.3f to %.3f, range %.3f to %.3f (target: median at most 1.10)\n' \
    "$ratio" "$q1" "$q3" "$low" "$high"
printf 'peak resident: Jestrel %.0f KiB, baseline %.0f KiB (medians)\n' "$jPeak" "$bPeak"
printf 'Jestrel.exe: %d bytes, %d stripped\n' "$size" "$(stat -c %s "$jestrel")"
