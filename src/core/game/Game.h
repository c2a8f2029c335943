// SPDX-License-Identifier: GPL-3.0-or-later
// A game without windows: start-up, the board, the clock, pause, the end of a turn and
// its evaluation. The main window mirrors `program.screen`, `program.entry` and the
// cubes' wanted looks after each of these.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <vector>

struct GameState;
struct Program;
using Words = std::vector<std::string>;

namespace Game {

// Start-up: dictionary, dice, blank board, defaults, stored settings, the generator.
void StartUp(Program& program);

// Shakes boards until one holds the wanted number of words (the last shaken otherwise),
// places it and fetches its dictionary words. Returns its board text.
std::string ShakeBoard(Program& program);
// Places a board chosen elsewhere (16 letters A-Z, Q for the Qu cube). Its dictionary words
// are `words` when they came with it (from the host of a network game), otherwise they are
// found here. A `given` board (a board code or typed letters) enters no high scores.
void PlaceBoard(Program& program, const std::string& board, std::optional<Words> words = {},
                bool given = false);

// A game from Start to "Game Over". Start and Pause do nothing in network play.
void StartGameClick(Program& program);
// `announce`: the "Hit OK when ready" box of the game mode comes first.
void BeginPlay(Program& program, bool announce = true);
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
