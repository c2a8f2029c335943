// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckCubes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>

namespace CheckCubes {

namespace {
constexpr std::uint32_t kKnownDead = 1u << 16;

// For each cube, the cubes that touch it (not the cube itself).
constexpr std::array<std::uint16_t, 16> kNeighbours = [] {
    std::array<std::uint16_t, 16> masks{};
    for (int k = 0; k < 16; ++k)
        for (int r = k / 4 - 1; r <= k / 4 + 1; ++r)
            for (int c = k % 4 - 1; c <= k % 4 + 1; ++c)
                if (r >= 0 && r < 4 && c >= 0 && c < 4 && r * 4 + c != k)
                    masks[k] = static_cast<std::uint16_t>(masks[k] | (1u << (r * 4 + c)));
    return masks;
}();

std::uint32_t Bit(int row, int column)
{
    return 1u << (row * 4 + column);
}

void ClearMarks(Marks& usedCubes, std::uint32_t cubes)
{
    for (int k = 0; k < 16; ++k)
        if (cubes & (1u << k))
            usedCubes[k / 4][k % 4] = false;
}
} // namespace

void ClearUsedCubes(Marks& usedCubes)
{
    for (auto& row : usedCubes)
        row.fill(false);
}

std::vector<std::string> CubeTexts(std::string_view word)
{
    std::vector<std::string> texts;
    std::size_t i = 0;
    while (i < word.size()) {
        const std::string_view rest = word.substr(i);
        if (rest.starts_with("qu") || rest == "q") {
            texts.emplace_back("qu");
            i += 2;
        } else {
            texts.emplace_back(1, rest.front());
            i += 1;
        }
    }
    return texts;
}

PathSearch::PathSearch(const Dice::Grid& boardGrid, Marks& usedCubes, bool repeatLetters,
                       std::string_view word, std::int64_t stepsBeforeMemo)
    : m_grid(boardGrid), m_used(usedCubes), m_repeat(repeatLetters), m_pieces(CubeTexts(word)),
      m_stepsBeforeMemo(stepsBeforeMemo)
{
    m_cubes.assign(m_pieces.size(), 0);
    m_order.assign(m_pieces.size(), -1);
    for (std::size_t p = 0; p < m_pieces.size(); ++p)
        for (int k = 0; k < 16; ++k)
            if (m_grid[k / 4][k % 4] == m_pieces[p])
                m_cubes[p] = static_cast<std::uint16_t>(m_cubes[p] | (1u << k));
}

bool PathSearch::failWithoutPath()
{
    // A failed search without repeat letters restores every mark its tries set, so only
    // the last start cube tried stays marked; a word whose first text is on no cube
    // leaves the marks alone.
    const std::uint16_t starts = m_pieces.empty() ? 0 : m_cubes.front();
    for (int k = 15; k >= 0; --k) {
        if (starts & (1u << k)) {
            ClearUsedCubes(m_used);
            m_used[k / 4][k % 4] = true;
            break;
        }
    }
    return false;
}

bool PathSearch::WordOnBoard()
{
    if (m_pieces.empty()) {
        ClearUsedCubes(m_used);
        return true;
    }

    std::uint16_t starts = m_cubes.front();
    if (!m_repeat) {
        // Without repeat letters a word uses each cube at most once, so it cannot need
        // more cubes of a text than the board shows.
        if (m_pieces.size() > 16)
            return failWithoutPath();
        std::map<std::string_view, int> needed;
        for (const std::string& piece : m_pieces)
            ++needed[piece];
        for (std::size_t p = 0; p < m_pieces.size(); ++p)
            if (needed[m_pieces[p]] > std::popcount(m_cubes[p]))
                return failWithoutPath();
        // Cubes from which the rest of the word could run if no cube were used yet: a
        // try outside them fails for sure, and a failed try changes no mark, so it is
        // skipped. This keeps the first path found, and it leaves no start cube to try
        // when some pair of neighbouring letters touches nowhere.
        m_canRun.assign(m_pieces.size(), 0);
        m_canRun.back() = m_cubes.back();
        for (std::size_t p = m_pieces.size() - 1; p-- > 0;) {
            std::uint16_t next = 0;
            for (int k = 0; k < 16; ++k)
                if (m_canRun[p + 1] & (1u << k))
                    next = static_cast<std::uint16_t>(next | kNeighbours[k]);
            m_canRun[p] = static_cast<std::uint16_t>(m_cubes[p] & next);
        }
        starts = m_canRun.front();
    }

    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            if (!(starts & Bit(row, column)))
                continue;
            ClearUsedCubes(m_used);
            m_used[row][column] = true;
            m_path = Bit(row, column);
            m_order.front() = row * 4 + column;
            if (m_pieces.size() == 1)
                return true;
            if (FindPathFrom(row, column, 1))
                return true;
        }
    }
    return m_repeat ? false : failWithoutPath();
}

bool PathSearch::FindPathFrom(int row, int column, std::size_t piece)
{
    if (piece >= m_pieces.size())
        return true;
    const std::uint16_t cubes = m_repeat ? m_cubes[piece] : m_canRun[piece];
    for (int r = std::max(row - 1, 0); r <= std::min(row + 1, 3); ++r) {
        for (int c = std::max(column - 1, 0); c <= std::min(column + 1, 3); ++c) {
            if (m_used[r][c] && !m_repeat)
                continue;
            if (!(cubes & Bit(r, c)))
                continue;
            const int cube = r * 4 + c;
            if (isLast(piece)) {
                m_used[r][c] = true;
                m_order[piece] = cube;
                return true;
            }
            ++m_steps;
            if (m_repeat) {
                // Marks are not consulted, so a try from (piece, cube) always runs the
                // same way; a failed one is replayed by clearing what it cleared.
                if (m_deadSteps.empty())
                    m_deadSteps.assign(m_pieces.size() * 16, 0);
                std::uint32_t& dead = m_deadSteps[piece * 16 + static_cast<std::size_t>(cube)];
                if (dead != 0) {
                    ClearMarks(m_used, dead & 0xFFFFu);
                    m_cleared |= dead & 0xFFFFu;
                    continue;
                }
                m_used[r][c] = true;
                const std::uint32_t outer = m_cleared;
                m_cleared = 0;
                if (FindPathFrom(r, c, piece + 1)) {
                    m_used[r][c] = true;
                    m_order[piece] = cube;
                    m_cleared = outer;
                    return true;
                }
                // A failed branch clears its own cube even when an earlier step of the
                // path stands on it: only the marks shown differ, never the answer.
                m_used[r][c] = false;
                const std::uint32_t cleared = m_cleared | Bit(r, c);
                dead = cleared | kKnownDead;
                m_cleared = outer | cleared;
                continue;
            }
            // Without repeat letters a try depends on its cube and the cubes on the path
            // only (their number is the piece), and a failed one leaves the marks as it
            // found them. Short searches never need the table.
            m_used[r][c] = true;
            m_path |= Bit(r, c);
            const std::size_t key = static_cast<std::size_t>(cube) << 16 | m_path;
            if (m_deadPaths.empty() && m_steps > m_stepsBeforeMemo)
                m_deadPaths.assign((std::size_t{16} << 16) / 64, 0);
            const std::uint64_t bit = std::uint64_t{1} << (key % 64);
            const bool known = !m_deadPaths.empty() && (m_deadPaths[key / 64] & bit);
            if (!known) {
                if (FindPathFrom(r, c, piece + 1)) {
                    m_used[r][c] = true;
                    m_order[piece] = cube;
                    return true;
                }
                if (!m_deadPaths.empty())
                    m_deadPaths[key / 64] |= bit;
            }
            m_used[r][c] = false;
            m_path &= ~Bit(r, c);
        }
    }
    return false;
}

bool WordOnBoard(BoardState& board, bool repeatLetters, std::string_view word)
{
    PathSearch search(board.BoardGrid, board.UsedCubes, repeatLetters, word);
    const bool found = search.WordOnBoard();
    board.PathOrder = found ? search.order() : std::vector<int>();
    return found;
}

bool WordOnBoard(Program& program, std::string_view word)
{
    return WordOnBoard(program.board, program.options.RepeatLetters, word);
}

} // namespace CheckCubes
