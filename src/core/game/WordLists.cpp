#include "WordLists.h"

#include <algorithm>

namespace WordLists {

bool IsBoardWord(const Words& boardWords, const std::string& word)
{
    return std::find(boardWords.begin(), boardWords.end(), word) != boardWords.end();
}

} // namespace WordLists
