// The end of a turn or a game: the second player's turn, evaluation and scores.
#pragma once

struct App;

namespace Common {

// After a turn: in a two-player game after player 1, hands the board to player 2;
// otherwise evaluates every player's words and opens the results window.
void FinishTurn(App& app);
// Unused and common words, then the scores.
void EvaluateWords(App& app);
// Writes the three result texts of the results window from the current lists.
void ShowScores(App& app);

} // namespace Common
