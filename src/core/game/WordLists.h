// Word lists of a game: lookups shared by word entry and the evaluation.
#pragma once

#include "core/game/Program.h"

#include <string>

namespace WordLists {

// Whether `word` is one of the board's dictionary words (exact comparison).
bool IsBoardWord(const Words& boardWords, const std::string& word);

} // namespace WordLists
