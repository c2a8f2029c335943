// SPDX-License-Identifier: GPL-3.0-or-later
// How a computer player plays a board: which words it finds, in which order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ComputerPlayer {

// The strengths a person chooses from, weakest first, and the one offered first.
enum class Level { Easy, Medium, Hard };
inline constexpr Level kDefaultLevel = Level::Medium;
inline constexpr int kLevels = 3;
// "Easy", "Medium", "Hard".
const char* LevelName(Level level);
// The strength (0 to 100) a level plays with.
int LevelStrength(Level level);
// The level of an index into the list of levels; out of range gives the default.
Level LevelAt(int index);

// The words a player of `strength` (0 to 100) finds among a board's dictionary words, in
// the order it finds them: more and longer words as the strength grows, short ones
// first; below 30 it also tries two long words cut short, which are seldom words. The same seed and
// board give the same words.
std::vector<std::string> WordsToFind(const std::vector<std::string>& boardWords, int strength,
                                     std::uint32_t seed, const std::string& board);

} // namespace ComputerPlayer
