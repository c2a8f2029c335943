// SPDX-License-Identifier: GPL-3.0-or-later
// The sixteen letter dice, the shake, and the two in-memory forms of a board.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace Dice {

// A uniform source of values in [0, 1). One lives for the whole run; tests script it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// The game's generator: a Mersenne twister seeded once, from the clock unless told.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    explicit ClockRandom(std::uint32_t seed) : m_engine(seed) {}
    float next() override;

private:
    std::mt19937 m_engine;
};

using Faces = std::array<std::string, 16>;
using Grid = std::array<std::array<std::string, 4>, 4>;

// The dice of a board language ("fr"; English's for a language without dice of its own):
// sixteen strings of six upper-case faces; 'Q' is the two-letter face "Qu".
void InitDice(Faces& dieFaces, std::string_view language = "en");

// A whole number from 0 to n - 1: floor(r * n) with n as a float.
int RandomIndex(RandomSource& random, int n);

// One shake: 16 upper-case letters, position k = row * 4 + column, 'Q' for the Qu cube.
// Draws die then face for each position: 32 draws.
std::string ShakeDice(const Faces& dieFaces, RandomSource& random);

// Sets the cube texts ("Qu" for Q) and the lower-case grid ("qu").
void PlaceBoard(std::string_view boardText, Faces& boardFaces, Grid& boardGrid);

} // namespace Dice
