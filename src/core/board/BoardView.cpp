// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardView.h"

#include "core/game/Program.h"

#include <cmath>

namespace BoardView {

void InitBoardGeometry(BoardViewState& view, double pictureWidth, double pictureHeight)
{
    view.CubeWidth = static_cast<int>(std::lround(pictureWidth));
    view.CubeHeight = static_cast<int>(std::lround(pictureHeight));
    for (int i = 0; i < 16; ++i) {
        view.CubeLeft[i] = view.CubeWidth * (i % 4);
        view.CubeTop[i] = view.CubeHeight * (i / 4);
    }
}

int CubeAtPoint(const BoardViewState& view, double x, double y)
{
    if (view.CubeWidth <= 0 || view.CubeHeight <= 0 || !std::isfinite(x) || !std::isfinite(y))
        return -1;
    const double column = std::floor(std::floor(x) / view.CubeWidth);
    const double row = std::floor(std::floor(y) / view.CubeHeight);
    if (row < 0 || row > 3 || column < 0 || column > 3)
        return -1;
    return static_cast<int>(row) * 4 + static_cast<int>(column);
}

bool NeedsDrawing(const BoardViewState& view, int i, const std::string& face, CubeLook look)
{
    if (i < 0 || i > 15)
        return false;
    return view.DrawnFaces[i] != face || view.CubeDrawState[i] != look;
}

void RecordDrawn(BoardViewState& view, int i, const std::string& face, CubeLook look)
{
    if (i < 0 || i > 15)
        return;
    view.DrawnFaces[i] = face;
    view.CubeDrawState[i] = look;
}

void ShowBoardUnselected(Program& program)
{
    if (program.entry.BoardClean)
        return;
    program.view.WantedLooks.fill(Unselected);
    program.entry.LastNewWordText.clear();
    program.entry.BoardClean = true;
}

void ShowUsedCubes(Program& program)
{
    program.entry.BoardClean = false;
    for (std::size_t i = 0; i < 16; ++i)
        program.view.WantedLooks[i] = program.board.UsedCubes[i / 4][i % 4] ? Selected : Unselected;
}

} // namespace BoardView
