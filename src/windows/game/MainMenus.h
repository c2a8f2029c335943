// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar: Game, Dictionary and Help.
#pragma once

class MainWindow;
struct App;

// Each command clicks its toolbar button, so menu and toolbar always do the same thing,
// and each is enabled exactly when its button is; Game > Last Results, which has no
// button, is enabled when the core can show the last results again. Call it once the buttons and the
// window's keys exist.
void AddMainMenus(MainWindow& window, App& app);
