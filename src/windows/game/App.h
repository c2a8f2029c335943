// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: the run's state, its windows and the desktop seam. It is the
// one place that runs a core call and then brings every shown window up to date.
#pragma once

#include "core/dictionary/Definitions.h"
#include "core/game/Program.h"
#include "windows/game/Runner.h"
#include "windows/ui/Desktop.h"

#include <QPointer>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

class DictionaryEditor;
class GameProgressWindow;
class HelpBrowser;
class HighScoresWindow;
class MainWindow;
class NetworkDialog;
class OptionsDialog;
class PlayBoardDialog;
class SolvedBoardWindow;
class ProgressWindow;
class PromptWindow;
class ResultsWindow;

class App final : public Runner {
public:
    explicit App(ui::Desktop& desktop);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Program program;
    ui::Desktop& desktop;
    // Starts a computer player with these arguments; a test records them instead.
    std::function<void(const QStringList&)> startComputerPlayer;

    MainWindow& mainWindow() { return *m_main; }
    // The core's start-up, then the main window shows the blank board.
    void startUp();
    // Every shown window shows the core's state; windows the core has opened appear.
    void syncWindows();

    void run(const std::function<void()>& call) override;
    bool busy() const override { return m_callDepth > 0; }
    bool exiting() const override { return m_exiting; }
    void showOverMain(QWidget& window) override;
    void returnToMain() override;
    void openOptions() override;
    void openDictionaryEditor() override;
    void openHelp() override;
    void openHighScores() override;
    void enterNetworkGame() override;
    void openPlayBoard(const QString& text = {}) override;
    QString openSolvedBoard(const BoardCode::GivenBoard& given, const QString& note = {}) override;
    void playBoardOfTheDay() override;
    void openGameProgress() override;
    bool exitProgram() override;

private:
    class Prompter;
    // The window a prompt of `owner` shows over.
    QWidget* ownerWindow(core::Owner owner) const;
    // The main window enabled exactly when network play lets it be and no window is over it.
    void syncMainEnabled(bool toFront);
    bool windowOverMain() const;
    // Shows results the core has made since the window last opened; false when none.
    bool openNewResults();
    void syncResults();
    void syncHighScores();
    void syncDictionary();
    void syncNetwork();
    ResultsWindow& results();
    DictionaryEditor& dictionaryEditor();
    ProgressWindow& progressWindow();

    std::unique_ptr<Prompter> m_prompter;
    // Opened at the first lookup; shared by the results and the dictionary editor.
    Definitions::Library m_definitions;
    std::unique_ptr<MainWindow> m_main;
    // The other windows are made on first use as children of the main window.
    QPointer<ResultsWindow> m_results;
    QPointer<OptionsDialog> m_options;
    QPointer<DictionaryEditor> m_editor;
    QPointer<ProgressWindow> m_progress;
    QPointer<HelpBrowser> m_help;
    QPointer<NetworkDialog> m_lobby;
    QPointer<PromptWindow> m_prompt;
    QPointer<HighScoresWindow> m_highScores;
    QPointer<PlayBoardDialog> m_playBoard;
    QPointer<SolvedBoardWindow> m_solved;
    QPointer<GameProgressWindow> m_gameProgress;
    std::chrono::steady_clock::time_point m_resultsShownAt{};
    int m_callDepth = 0;
    bool m_exiting = false;
};
