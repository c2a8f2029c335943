// SPDX-License-Identifier: GPL-3.0-or-later
// A single-player game against computer opponents: no network, the same board and clock
// for everyone, the computers finding their words over the game as the network computer
// players do, the results as a game of several players, and the record of such games.
#pragma once

#include "core/game/ComputerPlayer.h"

#include <QStringList>

#include <array>
#include <string>
#include <vector>

struct Program;

// The computers of the game being played and the record of games against them.
struct OpponentsState {
    ComputerPlayer::Level Level = ComputerPlayer::kDefaultLevel; // of this game's computers
    std::vector<std::vector<std::string>> ToFind; // per computer, in the order it finds them
    std::vector<std::size_t> Found;               // how many of those it found so far
    int Seconds = 0;                              // of play so far
    int Length = 180; // the game's time, over which they spread their words
    bool GameToRecord = false; // evaluated, not yet in the record (its results are open)
    struct Record {
        int Wins = 0, Losses = 0, Ties = 0;
        bool operator==(const Record&) const = default;
    };
    std::array<Record, ComputerPlayer::kLevels> Records{}; // by level
};

namespace Opponents {

inline constexpr int kMaxOpponents = 3;
// Stored record of level L: "RecordEasy" and so on, as "wins,losses,ties".
inline constexpr const char* kRecordPrefix = "Record";

// The name of computer `i` (0-based) of `count`: "Computer", or "Computer 2" when there are
// several. Short enough for the score table's name column; they all share one strength.
std::string ComputerName(int i, int count);

// At the start of a single-player game: the computers the options ask for join the
// person (index 0), each with its own words to find on this board.
void StartGame(Program& program);
// One second of play: each computer enters the words due by now.
void Tick(Program& program);
// `seconds` of play have gone by: each computer has entered the words due by then.
void CatchUp(Program& program, int seconds);
// The end of play: each computer's words as it entered them.
void CollectWords(Program& program);
// A dictionary correction changed the board words: everyone's lists and scores anew.
void Rescore(Program& program);
// The person's result against the computers, once per game, when its results close:
// win, loss or tie by the final scores, kept in the store.
void RecordFinishedGame(Program& program);
// Start-up: the stored record; anything unusable counts as nothing.
void LoadRecord(Program& program);

// During play, one line per computer: "Computer 2: 12 words". Empty otherwise.
QStringList PlayLines(const Program& program);
// The high-score window's lines: one per level that has games, or a note that there are none.
std::vector<std::string> RecordLines(const Program& program);

} // namespace Opponents
