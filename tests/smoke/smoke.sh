#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built game in a real X server (Xvfb), driven like a player would: Start is
# clicked, a word that lies on the board is typed and entered with Return, the window is
# made larger (the board must grow with it), the game is ended, the results are closed
# with OK, the name for the high scores is given and their window closed, the dictionary
# editor is opened from the keyboard, and the window is closed the way a window manager
# closes it. The game must exit with status 0. Pictures are kept beside the build:
# smoke-board.png (during play), smoke-board-path-*.png and smoke-board-refused.png (a
# word typed, dragged and refused), smoke-main-large.png (the larger window),
# smoke-results.png, smoke-high-scores.png and smoke-editor.png; then the results
# maximised (results-maximised.png) and, after a game against a computer, the score
# table (results-score-table.png); then a short game on a dark desktop:
# smoke-dark-board.png and smoke-dark-results.png; one in German at the smallest window
# (german-main.png, german-results.png); and a game closed in play that comes back paused
# at the next start (smoke-resume.png).
#
#   smoke.sh LETTRO SEED_BOARD BUILD_DIR
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb on this machine).
set -uo pipefail

lettro_built=$1
seed_board=$2
build=$3
seed=7
label=smoke
source "$(dirname "$0")/xsession.sh"
x_begin

# The program folder: the game reads Dictionary.dat and Lettro.htm from its own folder.
program=$work/program
mkdir -p "$program"
cp "$lettro_built" "$program/lettro" || fail "no game at $lettro_built"
cp "$build/Dictionary.dat" "$program/" || fail "no Dictionary.dat in $build"
cp "$build/Lettro.htm" "$program/" 2>/dev/null || true

# The board the seed gives, and the longest word on it.
mapfile -t board_lines < <("$seed_board" "$program/Dictionary.dat" "$seed")
[ -n "${board_lines[1]:-}" ] || fail "seed $seed gives a board without words"
board=${board_lines[0]}
word=${board_lines[1]}
say "seed $seed: board $board, typing \"$word\""

# The results window filling the screen: the board, the lists and the table of the
# board's words by length grow with it.
results_maximised() {
    xdotool windowmove "$results" 0 0 windowsize "$results" 100% 100%
    filled() { xdotool getwindowgeometry "$results" | grep -q 'Geometry: 10[0-9][0-9]x'; }
    wait_for 10 "the results window to fill the screen" filled
    sleep 1 # laid out anew
    picture "$results" "$build/results-maximised.png"
}

# A second game, against one computer: its results open on the score table.
results_score_table() {
    local conf=$work/config/Penwick/Lettro.conf
    if grep -q '^\[Default\]' "$conf"; then
        sed -i -e '/^ComputerOpponents=/d' -e '/^\[Default\]/a ComputerOpponents=1' "$conf"
    else
        printf '[Default]\nComputerOpponents=1\n' >>"$conf"
    fi
    start_lettro "$program/lettro" --seed "$seed"
    xdotool key ctrl+n
    sleep 1
    xdotool type --delay 60 "$word"
    xdotool key Return
    sleep 6 # the computer finds words meanwhile
    end_game " of the game against a computer"
    sleep 1
    picture "$results" "$build/results-score-table.png"
    close_window "$results"
    wait_for 10 "the results window to close" gone '^Lettro Results$'
    end_lettro
}

start_lettro "$program/lettro" --seed "$seed"
eval "$(xdotool getwindowgeometry --shell "$main")"
say "main window $main, ${WIDTH}x${HEIGHT}"

# Window coordinates of the fixed layout: the toolbar on top, then the central area
# (468 high). Without stored settings the word list is on the left, below the clock, and
# the board on the right; the regions below lie well inside each.
central_top=$((HEIGHT - 468))
list_row="230x40+16+$((central_top + 94))"
board_area="388x388+270+$((central_top + 16))"
import -window "$main" "$work/before.png"
click_start
board_drawn() {
    import -window "$main" "$work/started.png" 2>/dev/null &&
        [ "$(colours "$work/started.png" "$board_area")" -gt \
            "$(colours "$work/before.png" "$board_area")" ]
}
wait_for 15 "the board after clicking Start" board_drawn
say "the game runs"

empty_list_colours=$(colours "$work/started.png" "$list_row")
xdotool type --delay 60 "$word"
# The word's path lit on the board.
signature() { convert "$1" -crop "$board_area" +repage -format '%#' info:; }
path_lit() {
    import -window "$main" "$build/smoke-board.png" 2>/dev/null &&
        [ "$(signature "$build/smoke-board.png")" != "$(signature "$work/started.png")" ]
}
wait_for 10 "the path of \"$word\" on the board" path_lit
xdotool key Return
word_listed() {
    import -window "$main" "$work/entered.png" 2>/dev/null &&
        [ "$(colours "$work/entered.png" "$list_row")" -gt $((empty_list_colours + 4)) ]
}
wait_for 10 "\"$word\" in the word list" word_listed
say "\"$word\" entered"

# The path while a word is built: typed (arrows in order, the dead cubes dimmed), dragged
# across its cubes, and a refused letter (the box stays red). Pictures:
# smoke-board-path-typing.png, smoke-board-path-dragging.png, smoke-board-refused.png.
path_pictures() {
    local cubes=(${board_lines[2]}) i shot
    cube_at() { echo "$((270 + 97 * ($1 % 4) + 48)) $((central_top + 16 + 97 * ($1 / 4) + 48))"; }
    changed() { import -window "$main" "$shot" 2>/dev/null && [ "$(signature "$shot")" != "$(signature "$work/entered.png")" ]; }
    # Back on the board without a path.
    unlit() { import -window "$main" "$work/unlit.png" 2>/dev/null && [ "$(signature "$work/unlit.png")" = "$(signature "$work/entered.png")" ]; }
    shot=$build/smoke-board-path-typing.png
    xdotool type --delay 60 "${word:0:3}"
    wait_for 10 "the path of \"${word:0:3}\"" changed
    xdotool key BackSpace BackSpace BackSpace
    wait_for 10 "the typed path to go" unlit
    shot=$build/smoke-board-path-dragging.png
    xdotool mousemove --window "$main" $(cube_at "${cubes[0]}") mousedown 1
    for i in "${cubes[@]:1}"; do
        xdotool mousemove --window "$main" $(cube_at "$i")
        sleep 0.05
    done
    wait_for 10 "the dragged path" changed
    xdotool mouseup 1
    # The word went in (or was dropped, being in already).
    wait_for 10 "the dragged word to be entered" unlit
    local missing
    missing=$(tr -d "$(tr '[:upper:]' '[:lower:]' <<<"$board")" <<<"zxjkvwyfbpqmgh" | head -c1)
    xdotool type --delay 60 "${word:0:2}$missing"
    red() {
        import -window "$main" "$build/smoke-board-refused.png" 2>/dev/null &&
            [ "$(convert "$build/smoke-board-refused.png" -fill black +opaque "rgb(198,40,40)" \
                -fill white -opaque "rgb(198,40,40)" -format '%[fx:int(mean*w*h)]' info:)" -gt 2000 ]
    }
    wait_for 10 "the word box red after \"$missing\"" red
    xdotool key BackSpace BackSpace
    say "the path shown typed and dragged; \"$missing\" refused in red"
}
path_pictures

# A larger window: the cubes grow with it. The board's size is the box round its wooden
# frame, the thin text of the same brown worn away first.
board_width() {
    local box
    box=$(convert "$1" -fuzz 8% -fill "#ff00ff" -opaque "rgb(105,65,38)" -fill black \
        +opaque "#ff00ff" -fill white -opaque "#ff00ff" -morphology Erode Square:2 \
        -format '%@' info:)
    echo "${box%%x*}"
}
small=$(board_width "$build/smoke-board.png")
xdotool windowsize "$main" 1000 740
board_grown() {
    import -window "$main" "$work/large.png" 2>/dev/null &&
        [ "$(board_width "$work/large.png")" -ge $((small * 5 / 4)) ]
}
wait_for 10 "the board to grow with the window (it was $small wide)" board_grown
cp "$work/large.png" "$build/smoke-main-large.png"
say "the board grew from $small to $(board_width "$work/large.png") wide"

end_game ""
picture "$results" "$build/smoke-results.png"
results_maximised
# OK is ignored for a second after the results come up: pressed until it is taken. The
# first game that scores enters the empty high-score table: the name is asked (the login
# name offered), then the table shows.
press_ok() {
    shown '^New High Score$' || { xdotool windowfocus "$results" key Return; false; }
}
wait_for 10 "the player's name to be asked" press_ok
xdotool windowfocus "$(visible '^New High Score$' | head -n1)"
xdotool key Return
wait_for 10 "the results window to close" gone '^Lettro Results$'
say "results closed"
wait_for 10 "the high-score window" shown '^Lettro High Scores$'
high_scores=$(visible '^Lettro High Scores$' | head -n1)
picture "$high_scores" "$build/smoke-high-scores.png"
xdotool windowfocus "$high_scores"
xdotool key Escape
wait_for 10 "the high-score window to close" gone '^Lettro High Scores$'
scores=$work/home/.local/share/Penwick/Lettro/HighScores.txt
[ "$(head -n1 "$scores" 2>/dev/null)" = "Lettro high scores 1" ] && [ "$(wc -l <"$scores")" -eq 2 ] ||
    fail "no high-score file with the game's row at $scores"
say "the game entered the high scores: $(tail -n1 "$scores" | tr '\t' ' ')"

open_editor
cp "$work/editor.png" "$build/smoke-editor.png"
close_window "$editor"
wait_for 10 "the dictionary editor to close" gone '^Lettro Dictionary$'
say "the dictionary editor opened from the keyboard and closed"

end_lettro
results_score_table

# A second short game on a dark desktop, as a GNOME user with a dark theme has it: Qt
# takes the GTK theme's colours. Pictures: smoke-dark-board.png, smoke-dark-results.png.
dark_pass() {
    # Fresh settings, so that the window comes up at the size the regions above assume.
    mv "$work/home" "$work/home-light" && mv "$work/config" "$work/config-light" || fail "no settings folders"
    start_lettro env QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark "$program/lettro" --seed "$seed"
    import -window "$main" "$work/before.png"
    # A dark word list, or the desktop's theme did not reach the game.
    local mean
    mean=$(convert "$work/before.png" -crop "$list_row" -colorspace Gray -format '%[fx:int(100*mean)]' info:)
    [ "$mean" -lt 40 ] || fail "no dark palette (list at $mean% brightness): is qt6-gtk-platformtheme installed?"
    click_start
    wait_for 15 "the board after clicking Start on the dark desktop" board_drawn
    cp "$build/smoke-board.png" "$work/light-board.png"
    xdotool type --delay 60 "$word"
    wait_for 10 "the path of \"$word\" on the dark desktop" path_lit
    mv "$build/smoke-board.png" "$build/smoke-dark-board.png"
    mv "$work/light-board.png" "$build/smoke-board.png" # path_lit's picture, kept above
    xdotool key Return
    end_game " on the dark desktop"
    picture "$results" "$build/smoke-dark-results.png"
    # The way out was checked above: the clean-up ends this game.
    say "the dark desktop's pictures taken (brightness $mean%)"
}
dark_pass
stop_lettro

# The same game in German, the longest of the interface languages, with the main window at
# its smallest: german-main.png during play and german-results.png, for a look at texts
# that might be cut off. Its windows are told apart by being new, not by their titles.
start_lettro "$program/lettro" --seed "$seed" --ui-language de
# No window manager here to hold the window to its minimum size: it is read from the hints.
read -r min_width min_height < <(xprop -id "$main" WM_NORMAL_HINTS |
    sed -n 's/.*minimum size: \([0-9]*\) by \([0-9]*\).*/\1 \2/p')
xdotool windowsize "$main" "${min_width:?no minimum size}" "$min_height"
sleep 0.5
lettro_windows() { xdotool search --onlyvisible --pid "$lettro_pid" 2>/dev/null | sort; }
new_window() { comm -13 <(echo "$1") <(lettro_windows) | head -n1; }
before=$(lettro_windows)
click_start
sleep 1
xdotool windowfocus "$main" type "$word"
xdotool key Return
picture "$main" "$build/german-main.png"
xdotool key ctrl+e
results_up() { [ -n "$(new_window "$before")" ]; }
wait_for 15 "the results window in German" results_up
picture "$(new_window "$before")" "$build/german-results.png"
stop_lettro

# A game whose window is closed in play comes back at the next start, paused behind
# "Hit OK when ready to resume." with its board hidden: smoke-resume.png.
kept=$work/home/.local/share/Penwick/Lettro/KeptGame.txt
start_lettro "$program/lettro" --seed "$seed"
click_start
sleep 1
xdotool windowfocus "$main" type "$word"
xdotool key Return
end_lettro
[ -s "$kept" ] || fail "no kept game after the window was closed in play"
start_lettro "$program/lettro" --seed "$seed"
wait_for 15 "the kept game's pause" shown '^Game paused$'
box_drawn() { import -window "$(visible '^Game paused$')" "$work/box.png" 2>/dev/null && [ "$(colours "$work/box.png" 200x40+0+0)" -gt 4 ]; }
wait_for 10 "the pause box drawn" box_drawn
# From the screen, as the box is a window of its own over the main window.
eval "$(xdotool getwindowgeometry --shell "$main")"
import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$build/smoke-resume.png"
take_up() { gone '^Game paused$' || { xdotool windowfocus "$(visible '^Game paused$')" key Return; false; }; }
wait_for 10 "the kept game to be taken up" take_up
[ ! -e "$kept" ] || fail "the kept game is still there once taken up"
stop_lettro
say "passed: the game exited with status 0; pictures in $build/smoke-*.png and german-*.png"
