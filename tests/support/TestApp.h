// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game in a test: app state, a scripted desktop, the main window (offscreen),
// a temporary folder for settings and a small dictionary.
#pragma once

#include "ScriptedDesktop.h"
#include "windows/game/App.h"
#include "windows/game/MainWindow.h"

#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

struct TestApp {
    // Writes `words` as the dictionary file into a temporary program folder.
    explicit TestApp(const std::vector<std::string>& words = {});

    // Runs start-up as the game does.
    void startUp();
    // Places a chosen board as if it had been shaken (board words from the engine).
    void placeBoard(std::string board);

    QTemporaryDir folder;
    ScriptedDesktop desktop;
    App app;
    std::unique_ptr<MainWindow> window; // destroyed first, before the app it shows
};
