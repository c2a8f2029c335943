// SPDX-License-Identifier: GPL-3.0-or-later
// A game without windows: start-up, the board, the clock, pause, the end of a turn and
// its evaluation. The main window mirrors `program.screen`, `program.entry` and the
// cubes' wanted looks after each of these.
#pragma once

#include <QString>

#include <string>

struct GameState;
struct Program;

namespace Game {

// Start-up: dictionary, dice, blank board, defaults, stored settings, the generator.
void StartUp(Program& program);

// Chooses (or, for a joined network player or a `given` board, takes) the board, places
// it and fetches its dictionary words. `board` is the board text in and out.
void SetUpBoard(Program& program, std::string& board, bool given = false);

// A game from Start to "Game Over". Start and Pause do nothing in network play.
void StartGameClick(Program& program);
void BeginPlay(Program& program);
// One second of the clock; it stands still, and the board is hidden, while the main
// window is not in the foreground (outside network play).
void ClockTick(Program& program, bool mainInForeground);
void PauseGame(Program& program);
void EndGameNow(Program& program);
void EndGame(Program& program);
// Ends a running game without evaluating it.
void AbortGame(Program& program);
void SetClockLabels(Program& program, const QString& caption, const QString& timeText);
// "+N s" beside the clock for two ticks after a Frantic word adds N seconds.
void ShowBonus(Program& program, int seconds);
// Whose turn it is in a two-player game that is being played, "Player 1" or "Player 2";
// "" otherwise.
QString TurnText(const GameState& game);

// After a turn: in a two-player game after player 1, hands the board to player 2;
// otherwise evaluates every player's words and opens the results.
void FinishTurn(Program& program);
// Unused and common words, then the scores.
void EvaluateWords(Program& program);

} // namespace Game
