// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up on the main window: the core's start-up, then the board and list are laid out.
#include "core/game/Game.h"
#include "windows/board/BoardDrawing.h"
#include "windows/game/App.h"
#include "windows/game/Common.h"
#include "windows/game/MainWindow.h"

#include <QHeaderView>
#include <QTableWidget>

namespace Common {

void StartUp(App& app)
{
    Game::StartUp(app);
    MainWindow& w = *app.main;
    BoardView::InitBoardGeometry(app);
    w.WordList->horizontalHeader()->setStretchLastSection(true);
    w.WordList->setColumnWidth(0, w.WordList->viewport()->width());
    w.LayOutForHand(app.options.LeftHandedDisplay);
    w.sync();
}

} // namespace Common
