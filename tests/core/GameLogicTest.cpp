#include "core/game/BoardSelection.h"
#include "core/game/TimeFormat.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(TimeFormat, minutesColonTwoDigitSeconds)
{
    const std::vector<std::pair<int, const char*>> cases = {
        {0, "0:00"},  {5, "0:05"},  {9, "0:09"},   {10, "0:10"},  {59, "0:59"},  {60, "1:00"},
        {61, "1:01"}, {75, "1:15"}, {180, "3:00"}, {600, "10:00"}, {1800, "30:00"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(TimeFormat::FormatTime(seconds), text) << seconds;
}

// Shakes numbered boards and reports chosen word counts for them.
struct ScriptedShakes {
    explicit ScriptedShakes(std::vector<int> c) : counts(std::move(c)) {}
    std::vector<int> counts;
    int shaken = 0;
    std::vector<std::string> counted;

    BoardSelection::Choice choose(const std::string& limit)
    {
        return BoardSelection::ChooseBoard(
            limit, [&] { return "board" + std::to_string(shaken++); },
            [&](const std::string& board) {
                counted.push_back(board);
                const auto i = counted.size() - 1;
                return i < counts.size() ? counts[i] : counts.back();
            });
    }
};

TEST(BoardSelection, limitsAreStrict)
{
    EXPECT_FALSE(BoardSelection::MeetsLimit(">25", 25));
    EXPECT_TRUE(BoardSelection::MeetsLimit(">25", 26));
    EXPECT_FALSE(BoardSelection::MeetsLimit("<25", 25));
    EXPECT_TRUE(BoardSelection::MeetsLimit("<25", 24));
    EXPECT_TRUE(BoardSelection::MeetsLimit("<100", 0));
    EXPECT_FALSE(BoardSelection::MeetsLimit("-", 0)) << "a board without words is never played";
    EXPECT_TRUE(BoardSelection::MeetsLimit("-", 1));
    EXPECT_TRUE(BoardSelection::MeetsLimit(">100", 101));
}

TEST(BoardSelection, shakesUntilTheLimitIsMet)
{
    ScriptedShakes more({25, 26});
    auto choice = more.choose(">25");
    EXPECT_EQ(choice.board, "board1");
    EXPECT_EQ(choice.wordCount, 26);
    EXPECT_EQ(choice.shakes, 2);

    ScriptedShakes fewer({30, 24});
    choice = fewer.choose("<25");
    EXPECT_EQ(choice.board, "board1");
    EXPECT_EQ(choice.wordCount, 24);
}

} // namespace
