// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: the run's state plus its windows and the desktop seam.
#pragma once

#include "core/game/Program.h"
#include "windows/ui/Desktop.h"

#include <QStringList>

#include <functional>

class DictionaryEditor;
class HelpBrowser;
class HighScoresWindow;
class MainWindow;
class NetworkDialog;
class OptionsDialog;
class ProgressWindow;
class PromptWindow;
class QWidget;
class ResultsWindow;
struct App;

// Answers the game's prompts with message boxes over the window they belong to.
class WindowsPrompter : public core::Prompter {
public:
    explicit WindowsPrompter(App& app) : m_app(app) {}
    core::Answer ask(const core::Prompt& prompt) override;
    void warningSound() override;
    std::optional<QString> askText(const core::Prompt& prompt, const QString& initial) override;

private:
    QWidget* ownerWindow(core::Owner owner) const;
    App& m_app;
};

struct App : Program {
    explicit App(ui::Desktop& desktop) : desktop(desktop) { prompter = &windowsPrompter; }
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    ui::Desktop& desktop;
    WindowsPrompter windowsPrompter{*this};
    MainWindow* main = nullptr; // owned by whoever made it (main.cpp or a test)
    // The other windows are made on first use as children of the main window.
    ResultsWindow* resultsWindow = nullptr;
    OptionsDialog* optionsDialog = nullptr;
    DictionaryEditor* dictionaryEditor = nullptr;
    ProgressWindow* progressWindow = nullptr;
    HelpBrowser* helpBrowser = nullptr;
    NetworkDialog* networkDialog = nullptr; // the lobby
    PromptWindow* promptWindow = nullptr;
    HighScoresWindow* highScoresWindow = nullptr;
    // Network play has disabled the main window (its MainWindowEnabled went false) and
    // gives it back when that goes true again; other windows' disabling is left alone.
    bool mainHeldByNetwork = false;
    // Network calls under way: a message box of one runs its own event loop, and the
    // lobby's poll must not step the protocol underneath it.
    int networkCallDepth = 0;
    // Starts a computer player with these arguments; a test records them instead.
    std::function<void(const QStringList&)> startComputerPlayer;
    // Set once the exit sequence has begun, so closing the main window does not run it twice.
    bool exiting = false;
};

// Shows the main window enabled and in front again, when a dialog or window is done.
void ReturnToMainWindow(App& app);
// Disables the main window and brings `window`, one of its children, to the front enabled.
void ShowOverMainWindow(App& app, QWidget& window);

// Makes every window show network play's state: the lobby and the Prompt window (made
// when first shown), the main window enabled as network play wants, and the main
// window's own state (a game begun, results opened).
void SyncNetworkWindows(App& app);
// One call into network play, then SyncNetworkWindows; a game begun inside it gets the
// typing at once.
void RunNetworkCall(App& app, const std::function<void()>& call);
