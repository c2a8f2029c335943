// SPDX-License-Identifier: GPL-3.0-or-later
// Where the cubes lie on the board, which cube a mouse position hits, how each cube is
// to look and how it was drawn last (so that an unchanged cube is not painted again).
#pragma once

#include <array>
#include <string>

struct Program;

namespace BoardView {

enum CubeLook { NotDrawn = 0, Unselected = 1, Selected = 2 };

struct BoardViewState {
    int CubeWidth = 0; // the cube picture's size in window units
    int CubeHeight = 0;
    std::array<int, 16> CubeLeft{};
    std::array<int, 16> CubeTop{};
    std::array<std::string, 16> DrawnFaces{};
    std::array<int, 16> CubeDrawState{}; // a CubeLook
    // How each cube is to look; the window paints those that differ from what it drew.
    std::array<CubeLook, 16> WantedLooks = [] {
        std::array<CubeLook, 16> looks{};
        looks.fill(Unselected);
        return looks;
    }();
};

// Cube sizes from the picture's size (rounded to whole units); the cubes touch, row by
// row, from the board's top-left corner.
void InitBoardGeometry(BoardViewState& view, double pictureWidth, double pictureHeight);

// The cube (0-15) under a position on the board, or -1 when the position lies outside
// the 4 by 4 cubes (or before the geometry is known).
int CubeAtPoint(const BoardViewState& view, double x, double y);

// Whether cube i must be painted to show `face` in `look`.
bool NeedsDrawing(const BoardViewState& view, int i, const std::string& face, CubeLook look);

// Records that cube i now shows `face` in `look`.
void RecordDrawn(BoardViewState& view, int i, const std::string& face, CubeLook look);

// Every cube unselected, unless the board is clean already; forgets the last typed text.
void ShowBoardUnselected(Program& program);

// Every cube as marked by the last path search: the traced path selected.
void ShowUsedCubes(Program& program);

} // namespace BoardView
