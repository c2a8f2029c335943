// SPDX-License-Identifier: GPL-3.0-or-later
// Tracing a word across touching cubes, and marking the path that was found.
#pragma once

#include "core/game/Program.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace CheckCubes {

using Marks = std::array<std::array<bool, 4>, 4>;

// Sets every mark to false.
void ClearUsedCubes(Marks& usedCubes);

// The cube texts a word is matched by, in order: "qu" for "qu" and for a lone final
// "q", otherwise one character each.
std::vector<std::string> CubeTexts(std::string_view word);

// One depth-first search of a lower-case word on a board. Cubes are tried in
// row-major order and, from each cube, in the 3 by 3 block around it (top row first,
// left to right). Dead ends are remembered so that long words over repeated letters
// cannot make the search explode; the first path found, and every mark left behind,
// are those of the plain search.
class PathSearch {
public:
    // Without repeat letters, dead ends are remembered once the search has taken
    // `stepsBeforeMemo` steps; short searches are quicker without the table.
    PathSearch(const Dice::Grid& boardGrid, Marks& usedCubes, bool repeatLetters,
               std::string_view word, std::int64_t stepsBeforeMemo = 256);

    // True when the word can be traced. Afterwards the path found is marked; a word
    // whose first cube text is on no cube leaves the marks untouched.
    bool WordOnBoard();

    // How many cubes the search tried as a step of the path (for tests of its bounds).
    std::int64_t steps() const { return m_steps; }

    // After a search that found the word: the cubes of its path, first letter first, as
    // 4 * row + column, one per cube text (a cube used twice appears twice).
    const std::vector<int>& order() const { return m_order; }

private:
    // The recursive step: places cube text `piece` and those after it next to
    // (row, column), which is already on the path.
    bool FindPathFrom(int row, int column, std::size_t piece);
    bool isLast(std::size_t piece) const { return piece + 1 == m_pieces.size(); }
    bool failWithoutPath();

    const Dice::Grid& m_grid;
    Marks& m_used;
    bool m_repeat;
    std::vector<std::string> m_pieces;
    std::vector<std::uint16_t> m_cubes;   // per piece: the cubes showing its text
    std::vector<std::uint16_t> m_canRun;  // per piece: cubes from which the rest could run
    std::uint32_t m_path = 0;             // repeat letters off: the cubes on the path
    std::vector<int> m_order;             // per piece: its cube on the path found
    std::int64_t m_steps = 0;
    std::int64_t m_stepsBeforeMemo;
    // Repeat letters off: dead ends by (cube, cubes on the path), one bit each.
    std::vector<std::uint64_t> m_deadPaths;
    // Repeat letters on: for (piece, cube), 0 = not known to fail, otherwise the cubes
    // whose marks a failed try cleared, plus bit 16.
    std::vector<std::uint32_t> m_deadSteps;
    std::uint32_t m_cleared = 0; // cubes cleared by the failed tries of the current step
};

// Whether `word` (lower case) can be traced on the board; marks the path in UsedCubes and
// keeps it in order in PathOrder.
bool WordOnBoard(BoardState& board, bool repeatLetters, std::string_view word);
bool WordOnBoard(Program& program, std::string_view word);

} // namespace CheckCubes
