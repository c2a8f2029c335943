// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game as the results window shows it: its selectors and the lists they
// choose, the result lines, the path of a clicked word, the dictionary corrections of a
// single-player game, and closing.
#pragma once

#include "core/game/Program.h"
#include "core/game/Scoring.h"

#include <chrono>
#include <string>

namespace Results {

using Clock = std::chrono::steady_clock;

// The two selectors: UserWordsCombo over UserWords, DictWordsCombo over DictWords.
enum class Selector { User, Dict };

// Sets the results up for the game just evaluated and opens them: the selectors' items
// for the game mode and their first choices, the result lines, no path; `now` starts the
// second in which OK is ignored.
void PrepareResults(Program& program, Clock::time_point now = Clock::now());

// Recomputes the scores and the three result lines from the current lists.
void ShowScores(Program& program);

const std::vector<SelectorItem>& SelectorItems(const Program& program, Selector selector);
int ChosenItem(const Program& program, Selector selector);
// Chooses item `item` of a selector; an index it does not have changes nothing.
void ChooseItem(Program& program, Selector selector, int item);
// The code of the chosen item, or -1 when the selector has none.
int ChosenCode(const Program& program, Selector selector);

// The rows the selector's list shows: the words of the list its code names, or the
// score table's rows.
Words ShownList(const Program& program, Selector selector);
// One row of a list as the window shows it: the word (or score table row) as it is, the
// points it scores there (-1 in the score table), and in "All Words" whether the player
// of that side found it.
struct ShownRow {
    std::string text;
    int points = -1;
    bool found = false;
    bool operator==(const ShownRow&) const = default;
};
std::vector<ShownRow> ShownRows(const Program& program, Selector selector);

// The user selected row `row` of a selector's list (-1: none): its word becomes the
// list's selection and the path shows it. Choosing another item of a selector drops that
// list's selection, and a correction moves the selections as the lists change; the path
// always shows the last selected word that is still selected, or nothing.
void SelectRow(Program& program, Selector selector, int row);
// The selected row of the list, or -1.
int SelectedRow(const Program& program, Selector selector);

// Whether the score table stands in the place of DictWords.
bool ShowsScoreTable(const Program& program);
// Whether the dictionary corrections and the lists' titles show (single-player games).
bool CorrectionsShown(const Program& program);
// Whether "Add to Dictionary" shows: beside the player's undefined words only.
bool AddToDictShown(const Program& program);

// Adds the word in row `selectedRow` of the user list (-1: none selected) to the
// dictionary and moves it into the defined words. Returns the row to select next, or -1.
int AddToDict(Program& program, int selectedRow);
// Removes the word in row `selectedRow` of the dictionary list (-1: none) from the
// dictionary; a word of the player's moves into the undefined words.
void RemoveFromDict(Program& program, int selectedRow);

// Whether a correction can be undone: the last one made since these results opened.
bool CanUndoCorrection(const Program& program);
// Takes the last correction back: the word leaves or re-enters the dictionary and the lists
// and scores are as before it. False when there is none.
bool UndoCorrection(Program& program);

// The board's words by length, found counting the words of the player at this computer
// (of both players in a two-player game).
std::vector<Scoring::LengthRow> LengthTable(const Program& program);
// The score table as the window's grid shows it.
std::vector<Scoring::ScoreGridRow> ScoreGrid(const Program& program);

// Puts the cubes of `word`'s path in order in `program.results.PathOrder` and marks them
// in `Path`; both empty when the word cannot be traced.
void ShowWordPath(Program& program, const std::string& word);

// OK: ignored within the first second after the results were prepared; otherwise closes
// them as ResultsWindowClosed does. True when closed.
bool CloseResults(Program& program, Clock::time_point now = Clock::now());
// Closing by the frame: always closes. The game is over; the lists stay until the next.
void ResultsWindowClosed(Program& program);

// Game > Last Results: the last game's results were closed, no game has started since
// and no network game is under way (its lobby holds the main window then).
bool LastResultsAvailable(const Program& program);
// Opens the last results again as they were left, without evaluating anything again; the
// corrections of a single-player game work as before while the options still ask for one.
// False when they are not available.
bool ReopenResults(Program& program, Clock::time_point now = Clock::now());

} // namespace Results
