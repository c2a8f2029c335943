// Finds the words of a board by walking the board and the trie together.
#pragma once

#include "Trie.h"
#include "WordKey.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace engine::detail {

class Solver {
public:
    // `board`: 16 letters a-z, 'q' for the Qu cube. Returns false (and finds nothing) for
    // any other text. The words are then available alphabetically through words().
    bool solve(const Trie& trie, std::string_view board, int minWordSize, int maxWordSize);

    const std::vector<WordKey>& words() const { return m_words; }
    std::size_t bytes() const
    {
        return m_words.capacity() * sizeof(WordKey) + m_foundNodes.capacity() * 4
            + m_seen.capacity() * 8;
    }

private:
    void search(std::uint32_t node, int pos, std::uint32_t used, int length);
    void record(std::uint32_t node, int length);

    // Per solve.
    const TrieNode* m_nodes = nullptr;
    int m_min = 0;
    int m_max = 0;
    std::array<std::uint32_t, 26> m_cubesWithLetter{}; // bit per cube
    std::array<std::uint32_t, 16> m_neighbourLetters{}; // letters next to a cube
    std::array<std::uint8_t, 16> m_letter{};
    char m_path[kKeyLetters + 2] = {};

    std::vector<WordKey> m_words;
    std::vector<std::uint32_t> m_foundNodes;
    std::vector<std::uint64_t> m_seen; // one bit per trie node, cleared after each board
};

} // namespace engine::detail
