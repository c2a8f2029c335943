// SPDX-License-Identifier: GPL-3.0-or-later
#include "App.h"

#include "windows/game/MainWindow.h"

#include "windows/dictionary/DictionaryEditor.h"
#include "windows/game/HighScoresWindow.h"
#include "windows/game/ResultsWindow.h"
#include "windows/network/NetworkDialog.h"
#include "windows/network/PromptWindow.h"
#include "windows/game/WindowPlace.h"

QWidget* WindowsPrompter::ownerWindow(core::Owner owner) const
{
    QWidget* parent = m_app.main;
    if (owner == core::Owner::Results && m_app.resultsWindow)
        parent = m_app.resultsWindow;
    else if (owner == core::Owner::Editor && m_app.dictionaryEditor)
        parent = m_app.dictionaryEditor;
    else if (owner == core::Owner::Lobby && m_app.networkDialog &&
             m_app.networkDialog->isVisible())
        parent = m_app.networkDialog;
    else if (owner == core::Owner::HighScores && m_app.highScoresWindow)
        parent = m_app.highScoresWindow;
    return parent;
}

core::Answer WindowsPrompter::ask(const core::Prompt& prompt)
{
    // The box shows over the windows as the core left them: a "Hit OK" box over a hidden
    // board, the lobby gone and the main window in use when network play hands over.
    SyncNetworkWindows(m_app);
    return m_app.desktop.ask(ownerWindow(prompt.owner), prompt);
}

std::optional<QString> WindowsPrompter::askText(const core::Prompt& prompt,
                                                const QString& initial)
{
    return m_app.desktop.askText(ownerWindow(prompt.owner), prompt, initial);
}

void WindowsPrompter::warningSound()
{
    m_app.desktop.warningSound();
}

void ShowOverMainWindow(App& app, QWidget& window)
{
    if (app.main)
        app.main->setEnabled(false);
    // A child window follows its parent into the disabled state; this one must not.
    window.setEnabled(true);
    window.show();
    window.raise();
    window.activateWindow();
}

void ReturnToMainWindow(App& app)
{
    if (!app.main)
        return;
    MainWindow& w = *app.main;
    // Enabled first: a disabled window cannot become the active one.
    w.setEnabled(true);
    w.show();
    w.raise();
    w.activateWindow();
}

void SyncNetworkWindows(App& app)
{
    if (!app.main)
        return;
    const NetworkState& n = app.network;
    if (!n.Window.MainWindowEnabled && !app.mainHeldByNetwork) {
        app.mainHeldByNetwork = true;
        app.main->setEnabled(false);
    } else if (n.Window.MainWindowEnabled && app.mainHeldByNetwork) {
        app.mainHeldByNetwork = false;
        ReturnToMainWindow(app);
    }
    if (n.Window.Shown && !app.networkDialog) {
        app.networkDialog = new NetworkDialog(app, app.main);
        WindowPlace::Remember(app, *app.networkDialog, QStringLiteral("Network"));
    }
    if (n.Prompt.Shown && !app.promptWindow) {
        app.promptWindow = new PromptWindow(app, app.main);
        WindowPlace::Remember(app, *app.promptWindow, QStringLiteral("Prompt"));
    }
    if (app.networkDialog)
        app.networkDialog->sync();
    if (app.promptWindow)
        app.promptWindow->sync();
    app.main->sync();
}

void RunNetworkCall(App& app, const std::function<void()>& call)
{
    const bool clockWasRunning = app.screen.ClockRunning;
    ++app.networkCallDepth;
    call();
    --app.networkCallDepth;
    SyncNetworkWindows(app);
    if (app.main && app.screen.ClockRunning && !clockWasRunning)
        app.main->showGameState();
}
