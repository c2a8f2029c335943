// SPDX-License-Identifier: GPL-3.0-or-later
// The dice and the shake, with scripted draws.
#include "Scripted.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The draw that makes RandomIndex(n) give exactly `index`.
float DrawFor(int index, int n) { return (float(index) + 0.5f) / float(n); }

TEST(Dice, shakesTakeADieThenAFacePerPosition)
{
    Dice::Faces faces;
    Dice::InitDice(faces);
    // Die 9 showing its Qu first, then r = 0: the walk skips the placed die.
    std::vector<float> quFirst = {DrawFor(9, 16), DrawFor(1, 6)};
    quFirst.resize(32, 0.0f);
    ScriptedRandom draws(quFirst);
    EXPECT_EQ(Dice::ShakeDice(faces, draws), "QETISSOYWOIVAATI");
    EXPECT_EQ(draws.draws, 32) << "two draws per position";
}

TEST(Dice, randomIndexFloorsAndStaysInRange)
{
    ScriptedRandom draws({0.0f, 0.49f, 0.5f, 0.9999999f, 1.0f});
    for (auto [n, index] : {std::pair{6, 0}, {6, 2}, {6, 3}, {16, 15}, {16, 15}})
        EXPECT_EQ(Dice::RandomIndex(draws, n), index) << draws.draws; // 1.0 must not overrun
    Dice::ClockRandom random(7);
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        ASSERT_TRUE(r >= 0.0f && r < 1.0f) << r;
    }
}

} // namespace
