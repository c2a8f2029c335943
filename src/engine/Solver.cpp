#include "Solver.h"

#include <algorithm>
#include <bit>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define LETTRO_POPCNT_DISPATCH 1
#define LETTRO_ALWAYS_INLINE inline __attribute__((always_inline))
#else
#define LETTRO_POPCNT_DISPATCH 0
#define LETTRO_ALWAYS_INLINE inline
#endif

namespace engine::detail {

namespace {

constexpr int kQ = 'q' - 'a';
constexpr std::uint32_t kUBit = 1u << ('u' - 'a');

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

// Counting bits is the search's commonest step. The plain build must run on any x86-64,
// so the POPCNT instruction is only used where the processor has it (see solve()).
struct PortablePopcount {
    LETTRO_ALWAYS_INLINE int operator()(std::uint32_t x) const
    {
        x = x - ((x >> 1) & 0x55555555u);
        x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
        x = (x + (x >> 4)) & 0x0F0F0F0Fu;
        return static_cast<int>((x * 0x01010101u) >> 24);
    }
};

#if LETTRO_POPCNT_DISPATCH
struct HardwarePopcount {
    LETTRO_ALWAYS_INLINE int operator()(std::uint32_t x) const { return __builtin_popcount(x); }
};
#endif

struct Found {
    std::vector<WordKey>& words;
    std::vector<std::uint32_t>& nodes;
    std::uint64_t* seen;
};

// One step of the walk: the cubes taken so far and what is left to try from there.
struct Frame {
    std::uint32_t mask;    // the trie node reached
    std::uint32_t first;   // its first child
    std::uint32_t letters; // child letters still to try that lie next to the last cube
    std::uint32_t cubes;   // cubes still to try for the current letter
    std::uint32_t child;   // trie node of the current letter
    std::uint32_t free;    // cubes next to the last cube and not yet used
    std::uint32_t used;
    int length;            // letters so far (Qu counts two)
    int nextLength;        // letters once the current letter is added
};

// Depth-first over cubes without recursion, so the whole walk is one function that can be
// built for the processor's bit counting. Only letters that are both among the node's
// children and next to the current cube are ever looked at.
template <class Popcount>
LETTRO_ALWAYS_INLINE void searchBoard(const Solver::Board& b, Found& found)
{
    const Popcount popcount;
    const TrieNode* nodes = b.nodes;
    char path[kKeyLetters + 16] = {};
    Frame stack[kKeyLetters + 2];
    Frame* f = stack;
    *f = {nodes[0].mask, nodes[0].first, nodes[0].mask & b.allLetters, 0, 0, 0xffffu, 0, 0, 0};

    for (;;) {
        if (!f->cubes) {
            if (!f->letters) {
                if (f == stack)
                    break;
                --f;
                continue;
            }
            const std::uint32_t bit = f->letters & (0u - f->letters);
            f->letters ^= bit;
            const int letter = std::countr_zero(bit);
            const std::uint32_t cubes = b.cubesWithLetter[letter] & f->free;
            if (!cubes)
                continue;
            std::uint32_t child = f->first + popcount(f->mask & (bit - 1));
            int next = f->length + 1;
            path[f->length] = static_cast<char>('a' + letter);
            if (letter == kQ) {
                // The Qu cube: through 'q' on to its 'u'.
                const TrieNode q = nodes[child];
                if (!(q.mask & kUBit) || next + 1 > b.maxLength)
                    continue;
                child = q.first + popcount(q.mask & (kUBit - 1));
                path[f->length + 1] = 'u';
                ++next;
            }
            f->cubes = cubes;
            f->child = child;
            f->nextLength = next;
        }

        const int pos = std::countr_zero(f->cubes);
        f->cubes &= f->cubes - 1;
        const TrieNode node = nodes[f->child];
        const int length = f->nextLength;
        if ((node.mask & kTerminal) && length >= b.minLength) {
            std::uint64_t& seen = found.seen[f->child >> 6];
            const std::uint64_t seenBit = std::uint64_t(1) << (f->child & 63);
            if (!(seen & seenBit)) {
                seen |= seenBit;
                found.nodes.push_back(f->child);
                found.words.push_back(prefixKey(path, length));
            }
        }
        if (length >= b.maxLength)
            continue;
        const std::uint32_t letters = node.mask & b.neighbourLetters[pos];
        if (!letters)
            continue;
        // A step with nothing left to try is not kept: its slot takes the next step.
        Frame* g = f + ((f->cubes | f->letters) != 0);
        g->mask = node.mask;
        g->first = node.first;
        g->letters = letters;
        g->cubes = 0;
        g->used = f->used | (1u << pos);
        g->free = kNeighbours[pos] & ~g->used;
        g->length = length;
        f = g;
    }
}

void searchPortable(const Solver::Board& b, Found& found)
{
    searchBoard<PortablePopcount>(b, found);
}

#if LETTRO_POPCNT_DISPATCH
__attribute__((target("popcnt"))) void searchWithPopcnt(const Solver::Board& b, Found& found)
{
    searchBoard<HardwarePopcount>(b, found);
}

bool hasPopcnt()
{
    static const bool has = __builtin_cpu_supports("popcnt");
    return has;
}
#endif

} // namespace

bool Solver::solve(const Trie& trie, std::string_view board, int minWordSize, int maxWordSize)
{
    m_words.clear();
    if (board.size() != 16 || !std::all_of(board.begin(), board.end(),
                                           [](char c) { return c >= 'a' && c <= 'z'; }))
        return false;

    const auto& nodes = trie.nodes();
    const std::size_t seenWords = (nodes.size() + 63) / 64;
    if (m_seen.size() != seenWords)
        m_seen.assign(seenWords, 0);

    Board b;
    b.nodes = nodes.data();
    b.minLength = minWordSize;
    b.maxLength = std::min(maxWordSize, kKeyLetters);
    b.cubesWithLetter.fill(0);
    b.allLetters = 0;
    std::array<std::uint32_t, 16> letterBit{};
    for (int p = 0; p < 16; ++p) {
        const int letter = board[static_cast<std::size_t>(p)] - 'a';
        letterBit[p] = 1u << letter;
        b.cubesWithLetter[letter] |= 1u << p;
        b.allLetters |= letterBit[p];
    }
    for (int p = 0; p < 16; ++p) {
        std::uint32_t letters = 0;
        for (std::uint32_t n = kNeighbours[p]; n; n &= n - 1)
            letters |= letterBit[std::countr_zero(n)];
        b.neighbourLetters[p] = letters;
    }

    m_foundNodes.clear();
    Found found{m_words, m_foundNodes, m_seen.data()};
#if LETTRO_POPCNT_DISPATCH
    if (hasPopcnt())
        searchWithPopcnt(b, found);
    else
#endif
        searchPortable(b, found);

    for (const std::uint32_t node : m_foundNodes)
        m_seen[node >> 6] = 0;
    std::sort(m_words.begin(), m_words.end());
    return true;
}

} // namespace engine::detail
