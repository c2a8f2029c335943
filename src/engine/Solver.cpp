#include "Solver.h"

#include <algorithm>
#include <bit>

namespace engine::detail {

namespace {

constexpr int kQ = 'q' - 'a';
constexpr int kU = 'u' - 'a';

constexpr std::array<std::uint32_t, 16> makeNeighbours()
{
    std::array<std::uint32_t, 16> n{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int dr = -1; dr <= 1; ++dr)
                for (int dc = -1; dc <= 1; ++dc) {
                    const int rr = r + dr, cc = c + dc;
                    if ((dr || dc) && rr >= 0 && rr < 4 && cc >= 0 && cc < 4)
                        n[r * 4 + c] |= 1u << (rr * 4 + cc);
                }
    return n;
}
constexpr std::array<std::uint32_t, 16> kNeighbours = makeNeighbours();

} // namespace

bool Solver::solve(const Trie& trie, std::string_view board, int minWordSize, int maxWordSize)
{
    m_words.clear();
    if (board.size() != 16 || !std::all_of(board.begin(), board.end(),
                                           [](char c) { return c >= 'a' && c <= 'z'; }))
        return false;

    const auto& nodes = trie.nodes();
    m_nodes = nodes.data();
    m_min = minWordSize;
    m_max = std::min(maxWordSize, kKeyLetters);
    const std::size_t seenWords = (nodes.size() + 63) / 64;
    if (m_seen.size() != seenWords)
        m_seen.assign(seenWords, 0);

    m_cubesWithLetter.fill(0);
    for (int p = 0; p < 16; ++p) {
        m_letter[p] = static_cast<std::uint8_t>(board[p] - 'a');
        m_cubesWithLetter[m_letter[p]] |= 1u << p;
    }
    for (int p = 0; p < 16; ++p) {
        std::uint32_t letters = 0;
        for (std::uint32_t n = kNeighbours[p]; n; n &= n - 1)
            letters |= 1u << m_letter[std::countr_zero(n)];
        m_neighbourLetters[p] = letters;
    }

    m_foundNodes.clear();
    const TrieNode root = m_nodes[0];
    for (int p = 0; p < 16; ++p) {
        const int letter = m_letter[p];
        const std::uint32_t bit = 1u << letter;
        if (!(root.mask & bit))
            continue;
        std::uint32_t child = root.first + std::popcount(root.mask & (bit - 1));
        int length = 1;
        m_path[0] = static_cast<char>('a' + letter);
        if (letter == kQ) {
            const TrieNode q = m_nodes[child];
            const std::uint32_t u = 1u << kU;
            if (!(q.mask & u))
                continue;
            child = q.first + std::popcount(q.mask & (u - 1));
            m_path[1] = 'u';
            length = 2;
        }
        if (length <= m_max)
            search(child, p, 1u << p, length);
    }

    for (const std::uint32_t node : m_foundNodes)
        m_seen[node >> 6] = 0;
    std::sort(m_words.begin(), m_words.end());
    return true;
}

void Solver::record(std::uint32_t node, int length)
{
    std::uint64_t& seen = m_seen[node >> 6];
    const std::uint64_t bit = std::uint64_t(1) << (node & 63);
    if (seen & bit)
        return;
    seen |= bit;
    m_foundNodes.push_back(node);
    m_words.push_back(makeKey(m_path, static_cast<std::size_t>(length)));
}

// `node` is the trie node of the letters so far (m_path[0..length)), `pos` the cube just
// used. Rather than try all eight neighbours, only the letters both next to the cube and
// among the node's children are followed.
void Solver::search(std::uint32_t node, int pos, std::uint32_t used, int length)
{
    const TrieNode n = m_nodes[node];
    if ((n.mask & kTerminal) && length >= m_min)
        record(node, length);
    if (length >= m_max)
        return;
    std::uint32_t letters = n.mask & m_neighbourLetters[pos];
    const std::uint32_t free = kNeighbours[pos] & ~used;
    while (letters) {
        const int letter = std::countr_zero(letters);
        const std::uint32_t bit = letters & -letters;
        letters &= letters - 1;
        std::uint32_t cubes = m_cubesWithLetter[letter] & free;
        if (!cubes)
            continue;
        std::uint32_t child = n.first + std::popcount(n.mask & (bit - 1));
        int next = length + 1;
        m_path[length] = static_cast<char>('a' + letter);
        if (letter == kQ) {
            // The Qu cube: step through 'q' and then 'u'.
            const TrieNode q = m_nodes[child];
            const std::uint32_t u = 1u << kU;
            if (!(q.mask & u) || next + 1 > m_max)
                continue;
            child = q.first + std::popcount(q.mask & (u - 1));
            m_path[length + 1] = 'u';
            ++next;
        }
        while (cubes) {
            const int p = std::countr_zero(cubes);
            cubes &= cubes - 1;
            search(child, p, used | (1u << p), next);
        }
    }
}

} // namespace engine::detail
