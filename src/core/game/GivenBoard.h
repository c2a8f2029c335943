// SPDX-License-Identifier: GPL-3.0-or-later
// Boards given rather than shaken: a board code or the letters of a physical board,
// played with the settings it names or only solved, and the board of the day.
#pragma once

#include "core/game/BoardCode.h"

#include <string>
#include <string_view>
#include <vector>

struct Program;
namespace engine {
class Engine;
}

namespace Given {

// The settings a board plays with when only its letters were given: the ones now set,
// in the board language now in play.
BoardCode::GivenBoard WithOwnSettings(const Program& program, const std::string& board);

// The code of the board set up last, with the settings it was played with.
std::string CurrentBoardCode(const Program& program);

// Sets the board up and starts it as a game of its settings, without the rules that
// choose a shaken board; the user's own settings are kept aside until the game's results
// close or another game starts. `dailyDate` (yyyy-mm-dd) marks the board of that day.
// False, and nothing started, in network play or when its language cannot be put in play.
bool PlayGivenBoard(Program& program, const BoardCode::GivenBoard& given,
                    const std::string& dailyDate = {});

// Readies a board that is not shaken (a given board, a kept game): the running game is
// dropped, the user's own settings are set aside, and `language` is put in play. False,
// with nothing changed for good, in network play, for a board that is not one, or when
// the language cannot be put in play.
bool SetAsideOwnSettings(Program& program, const std::string& board, const std::string& language);

// Puts back the settings a given board's game set aside; nothing when none are.
void RestoreOwnSettings(Program& program);

// The board of the day of `date` (yyyy-mm-dd) in a board language: the same on every
// machine, whatever its dictionary. Dice of the language, one shake of the game's
// generator seeded with the 32-bit FNV-1a hash of the text "yyyy-mm-dd xx" (the date, a
// space, the language's code), played Standard for 3:00, words of 3 letters or more, no
// repeated cubes.
BoardCode::GivenBoard BoardOfTheDay(const std::string& language, const std::string& date);
// Plays the board of the day of `date` in the chosen board language.
bool PlayBoardOfTheDay(Program& program, const std::string& date);

struct SolvedWord {
    std::string Word;
    std::vector<int> Path; // its cubes in order, 4 * row + column, as the results show it
    int Points = 0;
    bool operator==(const SolvedWord&) const = default;
};
// Every dictionary word on `board` (16 letters, Q for Qu) within the engine's word sizes,
// in the order and with the paths and points of the results' "All Words".
std::vector<SolvedWord> SolveBoard(engine::Engine& engine, std::string_view board,
                                   bool repeatLetters);

} // namespace Given
