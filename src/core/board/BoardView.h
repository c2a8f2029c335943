// SPDX-License-Identifier: GPL-3.0-or-later
// How each cube of the board is to look, and the path of the word being built drawn over
// it. Where the cubes lie, which one a mouse position hits and what was drawn last belong
// to the window that draws them.
#pragma once

#include <QLineF>
#include <QRectF>
#include <QString>

#include <array>
#include <vector>

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
    // The cubes of the word in the box, first letter first (a cube taken twice shows
    // twice); empty when the board shows no word.
    std::vector<int> ShownPath;
};

// Every cube unselected, unless the board is clean already; forgets the last typed text.
void ShowBoardUnselected(Program& program);

// Every cube as marked by the last path search: the traced path selected.
void ShowUsedCubes(Program& program);

// One stroke of a drawn path: from the middle of cube `from` towards the middle of cube
// `to`, stopping short of both letters so that they stay readable.
struct PathSegment {
    int from = 0, to = 0;
    QLineF line;
};
// The strokes that join the cubes of `path` (4 * row + column) in order, on a board whose
// 4 by 4 cubes fill `board`. A step that stays on its cube draws no stroke (its step
// numbers tell it); a step taken both ways, or twice, is moved aside so each shows.
std::vector<PathSegment> PathSegments(const std::vector<int>& path, const QRectF& board);

// The steps of `path` that stand on `cube`, counted from 1: "1", or "2,5" for a cube the
// path comes back to; "" off the path.
QString StepsOn(const std::vector<int>& path, int cube);

// The cubes that cannot be the next cube of `path`: those not touching its last cube, and
// without repeat letters those already on it (with them the last cube may be taken
// again). None while the path is empty.
std::array<bool, 16> DeadCubes(const std::vector<int>& path, bool repeatLetters);

// The cubes to draw dimmed now: the dead cubes of the word being built, while a game runs
// and the player wants them shown.
std::array<bool, 16> DimmedCubes(const Program& program);

} // namespace BoardView
