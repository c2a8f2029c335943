// SPDX-License-Identifier: GPL-3.0-or-later
#include "App.h"

#include "core/dictionary/DictionaryStore.h"
#include "core/dictionary/EditorRules.h"
#include "core/game/BoardLanguage.h"
#include "core/game/Game.h"
#include "core/game/GivenBoard.h"
#include "core/game/HighScores.h"
#include "core/game/KeptGame.h"
#include "core/game/Options.h"
#include "core/game/Progress.h"
#include "core/network/NetworkGame.h"
#include "windows/dictionary/DictionaryEditor.h"
#include "windows/dictionary/ProgressWindow.h"
#include "windows/game/DailyStreak.h"
#include "windows/game/GameProgressWindow.h"
#include "windows/game/HighScoresWindow.h"
#include "windows/game/MainWindow.h"
#include "windows/game/OptionsDialog.h"
#include "windows/game/PlayBoardDialog.h"
#include "windows/game/ResultsWindow.h"
#include "windows/game/SolvedBoardWindow.h"
#include "windows/game/WindowPlace.h"
#include "windows/network/NetworkDialog.h"
#include "windows/network/PromptWindow.h"
#include "windows/shell/HelpBrowser.h"

#include <QDate>

// Answers the game's prompts with message boxes over the window they belong to.
class App::Prompter : public core::Prompter {
public:
    explicit Prompter(App& app) : m_app(app) {}

    core::Answer ask(const core::Prompt& prompt) override
    {
        // The box shows over the windows as the core left them: a "Hit OK" box over a
        // hidden board, the lobby gone and the main window in use when network play hands
        // over to the game, new results up. Windows the call is closing stay until it ends.
        m_app.syncMainEnabled(false);
        m_app.syncNetwork();
        m_app.m_main->sync();
        m_app.openNewResults();
        m_app.syncMainEnabled(false);
        return m_app.desktop.ask(m_app.ownerWindow(prompt.owner), prompt);
    }
    void warningSound() override { m_app.desktop.warningSound(); }
    std::optional<QString> askText(const core::Prompt& prompt, const QString& initial) override
    {
        return m_app.desktop.askText(m_app.ownerWindow(prompt.owner), prompt, initial);
    }

private:
    App& m_app;
};

App::App(ui::Desktop& desktop)
    : desktop(desktop), m_prompter(std::make_unique<Prompter>(*this)),
      m_main(std::make_unique<MainWindow>(program, *this, desktop))
{
    program.prompter = m_prompter.get();
}

App::~App()
{
    // The windows go first: they show the program, which outlives them.
    m_main.reset();
    program.prompter = nullptr;
}

QWidget* App::ownerWindow(core::Owner owner) const
{
    if (owner == core::Owner::Results && m_results)
        return m_results;
    if (owner == core::Owner::Editor && m_editor)
        return m_editor;
    if (owner == core::Owner::Lobby && m_lobby && m_lobby->isVisible())
        return m_lobby;
    if (owner == core::Owner::HighScores && m_highScores)
        return m_highScores;
    return m_main.get();
}

void App::startUp()
{
    Game::StartUp(program);
    m_main->startUp();
}

void App::run(const std::function<void()>& call)
{
    const bool clockWasRunning = program.screen.ClockRunning;
    ++m_callDepth;
    call();
    --m_callDepth;
    syncWindows();
    // A game begun inside the call gets the typing at once.
    if (program.screen.ClockRunning && !clockWasRunning)
        m_main->focusWordBox();
}

void App::syncWindows()
{
    // The main window first: disabling it disables the windows over it, which then enable
    // themselves as they are shown.
    syncMainEnabled(false);
    syncNetwork();
    m_main->sync();
    syncResults();
    syncHighScores();
    syncDictionary();
    // A window that has just closed gives the main window back.
    syncMainEnabled(false);
}

bool App::windowOverMain() const
{
    for (const QWidget* window : std::initializer_list<const QWidget*>{
             m_results, m_options, m_highScores, m_editor, m_progress, m_playBoard, m_solved,
             m_gameProgress})
        if (window && window->isVisible())
            return true;
    return false;
}

void App::syncMainEnabled(bool toFront)
{
    if (!program.network.Window.MainWindowEnabled || windowOverMain()) {
        m_main->setEnabled(false);
        return;
    }
    if (m_main->isEnabled() && !toFront)
        return;
    // Enabled first: a disabled window cannot become the active one.
    m_main->setEnabled(true);
    m_main->show();
    m_main->raise();
    m_main->activateWindow();
}

void App::showOverMain(QWidget& window)
{
    m_main->setEnabled(false);
    // A child window follows its parent into the disabled state; this one must not.
    window.setEnabled(true);
    window.show();
    window.raise();
    window.activateWindow();
}

void App::returnToMain()
{
    syncMainEnabled(true);
}

ResultsWindow& App::results()
{
    if (!m_results) {
        m_results = new ResultsWindow(program, *this, desktop, m_definitions, m_main.get());
        WindowPlace::Remember(program, *m_results, QStringLiteral("Results"), m_main.get());
    }
    return *m_results;
}

bool App::openNewResults()
{
    const ResultsState& r = program.results;
    // Results prepared since the window last opened them: a game has just been evaluated,
    // or the last results are shown again.
    if (!r.Open || r.ShownAt == m_resultsShownAt)
        return false;
    m_resultsShownAt = r.ShownAt;
    results().sync();
    showOverMain(results());
    return true;
}

void App::syncResults()
{
    if (!openNewResults() && m_results && m_results->isVisible())
        m_results->sync();
}

void App::syncHighScores()
{
    const HighScoreState& hs = program.highScores;
    if (!hs.Open) {
        if (m_highScores)
            m_highScores->hide();
        return;
    }
    // A game that entered its table shows it once its results are closed.
    if (m_results && m_results->isVisible())
        return;
    if (!m_highScores) {
        m_highScores = new HighScoresWindow(program, *this, m_main.get());
        WindowPlace::Remember(program, *m_highScores, QStringLiteral("HighScores"), m_main.get());
    }
    m_highScores->sync();
    if (!m_highScores->isVisible())
        showOverMain(*m_highScores);
}

void App::openHighScores()
{
    // The game settings of network play are not the player's own.
    if (!IsNetworkGame(program))
        run([this] { HighScores::OpenHighScores(program); });
}

DictionaryEditor& App::dictionaryEditor()
{
    if (!m_editor) {
        m_editor = new DictionaryEditor(program, *this, desktop, m_definitions, m_main.get());
        WindowPlace::Remember(program, *m_editor, QStringLiteral("Dictionary"), m_main.get());
    }
    return *m_editor;
}

ProgressWindow& App::progressWindow()
{
    if (!m_progress) {
        m_progress = new ProgressWindow(program, *this, m_main.get());
        WindowPlace::Remember(program, *m_progress, QStringLiteral("Progress"), m_main.get());
    }
    return *m_progress;
}

void App::openDictionaryEditor()
{
    bool opened = false;
    run([this, &opened] { opened = Dictionary::OpenDictionaryEditor(program); });
    if (!opened)
        return;
    DictionaryEditor& editor = dictionaryEditor();
    m_main->setEnabled(false);
    editor.prepareToOpen();
    editor.sync();
    // Modality can only change while the window is hidden; it is, whenever the Dictionary
    // button can be pressed.
    if (!editor.isVisible())
        editor.setWindowModality(Qt::ApplicationModal);
    showOverMain(editor);
}

void App::syncDictionary()
{
    if (!m_editor)
        return;
    const EditorState& state = program.dictionary.Editor;
    const bool merging = m_progress && m_progress->isVisible();
    if (state.Merging) {
        if (!merging)
            m_editor->hide();
        progressWindow().sync();
        return;
    }
    if (merging) {
        m_progress->sync();
        // Back without modality; the main window stays disabled until the editor closes.
        m_editor->setWindowModality(Qt::NonModal);
        showOverMain(*m_editor);
    }
    m_editor->sync();
}

void App::openOptions()
{
    if (IsNetworkGame(program))
        return;
    // Between games the dialog shows, and OK keeps, the player's own settings rather
    // than those a given board's game was played with.
    if (program.game.TimeRemaining == 0)
        run([this] { Given::RestoreOwnSettings(program); });
    if (!m_options) {
        m_options = new OptionsDialog(program, *this, m_main.get());
        WindowPlace::Remember(program, *m_options, QStringLiteral("Options"), m_main.get());
    }
    m_options->sync();
    showOverMain(*m_options);
}

void App::openPlayBoard(const QString& text)
{
    if (IsNetworkGame(program))
        return;
    if (!m_playBoard) {
        m_playBoard = new PlayBoardDialog(program, *this, m_main.get());
        WindowPlace::Remember(program, *m_playBoard, QStringLiteral("PlayBoard"), m_main.get());
    }
    m_playBoard->prepare(text);
    showOverMain(*m_playBoard);
}

QString App::openSolvedBoard(const BoardCode::GivenBoard& given, const QString& note)
{
    if (IsNetworkGame(program))
        return QObject::tr("Boards cannot be solved during a network game.");
    if (given.Language != program.dictionary.Language) {
        // The dictionary of a game under way stays.
        if (program.game.TimeRemaining != 0)
            return QObject::tr("A board in another language can be solved once this game "
                               "is over.");
        bool used = false;
        run([&] { used = BoardLanguage::UseLanguage(program, given.Language); });
        if (!used)
            return QObject::tr("The board's language cannot be put in play.");
    }
    std::vector<Given::SolvedWord> words;
    run([&] {
        // The board's smallest word, the player's again afterwards.
        const int own = program.engine.cMinWordSize();
        program.engine.cSetMinWordSize(given.MinWordSize);
        words = Given::SolveBoard(program.engine, given.Board, given.RepeatLetters);
        program.engine.cSetMinWordSize(own);
    });
    if (!m_solved) {
        m_solved = new SolvedBoardWindow(*this, m_main.get());
        WindowPlace::Remember(program, *m_solved, QStringLiteral("SolvedBoard"), m_main.get());
    }
    m_solved->showSolved(given, words, note);
    showOverMain(*m_solved);
    return {};
}

void App::playBoardOfTheDay()
{
    if (IsNetworkGame(program))
        return;
    const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
    const std::string language = program.options.BoardLanguage;
    const std::vector<Progress::GameRecord> played =
        Progress::ReadGames(program, {.Language = language, .DailyDate = today});
    if (played.empty()) {
        bool started = false;
        run([&] { started = Given::PlayBoardOfTheDay(program, today); });
        if (!started)
            desktop.ask(m_main.get(), core::Prompt{.text = QObject::tr(
                                                       "The board of the day cannot be played "
                                                       "now: its language is not available.")});
        return;
    }
    const Progress::GameRecord& game = played.front();
    const QString streak = DailyStreakText(program, today);
    const core::Answer answer = desktop.ask(
        m_main.get(),
        core::Prompt{.text = QObject::tr("You have played today's board already: %1 points, %2 "
                                         "of its %3 words.\n\n%4\n\nA new board comes "
                                         "tomorrow. See all the words of today's?")
                                 .arg(game.Points)
                                 .arg(game.WordsFound)
                                 .arg(game.BoardWords)
                                 .arg(streak),
                     .title = QObject::tr("Board of the Day"),
                     .buttons = core::Buttons::YesNo});
    if (answer != core::Answer::Yes)
        return;
    const QString trouble = openSolvedBoard(Given::BoardOfTheDay(language, today), streak);
    if (!trouble.isEmpty())
        desktop.ask(m_main.get(), core::Prompt{.text = trouble});
}

void App::openGameProgress()
{
    if (!m_gameProgress) {
        m_gameProgress = new GameProgressWindow(program, *this, m_main.get());
        WindowPlace::Remember(program, *m_gameProgress, QStringLiteral("GameProgress"),
                              m_main.get());
    }
    m_gameProgress->refresh();
    showOverMain(*m_gameProgress);
}

void App::openHelp()
{
    if (IsNetworkGame(program))
        return;
    if (!m_help) {
        m_help = new HelpBrowser(program, m_main.get());
        WindowPlace::Remember(program, *m_help, QStringLiteral("Help"), m_main.get());
    }
    m_help->showContents();
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void App::syncNetwork()
{
    const NetworkState& n = program.network;
    if (n.Window.Shown && !m_lobby) {
        m_lobby = new NetworkDialog(program, *this, startComputerPlayer, m_main.get());
        WindowPlace::Remember(program, *m_lobby, QStringLiteral("Network"), m_main.get());
    }
    if (n.Prompt.Shown && !m_prompt) {
        m_prompt = new PromptWindow(program, *this, m_main.get());
        WindowPlace::Remember(program, *m_prompt, QStringLiteral("Prompt"), m_main.get());
    }
    if (m_lobby)
        m_lobby->sync();
    if (m_prompt)
        m_prompt->sync();
}

void App::enterNetworkGame()
{
    Common::NetworkEntry entry = Common::NetworkEntry::Stay;
    run([this, &entry] { entry = Common::EnterNetworkGame(program); });
    // The Prompt window then asks for a name and a role, and the main window waits.
    if (entry != Common::NetworkEntry::Stay)
        run([this] { Network::Initialize(program, false); });
}

bool App::exitProgram()
{
    if (m_exiting)
        return true;
    // A save that failed has been reported; quitting now would lose the changes anyway.
    if (!Dictionary::OfferDictionarySave(program))
        return false;
    m_exiting = true;
    KeptGame::KeepGame(program);
    m_main->stopClock();
    if (m_progress)
        m_progress->stop();
    if (m_lobby)
        m_lobby->stop();
    for (QWidget* window : std::initializer_list<QWidget*>{
             m_progress, m_options, m_results, m_help, m_highScores, m_editor, m_lobby, m_prompt,
             m_playBoard, m_solved, m_gameProgress})
        if (window)
            window->hide();
    m_main->close();
    return true;
}
