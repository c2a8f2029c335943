// SPDX-License-Identifier: GPL-3.0-or-later
#include "Solver.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

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
constexpr std::uint32_t kAllCubes = 0xffffu;

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

// The cubes next to any of `cubes`: bit r * 4 + c is row r, column c, so a step sideways
// is a shift by one that must not wrap into the next row, a step up or down a shift by four.
constexpr std::uint32_t cubesAround(std::uint32_t cubes)
{
    const std::uint32_t sideways = ((cubes << 1) & 0xeeeeu) | ((cubes >> 1) & 0x7777u);
    const std::uint32_t rows = cubes | sideways;
    return (sideways | (rows << 4) | (rows >> 4)) & kAllCubes;
}

static_assert([] {
    for (int p = 0; p < 16; ++p)
        if (cubesAround(1u << p) != kNeighbours[p])
            return false;
    return true;
}());

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

// What one search needs, laid out for the search loop.
struct Board {
    const TrieNode* nodes;
    int minLength;
    int maxLength;
    std::array<std::uint32_t, 26> cubesWithLetter; // bit per cube
    // The letters on any set of cubes of one row, by row and the row's four bits.
    std::array<std::array<std::uint32_t, 16>, 4> lettersInRow;

    std::uint32_t lettersOn(std::uint32_t cubes) const
    {
        return lettersInRow[0][cubes & 15] | lettersInRow[1][(cubes >> 4) & 15]
            | lettersInRow[2][(cubes >> 8) & 15] | lettersInRow[3][cubes >> 12];
    }
};

// Whether some path of distinct cubes ends on one of ends[0], ends[1], ... ends[count - 1]
// in turn, each next to the one before. The sets are nearly always small, so a plain
// depth-first try is quick; a board of few letters could make it follow a great many
// paths, so past a budget of steps the ways are followed together, merged as they meet.
bool traceByPaths(const std::uint32_t* ends, int count, int at, std::uint32_t from,
                  std::uint32_t used, int& budget)
{
    for (std::uint32_t cubes = ends[at] & kNeighbours[from] & ~used; cubes; cubes &= cubes - 1) {
        if (--budget < 0)
            return false;
        const int cube = std::countr_zero(cubes);
        if (at + 1 == count
            || traceByPaths(ends, count, at + 1, static_cast<std::uint32_t>(cube),
                            used | (1u << cube), budget))
            return true;
    }
    return false;
}

bool traceByWays(const std::uint32_t* ends, int count)
{
    // A way: the cubes used (bits 0-15) and the last cube (bits 16-19). Only odd boards
    // come here, so the scratch is not kept.
    std::vector<std::uint32_t> ways;
    std::vector<std::uint32_t> next;
    for (std::uint32_t cubes = ends[0]; cubes; cubes &= cubes - 1) {
        const auto cube = static_cast<std::uint32_t>(std::countr_zero(cubes));
        ways.push_back((1u << cube) | (cube << 16));
    }
    for (int i = 1; i < count && !ways.empty(); ++i) {
        next.clear();
        for (const std::uint32_t way : ways)
            for (std::uint32_t cubes = ends[i] & kNeighbours[way >> 16] & ~way; cubes;
                 cubes &= cubes - 1) {
                const auto cube = static_cast<std::uint32_t>(std::countr_zero(cubes));
                next.push_back((way & kAllCubes) | (1u << cube) | (cube << 16));
            }
        std::sort(next.begin(), next.end());
        next.erase(std::unique(next.begin(), next.end()), next.end());
        ways.swap(next);
    }
    return !ways.empty();
}

bool traceable(const std::uint32_t* ends, int count)
{
    constexpr int kPathBudget = 4096;
    int budget = kPathBudget;
    for (std::uint32_t cubes = ends[0]; cubes; cubes &= cubes - 1) {
        const int cube = std::countr_zero(cubes);
        if (count == 1
            || traceByPaths(ends, count, 1, static_cast<std::uint32_t>(cube), 1u << cube, budget))
            return true;
        if (budget < 0)
            return traceByWays(ends, count);
    }
    return false;
}

// The first `length` letters of `path`, which holds at least kKeyLetters bytes.
LETTRO_ALWAYS_INLINE Solver::Word wordOf(const char* path, int length)
{
    Solver::Word w;
    std::memcpy(w.letters, path, kKeyLetters);
    w.length = static_cast<std::uint8_t>(length);
    return w;
}

// One trie node on the walk: a prefix and the cubes its paths can end on.
struct Frame {
    std::uint32_t mask;    // the node's children and end-of-word bit
    std::uint32_t first;   // its first child
    std::uint32_t letters; // children still to try: letters on the cubes of `around`
    std::uint32_t around;  // the cubes next to where the prefix can end, less `taken`
    std::uint32_t ends;    // the cubes the prefix can end on
    std::uint32_t taken;   // cubes every path of the prefix uses
    std::uint32_t maybe;   // cubes some paths use, before the last two; every cube once
                           // the sets may hold paths that use a cube twice
    int length;            // letters so far (Qu counts two)
};

// Depth first over the trie, each node at most once, children in letter order: every word
// comes out once and in alphabetical order, so nothing needs sorting or merging. Each node
// carries the set of cubes its prefix can end on, found from its parent's set with a few
// shifts. A cube every path of a prefix takes (a set of one, or the one cube of the set
// before that leads on) is left out of later sets. Sets of more cubes may let a path come
// back to one of them two or more steps later; only then can the sets hold a path that
// uses a cube twice (the same letter twice), and the words below are checked path by path.
// Without recursion, so the whole walk is one function that can be built for the
// processor's bit counting.
template <class Popcount>
LETTRO_ALWAYS_INLINE void searchBoard(const Board& b, std::vector<Solver::Word>& words)
{
    const Popcount popcount;
    const TrieNode* nodes = b.nodes;
    char path[kKeyLetters + 16] = {};
    std::uint32_t ends[kKeyLetters + 1]; // by cube of the prefix: the cubes it can be
    Frame stack[kKeyLetters + 1];         // the nodes above the current one
    int depth = 0;
    // The current node lives in locals, which the compiler keeps in registers.
    Frame f = {nodes[0].mask, nodes[0].first, nodes[0].mask & b.lettersOn(kAllCubes),
               kAllCubes, 0, 0, 0, 0};

    for (;;) {
        if (!f.letters) {
            if (depth == 0)
                break;
            f = stack[--depth];
            continue;
        }
        const std::uint32_t bit = f.letters & (0u - f.letters);
        f.letters ^= bit;
        const int letter = __builtin_ctz(bit);

        std::uint32_t child = f.first + popcount(f.mask & (bit - 1));
        int length = f.length + 1;
        path[f.length] = static_cast<char>('a' + letter);
        if (letter == kQ) {
            // The Qu cube: through 'q' on to its 'u'.
            const TrieNode q = nodes[child];
            if (!(q.mask & kUBit) || length + 1 > b.maxLength)
                continue;
            child = q.first + popcount(q.mask & (kUBit - 1));
            path[f.length + 1] = 'u';
            ++length;
        }
        const TrieNode node = nodes[child];
        const std::uint32_t cubes = f.around & b.cubesWithLetter[letter];
        const bool check = cubes & f.maybe;
        ends[depth] = cubes;
        if ((node.mask & kTerminal) && length >= b.minLength
            && (!check || traceable(ends, depth + 1)))
            words.push_back(wordOf(path, length));
        if (length >= b.maxLength)
            continue;
        // The paths on to the child came through the cubes of the node's set that are next
        // to the child's: when that is one cube, every such path takes it.
        const std::uint32_t next = cubesAround(cubes);
        const std::uint32_t before = f.ends & next;
        // Masks rather than jumps: which way these go is a coin toss to the processor.
        const std::uint32_t manyBefore = 0u - std::uint32_t((before & (before - 1)) != 0);
        const std::uint32_t oneCube = 0u - std::uint32_t((cubes & (cubes - 1)) == 0);
        const std::uint32_t taken = f.taken | (before & ~manyBefore) | (cubes & oneCube);
        const std::uint32_t maybe = f.maybe | (before & manyBefore) | (kAllCubes & (0u - check));
        const std::uint32_t around = next & ~taken;
        const std::uint32_t letters = node.mask & b.lettersOn(around);
        if (!letters)
            continue;
        stack[depth++] = f;
        f = {node.mask, node.first, letters, around, cubes, taken, maybe, length};
    }
}

void searchPortable(const Board& b, std::vector<Solver::Word>& words)
{
    searchBoard<PortablePopcount>(b, words);
}

#if LETTRO_POPCNT_DISPATCH
__attribute__((target("popcnt"))) void searchWithPopcnt(const Board& b,
                                                        std::vector<Solver::Word>& words)
{
    searchBoard<HardwarePopcount>(b, words);
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

    Board b;
    b.nodes = trie.nodes().data();
    b.minLength = minWordSize;
    b.maxLength = std::min(maxWordSize, kKeyLetters);
    b.cubesWithLetter.fill(0);
    std::array<std::uint32_t, 16> letterBit{};
    for (int p = 0; p < 16; ++p) {
        const int letter = board[static_cast<std::size_t>(p)] - 'a';
        letterBit[p] = 1u << letter;
        b.cubesWithLetter[letter] |= 1u << p;
    }
    for (int row = 0; row < 4; ++row) {
        auto& letters = b.lettersInRow[row];
        letters[0] = 0;
        for (unsigned cubes = 1; cubes < 16; ++cubes)
            letters[cubes] =
                letters[cubes & (cubes - 1)] | letterBit[row * 4 + std::countr_zero(cubes)];
    }

#if LETTRO_POPCNT_DISPATCH
    if (hasPopcnt())
        searchWithPopcnt(b, m_words);
    else
#endif
        searchPortable(b, m_words);
    return true;
}

} // namespace engine::detail
