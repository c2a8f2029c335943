// The word box, the Enter/Last and Clear buttons, the word list and cube clicks.
#pragma once

struct App;

namespace WordEntry {

// The typing filter, run on every change of the word box: keeps the text in lower case
// and only as long as it can be traced on the board (refusing each other letter with
// the rejection sound), and shows the traced path on the cubes.
void NewWordChanged(App& app);

// Enters the word in the box into the list, newest first; on an empty box brings back
// the newest word ("Last"). Nothing while no game is running.
void EnterWord(App& app);

// Clear: takes the last letter off the box; the Qu cube's "qu" goes as one letter.
void RemoveLastLetter(App& app);

// Copies the selected word of the list back into the box and shows its path.
void RecallListedWord(App& app);

// "Last" when the box is empty and a word has been entered, otherwise "Enter".
void UpdateEnterCaption(App& app);

// A click on cube i (0-15): adds its letter when the longer word can be traced, or
// enters the word when the last clicked cube is clicked again.
void CubeClicked(App& app, int i);

} // namespace WordEntry
