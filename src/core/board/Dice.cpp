// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dice.h"

#include "DiceTables.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace Dice {

namespace {
constexpr std::array<const char*, 16> kDieFaces = {
    "EDAMCP", "TAYILB", "IROFXB", "SEWODN", "SACELR", "OSAHMR", "YLGKUE", "WGLRIU",
    "OKUTND", "OQAMJB", "IPENHS", "VGTNEI", "AZEVDN", "AOIATC", "TUSEPL", "IFEHEY",
};
} // namespace

ClockRandom::ClockRandom()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32)};
    m_engine.seed(seq);
}

float ClockRandom::next()
{
    // 24 random bits give every float step of [0, 1) and never 1 itself.
    return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f);
}

void InitDice(Faces& dieFaces, std::string_view language)
{
    const auto* table = &kDieFaces;
    for (const LanguageDice& dice : kLanguageDice)
        if (language == dice.language)
            table = &dice.faces;
    for (std::size_t i = 0; i < table->size(); ++i)
        dieFaces[i] = (*table)[i];
}

int RandomIndex(RandomSource& random, int n)
{
    if (n <= 0)
        return 0;
    const float r = random.next();
    const int index = static_cast<int>(std::floor(r * static_cast<float>(n)));
    // A scripted or faulty source must not push us off the end of a table.
    return std::clamp(index, 0, n - 1);
}

std::string ShakeDice(const Faces& dieFaces, RandomSource& random)
{
    std::array<bool, 16> placed{};
    std::string board;
    board.reserve(16);
    for (int p = 0; p < 16; ++p) {
        int r = RandomIndex(random, 16 - p);
        int die = 0;
        for (; die < 16; ++die) {
            if (placed[die])
                continue;
            if (r == 0)
                break;
            --r;
        }
        placed[die] = true;
        const int f = RandomIndex(random, 6);
        const std::string& faces = dieFaces[die];
        board += faces.size() == 6 ? faces[f] : '?';
    }
    return board;
}

void PlaceBoard(std::string_view boardText, Faces& boardFaces, Grid& boardGrid)
{
    for (int k = 0; k < 16; ++k) {
        const char c = k < static_cast<int>(boardText.size()) ? boardText[k] : ' ';
        const int row = k / 4;
        const int column = k % 4;
        if (c == 'Q') {
            boardFaces[k] = "Qu";
            boardGrid[row][column] = "qu";
        } else {
            boardFaces[k] = std::string(1, c);
            const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
            boardGrid[row][column] = std::string(1, lower);
        }
    }
}

} // namespace Dice
