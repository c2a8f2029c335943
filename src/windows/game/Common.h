// SPDX-License-Identifier: GPL-3.0-or-later
// The game's procedures: the windows call these and nothing else decides.
#pragma once

#include <QString>
#include <string>

struct App;

namespace Common {

// The game as the main window plays it: each calls the core procedure of the same name
// (core/game/Game.h), then the main window shows the new state.
void StartUp(App& app);
void StartGameClick(App& app);
void BeginPlay(App& app);
void ClockTick(App& app);
void PauseGame(App& app);
void EndGameNow(App& app);
void EndGame(App& app);
void AbortGame(App& app); // ends a running game without evaluating it
void SetUpBoard(App& app, std::string& board);

// The options window (shown modally over the main window) and what it changes.
void OpenOptions(App& app);
void FillOptionsDialog(App& app);
void GameTypeChanged(App& app);
void ApplyOptions(App& app);
void CancelOptions(App& app);
// The network button: keeps the game settings and opens network play.
void EnterNetworkGame(App& app);

// Exit: offers to save a changed dictionary, then closes every window. Returns false,
// leaving everything open, when the user wanted the dictionary saved and it could not be.
bool ExitProgram(App& app);

} // namespace Common
