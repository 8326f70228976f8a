#!/usr/bin/env bash
# Start-up against the bare-window baseline, on one private X server: time from exec to the main
# window's map and peak resident memory, round by round, then instructions to the first paint
# under callgrind. Prints the median of the per-round ratios Jestrel/baseline and their spread.
# Usage: bench/startup.sh [BUILD_DIR [ROUNDS]]   (default build/bench, 21 rounds)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../build/bench}")
rounds=${2:-21}
[ "$rounds" -ge 1 ] || { echo "ROUNDS must be at least 1" >&2; exit 2; }

jestrel=$build/app/jestrel
baseline=$build/bench/jestrel_baseline
probe=$build/bench/jestrel_probe
baselineProbe=$build/bench/jestrel_baseline_probe
watch=$build/bench/jestrel_map_watch
for program in "$jestrel" "$baseline" "$probe" "$baselineProbe" "$watch"; do
    [ -x "$program" ] || { echo "$program is missing; build with: cmake --preset bench && cmake --build --preset bench" >&2; exit 2; }
done

# Qt starts a session bus of its own when the address is unset, which costs about 20 ms; an
# address that leads nowhere fails at once.
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/jestrel-bench-bus
unset QT_QPA_PLATFORM WAYLAND_DISPLAY SESSION_MANAGER
if [ -z "${JESTREL_BENCH_INSIDE_X:-}" ]; then
    export JESTREL_BENCH_INSIDE_X=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$build" "$rounds"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# The count line and 1001 sayings of 80 bytes each, CR LF included.
awk 'BEGIN { printf "1002\r\n"; for (i = 1; i <= 1001; i++) printf "%05d %-72.72s\r\n", i, "A bullseye is just a target that has been practising. Never trust a stapler that smiles." }' >Jestrel.Ini

# Prints: median, first and third quartile, lowest and highest of the numbers on standard input.
summary() {
    sort -g | awk '{ v[NR] = $1 }
        function at(q,  i) { i = 1 + q * (NR - 1); return v[int(i)] + (i - int(i)) * (v[int(i) + 1] - v[int(i)]) }
        END { printf "%.3f %.3f %.3f %.3f %.3f\n", at(0.5), at(0.25), at(0.75), v[1], v[NR] }'
}

echo "Start-up: $rounds rounds after one to warm up, alternating which program goes first."
"$watch" "$jestrel" >/dev/null
"$watch" "$baseline" >/dev/null
: >rounds.txt
# Each line: Jestrel's milliseconds to map and peak KiB, then the baseline's.
for ((round = 1; round <= rounds; round++)); do
    if ((round % 2)); then
        jestrelRun=$("$watch" "$jestrel")
        baselineRun=$("$watch" "$baseline")
    else
        baselineRun=$("$watch" "$baseline")
        jestrelRun=$("$watch" "$jestrel")
    fi
    echo "$jestrelRun $baselineRun" >>rounds.txt
done

read -r ratio q1 q3 low high < <(awk '{ print $1 / $3 }' rounds.txt | summary)
read -r jMedian _ < <(awk '{ print $1 }' rounds.txt | summary)
read -r bMedian _ < <(awk '{ print $3 }' rounds.txt | summary)
read -r jPeak _ < <(awk '{ print $2 }' rounds.txt | summary)
read -r bPeak _ < <(awk '{ print $4 }' rounds.txt | summary)
printf 'time to map:   Jestrel %.1f ms, baseline %.1f ms (medians)\n' "$jMedian" "$bMedian"
printf '  ratio per round: median %.3f, quartiles %.3f to %.3f, range %.3f to %.3f (target: median at most 1.10)\n' \
    "$ratio" "$q1" "$q3" "$low" "$high"
printf 'peak resident: Jestrel %.0f KiB, baseline %.0f KiB (medians): %+.0f KiB (target: at most +2048)\n' \
    "$jPeak" "$bPeak" "$(awk -v j="$jPeak" -v b="$bPeak" 'BEGIN { print j - b }')"

if ! command -v valgrind >/dev/null; then
    echo "valgrind is not installed; no instruction counts."
    exit 0
fi
# Off screen, so the count depends on neither the X server nor the machine's load.
instructions() {
    if ! QT_QPA_PLATFORM=offscreen timeout 300 valgrind --tool=callgrind --callgrind-out-file="$work/$1.callgrind" \
        --log-file="$work/$1.log" "${@:2}" >/dev/null 2>&1; then
        echo "$2 failed under callgrind:" >&2
        cat "$work/$1.log" >&2
        return 1
    fi
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/$1.log"
}
jIr=$(instructions jestrel "$probe") || exit 1
bIr=$(instructions baseline "$baselineProbe") || exit 1
printf 'instructions to the first paint: Jestrel %d, baseline %d, ratio %.3f (target: at most 1.08)\n' \
    "$jIr" "$bIr" "$(awk -v j="$jIr" -v b="$bIr" 'BEGIN { print j / b }')"
if [ -n "${JESTREL_BENCH_KEEP:-}" ]; then
    cp "$work"/*.callgrind "$JESTREL_BENCH_KEEP"/
    echo "callgrind profiles copied to $JESTREL_BENCH_KEEP"
fi
