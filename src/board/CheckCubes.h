// Tracing a word across touching cubes of the board.
#pragma once

#include "game/Program.h"

#include <string>

namespace CheckCubes {

// Whether the lower-case `word` can be traced on the board. After a success exactly the
// cubes of the first path found are marked in `board.UsedCubes`; when no cube holds the
// word's first cube text the marks stay as they were.
bool WordOnBoard(BoardState& board, bool repeatLetters, const std::string& word);

// Unmarks every cube.
void ClearUsedCubes(BoardState& board);

} // namespace CheckCubes
