#!/usr/bin/env bash
# Starts the built program in a fresh folder on a private X server, bare or under a window
# manager, and drives it as a user would.
# Usage: end_to_end.sh SCENARIO PROGRAM [WINDOW-MANAGER]
set -euo pipefail

scenario=$1
program=$(realpath "$2")
manager=${3:-}

for tool in xvfb-run xdotool xwininfo xprop xdpyinfo import dbus-run-session $manager; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

if [ -z "${JESTREL_E2E_INSIDE_X:-}" ]; then
    export JESTREL_E2E_INSIDE_X=1
    # Without a session bus address Qt would start a bus of its own that outlives the test.
    export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/jestrel-bus
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    # The server would otherwise reset whenever its last client leaves, as each of this script's
    # queries does, and drop the program's connection if it is still being set up.
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -noreset" "$0" "$@"
fi

work=$(mktemp -d)
pid=
managerPid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$managerPid" ] && kill "$managerPid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs the command after the first argument until it succeeds, for at most that many seconds.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

if [ -n "$manager" ]; then
    "$manager" >/dev/null 2>&1 &
    managerPid=$!
    wait_until 10 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "$manager did not start"
fi
read -r screenWidth screenHeight < <(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x\([0-9]*\) pixels.*/\1 \2/p')

start() {
    "$program" 2>"$work/stderr" &
    pid=$!
}

has_ended() { ! kill -0 "$pid" 2>/dev/null; }

# Waits for the program to end and checks its exit status.
expect_exit() {
    local status=0
    wait_until 10 has_ended || fail "the program did not end"
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq "$1" ] || fail "exit status $status, expected $1"
}

# The window's main type: dialog or normal (a dialog names normal too, as its fallback).
window_type() { xprop -id "$1" _NET_WM_WINDOW_TYPE | sed -n 's/.*= _NET_WM_WINDOW_TYPE_\([A-Z]*\).*/\1/p' | tr A-Z a-z; }

# Prints the ids of the visible windows titled $1 of type $2 (normal or dialog).
windows_of() {
    local id
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        [ "$(window_type "$id")" = "$2" ] && echo "$id"
    done
    return 0
}
is_shown() { [ -n "$(windows_of "$1" "$2")" ]; }

# Prints the id of the visible window titled $1 of type $2. Assign its output to a variable, so
# that set -e sees a failure.
window() {
    wait_until 10 is_shown "$1" "$2" || fail "no $2 window titled '$1'"
    windows_of "$1" "$2" | head -n 1
}

# The window's own area: left, top, width, height.
geometry() { xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{print x, y, w, h}'; }

# The frame a window manager put round the window: left, right, top, bottom.
frame() {
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *\([0-9, ]*\)$/\1/p' | tr -d ,)
    echo "${extents:-0 0 0 0}"
}

# The outer window, frame and all, centred on the screen to within a pixel.
expect_centred() {
    local x y w h left right top bottom
    read -r x y w h < <(geometry "$1")
    read -r left right top bottom < <(frame "$1")
    local outerX=$((x - left)) outerY=$((y - top)) outerW=$((w + left + right)) outerH=$((h + top + bottom))
    local dx=$((2 * outerX + outerW - screenWidth)) dy=$((2 * outerY + outerH - screenHeight))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] \
        || fail "window ${outerW}x$outerH at $outerX,$outerY, frame included, is not centred on ${screenWidth}x$screenHeight"
}

key() { xdotool windowfocus --sync "$1" key "${@:2}"; }

# Places on the main window, in its pixels, from the layout in twips: the client area spans the
# window's width, 4068 twips, and ends at its bottom, 1488 twips below the menu bar.
read_layout() {
    read -r _ _ mainWidth mainHeight < <(geometry "$1")
    pixels() { echo $((($1 * mainWidth + 2034) / 4068)); }
    clientTop=$((mainHeight - $(pixels 1488)))
    pictureX=$(pixels $((120 + 246)))
    pictureY=$((clientTop + $(pixels $((240 + 246)))))
    labelArea="$(pixels 3372)x$(pixels 612)+$(pixels 600)+$((clientTop + $(pixels 240)))"
}
click_picture() { xdotool mousemove --window "$1" "$pictureX" "$pictureY" click 1; }
label_picture() { import -window "$1" -crop "$labelArea" png:- | md5sum; }
label_differs() { [ "$(label_picture "$1")" != "$2" ]; }

about_is_hidden() { ! is_shown 'About Jestrel!' dialog; }

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
    read_layout "$main"
    # Only the label's pixels count: the button's focus highlight changes the window's too.
    before=$(label_picture "$main")
    for _ in $(seq 10); do
        click_picture "$main"
        wait_until 1 label_differs "$main" "$before" && exit 0
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
closing_ends)
    sayings
    start
    main=$(window 'Jestrel!' normal)
    key "$main" alt+F4
    expect_exit 0
    ;;
missing_file_reports)
    start
    box=$(window 'Jestrel!' dialog)
    [ -z "$(windows_of 'Jestrel!' normal)" ] || fail "the main window showed"
    expect_centred "$box"
    # The program's own icon has the icon file's 32-pixel image; a window manager may give a window
    # without an icon a default one, as openbox does.
    [[ $(xprop -id "$box" _NET_WM_ICON) == *"Icon (32 x 32)"* ]] \
        || fail "the report does not carry the program's icon"
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
    # It belongs to the main window, so the two are minimised and restored together.
    xprop -id "$about" WM_TRANSIENT_FOR | grep -q "window id # $(printf '0x%x' "$main")\$" \
        || fail "the about box is not the main window's: $(xprop -id "$about" WM_TRANSIENT_FOR)"
    key "$about" x
    wait_until 5 about_is_hidden || fail "a letter key left the dialog open"
    key "$main" Escape
    expect_exit 0
    ;;
screen_reader)
    for i in $(seq 40); do echo "Saying number $i"; done | { echo 41; cat; } | sed 's/$/\r/' >Jestrel.Ini
    # A session bus of its own, on which the accessibility bus starts when the program asks for it.
    dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$program" 2>"$work/stderr" \
        || fail "$(grep -v -e 'fd limit' -e 'Activat' -e 'SpiRegistry' "$work/stderr")"
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
    read_layout "$main"
    for _ in $(seq 5); do
        click_picture "$main"
    done
    key "$main" alt+h a
    about=$(window 'About Jestrel!' dialog)
    key "$about" Return
    wait_until 5 about_is_hidden || fail "Enter left the dialog open"
    key "$main" Escape
    expect_exit 0
    after=$(snapshot)
    [ "$before" = "$after" ] || fail "the session changed files: $(diff <(echo "$before") <(echo "$after"))"
    ;;
*)
    fail "unknown scenario $scenario"
    ;;
esac
