// SPDX-License-Identifier: GPL-3.0-or-later
// Word entry without windows: the word box, Enter/Last, Clear, the turn's word list and
// cube clicks. The main window mirrors `program.entry` and the cubes' wanted looks.
#pragma once

#include <QString>

struct Program;

namespace WordEntry {

// The typing filter, run on every change of the word box to `text`: keeps the text in
// lower case and only as long as it can be traced on the board (refusing each other
// letter with the rejection sound), and shows the traced path on the cubes.
void NewWordChanged(Program& program, const QString& text);

// Enters the word in the box into the list, newest first; on an empty box brings back
// the newest word ("Last"). Nothing while no game is running.
void EnterWord(Program& program);

// Clear: takes the last letter off the box; the Qu cube's "qu" goes as one letter.
void RemoveLastLetter(Program& program);

// Copies the word in row `row` of the list back into the box and shows its path.
void RecallListedWord(Program& program, int row);

// A click on cube i (0-15): adds its letter when the longer word can be traced, or
// enters the word when the last clicked cube is clicked again.
void CubeClicked(Program& program, int i);

// A drag across cubes reached cube i (the pressed cube first, as the drag leaves it): adds
// it as a click would, unless the word already ends there, so that a drag goes on from
// the word's last cube rather than entering the word.
void CubeDragged(Program& program, int i);

// The end of a drag across cubes, over cube i: enters the word when i is the word's last
// cube on the board, as clicking it again would (with repeat letters too).
void CubeDragReleased(Program& program, int i);

// The Enter button's caption: "Last" when the box is empty and a word has been
// entered, otherwise "Enter".
QString EnterCaption(const Program& program);

// During play, the points and count of the list's board words (the ones not struck
// through): "Score so far: 5 points (2 words)"; "" while no game runs.
QString ScoreSoFarText(const Program& program);

// Empties the box, the list and the clicked path for a fresh turn.
void ClearEntry(Program& program);

} // namespace WordEntry
