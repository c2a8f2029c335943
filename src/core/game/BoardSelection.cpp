// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardSelection.h"

#include <charconv>

namespace BoardSelection {

bool MeetsLimit(const std::string& numWordsLimit, int wordCount)
{
    if (numWordsLimit.size() < 2 || (numWordsLimit[0] != '>' && numWordsLimit[0] != '<'))
        return wordCount > 0;
    int n = 0;
    const char* first = numWordsLimit.data() + 1;
    const char* last = numWordsLimit.data() + numWordsLimit.size();
    if (std::from_chars(first, last, n).ec != std::errc())
        return wordCount > 0;
    return numWordsLimit[0] == '>' ? wordCount > n : wordCount < n;
}

Choice ChooseBoard(const std::string& numWordsLimit, const std::function<std::string()>& shake,
                   const std::function<std::vector<std::string>(const std::string&)>& findWords)
{
    Choice choice;
    while (choice.shakes < kMaxShakes) {
        choice.board = shake();
        choice.words = findWords(choice.board);
        ++choice.shakes;
        if (MeetsLimit(numWordsLimit, static_cast<int>(choice.words.size())))
            break;
    }
    return choice;
}

} // namespace BoardSelection
