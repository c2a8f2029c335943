# SPDX-License-Identifier: GPL-3.0-or-later
# What the tests that drive the game in a real X server (Xvfb) share. Sourced, not run:
#   label=NAME; source xsession.sh; x_begin; start_lettro PROGRAM ARGS...; ...
# x_begin makes the scratch folder $work (removed at exit), starts Xvfb and exports
# DISPLAY; it exits 77 (skipped) when Xvfb is not installed.

python=/usr/bin/python3 # Debian's, which has python3-xlib
work=""
xvfb_pid=""
lettro_pid=""
watchdog_pid=""

say() { printf '[%s %s] %s\n' "$label" "$(date +%T)" "$*"; }
fail() {
    say "FAILED: $*"
    if [ -s "${work:-/nonexistent}/lettro.log" ]; then
        say "the game's output:"
        sed 's/^/    /' "$work/lettro.log"
    fi
    exit 1
}

# wait_for SECONDS WHAT COMMAND...: polls COMMAND until it succeeds.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || fail "waited ${seconds}s for $what"
        if [ -n "$lettro_pid" ] && ! kill -0 "$lettro_pid" 2>/dev/null; then
            fail "the game ended while waiting for $what"
        fi
        sleep 0.2
    done
}

x_cleanup() {
    [ -n "$lettro_pid" ] && kill -KILL "$lettro_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill -TERM "$xvfb_pid" 2>/dev/null
    [ -n "$watchdog_pid" ] && kill -TERM "$watchdog_pid" 2>/dev/null
    wait 2>/dev/null
    [ -n "$work" ] && rm -rf "$work"
}

x_begin() {
    if ! command -v Xvfb >/dev/null 2>&1; then
        echo "SKIPPED: Xvfb is not installed (Debian package xvfb)"
        exit 77
    fi
    local tool
    for tool in xdotool import convert; do
        command -v "$tool" >/dev/null 2>&1 ||
            fail "$tool is missing (scripts/lettro.sh test installs xdotool and imagemagick)"
    done
    "$python" -c 'import Xlib' 2>/dev/null ||
        fail "python3-xlib is missing (scripts/lettro.sh test installs it)"
    work=$(mktemp -d "/tmp/lettro-$label.XXXXXX")
    trap x_cleanup EXIT
    trap 'fail "interrupted"' INT TERM
    # A hard limit for the whole run, below ctest's, so that the clean-up still runs.
    # It keeps no output open, so that ctest need not wait for it.
    (
        trap 'kill "$nap" 2>/dev/null; exit 0' TERM
        sleep 150 &
        nap=$!
        wait "$nap" && kill -TERM $$
    ) >/dev/null 2>&1 </dev/null &
    watchdog_pid=$!
    # Xvfb picks a free display itself and writes its number to us; -noreset keeps it
    # serving while one game has gone and the next is starting.
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -noreset 5>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    display_ready() { [ -s "$work/display" ]; }
    wait_for 20 "Xvfb" display_ready
    export DISPLAY=":$(head -n1 "$work/display")"
    say "Xvfb on $DISPLAY"
}

# start_lettro PROGRAM ARGS...: the game with a settings folder of its own, so that the
# user's settings are never touched; sets $lettro_pid and, once its main window is up,
# $main. A message box at start-up (a dictionary that did not load, say) fails the run:
# it is a window called Lettro too, but a dialog, shown before the main window.
start_lettro() {
    mkdir -p "$work/home" "$work/config" "$work/runtime"
    chmod 700 "$work/runtime"
    HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
        QT_QPA_PLATFORM=xcb "$@" >"$work/lettro.log" 2>&1 &
    lettro_pid=$!
    wait_for 30 "the main window" shown '^Lettro$'
    main=$(visible '^Lettro$')
    [ "$(wc -l <<<"$main")" -eq 1 ] || fail "several windows called Lettro at start-up"
    # Qt names a dialog's type first and "normal" after it, for window managers that
    # know no dialogs.
    [[ $(xprop -id "$main" _NET_WM_WINDOW_TYPE) != *_NET_WM_WINDOW_TYPE_DIALOG* ]] ||
        fail "a message box at start-up instead of the main window"
    xdotool windowfocus "$main"
}

visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }
# shown TITLE, gone TITLE: whether a window of that title (a regular expression) is up,
# or none is; for wait_for.
shown() { [ -n "$(visible "$1")" ]; }
gone() { [ -z "$(visible "$1")" ]; }

# colours IMAGE WxH+X+Y: how many colours that part of the picture has.
colours() { convert "$1" -crop "$2" +repage -format '%k' info:; }

# picture WINDOW FILE: a picture of the window once it is drawn (more than a few colours).
picture() {
    drawn() { import -window "$1" "$2" 2>/dev/null && [ "$(convert "$2" -format '%k' info:)" -gt 8 ]; }
    wait_for 10 "window $1 to be drawn" drawn "$1" "$2"
}

# close_window ID: as a window manager closes it, with WM_DELETE_WINDOW, if it takes it.
close_window() {
    "$python" - "$1" <<'EOF' || fail "could not ask window $1 to close"
import sys
from Xlib import X, display, protocol
d = display.Display()
window = d.create_resource_object("window", int(sys.argv[1]))
protocols = d.intern_atom("WM_PROTOCOLS")
delete = d.intern_atom("WM_DELETE_WINDOW")
if delete not in (window.get_wm_protocols() or []):
    sys.exit("the window does not take WM_DELETE_WINDOW")
event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                     data=(32, [delete, X.CurrentTime, 0, 0, 0]))
window.send_event(event, event_mask=X.NoEventMask)
d.sync()
EOF
}

# open_editor: Dictionary > Editor... by its mnemonics; sets $editor once the editor
# lists words (its list is empty when no dictionary loaded), and leaves a picture of it
# in $work/editor.png.
open_editor() {
    xdotool windowfocus "$main"
    local shown
    shown=$(xdotool search --onlyvisible --pid "$lettro_pid" 2>/dev/null | wc -l)
    xdotool key alt+d
    menu_open() { [ "$(xdotool search --onlyvisible --pid "$lettro_pid" 2>/dev/null | wc -l)" -gt "$shown" ]; }
    wait_for 10 "the Dictionary menu" menu_open
    xdotool key e
    wait_for 10 "the dictionary editor" shown '^Lettro Dictionary$'
    editor=$(visible '^Lettro Dictionary$' | head -n1)
    # The word list: on the left, under the starting letters.
    words_listed() {
        import -window "$editor" "$work/editor.png" 2>/dev/null &&
            [ "$(colours "$work/editor.png" "200x120+12+84")" -gt 8 ]
    }
    wait_for 10 "words in the dictionary editor" words_listed
}

# end_lettro: closes the main window and expects the game to exit with status 0.
end_lettro() {
    close_window "$main"
    local pid=$lettro_pid status=0
    lettro_pid="" # its end is awaited here, not a failure
    exited() { ! kill -0 "$pid" 2>/dev/null; }
    wait_for 20 "the game to exit after its window was closed" exited
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "the game exited with status $status"
}

# stop_lettro: ends a game whose way out is checked elsewhere.
stop_lettro() { kill "$lettro_pid" && wait "$lettro_pid" 2>/dev/null; lettro_pid=""; }

# click_start: clicks Start, the first toolbar button, at the left end of the toolbar
# (between the menu bar and the central area, 468 high), then moves off it, so that
# pictures do not show it raised under the pointer.
click_start() {
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove --window "$main" 24 $((HEIGHT - 468 - 24)) click 1
    xdotool mousemove --window "$main" 4 $((HEIGHT - 4))
}

# end_game WHAT: Ctrl+E, then waits for the results window and sets $results.
end_game() {
    xdotool key ctrl+e
    wait_for 15 "the results window$1" shown '^Lettro Results$'
    results=$(visible '^Lettro Results$' | head -n1)
}
