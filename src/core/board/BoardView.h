// SPDX-License-Identifier: GPL-3.0-or-later
// How each cube of the board is to look. Where the cubes lie, which one a mouse position
// hits and what was drawn last belong to the window that draws them.
#pragma once

#include <array>

struct Program;

namespace BoardView {

enum CubeLook { Unselected = 1, Selected = 2 };

struct BoardViewState {
    // How each cube is to look; the window paints those that differ from what it drew.
    std::array<CubeLook, 16> WantedLooks = [] {
        std::array<CubeLook, 16> looks{};
        looks.fill(Unselected);
        return looks;
    }();
};

// Every cube unselected, unless the board is clean already; forgets the last typed text.
void ShowBoardUnselected(Program& program);

// Every cube as marked by the last path search: the traced path selected.
void ShowUsedCubes(Program& program);

} // namespace BoardView
