// SPDX-License-Identifier: GPL-3.0-or-later
// The player's progress over time: every finished single-player game (boards of the day
// included) kept in an SQLite database in the user's data folder, read back with filters,
// and the streaks of days on which the board of the day was played.
//
// Safe with several copies of Lettro: the database is in WAL mode and a writer waits
// for another's write; each game is one transaction, so a copy killed while it writes
// loses at most that game. A damaged database is said once, kept aside as
// <file>.damaged and replaced; one in use for too long is said once and its games wait
// in memory for the next write.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct Program;

namespace Progress {

inline constexpr const char* kFileName = "Progress.sqlite";
inline constexpr int kBusyMilliseconds = 5000;

// One finished game.
struct GameRecord {
    std::string Played;    // local date and time, yyyy-mm-ddThh:mm:ss
    std::string Language;  // the board language's code
    int GameMode = 0;      // single player; network play is against computer players
    int GameType = 0;
    int TimeLimit = 180;
    int MinWordSize = 3;
    bool RepeatLetters = false;
    std::string DailyDate; // the day whose board of the day this was; "" for others
    std::string BoardCode;
    int Points = 0, BoardPoints = 0;   // scored, and what the board's words were worth
    int WordsFound = 0, BoardWords = 0; // found, and the board's dictionary words
    // By length 0 to 16 (the first entries unused): words found, and words the board held.
    std::array<int, 17> FoundByLength{}, BoardByLength{};
    std::string LongestWord, BestWord; // of the words found; "" when none was
    bool operator==(const GameRecord&) const = default;
};

// The game just evaluated, as it would be recorded.
GameRecord FinishedGame(const Program& program, const std::string& played);

// When the results of a single-player game close (once per game): records it, with any
// games an earlier attempt could not record.
void RecordFinishedGame(Program& program, const std::string& played);

// Writes the waiting games (`program.progress.Pending`); a trouble is said once per run.
// True when none is left waiting.
bool Flush(Program& program);

// Which games to read; an empty or absent field takes every game.
struct Filter {
    std::string Language{};
    std::optional<int> GameType{}, TimeLimit{}, MinWordSize{};
    std::optional<bool> RepeatLetters{};
    bool DailyOnly = false;
    std::string DailyDate{}; // the board of that day only
};
// The recorded games that pass the filter, oldest first; none when the file is unusable.
std::vector<GameRecord> ReadGames(Program& program, const Filter& filter = {});

struct Streaks {
    int Current = 0; // days in a row up to today, or up to yesterday while today is open
    int Longest = 0;
    bool operator==(const Streaks&) const = default;
};
// Streaks of days (yyyy-mm-dd, any order, repeats allowed) as of `today`.
Streaks DayStreaks(const std::vector<std::string>& days, const std::string& today);

} // namespace Progress
