// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game without windows: sorting words, finding unused and common words,
// scores, the result texts, the results window's list codes and its score table.
#pragma once

#include "core/game/Program.h"

#include <string>
#include <vector>

namespace Scoring {

// The list codes of the results window's selectors.
enum ListCode {
    AllBoardWords = 0,
    Unused = 1,
    Common = 2,
    ScoreTable = 3,
    DefinedBase = 100,   // + player index
    UndefinedBase = 200, // + player index
};

// Puts `word` at the end of `list`.
void AppendWord(Words& list, const std::string& word);
// Removes the first `word` from `list`; nothing happens when it is absent.
void RemoveWord(Words& list, const std::string& word);
bool Contains(const Words& list, const std::string& word);

// Points for one word by its length in characters ("qu" counts as two).
int ScoreForWord(const std::string& word);
int ScoreForWords(const Words& words);

// The integer part of 100 * part / whole; 0 when whole is not positive.
int Percent(long long part, long long whole);

// Name of network player i, or "" for an index the table does not hold.
std::string PlayerName(const GameState& game, int i);

// Sizes the per-player lists for `game.PlayerCount` players.
void SizeForPlayers(const GameState& game, Evaluation& eval);

// Sorts every player's words into board words (defined) and the rest (undefined).
void ClassifyWords(const GameState& game, const Words& boardWords, Evaluation& eval);

// Board words nobody entered become unused; board words two or more players entered
// become common and leave every finder's defined list.
void FindUnusedAndCommon(const GameState& game, const Words& boardWords, Evaluation& eval);

// The three result lines of the results window.
struct ResultTexts {
    std::string Words;
    std::string Score;
    std::string BadWords;
};

// Computes `eval.PlayerScores` (two-player and network games) and the result lines.
ResultTexts ScoreTexts(const GameState& game, const Words& boardWords, Evaluation& eval);

std::vector<SelectorItem> UserSelectorItems(const GameState& game);
std::vector<SelectorItem> DictSelectorItems(const GameState& game);

// The word list a code names; nullptr for the score table and unknown codes.
const Words* ListForCode(const Words& boardWords, const Evaluation& eval, int code);

// The points shown beside a word of the list with this code: what the word scores there.
// Undefined words and, in games of several players, common words score nothing.
int ListedWordPoints(int code, const std::string& word);

// A score table row of 15 characters: "TOTAL:       42".
std::string FormatScoreRow(const std::string& label, int number);

// The score table by player: each player's score, words and undefined words, then the
// COMMON, UNUSED and TOTAL word counts. -1 marks a cell the row does not have.
struct ScoreGridRow {
    std::string label;
    int score = -1;
    int words = -1;
    int undefined = -1;
    bool operator==(const ScoreGridRow&) const = default;
};
std::vector<ScoreGridRow> ScoreTableGrid(const GameState& game, const Words& boardWords,
                                         const Evaluation& eval);

// Every row of the score table as text, top to bottom: the grid's columns one under another.
std::vector<std::string> ScoreTableRows(const GameState& game, const Words& boardWords,
                                        const Evaluation& eval);

// The board's words of one length: how many the player found, how many there are, and
// what each scores.
struct LengthRow {
    int length = 0;
    int found = 0;
    int there = 0;
    int points = 0;
    bool operator==(const LengthRow&) const = default;
};
// One row per length the board has words of, shortest first; a found word that is not
// among the board words counts nowhere.
std::vector<LengthRow> WordsByLength(const Words& boardWords, const Words& found);

} // namespace Scoring
