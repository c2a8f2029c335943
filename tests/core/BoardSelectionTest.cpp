// SPDX-License-Identifier: GPL-3.0-or-later
// The limits a shaken board must meet.
#include "core/game/BoardSelection.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

TEST(BoardSelection, limitsAreStrictAndShakingStopsAtTheFirstBoardThatMeetsOne)
{
    const std::vector<std::tuple<const char*, int, bool>> limits = {
        {">25", 25, false}, {">25", 26, true},
        {"<25", 25, false}, {"<25", 24, true},
        {"<100", 0, true},  {"-", 0, false} /* a board without words is never played */,
        {"-", 1, true},     {">100", 101, true}};
    for (const auto& [limit, count, meets] : limits)
        EXPECT_EQ(BoardSelection::MeetsLimit(limit, count), meets) << limit << " " << count;

    // Boards "board0", "board1", ... holding these numbers of words.
    for (const auto& [limit, wordCounts] : std::vector<std::pair<const char*, std::vector<int>>>{
             {">25", {25, 26, 27}}, {"<25", {30, 24, 23}}}) {
        const std::vector<int>& counts = wordCounts; // a lambda may not capture a binding in clang 14
        std::size_t shaken = 0;
        const auto choice = BoardSelection::ChooseBoard(
            limit, [&] { return "board" + std::to_string(shaken++); },
            [&](const std::string&) {
                return std::vector<std::string>(std::size_t(counts[shaken - 1]), "word");
            });
        EXPECT_EQ(std::tuple(choice.board, int(choice.words.size()), choice.shakes),
                  std::tuple("board1", counts[1], 2)) << limit;
    }
}

} // namespace
