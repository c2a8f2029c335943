// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game in a test: the application object with its main window (offscreen), a
// scripted desktop, a temporary folder for settings and a small dictionary. The game's
// procedures come with it, for tests that drive the core directly.
#pragma once

#include "ScriptedDesktop.h"
#include "core/game/Game.h"
#include "windows/game/App.h"
#include "windows/game/MainWindow.h"

#include <QTemporaryDir>
#include <QWidget>

#include <string>
#include <vector>

// The control named `name` on `window` itself, not on a window of its own inside it.
template <class T>
T* Control(const QWidget* window, const QString& name)
{
    for (T* found : window->findChildren<T*>(name)) {
        // Up to `window`, unless another window comes first (a menu's popup does not count).
        for (const QObject* up = found; up; up = up->parent()) {
            if (up == window)
                return found;
            const auto* widget = qobject_cast<const QWidget*>(up);
            if (widget && widget->isWindow() && !widget->inherits("QMenu"))
                break;
        }
    }
    return nullptr;
}

struct TestApp {
    // Writes `words` as the dictionary file into a temporary program folder.
    explicit TestApp(const std::vector<std::string>& words = {});

    // Runs start-up as the game does.
    void startUp() { app.startUp(); }
    // Places a chosen board as if it had been shaken (board words from the engine).
    void placeBoard(const std::string& board)
    {
        app.run([&] { Game::PlaceBoard(program, board); });
    }
    // The game's window of type W, once made.
    template <class W>
    W* find() const
    {
        return window->findChild<W*>();
    }
    // A control of the main window.
    template <class T>
    T* control(const QString& name) const
    {
        return Control<T>(window, name);
    }

    QTemporaryDir folder;
    ScriptedDesktop desktop;
    App app;
    Program& program = app.program;
    MainWindow* window = &app.mainWindow();
};
