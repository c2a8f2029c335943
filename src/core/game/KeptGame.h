// SPDX-License-Identifier: GPL-3.0-or-later
// A game kept across a quit: what a single-player, two-player or computer-opponent game
// needs to go on, the text file that holds it, and taking it up at the next start.
//
// The file: the line "Lettro kept game 1", then one line per item, its name and its
// values separated by tabs; "words" lines give a player's index and that player's words
// in the order they were entered.
#pragma once

#include "core/game/ComputerPlayer.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

struct Program;

namespace KeptGame {

inline constexpr const char* kFileName = "KeptGame.txt";
inline constexpr const char* kHeader = "Lettro kept game";
inline constexpr int kVersion = 1;

struct Snapshot {
    std::string Language;
    std::string Board;     // 16 letters, Q for the Qu cube
    bool Given = false;    // a board code or typed letters
    std::string DailyDate; // the board of that day; "" none
    int GameType = 0;
    int TimeLimit = 180; // the game's own, not one chosen for the next game during it
    int MinWordSize = 3;
    bool RepeatLetters = false;
    std::string NumWordsLimit = "-";
    int GameMode = 0;      // single-player or two-player
    int Turn = 0;          // the player on turn
    int TimeRemaining = 0; // of that player's turn
    int Computers = 0;
    ComputerPlayer::Level Level = ComputerPlayer::kDefaultLevel;
    int Seconds = 0; // of play so far, which the computers' words follow
    std::array<std::vector<std::string>, 2> PlayerWords; // the people's, in entry order
    bool operator==(const Snapshot&) const = default;
};

// The game being played, or nothing when there is none worth keeping (none running, a
// network game).
std::optional<Snapshot> Take(const Program& program);

std::string Serialize(const Snapshot& snapshot);

struct ParseResult {
    std::optional<Snapshot> snapshot;
    std::string error; // why the text is unusable, for the user; empty when it is fine
};
// Reads a file's text: anything out of place makes the whole file unusable.
ParseResult Parse(const std::string& text);

// Sets the game up as it was and hands it on paused, the board hidden behind "Hit OK when
// ready to resume."; the clock runs after OK. Words that are not on the board are dropped.
// False, and no game, when its language cannot be put in play.
bool Resume(Program& program, const Snapshot& snapshot);

// At a quit: the running game goes to the kept-game file (atomically); nothing when no
// game is worth keeping or no file is kept.
void KeepGame(Program& program);
// At start-up: a kept game is resumed and its file removed. A damaged file is said once,
// set aside as <file>.damaged and ignored.
void ResumeKeptGame(Program& program);

} // namespace KeptGame
