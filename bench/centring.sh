#!/usr/bin/env bash
# Time from exec to the main window centred, frame included, under window managers that tell the
# frame differently: openbox answers a request for it before the window shows, fluxbox leaves the
# request unanswered and tells the frame only once the window has mapped. Each window manager runs
# on a private X server of its own; the rounds take them in turn. Prints the median, quartiles and
# range for each. The times include this script's polling, a few tens of milliseconds.
# Usage: bench/centring.sh [BUILD_DIR [ROUNDS [WINDOW_MANAGER...]]]   (default build/bench, 7 rounds, openbox fluxbox)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../build/bench}")
rounds=${2:-7}
managers=("${@:3}")
[ ${#managers[@]} -gt 0 ] || managers=(openbox fluxbox)
jestrel=$build/app/jestrel
[ -x "$jestrel" ] || { echo "$jestrel is missing; build with: cmake --preset bench && cmake --build --preset bench" >&2; exit 2; }
for tool in Xvfb xdotool xwininfo xprop "${managers[@]}"; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 2; }
done

export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/jestrel-bench-bus
unset QT_QPA_PLATFORM WAYLAND_DISPLAY SESSION_MANAGER
work=$(mktemp -d)
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null || true
    # fluxbox now and then deadlocks in its handler for the polite signal.
    sleep 0.5
    kill -KILL "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work"
source "$here/common.sh"
writeSayingsFile

# One X server and window manager for each, in the order given.
displays=()
for manager in "${managers[@]}"; do
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -noreset -nolisten tcp 3>"$work/$manager.display" \
        >/dev/null 2>&1 &
    pids+=($!)
    until [ -s "$work/$manager.display" ]; do sleep 0.05; done
    display=:$(cat "$work/$manager.display")
    mkdir "$work/$manager.home"
    DISPLAY=$display HOME=$work/$manager.home GSETTINGS_BACKEND=memory "$manager" >/dev/null 2>&1 &
    pids+=($!)
    until DISPLAY=$display xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do sleep 0.05; done
    displays+=("$display")
done
# Window managers that have just started are still busy for a moment.
sleep 1

# Whether the window $1 is on the screen with the frame its window manager told, centred on the
# 1024 x 768 screen to within a pixel.
is_centred() {
    local x y w h left right top bottom
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{print x, y, w, h}')
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *\([0-9, ]*\)$/\1/p' | tr -d ,)
    [ -n "$bottom" ] || return 1
    local dx=$((2 * (x - left) + w + left + right - 1024)) dy=$((2 * (y - top) + h + top + bottom - 768))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}

# Prints the seconds from exec to the window centred.
time_to_centred() {
    local start pid id=
    start=$EPOCHREALTIME
    "$jestrel" 2>/dev/null &
    pid=$!
    until [ -n "$id" ] && is_centred "$id"; do
        kill -0 "$pid" 2>/dev/null || { echo "Jestrel ended before its window was centred" >&2; return 1; }
        [ "${EPOCHREALTIME%.*}" -lt $((${start%.*} + 10)) ] || { echo "no centred window in 10 s" >&2; return 1; }
        [ -n "$id" ] || id=$(xdotool search --onlyvisible --name '^Jestrel!$' 2>/dev/null | head -n 1) || true
    done
    awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.3f\n", b - a }'
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

echo "From exec to the main window centred: $rounds rounds, the window managers taking turns."
for ((round = 1; round <= rounds; round++)); do
    for i in "${!managers[@]}"; do
        DISPLAY=${displays[$i]} time_to_centred >>"$work/${managers[$i]}.times"
    done
done
for manager in "${managers[@]}"; do
    read -r median q1 q3 low high < <(summary <"$work/$manager.times")
    printf '  %-10s median %.3f s, quartiles %.3f to %.3f, range %.3f to %.3f\n' \
        "$manager" "$median" "$q1" "$q3" "$low" "$high"
done
