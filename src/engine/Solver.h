// SPDX-License-Identifier: GPL-3.0-or-later
// Finds the words of a board by walking the board and the trie together.
#pragma once

#include "Trie.h"
#include "WordKey.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace engine::detail {

class Solver {
public:
    // A word as the search found it: its letters as text (past `length` the bytes are
    // leftovers), so handing it out is one copy.
    struct Word {
        char letters[kKeyLetters];
        std::uint8_t length;
    };

    // `board`: 16 letters a-z, 'q' for the Qu cube. Returns false (and finds nothing) for
    // any other text. The words are then available alphabetically through words().
    bool solve(const Trie& trie, std::string_view board, int minWordSize, int maxWordSize);

    const std::vector<Word>& words() const { return m_words; }
    std::size_t bytes() const { return m_words.capacity() * sizeof(Word); }

private:
    std::vector<Word> m_words;
};

} // namespace engine::detail
