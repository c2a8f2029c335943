// SPDX-License-Identifier: GPL-3.0-or-later
// A new board on the main window.
#include "core/game/Game.h"
#include "windows/game/App.h"
#include "windows/game/Common.h"
#include "windows/game/MainWindow.h"

#include <QPushButton>

namespace Common {

void SetUpBoard(App& app, std::string& board)
{
    Game::SetUpBoard(app, board);
    app.main->Enter->setDefault(true);
    app.main->sync();
}

} // namespace Common
