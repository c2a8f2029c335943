// SPDX-License-Identifier: GPL-3.0-or-later
// The high scores of a run: the file they are kept in, entering a finished single-player
// game, the player's name, and the table the high-score window shows.
#pragma once

#include "core/game/HighScoreTable.h"

#include <string>
#include <vector>

struct Program;

namespace HighScores {

// The player's name is kept beside the game's settings, in a group of its own.
inline constexpr const char* kPlayerKey = "Software\\Penwick\\Lettro\\HighScores";
inline constexpr const char* kPlayerName = "PlayerName";
inline constexpr const char* kFileName = "HighScores.txt";

// Start-up: reads the file. A missing file is an empty table, silently; an unusable one
// is said once, kept aside as <file>.damaged (or .damaged-2, ...) and replaced by an
// empty table.
void LoadHighScores(Program& program);

// The table a game started with the options now set would enter.
Key CurrentKey(const Program& program);
// The row of the single-player game just evaluated, dated `date` (yyyy-mm-dd).
Row FinishedGameRow(const Program& program, const std::string& date);

// When the results of an evaluated single-player game close (once per game): a game
// that scored and makes its table's ten enters it, under the stored name or, the first
// time, a name asked for; the file is saved and the window opens on the new row.
void EnterFinishedGame(Program& program, const std::string& date);

// The window from the Game menu: the table of the current options.
void OpenHighScores(Program& program);
// The tables the window offers: every one with rows, the one shown and the board of the
// day's.
std::vector<Key> OfferedKeys(const Program& program);
void ShowKey(Program& program, const Key& key);
void CloseHighScores(Program& program);

// The stored name; "" before one was chosen.
std::string PlayerName(const Program& program);
// Asks for the name again (the stored one filled in); a name given is kept for the
// games to come. The rows already in keep the names they were entered with.
void ChangePlayerName(Program& program);
// The user's login name, offered the first time; "Player" when there is none.
std::string LoginName();

} // namespace HighScores
