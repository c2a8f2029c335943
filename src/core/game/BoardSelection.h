// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a board that holds the wanted number of dictionary words.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace BoardSelection {

inline constexpr int kMaxShakes = 100;

// Whether a board with `wordCount` words meets the limit code: "-" any board with a
// word, ">N" more than N words, "<N" fewer than N words.
bool MeetsLimit(const std::string& numWordsLimit, int wordCount);

struct Choice {
    std::string board;
    std::vector<std::string> words; // its dictionary words
    int shakes = 0;
};

// Shakes until a board meets the limit, at most kMaxShakes times; the last board
// shaken is played when none does. findWords gives the dictionary words of a board text.
Choice ChooseBoard(const std::string& numWordsLimit, const std::function<std::string()>& shake,
                   const std::function<std::vector<std::string>(const std::string&)>& findWords);

} // namespace BoardSelection
