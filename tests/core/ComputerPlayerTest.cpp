// SPDX-License-Identifier: GPL-3.0-or-later
// A computer player's words: a stronger player finds every word a weaker one finds on the
// same board and seed, and the same seed finds the same words.
#include "core/game/ComputerPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

TEST(ComputerPlayer, strongerFindsAtLeastWhatWeakerFindsAndTheSeedRepeats)
{
    std::mt19937 draw(9);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> board;
        // Words that all end in z, so a word cut short is never one of them.
        for (int i = static_cast<int>(draw() % 60); i > 0; --i) {
            std::string w(2 + draw() % 6, 'a');
            for (char& c : w)
                c = static_cast<char>('a' + draw() % 25);
            board.push_back(w + "z");
        }
        const std::uint32_t seed = draw();
        std::vector<std::string> weaker;
        for (int strength = 0; strength <= 100; strength += 10) {
            auto found = ComputerPlayer::WordsToFind(board, strength, seed, "ABCDEFGHIJKLMNOP");
            EXPECT_EQ(found, ComputerPlayer::WordsToFind(board, strength, seed, "ABCDEFGHIJKLMNOP"));
            std::vector<std::string> real = found;
            std::erase_if(real, [&](const std::string& w) { return !std::ranges::count(board, w); });
            for (const std::string& w : weaker)
                EXPECT_NE(std::find(real.begin(), real.end(), w), real.end()) << w << " at " << strength;
            const bool cuttable = std::any_of(board.begin(), board.end(), [](const std::string& w) { return w.size() >= 4; });
            EXPECT_EQ(found.size() - real.size(), strength < 30 && cuttable ? 2u : 0u) << "misspellings";
            weaker = real;
        }
        EXPECT_GE(weaker.size() + 6, board.size() * 95 / 100) << "the strongest finds nearly all";
    }
}

} // namespace
