// SPDX-License-Identifier: GPL-3.0-or-later
// Running a game on the main window: start, the clock, pause, and the end of a turn.
#include "core/game/Game.h"
#include "windows/game/App.h"
#include "windows/game/Common.h"
#include "windows/game/MainWindow.h"

namespace Common {

namespace {
void ShowInFront(App& app)
{
    MainWindow& w = *app.main;
    w.show();
    w.raise();
    w.activateWindow();
}
} // namespace

void StartGameClick(App& app)
{
    // In front before a "Hit OK" box can ask for the start.
    if (!IsNetworkGame(app))
        ShowInFront(app);
    Game::StartGameClick(app);
    app.main->showGameState();
}

void BeginPlay(App& app)
{
    ShowInFront(app);
    Game::BeginPlay(app);
    app.main->showGameState();
}

void ClockTick(App& app)
{
    Game::ClockTick(app, app.desktop.isForeground(app.main));
    // The tick that ends a network game hands over to the lobby.
    SyncNetworkWindows(app);
}

void PauseGame(App& app)
{
    Game::PauseGame(app);
    if (!IsNetworkGame(app))
        ShowInFront(app);
    app.main->sync();
}

void EndGameNow(App& app)
{
    Game::EndGameNow(app);
    SyncNetworkWindows(app);
    app.main->showGameState();
}

void EndGame(App& app)
{
    Game::EndGame(app);
    SyncNetworkWindows(app);
    app.main->showGameState();
}

void AbortGame(App& app)
{
    Game::AbortGame(app);
    app.main->sync();
}

} // namespace Common
