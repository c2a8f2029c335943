// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardView.h"

#include "core/game/Program.h"

namespace BoardView {

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
