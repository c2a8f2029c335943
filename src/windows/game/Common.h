// The game's procedures: the windows call these and nothing else decides.
#pragma once

#include <QString>
#include <string>

struct App;

namespace Common {

// Start-up: dictionary, dice, blank board, defaults, random seed.
void StartUp(App& app);

// A game from Start to "Game Over".
void StartGameClick(App& app);
void BeginPlay(App& app);
void ClockTick(App& app);
void PauseGame(App& app);
void EndGameNow(App& app);
void EndGame(App& app);
void SetClockLabels(App& app, const QString& caption, const QString& timeText);

// Chooses (or, for a joined network player, takes) the board, places it and fetches
// its dictionary words. `board` is the board text in and out.
void SetUpBoard(App& app, std::string& board);

// Draws cube i without selection; the blank board before the first game too.
void DrawCube(App& app, int i);

// The options window (shown modally over the main window) and what it changes.
void OpenOptions(App& app);
void FillOptionsDialog(App& app);
void GameTypeChanged(App& app);
void ApplyOptions(App& app);
void CancelOptions(App& app);
// Ends a running game without evaluating it.
void AbortGame(App& app);
// The network button: keeps the game settings and opens network play.
void EnterNetworkGame(App& app);

// Exit: offers to save a changed dictionary, then closes every window. Returns false,
// leaving everything open, when the user wanted the dictionary saved and it could not be.
bool ExitProgram(App& app);

} // namespace Common
