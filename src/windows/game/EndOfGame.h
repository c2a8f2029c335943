// The end of a turn on the main window.
#pragma once

struct App;

namespace Common {

// The core's FinishTurn (core/game/Game.h); the main window then shows the results.
void FinishTurn(App& app);
} // namespace Common
