// SPDX-License-Identifier: GPL-3.0-or-later
// The path search written plainly, step by step and without any shortcut: what the
// game's search must match in its answer and in every mark it leaves, and (through
// PlainWords.h) what the engine's board solver must match word for word.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

struct PlainPathSearch {
    using Grid = std::array<std::array<std::string, 4>, 4>; // the cube texts, "qu" for Qu
    using Marks = std::array<std::array<bool, 4>, 4>;

    const Grid& grid;
    Marks& used;
    bool repeat;
    // Steps left before giving up; below zero afterwards means the answer is unknown.
    long budget = -1;
    // The path found, first cube first, as 4 * row + column.
    std::vector<int> order{};

    // The cube text `piece` starts with: "qu" for "qu" and for a final lone "q".
    static std::string Head(const std::string& piece)
    {
        return piece.starts_with("qu") || piece == "q" ? "qu" : piece.substr(0, 1);
    }
    static bool Finished(const std::string& piece) { return piece.size() == 1 || piece == "qu"; }
    bool gaveUp() const { return budget < -1; }

    bool wordOnBoard(const std::string& word)
    {
        if (word.empty()) {
            used = Marks{};
            return true;
        }
        const std::string h = Head(word), rest = word.substr(std::min(h.size(), word.size()));
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 4; ++column) {
                if (grid[row][column] != h)
                    continue;
                used = Marks{};
                used[row][column] = true;
                order = {row * 4 + column};
                if (Finished(word) || findPathFrom(row, column, rest))
                    return true;
            }
        return false;
    }

    bool findPathFrom(int row, int column, const std::string& piece)
    {
        const std::string h = Head(piece), rest = piece.substr(std::min(h.size(), piece.size()));
        for (int r = std::max(row - 1, 0); r <= std::min(row + 1, 3); ++r)
            for (int c = std::max(column - 1, 0); c <= std::min(column + 1, 3); ++c) {
                if (budget >= 0 && --budget < 0)
                    budget = -2; // out of steps: the caller ignores this answer
                if (gaveUp())
                    return false;
                if ((used[r][c] && !repeat) || grid[r][c] != h)
                    continue;
                used[r][c] = true;
                order.push_back(r * 4 + c);
                // With repeats a failed try deeper down may have cleared this very cube.
                if (Finished(piece) || findPathFrom(r, c, rest))
                    return used[r][c] = true;
                used[r][c] = false;
                order.pop_back();
            }
        return false;
    }
};
