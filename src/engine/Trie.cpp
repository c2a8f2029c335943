// SPDX-License-Identifier: GPL-3.0-or-later
#include "Trie.h"

namespace engine::detail {

Trie Trie::build(const std::vector<WordKey>& words)
{
    // Breadth first, one level at a time: every node owns the run of words that share its
    // prefix, and its children are appended in letter order as the runs split.
    struct Run {
        std::uint32_t begin, end;
    };
    Trie trie;
    std::vector<Run> runs;
    runs.push_back({0, static_cast<std::uint32_t>(words.size())});
    trie.m_nodes.reserve(words.size() * 5 / 2 + 1);

    std::size_t levelBegin = 0;
    for (int depth = 0; levelBegin < trie.m_nodes.size(); ++depth) {
        const std::size_t levelEnd = trie.m_nodes.size();
        for (std::size_t i = levelBegin; i < levelEnd; ++i) {
            auto [begin, end] = runs[i];
            std::uint32_t mask = 0;
            // Sorted, so the word that is exactly this prefix comes first.
            if (begin < end && keyChar(words[begin], depth) == 0) {
                mask |= kTerminal;
                ++begin;
            }
            const auto first = static_cast<std::uint32_t>(trie.m_nodes.size());
            while (begin < end) {
                const unsigned char c = keyChar(words[begin], depth);
                std::uint32_t stop = begin + 1;
                while (stop < end && keyChar(words[stop], depth) == c)
                    ++stop;
                mask |= 1u << (c - 'a');
                trie.m_nodes.push_back({});
                runs.push_back({begin, stop});
                begin = stop;
            }
            trie.m_nodes[i] = {mask, (mask & kChildBits) ? first : 0};
        }
        levelBegin = levelEnd;
    }
    trie.m_nodes.shrink_to_fit();
    return trie;
}

std::uint32_t Trie::find(std::string_view prefix) const
{
    std::uint32_t node = 0;
    for (const char ch : prefix) {
        if (ch < 'a' || ch > 'z')
            return kNoNode;
        node = child(node, ch - 'a');
        if (node == kNoNode)
            return kNoNode;
    }
    return node;
}

std::vector<WordKey> Trie::words(std::size_t expected) const
{
    std::vector<WordKey> out;
    out.reserve(expected);
    forEachWord([&](const WordKey& k) { out.push_back(k); });
    return out;
}

} // namespace engine::detail
