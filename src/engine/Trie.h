// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary as a compact array trie: one 8-byte node per prefix, the children of a
// node stored side by side in letter order, nodes numbered breadth first (so the short,
// busy prefixes share a few cache lines). A child is found with one popcount.
#pragma once

#include "WordKey.h"

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine::detail {

struct TrieNode {
    std::uint32_t mask = 0;  // bits 0-25: children 'a'..'z'; bit 26: a word ends here
    std::uint32_t first = 0; // index of the first child
};

inline constexpr std::uint32_t kChildBits = (1u << 26) - 1;
inline constexpr std::uint32_t kTerminal = 1u << 26;
inline constexpr std::uint32_t kNoNode = 0xffffffffu;

class Trie {
public:
    Trie() : m_nodes(1) {}
    // `words` sorted and unique, each 1-16 letters a-z.
    static Trie build(const std::vector<WordKey>& words);
    static Trie fromNodes(std::vector<TrieNode> nodes) { Trie t; t.m_nodes = std::move(nodes); return t; }

    const std::vector<TrieNode>& nodes() const { return m_nodes; }
    std::size_t bytes() const { return m_nodes.capacity() * sizeof(TrieNode); }

    // The child of `node` for letter 0..25, or kNoNode.
    std::uint32_t child(std::uint32_t node, int letter) const
    {
        const std::uint32_t m = m_nodes[node].mask;
        const std::uint32_t bit = 1u << letter;
        if (!(m & bit))
            return kNoNode;
        return m_nodes[node].first + std::popcount(m & (bit - 1));
    }
    // The node reached by `prefix` (a-z only), or kNoNode.
    std::uint32_t find(std::string_view prefix) const;
    bool contains(std::string_view word) const
    {
        const std::uint32_t n = find(word);
        return n != kNoNode && (m_nodes[n].mask & kTerminal);
    }

    // Every word below `node` (whose own letters are `prefix`) in alphabetical order.
    template <class Visit>
    void forEachWord(std::uint32_t node, WordKey prefix, int depth, Visit&& visit) const
    {
        const TrieNode n = m_nodes[node];
        if (n.mask & kTerminal)
            visit(prefix);
        std::uint32_t children = n.mask & kChildBits;
        std::uint32_t child = n.first;
        while (children) {
            const int letter = std::countr_zero(children);
            children &= children - 1;
            forEachWord(child++, withChar(prefix, depth, static_cast<unsigned char>('a' + letter)),
                        depth + 1, visit);
        }
    }
    template <class Visit>
    void forEachWord(Visit&& visit) const { forEachWord(0, WordKey{}, 0, visit); }

    std::vector<WordKey> words(std::size_t expected = 0) const;

private:
    std::vector<TrieNode> m_nodes; // node 0 is the root
};

} // namespace engine::detail
