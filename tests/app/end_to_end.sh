#!/usr/bin/env bash
# Starts the built program in a fresh folder on a private display and drives it as a user would:
# on bare X, under an X11 window manager (openbox, metacity, fluxbox) on Xvfb, on the X server
# of a headless Wayland compositor (kwin, mutter), whose XWayland users of KDE and GNOME meet, or
# on legacy dual-head X (xinerama), or after a window manager has ended (departed).
# Usage: end_to_end.sh SCENARIO PROGRAM [DESKTOP]
set -euo pipefail

scenario=$1
program=$(realpath "$2")
desktop=${3:-}

. "$(dirname "$(realpath "$0")")/../support/missing-package.sh"
case $desktop in
kwin) needed="kwin_wayland:kwin-wayland Xwayland:xwayland" ;;
mutter) needed="mutter:mutter Xwayland:xwayland" ;;
xinerama) needed="Xorg:xserver-xorg-core" ;;
"") needed="xvfb-run:xvfb xauth:xauth" ;;
departed) needed="xvfb-run:xvfb xauth:xauth openbox:openbox" ;;
*) needed="xvfb-run:xvfb xauth:xauth $desktop:$desktop" ;;
esac
for tool in xdotool:xdotool xwininfo:x11-utils xprop:x11-utils xdpyinfo:x11-utils import:imagemagick \
    dbus-run-session:dbus $needed; do
    needs "${tool%%:*}" "${tool#*:}"
done

if [ -z "${JESTREL_E2E_INSIDE_X:-}" ]; then
    export JESTREL_E2E_INSIDE_X=1
    # Without a session bus address Qt would start a bus of its own that outlives the test.
    export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/jestrel-bus
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    # A compositor brings its own X server, started below. Xvfb would otherwise reset whenever its
    # last client leaves, as each of this script's queries does, and drop the program's connection
    # if it is still being set up.
    case $desktop in
    kwin | mutter | xinerama) ;;
    *) exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -noreset" "$0" "$@" ;;
    esac
fi

work=$(mktemp -d)
pid=
# A program the test drives the program with, such as a drag source.
helperPid=
managerPid=
# A compositor leads a process group of its own, its XWayland in it.
signal_manager() { kill -s "$1" -- "-$managerPid" 2>/dev/null || kill -s "$1" "$managerPid" 2>/dev/null || true; }
# Whether the process has ended, waited for or not.
has_gone() { [ ! -e "/proc/$1" ] || [ "$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1)" = Z ]; }
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$helperPid" ] && kill "$helperPid" 2>/dev/null || true
    if [ -n "$managerPid" ]; then
        # fluxbox now and then deadlocks in its handler for the polite signal.
        signal_manager TERM
        wait_until 5 has_gone "$managerPid" || signal_manager KILL
        # Gone before its files are: a window manager may still be writing to its home.
        wait "$managerPid" 2>/dev/null || true
    fi
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

has_window_manager() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }

# Starts a headless Wayland compositor of 1280 x 1024 and takes the X server it starts for X
# clients as the display.
start_compositor() {
    mkdir -m 700 "$work/runtime"
    # Run by the compositor once its X server takes clients, with DISPLAY set to it.
    printf '#!/bin/sh\necho "$DISPLAY ${XAUTHORITY:-}" >"%s.new" && mv "%s.new" "%s"\nexec sleep infinity\n' \
        "$work/display" "$work/display" "$work/display" >"$work/ready"
    chmod +x "$work/ready"
    local compositor
    case $desktop in
    kwin)
        # The packaged program carries file capabilities, which a sandbox may refuse to honour.
        cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
        compositor=("$work/kwin_wayland" --virtual --xwayland --width 1280 --height 1024 --socket "jestrel-$$"
            --no-lockscreen --no-global-shortcuts --no-kactivities "$work/ready")
        ;;
    mutter)
        compositor=(mutter --wayland --headless --virtual-monitor 1280x1024 --wayland-display "jestrel-$$" --sm-disable
            -- "$work/ready")
        ;;
    esac
    XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config GSETTINGS_BACKEND=memory \
        setsid dbus-run-session -- "${compositor[@]}" </dev/null >"$work/compositor.log" 2>&1 &
    managerPid=$!
    wait_until 20 test -s "$work/display" || fail "$desktop did not start: $(tail -n 5 "$work/compositor.log")"
    local authority
    read -r DISPLAY authority <"$work/display"
    export DISPLAY
    [ -z "$authority" ] || export XAUTHORITY=$authority
}

# Starts X on two dummy screens joined by Xinerama, as tests/app/xinerama.conf lays them out.
start_xinerama() {
    mkdir "$work/xorg.conf.d"
    Xorg -displayfd 3 -config "$(dirname "$(realpath "$0")")/xinerama.conf" -configdir "$work/xorg.conf.d" \
        -logfile "$work/xorg.log" -noreset -nolisten tcp -sharevts -novtswitch \
        3>"$work/display" </dev/null >/dev/null 2>&1 &
    managerPid=$!
    wait_until 20 test -s "$work/display" || fail "Xorg did not start: $(grep '(EE)' "$work/xorg.log" | tail -n 3)"
    export DISPLAY=:$(cat "$work/display")
}

case $desktop in
"") ;;
kwin | mutter) start_compositor ;;
xinerama) start_xinerama ;;
departed)
    # Its word stays on the root window: frames are listed, and nothing answers or tells them.
    HOME=$work openbox >/dev/null 2>&1 &
    wait_until 20 has_window_manager || fail "openbox did not start"
    kill -KILL $!
    wait $! 2>/dev/null || true
    ;;
*)
    if [ "$desktop" = fluxbox ]; then
        # Its wallpaper setter fails on a bare X server and says so in a window that takes the focus.
        mkdir "$work/.fluxbox"
        echo 'background: unset' >"$work/.fluxbox/overlay"
    fi
    GSETTINGS_BACKEND=memory HOME=$work "$desktop" >/dev/null 2>&1 &
    managerPid=$!
    ;;
esac
if [ -n "$desktop" ] && [ "$desktop" != xinerama ]; then
    wait_until 20 has_window_manager || fail "$desktop did not start"
fi
# The primary screen: the first Xinerama screen where X lists them ("head #0: 1600x1024 @ 1280,0"),
# else the whole display.
read -r screenLeft screenTop screenWidth screenHeight < <(xdpyinfo -ext XINERAMA | awk '
    /dimensions:/ && !whole { split($2, size, "x"); whole = "0 0 " size[1] " " size[2] }
    /head #0:/ { split($3, size, "x"); split($5, at, ","); first = at[1] " " at[2] " " size[1] " " size[2] }
    END { print first ? first : whole }')

start() {
    "$program" "$@" 2>"$work/stderr" &
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

# The frame a window manager put round the window: left, right, top, bottom. A window manager
# that tells frames has not placed a window before it has told its frame: nothing then.
case $desktop in "" | xinerama | departed) untold="0 0 0 0" ;; *) untold= ;; esac
frame() {
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *\([0-9, ]*\)$/\1/p' | tr -d ,)
    echo "${extents:-$untold}"
}

# Whether the outer window, frame and all, is centred on the screen to within a pixel; if not, says
# where it is in $offCentre.
is_centred() {
    local x y w h left right top bottom
    read -r x y w h < <(geometry "$1")
    read -r left right top bottom < <(frame "$1")
    [ -n "$bottom" ] || { offCentre="${w}x$h at $x,$y, its frame untold"; return 1; }
    local outerX=$((x - left)) outerY=$((y - top)) outerW=$((w + left + right)) outerH=$((h + top + bottom))
    local dx=$((2 * (outerX - screenLeft) + outerW - screenWidth)) dy=$((2 * (outerY - screenTop) + outerH - screenHeight))
    offCentre="${outerW}x$outerH at $outerX,$outerY, frame included"
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}

# The window centred, once it has settled where it is put.
expect_centred() {
    wait_until 3 is_centred "$1" || fail "window $offCentre is not centred on ${screenWidth}x$screenHeight at $screenLeft,$screenTop"
}

is_iconic() { xprop -id "$1" WM_STATE | grep -q 'window state: Iconic'; }

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

# Whether the clipboard holds $1; xclip reads it.
copied() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }

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
    needs at-spi-bus-launcher at-spi2-core test -x /usr/libexec/at-spi-bus-launcher
    needs pyatspi python3-pyatspi /usr/bin/python3 -c "import pyatspi"
    for i in $(seq 40); do echo "Saying number $i"; done | { echo 41; cat; } | sed 's/$/\r/' >Jestrel.Ini
    # A session bus of its own, on which the accessibility bus starts when the program asks for it.
    dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$program" 2>"$work/stderr" \
        || fail "$(grep -v -e 'fd limit' -e 'Activat' -e 'SpiRegistry' "$work/stderr")"
    ;;
spoken)
    needs orca orca
    needs speech-dispatcher speech-dispatcher
    needs pyatspi python3-pyatspi /usr/bin/python3 -c "import pyatspi"
    dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/spoken.py" "$program" 2>"$work/stderr" \
        || fail "$(grep -v -e 'fd limit' -e 'Activat' -e 'SpiRegistry' "$work/stderr" | tail -n 5)"
    ;;
start_failures)
    sayings
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>"$work/stderr" || status=$?
    [ "$status" -eq 1 ] || fail "exit status $status without a display, expected 1"
    [ "$(cat "$work/stderr")" = "Jestrel!: Cannot show a window: no display can be opened; start Jestrel from a desktop, where DISPLAY or WAYLAND_DISPLAY names one." ] \
        || fail "without a display it says: $(cat "$work/stderr")"
    # With a display, a toolkit that cannot start says why in its own words, and no display is blamed.
    status=0
    QT_QPA_PLATFORM=nonexistent "$program" 2>"$work/stderr" || status=$?
    [ "$status" -eq 1 ] && grep -q 'platform plugin "nonexistent"' "$work/stderr" \
        && [ "$(tail -n 1 "$work/stderr")" = "Jestrel!: Cannot show a window: the toolkit cannot start, for the reason above." ] \
        || fail "exit status $status; with a platform that cannot start it says: $(cat "$work/stderr")"
    ;;
named_file)
    # A file named at start, elsewhere and with a name of spaces and accents, re-read at each draw;
    # Ctrl+C copies the saying as it shows.
    needs xclip xclip
    mkdir "other dir ü"
    named="$work/other dir ü/Sprüche é.txt"
    printf '2\r\nSalt && pepper\r\n' >"$named"
    start "$named"
    main=$(window 'Jestrel!' normal)
    read_layout "$main"
    key "$main" ctrl+c
    wait_until 5 copied "Salt & pepper" || fail "Ctrl+C copied '$(xclip -o -selection clipboard)'"
    printf '2\r\n日本語の言葉\r\n' >"$named"
    click_picture "$main"
    key "$main" ctrl+c
    wait_until 5 copied "日本語の言葉" || fail "after a click Ctrl+C copied '$(xclip -o -selection clipboard)'"
    # A failure names the file as it was given.
    key "$main" Escape
    expect_exit 0
    start "$work/other dir ü/nope é.txt"
    box=$(window 'Jestrel!' dialog)
    key "$box" Return
    expect_exit 1
    grep -qF "Cannot open $work/other dir ü/nope é.txt: there is no such file in $work/other dir ü." "$work/stderr" \
        || fail "the failure says: $(cat "$work/stderr")"
    ;;
command_line)
    # Help and the version need no display; a usage failure shows none either.
    for asked in --help --version; do
        status=0
        env -u DISPLAY "$program" $asked >"$work/stdout" 2>"$work/stderr" || status=$?
        [ "$status" -eq 0 ] && [ ! -s "$work/stderr" ] || fail "$asked: status $status, $(cat "$work/stderr")"
    done
    grep -qx 'Jestrel! 0.05' "$work/stdout" || fail "--version says: $(cat "$work/stdout")"
    for arguments in "a b" "--frob"; do
        status=0
        # shellcheck disable=SC2086 # the arguments are split on purpose
        "$program" $arguments >"$work/stdout" 2>"$work/stderr" || status=$?
        [ "$status" -eq 2 ] && grep -qxF "Usage: jestrel [FILE]" "$work/stderr" \
            || fail "$arguments: status $status, $(cat "$work/stderr")"
    done
    grep -qx 'jestrel: There is no option --frob.' "$work/stderr" || fail "--frob says: $(cat "$work/stderr")"
    [ -z "$(windows_of 'Jestrel!' dialog)" ] || fail "a usage failure showed a window"
    ;;
options_ended)
    # After "--" nothing reaches the toolkit: -reverse is a file, and the window stays left to right.
    # With no Jestrel.Ini here, the window shows only where -reverse is read.
    printf '2\r\nFrom -reverse\r\n' >./-reverse
    start -- -reverse
    main=$(window 'Jestrel!' normal)
    # Help is at the menu bar's left, where a click opens it.
    read_layout "$main"
    xdotool mousemove --window "$main" 12 $((clientTop / 2)) click 1
    sleep 0.3
    xdotool key a
    about=$(window 'About Jestrel!' dialog)
    key "$about" Return
    wait_until 5 about_is_hidden || fail "Enter left the dialog open"
    key "$main" Escape
    expect_exit 0
    ;;
real_drag)
    # A file manager's drag, from a GTK 3 source, pressed on it, moved onto the window in steps and
    # let go, as a hand does.
    needs xclip xclip
    needs gi python3-gi /usr/bin/python3 -c "import gi"
    needs Gtk-3.0 gir1.2-gtk-3.0 /usr/bin/python3 -c "import gi; gi.require_version('Gtk', '3.0')"
    printf '2\r\nStarted\r\n' >Jestrel.Ini
    printf '2\r\nDropped\r\n' >"dropped é.txt"
    printf '5\r\nShort\r\n' >short.txt
    NO_AT_BRIDGE=1 /usr/bin/python3 "$(dirname "$0")/drag_source.py" "$work/uris" "$work/ends" 2>/dev/null &
    helperPid=$!
    source=$(window 'Drag source' normal)
    start
    main=$(window 'Jestrel!' normal)
    uri() { /usr/bin/python3 -c 'import pathlib, sys; print(pathlib.Path(sys.argv[1]).as_uri())' "$work/$1"; }
    drag() {
        printf '%s\n' "$@" >"$work/uris"
        local sx sy sw sh mx my mw mh
        read -r sx sy sw sh < <(geometry "$source")
        read -r mx my mw mh < <(geometry "$main")
        local fromX=$((sx + sw / 2)) fromY=$((sy + sh / 2)) toX=$((mx + mw / 2)) toY=$((my + mh / 2))
        xdotool mousemove "$fromX" "$fromY" mousedown 1
        for step in $(seq 20); do
            xdotool mousemove $((fromX + (toX - fromX) * step / 20)) $((fromY + (toY - fromY) * step / 20))
            sleep 0.03
        done
        xdotool mouseup 1
    }
    drags_ended() { [ "$(wc -l 2>/dev/null <"$work/ends" || echo 0)" -ge "$1" ]; }
    drag "$(uri "dropped é.txt")" "$(uri short.txt)"
    wait_until 5 drags_ended 1 || fail "the drag of two files did not end"
    key "$main" ctrl+c
    wait_until 5 copied Started || fail "after two files were dropped Ctrl+C copied '$(xclip -o -selection clipboard)'"
    drag "$(uri "dropped é.txt")"
    wait_until 5 drags_ended 2 || fail "the drag of a good file did not end"
    key "$main" ctrl+c
    wait_until 5 copied Dropped || fail "after a file was dropped Ctrl+C copied '$(xclip -o -selection clipboard)'"
    # The source hears that the drop is done while the failure shows, not only once it is put away.
    drag "$(uri short.txt)"
    box=$(window 'Jestrel!' dialog)
    wait_until 5 drags_ended 3 || fail "the source's drag did not end while the failure showed"
    is_shown 'Jestrel!' dialog || fail "the failure went before OK"
    key "$box" Return
    expect_exit 1
    grep -qF "$work/short.txt" "$work/stderr" || fail "the failure says: $(cat "$work/stderr")"
    ;;
centred_every_time)
    # Where a window manager places windows at random, one run in some is enough to show it.
    sayings
    for _ in 1 2 3; do
        start
        main=$(window 'Jestrel!' normal)
        expect_centred "$main"
        key "$main" alt+h a
        about=$(window 'About Jestrel!' dialog)
        expect_centred "$about"
        key "$about" Return
        wait_until 5 about_is_hidden || fail "Enter left the dialog open"
        key "$main" Escape
        expect_exit 0
    done
    rm Jestrel.Ini
    start
    box=$(window 'Jestrel!' dialog)
    expect_centred "$box"
    key "$box" Return
    expect_exit 1
    ;;
about_minimised)
    sayings
    start
    main=$(window 'Jestrel!' normal)
    read_layout "$main"
    before=$(label_picture "$main")
    key "$main" alt+h a
    about=$(window 'About Jestrel!' dialog)
    xdotool windowminimize "$about"
    # The main window goes with it, rather than stay on the screen blocked by a box out of reach.
    wait_until 5 is_iconic "$main" || fail "minimising the about box left the main window on the screen"
    xdotool windowactivate "$main"
    wait_until 5 is_shown 'About Jestrel!' dialog || fail "restoring the main window left the about box hidden"
    # Still modal: the bullseye takes no click until OK.
    click_picture "$main"
    sleep 0.3
    [ "$(label_picture "$main")" = "$before" ] || fail "the main window took a click while the about box showed"
    key "$about" Return
    wait_until 5 about_is_hidden || fail "Enter left the dialog open"
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
frame_told_late)
    # Told within a second of the showing, the frame is centred with; told once the user has moved
    # the window, or later, it moves nothing.
    sayings
    for late in no moved unwatched; do
        start
        main=$(window 'Jestrel!' normal)
        [ $late != moved ] || xdotool windowmove --sync "$main" 10 10
        [ $late != unwatched ] || sleep 1.5
        where=$(geometry "$main")
        xprop -id "$main" -f _NET_FRAME_EXTENTS 32c -set _NET_FRAME_EXTENTS "4, 4, 24, 4"
        [ $late != no ] || expect_centred "$main"
        sleep 0.5
        [ $late = no ] || [ "$(geometry "$main")" = "$where" ] || fail "told its frame late ($late), the window moved from $where"
        key "$main" Escape
        expect_exit 0
    done
    ;;
*)
    fail "unknown scenario $scenario"
    ;;
esac
