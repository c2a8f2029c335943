#!/usr/bin/env bash
# The built game in a real X server (Xvfb), driven like a player would: Start is
# clicked, a word that lies on the board is typed and entered with Return, the game is
# ended, the results are closed with OK, and the window is closed the way a window
# manager closes it. The game must exit with status 0. Screenshots of the board during
# play and of the results are kept beside the build as smoke-board.png and
# smoke-results.png.
#
#   smoke.sh LETTRO SEED_BOARD BUILD_DIR
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb on this machine).
set -uo pipefail

lettro_built=$1
seed_board=$2
build=$3
seed=7
python=/usr/bin/python3 # Debian's, which has python3-xlib

say() { printf '[smoke %s] %s\n' "$(date +%T)" "$*"; }
fail() {
    say "FAILED: $*"
    if [ -s "${work:-/nonexistent}/lettro.log" ]; then
        say "the game's output:"
        sed 's/^/    /' "$work/lettro.log"
    fi
    exit 1
}

if ! command -v Xvfb >/dev/null 2>&1; then
    echo "SKIPPED: Xvfb is not installed (Debian package xvfb)"
    exit 77
fi
for tool in xdotool import convert; do
    command -v "$tool" >/dev/null 2>&1 ||
        fail "$tool is missing (scripts/lettro.sh test installs xdotool and imagemagick)"
done
"$python" -c 'import Xlib' 2>/dev/null ||
    fail "python3-xlib is missing (scripts/lettro.sh test installs it)"

work=$(mktemp -d /tmp/lettro-smoke.XXXXXX)
xvfb_pid=""
lettro_pid=""
watchdog_pid=""
cleanup() {
    [ -n "$lettro_pid" ] && kill -KILL "$lettro_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill -TERM "$xvfb_pid" 2>/dev/null
    [ -n "$watchdog_pid" ] && kill -TERM "$watchdog_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
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

# The program folder: the game reads Dictionary.dat and Lettro.htm from its own folder.
program=$work/program
mkdir -p "$program" "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
cp "$lettro_built" "$program/lettro" || fail "no game at $lettro_built"
cp "$build/Dictionary.dat" "$program/" || fail "no Dictionary.dat in $build"
cp "$build/Lettro.htm" "$program/" 2>/dev/null || true

# The board the seed gives, and the longest word on it.
mapfile -t board_lines < <("$seed_board" "$program/Dictionary.dat" "$seed")
[ -n "${board_lines[1]:-}" ] || fail "seed $seed gives a board without words"
board=${board_lines[0]}
word=${board_lines[1]}
say "seed $seed: board $board, typing \"$word\""

# Xvfb picks a free display itself and writes its number to us.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
display_ready() { [ -s "$work/display" ]; }
wait_for 20 "Xvfb" display_ready
export DISPLAY=":$(head -n1 "$work/display")"
say "Xvfb on $DISPLAY"

# A settings folder of its own, so that the user's settings are never touched.
HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
    QT_QPA_PLATFORM=xcb "$program/lettro" --seed "$seed" >"$work/lettro.log" 2>&1 &
lettro_pid=$!

visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }
main_shown() { [ -n "$(visible '^Lettro$')" ]; }
wait_for 30 "the main window" main_shown
sleep 0.5
windows=$(visible '^Lettro$' | wc -l)
[ "$windows" -eq 1 ] || fail "$windows windows called Lettro: a message box at start-up?"
main=$(visible '^Lettro$')
eval "$(xdotool getwindowgeometry --shell "$main")"
say "main window $main, ${WIDTH}x${HEIGHT}"
xdotool windowfocus "$main"

# Window coordinates of the fixed layout: the toolbar on top, then the central area
# (468 high). Without stored settings the word list is on the left at (16, 92), below
# the clock, and the board on the right at (270, 16).
central_top=$((HEIGHT - 468))
list_row="230x40+16+$((central_top + 94))"
board_area="388x388+270+$((central_top + 16))"
colours() { convert "$1" -crop "$2" +repage -format '%k' info:; }

import -window "$main" "$work/before.png"
# Start is the first toolbar button, at the left end of the toolbar, which lies between
# the menu bar and the central area.
xdotool mousemove --window "$main" 24 $((central_top - 24)) click 1
board_drawn() {
    import -window "$main" "$work/started.png" 2>/dev/null &&
        [ "$(colours "$work/started.png" "$board_area")" -gt \
            "$(colours "$work/before.png" "$board_area")" ]
}
wait_for 15 "the board after clicking Start" board_drawn
say "the game runs"

empty_list_colours=$(colours "$work/started.png" "$list_row")
xdotool type --delay 60 "$word"
sleep 0.5
import -window "$main" "$build/smoke-board.png"
xdotool key Return
word_listed() {
    import -window "$main" "$work/entered.png" 2>/dev/null &&
        [ "$(colours "$work/entered.png" "$list_row")" -gt $((empty_list_colours + 4)) ]
}
wait_for 10 "\"$word\" in the word list" word_listed
say "\"$word\" entered"

xdotool key ctrl+e
results_shown() { [ -n "$(visible '^Lettro Results$')" ]; }
wait_for 15 "the results window" results_shown
results=$(visible '^Lettro Results$' | head -n1)
# OK is ignored for a second after the results come up.
sleep 1.5
import -window "$results" "$build/smoke-results.png"
xdotool windowfocus "$results"
xdotool key Return
results_gone() { [ -z "$(visible '^Lettro Results$')" ]; }
wait_for 10 "the results window to close" results_gone
say "results closed"

# Close the main window as a window manager does: WM_DELETE_WINDOW, if it takes it.
"$python" - "$main" <<'EOF' || fail "could not ask the window to close"
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
exited() { ! kill -0 "$lettro_pid" 2>/dev/null; }
deadline=$((SECONDS + 20))
until exited; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the game did not exit after its window was closed"
    sleep 0.2
done
wait "$lettro_pid"
status=$?
lettro_pid=""
[ "$status" -eq 0 ] || fail "the game exited with status $status"
say "passed: the game exited with status 0; screenshots in $build/smoke-board.png and $build/smoke-results.png"
