#!/usr/bin/env bash
# Starts the built program in a fresh folder on a private X server and drives it as a user would.
# Usage: end_to_end.sh SCENARIO PROGRAM
set -euo pipefail

scenario=$1
program=$(realpath "$2")

for tool in xvfb-run xdotool xwininfo xprop import; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

if [ -z "${JESTREL_E2E_INSIDE_X:-}" ]; then
    export JESTREL_E2E_INSIDE_X=1
    # Without a session bus address Qt would start a bus of its own that outlives the test.
    export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/jestrel-bus
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$@"
fi

work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

start() {
    "$program" 2>"$work/stderr" &
    pid=$!
}

# Waits for the program to end and checks its exit status.
expect_exit() {
    local status=0
    timeout 10 tail --pid="$pid" -f /dev/null || fail "the program did not end"
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq "$1" ] || fail "exit status $status, expected $1"
}

# The window's main type: dialog or normal (a dialog names normal too, as its fallback).
window_type() { xprop -id "$1" _NET_WM_WINDOW_TYPE | sed -n 's/.*= _NET_WM_WINDOW_TYPE_\([A-Z]*\).*/\1/p' | tr A-Z a-z; }

# Prints the id of the visible window titled $1 of the given type (normal or dialog). Assign its
# output to a variable, so that set -e sees a failure.
window() {
    local id
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
            if [ "$(window_type "$id")" = "$2" ]; then
                echo "$id"
                return
            fi
        done
        sleep 0.1
    done
    fail "no $2 window titled '$1'"
}

geometry() { xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{print x, y, w, h}'; }

# Centred on the 1024 x 768 screen to within a pixel.
expect_centred() {
    read -r x y w h < <(geometry "$1")
    local dx=$(( 2 * x + w - 1024 )) dy=$(( 2 * y + h - 768 ))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] || fail "window at $x,$y size ${w}x$h is not centred"
}

key() { xdotool windowfocus --sync "$1" key "${@:2}"; }

sayings() {
    printf '%s\r\n' 11 "One" "Two two" "Three three three" "Four" "Five five" "Six" "Seven seven" "Eight" "Nine" "Ten" \
        >Jestrel.Ini
}

case $scenario in
starts_centred)
    sayings
    start
    main=$(window 'Jestrel!' normal)
    expect_centred "$main"
    ;;
clicks_draw_again)
    sayings
    start
    main=$(window 'Jestrel!' normal)
    read -r _ _ _ height < <(geometry "$main")
    menu=$(( height - 99 ))
    before=$(import -window "$main" png:- | md5sum)
    for _ in $(seq 10); do
        xdotool mousemove --window "$main" 24 $(( menu + 32 )) click 1
        sleep 0.2
        [ "$(import -window "$main" png:- | md5sum)" != "$before" ] && exit 0
    done
    fail "ten clicks on the bullseye left the saying as it was"
    ;;
escape_ends)
    sayings
    start
    main=$(window 'Jestrel!' normal)
    key "$main" Escape
    expect_exit 0
    ;;
missing_file_reports)
    start
    box=$(window 'Jestrel!' dialog)
    for id in $(xdotool search --onlyvisible --name '^Jestrel!$'); do
        [ "$(window_type "$id")" = normal ] && fail "the main window showed"
    done
    key "$box" Return
    expect_exit 1
    grep -q "Cannot open Jestrel.Ini: there is no such file in $work." "$work/stderr" || fail "message: $(cat "$work/stderr")"
    ;;
about_dialog)
    sayings
    start
    main=$(window 'Jestrel!' normal)
    key "$main" alt+h a
    about=$(window 'About Jestrel!' dialog)
    expect_centred "$about"
    key "$about" x
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^About Jestrel!$' >/dev/null 2>&1 || break
        sleep 0.1
    done
    xdotool search --onlyvisible --name '^About Jestrel!$' >/dev/null 2>&1 && fail "a letter key left the dialog open"
    key "$main" Escape
    expect_exit 0
    ;;
writes_nothing)
    # A whole session in a fresh home: nothing may appear or change there or beside the sayings.
    mkdir -p cwd home runtime
    chmod 700 runtime
    export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config \
        XDG_CACHE_HOME=$work/home/.cache XDG_DATA_HOME=$work/home/.local/share XDG_STATE_HOME=$work/home/.local/state
    cd cwd
    sayings
    snapshot() { find "$work/cwd" "$work/home" -printf '%p %y %s %m %T@\n' | sort; sha256sum Jestrel.Ini; }
    before=$(snapshot)
    start
    main=$(window 'Jestrel!' normal)
    read -r _ _ _ height < <(geometry "$main")
    for _ in $(seq 5); do
        xdotool mousemove --window "$main" 24 $(( height - 99 + 32 )) click 1
    done
    key "$main" alt+h a
    about=$(window 'About Jestrel!' dialog)
    key "$about" Return
    key "$main" Escape
    expect_exit 0
    after=$(snapshot)
    [ "$before" = "$after" ] || fail "the session changed files: $(diff <(echo "$before") <(echo "$after"))"
    ;;
*)
    fail "unknown scenario $scenario"
    ;;
esac
