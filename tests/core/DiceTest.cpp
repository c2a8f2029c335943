#include "core/board/Dice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

class Draws : public Dice::RandomSource {
public:
    explicit Draws(std::vector<float> values) : m_values(std::move(values)) {}
    float next() override { return m_values.at(m_next++); }
    std::size_t used() const { return m_next; }

private:
    std::vector<float> m_values;
    std::size_t m_next = 0;
};

Dice::Faces TheDice()
{
    Dice::Faces faces;
    Dice::InitDice(faces);
    return faces;
}

// The draw r that makes RandomIndex(n) give exactly `index`.
float DrawFor(int index, int n)
{
    return (static_cast<float>(index) + 0.5f) / static_cast<float>(n);
}

TEST(Dice, firstFaceOfEveryDieInOrder)
{
    Draws draws(std::vector<float>(32, 0.0f));
    EXPECT_EQ(Dice::ShakeDice(TheDice(), draws), "ETISSOYWOOIVAATI");
    EXPECT_EQ(draws.used(), 32u) << "two draws per position: die then face";
}

TEST(Dice, alwaysTheLastUnplacedDieGivesReverseOrder)
{
    std::vector<float> values;
    for (int p = 0; p < 16; ++p) {
        values.push_back(DrawFor(15 - p, 16 - p));
        values.push_back(DrawFor(1, 6)); // second face
    }
    Draws draws(values);
    const auto faces = TheDice();
    std::string expected;
    for (int die = 15; die >= 0; --die)
        expected += faces[die][1];
    EXPECT_EQ(Dice::ShakeDice(faces, draws), expected);
}

TEST(Dice, faceDrawPicksThatFaceOfTheChosenDie)
{
    // Position 0 takes die 9 (r = 9 of 16) showing its second face, Q.
    std::vector<float> values = {DrawFor(9, 16), DrawFor(1, 6)};
    values.resize(32, 0.0f);
    Draws draws(values);
    const std::string board = Dice::ShakeDice(TheDice(), draws);
    EXPECT_EQ(board[0], 'Q');
    // With r = 0 from then on the walk skips the placed die: dice 0-8, then 10-15.
    EXPECT_EQ(board.substr(1), "ETISSOYWOIVAATI");
}

TEST(Dice, everyShakeUsesEachDieOnce)
{
    const auto faces = TheDice();
    Dice::ClockRandom random(1234);
    for (int shake = 0; shake < 2000; ++shake) {
        const std::string board = Dice::ShakeDice(faces, random);
        ASSERT_TRUE(Dice::IsBoardText(board)) << board;
        // Match letters to dice: a perfect matching must exist. Greedy over a bipartite
        // graph is not enough in general, so try all dice per position with backtracking.
        std::vector<bool> used(16, false);
        std::function<bool(int)> match = [&](int p) {
            if (p == 16)
                return true;
            for (int d = 0; d < 16; ++d) {
                if (!used[d] && faces[d].find(board[p]) != std::string::npos) {
                    used[d] = true;
                    if (match(p + 1))
                        return true;
                    used[d] = false;
                }
            }
            return false;
        };
        ASSERT_TRUE(match(0)) << board;
        EXPECT_LE(std::count(board.begin(), board.end(), 'Q'), 1) << board;
    }
}

TEST(Dice, randomIndexFloorsAndStaysInRange)
{
    Draws draws({0.0f, 0.49f, 0.5f, 0.9999999f, 1.0f});
    EXPECT_EQ(Dice::RandomIndex(draws, 6), 0);
    EXPECT_EQ(Dice::RandomIndex(draws, 6), 2); // 2.94
    EXPECT_EQ(Dice::RandomIndex(draws, 6), 3);
    EXPECT_EQ(Dice::RandomIndex(draws, 16), 15);
    EXPECT_EQ(Dice::RandomIndex(draws, 16), 15) << "a source that returns 1 must not overrun";
}

TEST(Dice, clockRandomStaysBelowOne)
{
    Dice::ClockRandom random(7);
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(Dice, placeBoardMakesFacesAndGrid)
{
    Dice::Faces faces;
    Dice::Grid grid;
    std::vector<int> drawn;
    Dice::PlaceBoard("CATSODGEQRINTXYZ", faces, grid, [&](int k) {
        drawn.push_back(k);
        EXPECT_FALSE(faces[k].empty()) << "drawn right after it is set";
    });
    EXPECT_EQ(faces[0], "C");
    EXPECT_EQ(faces[8], "Qu");
    EXPECT_EQ(grid[2][0], "qu");
    EXPECT_EQ(grid[0][3], "s");
    EXPECT_EQ(grid[3][3], "z");
    ASSERT_EQ(drawn.size(), 16u);
    EXPECT_TRUE(std::is_sorted(drawn.begin(), drawn.end()));
    for (const auto& row : grid)
        for (const auto& cell : row)
            EXPECT_NE(cell, "q") << "a lone q never stands on the board";
}

TEST(Dice, boardTextCheck)
{
    EXPECT_TRUE(Dice::IsBoardText("ETISSOYWOOIVAATI"));
    EXPECT_FALSE(Dice::IsBoardText("ETISSOYWOOIVAAT"));
    EXPECT_FALSE(Dice::IsBoardText("etissoywooivaati"));
    EXPECT_FALSE(Dice::IsBoardText("ETISSOYWOOIVAAT1"));
}

} // namespace
