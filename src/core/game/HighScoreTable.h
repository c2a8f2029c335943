// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score tables: the ten best single-player games of each game type and length,
// and the text file that keeps them. Pure: no files, no settings.
//
// The file: the line "Lettro high scores 1", then one line per row, its fields separated
// by tabs: game type (0 Standard, 1 Frantic, 2 the board of the day), game length in
// seconds (0 for Frantic, 180 for the board of the day),
// points, words found, percent of the board's words found, date (yyyy-mm-dd), name.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace HighScores {

// Which table a game enters. A Frantic game makes its own length, so every Frantic game
// shares one table whatever the time setting.
struct Key {
    int GameType = 0;
    int Seconds = 0;
    auto operator<=>(const Key&) const = default;
};

struct Row {
    std::string Name;
    std::string Date; // yyyy-mm-dd
    int Points = 0;
    int Words = 0;
    int Percent = 0; // of the board's dictionary words
    bool operator==(const Row&) const = default;
};

using Table = std::map<Key, std::vector<Row>>;

// The board of the day's own table: a new board each day, always Standard for 3:00.
inline constexpr Key kBoardOfTheDay{2, 180};

inline constexpr std::size_t kRowsPerKey = 10;
inline constexpr const char* kHeader = "Lettro high scores";
inline constexpr int kVersion = 1;

Key KeyFor(int gameType, int timeLimit);
// A key a game can have: a known type, and one of the offered lengths for Standard.
bool IsKey(const Key& key);
// "Standard 3:00", "Frantic", "Board of the Day".
std::string KeyText(const Key& key);

// Whether `a` ranks above `b`: more points, then more words, then the earlier date.
bool RanksAbove(const Row& a, const Row& b);
// The place `row` would take in its key's table, below every row that ranks as high (0 at
// the top), or -1 when it would not make the ten.
int Place(const Table& table, const Key& key, const Row& row);
// Puts `row` at its place and keeps the best ten. Its place, or -1 as above.
int Insert(Table& table, const Key& key, const Row& row);

// A name the file can hold: line breaks, tabs and other invisible characters become
// single spaces or go, the ends are trimmed, at most kNameLength characters are kept.
inline constexpr int kNameLength = 40;
std::string CleanName(const std::string& name);

std::string Serialize(const Table& table);

struct ParseResult {
    Table table;
    std::string error; // why the text is unusable, for the user; empty when it is fine
};
// Reads a file's text; a damaged text gives no rows at all, never a part of them.
ParseResult Parse(const std::string& text);

} // namespace HighScores
