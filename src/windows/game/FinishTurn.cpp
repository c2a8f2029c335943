// The end of a turn on the main window.
#include "core/game/Game.h"
#include "windows/game/App.h"
#include "windows/game/EndOfGame.h"
#include "windows/game/MainWindow.h"

namespace Common {

void FinishTurn(App& app)
{
    Game::FinishTurn(app);
    app.main->showGameState();
}

} // namespace Common
