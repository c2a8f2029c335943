// The end of a turn on the main window, and the result texts of the results window.
#pragma once

struct App;

namespace Common {

// The core's FinishTurn (core/game/Game.h); the main window then shows the results.
void FinishTurn(App& app);
// Recomputes the scores and writes the three result texts of the results window.
void ShowScores(App& app);

} // namespace Common
