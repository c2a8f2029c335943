// SPDX-License-Identifier: GPL-3.0-or-later
// Plain references for the dictionary engine: every word it holds, listed two letters at
// a time, and the words of a board found by tracing each dictionary word on its own.
#pragma once

#include "PlainPathSearch.h"
#include "engine/Engine.h"

#include <algorithm>
#include <string>
#include <vector>

inline std::vector<std::string> EveryWord(engine::Engine& e)
{
    std::vector<std::string> words;
    for (int first = 0; first < 26; ++first)
        for (int second = 0; second < 26; ++second) {
            e.cStartDecodingWords(first, second);
            for (std::string w = e.cDecodeNextWord(); !w.empty(); w = e.cDecodeNextWord())
                words.push_back(w);
        }
    return words;
}

// What the engine's words of a board must be: the words of `dictionary` (sorted) of min..max letters that
// a plain trace finds on `board` (16 letters, 'q' for the Qu cube, which only ever spells
// "qu"). A word whose trace runs out of `budget` steps counts as the engine says, so a
// slow trace is not compared but nothing else is let through.
inline std::vector<std::string> TracedWords(const std::string& board, const std::vector<std::string>& dictionary,
                                            int min, int max, const std::vector<std::string>& found,
                                            long budget = -1)
{
    PlainPathSearch::Grid grid;
    for (int k = 0; k < 16; ++k)
        grid[k / 4][k % 4] = board[k] == 'q' ? "qu" : board.substr(k, 1);
    std::vector<std::string> words;
    for (const std::string& w : dictionary) {
        if (int(w.size()) < min || int(w.size()) > max || (w.ends_with('q') && !w.ends_with("qu")))
            continue;
        PlainPathSearch::Marks used{};
        PlainPathSearch search{grid, used, false, budget};
        const bool traced = search.wordOnBoard(w);
        if (search.gaveUp() ? std::binary_search(found.begin(), found.end(), w) : traced)
            words.push_back(w);
    }
    return words;
}
