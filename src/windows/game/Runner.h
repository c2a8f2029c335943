// SPDX-License-Identifier: GPL-3.0-or-later
// What a window may ask of the application object, which runs the core calls and owns
// the windows.
#pragma once

#include "core/game/BoardCode.h"

#include <QString>

#include <functional>

class QWidget;

// What a window may ask of the application. Windows get it through their constructors
// and never reach one another.
class Runner {
public:
    // Runs one core call, then every shown window shows the new state.
    virtual void run(const std::function<void()>& call) = 0;
    // A core call is under way: a message box of it runs an event loop of its own, and a
    // timer must not step the core underneath it.
    virtual bool busy() const = 0;
    // The exit sequence has begun: closing a window is no longer a command.
    virtual bool exiting() const = 0;
    // Shows `window`, a child of the main window, in front of the disabled main window.
    virtual void showOverMain(QWidget& window) = 0;
    // A window over the main window is done: the main window enabled and in front again,
    // unless network play holds it or another window is still over it.
    virtual void returnToMain() = 0;
    // The main window's commands that open other windows.
    virtual void openOptions() = 0;
    virtual void openDictionaryEditor() = 0;
    virtual void openHelp() = 0;
    virtual void openHighScores() = 0;
    virtual void enterNetworkGame() = 0;
    // Game > Play a Board, `text` filled in.
    virtual void openPlayBoard(const QString& text = {}) = 0;
    // Shows every word of `given`'s board, its language put in play when it is not;
    // why not, when it cannot be now. `note` is a line shown with the totals.
    virtual QString openSolvedBoard(const BoardCode::GivenBoard& given,
                                    const QString& note = {}) = 0;
    // Game > Board of the Day: today's board in the chosen board language, once a day;
    // played already, its words are offered instead.
    virtual void playBoardOfTheDay() = 0;
    // Game > Progress: the recorded games as charts.
    virtual void openGameProgress() = 0;
    // Exit: offers to save a changed dictionary, then closes every window. False, leaving
    // everything open, when the user wanted the dictionary saved and it could not be.
    virtual bool exitProgram() = 0;

protected:
    ~Runner() = default;
};
