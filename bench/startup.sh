#!/usr/bin/env bash
# Start-up against two bare-window baselines, on one private X server: the plain one in the default
# font, and the fair floor, the same window in the bold family Jestrel resolves, named directly.
# Time from exec to the main window's map and peak resident memory, round by round, then
# instructions to the first paint under callgrind. Prints the median of the per-round ratios
# Jestrel/baseline and their spread, against each baseline.
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
printFont=$build/bench/jestrel_print_control_font
for program in "$jestrel" "$baseline" "$probe" "$baselineProbe" "$watch" "$printFont"; do
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
source "$here/common.sh"
writeSayingsFile

# The fair floor writes in the family and size Jestrel's controls resolve to here.
JESTREL_BENCH_FONT=$(QT_QPA_PLATFORM=offscreen "$printFont")
echo "Jestrel's control font here: $JESTREL_BENCH_FONT"
boldBaseline() { JESTREL_BENCH_FONT=$JESTREL_BENCH_FONT "$@"; }

echo "Start-up: $rounds rounds after one to warm up, each program going first in turn."
"$watch" "$jestrel" >/dev/null
"$watch" "$baseline" >/dev/null
boldBaseline "$watch" "$baseline" >/dev/null
: >rounds.txt
# Each line: milliseconds to map and peak KiB of Jestrel, the plain baseline and the bold one.
for ((round = 1; round <= rounds; round++)); do
    runs=()
    for ((turn = 0; turn < 3; turn++)); do
        case $(((round + turn) % 3)) in
        0) jestrelRun=$("$watch" "$jestrel") ;;
        1) baselineRun=$("$watch" "$baseline") ;;
        2) boldRun=$(boldBaseline "$watch" "$baseline") ;;
        esac
    done
    echo "$jestrelRun $baselineRun $boldRun" >>rounds.txt
done

column() { awk -v c="$1" '{ print $c }' rounds.txt | summary; }
read -r jMedian _ < <(column 1)
read -r bMedian _ < <(column 3)
read -r fMedian _ < <(column 5)
printf 'time to map:   Jestrel %.1f ms, plain baseline %.1f ms, bold baseline %.1f ms (medians)\n' \
    "$jMedian" "$bMedian" "$fMedian"
for against in "plain 3 -" "bold 5 1.05"; do
    read -r name field target <<<"$against"
    read -r ratio q1 q3 low high < <(awk -v f="$field" '{ print $1 / $f }' rounds.txt | summary)
    printf '  ratio to the %s baseline per round: median %.3f, quartiles %.3f to %.3f, range %.3f to %.3f%s\n' \
        "$name" "$ratio" "$q1" "$q3" "$low" "$high" "$([ "$target" = - ] || echo " (target: median at most $target)")"
done
read -r jPeak _ < <(column 2)
read -r bPeak _ < <(column 4)
printf 'peak resident: Jestrel %.0f KiB, plain baseline %.0f KiB (medians): %+.0f KiB (target: at most +2048)\n' \
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
fIr=$(boldBaseline instructions bold-baseline "$baselineProbe") || exit 1
ratio() { awk -v j="$1" -v b="$2" 'BEGIN { printf "%.3f", j / b }'; }
printf 'instructions to the first paint: Jestrel %d, plain baseline %d (ratio %s), bold baseline %d (ratio %s; target: at most 1.03)\n' \
    "$jIr" "$bIr" "$(ratio "$jIr" "$bIr")" "$fIr" "$(ratio "$jIr" "$fIr")"
if [ -n "${JESTREL_BENCH_KEEP:-}" ]; then
    cp "$work"/*.callgrind "$JESTREL_BENCH_KEEP"/
    echo "callgrind profiles copied to $JESTREL_BENCH_KEEP"
fi
