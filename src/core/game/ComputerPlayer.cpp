// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game/ComputerPlayer.h"

#include <algorithm>
#include <functional>
#include <random>

namespace ComputerPlayer {

const char* LevelName(Level level)
{
    static const char* const names[] = {"Easy", "Medium", "Hard"};
    return names[static_cast<int>(level)];
}

int LevelStrength(Level level)
{
    // Easy also types a few non-words (below 30), as a beginner does.
    static const int strengths[] = {20, 55, 90};
    return strengths[static_cast<int>(level)];
}

Level LevelAt(int index)
{
    return index >= 0 && index < kLevels ? static_cast<Level>(index) : kDefaultLevel;
}

std::vector<std::string> WordsToFind(const std::vector<std::string>& boardWords, int strength,
                                     std::uint32_t seed, const std::string& board)
{
    std::mt19937 draw(seed ^ static_cast<std::uint32_t>(std::hash<std::string>{}(board)));
    std::vector<std::string> words = boardWords;
    std::shuffle(words.begin(), words.end(), draw);
    // Short words first: a person spots them sooner. The order does not depend on the
    // strength, so a stronger player finds every word a weaker one finds.
    std::stable_sort(words.begin(), words.end(),
                     [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    const double share = 0.05 + 0.9 * std::clamp(strength, 0, 100) / 100.0;
    words.resize(static_cast<std::size_t>(share * static_cast<double>(words.size()) + 0.5));
    // A misspelling has to be traceable to be typed at all: a long word cut short.
    std::vector<std::string> cut;
    for (const std::string& w : boardWords)
        if (w.size() >= 4)
            cut.push_back(w.substr(0, w.size() - 1));
    if (strength < 30 && !cut.empty())
        for (int i = 0; i < 2; ++i)
            words.insert(words.begin() + static_cast<long>(draw() % (words.size() + 1)),
                         cut[draw() % cut.size()]);
    return words;
}

} // namespace ComputerPlayer
