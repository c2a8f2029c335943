// Running a game: start, the clock, pause, and the end of a turn.
#include "windows/game/App.h"
#include "windows/game/Common.h"
#include "windows/game/EndOfGame.h"
#include "windows/game/MainWindow.h"
#include "core/game/TimeFormat.h"

#include "windows/board/CubeFrame.h"
#include "windows/board/WordEntry.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>

namespace Common {

namespace {
void SetTimeLeftColour(App& app, TimeFormat::ClockColour colour)
{
    QColor c(Qt::black);
    if (colour == TimeFormat::ClockColour::Yellow)
        c = QColor(255, 255, 0);
    else if (colour == TimeFormat::ClockColour::Red)
        c = QColor(255, 0, 0);
    QPalette palette = app.main->TimeLeft->palette();
    palette.setColor(QPalette::WindowText, c);
    app.main->TimeLeft->setPalette(palette);
}

// Hides the board while a "Hit OK" box is up, so nobody gets a head start.
void HitOkBehindHiddenBoard(App& app, const QString& text)
{
    app.main->cubeFrame->setVisible(false);
    Ask(app, text);
    app.main->cubeFrame->setVisible(true);
}
} // namespace

void StartGameClick(App& app)
{
    if (IsNetworkGame(app))
        return;
    // A running game is dropped without evaluation.
    app.main->GameClock->stop();
    std::string board;
    SetUpBoard(app, board);
    BeginPlay(app);
}

void BeginPlay(App& app)
{
    MainWindow& w = *app.main;
    w.show();
    w.raise();
    w.activateWindow();
    w.NewWord->setFocus();

    GameState& game = app.game;
    game.GameInProgress = true;
    game.TimeRemaining = game.GameType == Frantic ? 15 : game.TimeLimit;
    switch (game.GameMode) {
    case SinglePlayer:
        game.PlayerCount = 1;
        game.LocalPlayerIndex = 0;
        break;
    case TwoPlayer:
        game.PlayerCount = 2;
        HitOkBehindHiddenBoard(app, QStringLiteral("Player 1 - Hit OK when ready to start game."));
        game.LocalPlayerIndex = 0;
        break;
    default:
        HitOkBehindHiddenBoard(app, QStringLiteral("Hit OK when ready to start game."));
        break;
    }

    const auto players = static_cast<std::size_t>(std::max(game.PlayerCount, 1));
    game.PlayerWords.assign(players, {});
    Evaluation& eval = app.eval;
    eval.PlayerDefinedWords.assign(players, {});
    eval.PlayerUndefinedWords.assign(players, {});
    eval.PlayerScores.assign(players, 0);
    eval.UnusedWords.clear();
    eval.CommonWords.clear();

    SetTimeLeftColour(app, TimeFormat::ClockColour::Black);
    SetClockLabels(app, QStringLiteral("Time Remaining"),
                   QString::fromStdString(TimeFormat::FormatTime(game.TimeRemaining)));
    w.GameClock->start();
}

void ClockTick(App& app)
{
    GameState& game = app.game;
    MainWindow& w = *app.main;
    if (game.Paused)
        return;
    if (!IsNetworkGame(app)) {
        // The clock stands still, and the board stays hidden, while another window is in front.
        if (!app.desktop.isForeground(&w)) {
            if (w.cubeFrame->isVisible())
                w.cubeFrame->setVisible(false);
            return;
        }
        if (!w.cubeFrame->isVisible())
            w.cubeFrame->setVisible(true);
    }
    if (game.TimeRemaining <= 0) {
        // A tick that arrives after the game ended must not count below zero.
        w.GameClock->stop();
        return;
    }
    game.TimeRemaining -= 1;
    SetTimeLeftColour(app, TimeFormat::TimeLeftColour(game.TimeRemaining));
    w.TimeLeft->setText(QString::fromStdString(TimeFormat::FormatTime(game.TimeRemaining)));
    if (game.TimeRemaining == 0)
        EndGame(app);
}

void PauseGame(App& app)
{
    if (IsNetworkGame(app))
        return;
    MainWindow& w = *app.main;
    app.game.Paused = true;
    w.cubeFrame->setVisible(false);
    Ask(app, QStringLiteral("Hit OK when ready to resume."), ui::Buttons::Ok,
        QStringLiteral("Game paused"));
    w.cubeFrame->setVisible(true);
    w.show();
    w.raise();
    w.activateWindow();
    app.game.Paused = false;
}

void EndGameNow(App& app)
{
    // A game aborted by an option change is still "in progress" until the next start, but
    // it has no turn left to end: ending it again would evaluate a game nobody finished.
    if (!app.game.GameInProgress || app.game.TimeRemaining == 0)
        return;
    app.game.TimeRemaining = 0;
    EndGame(app);
}

void AbortGame(App& app)
{
    MainWindow& w = *app.main;
    app.game.TimeRemaining = 0;
    w.GameClock->stop();
    w.NewWord->setEnabled(false);
    w.NewWord->clear();
    WordEntry::UpdateEnterCaption(app);
    SetTimeLeftColour(app, TimeFormat::ClockColour::Black);
    SetClockLabels(app, QStringLiteral("Game Over"), QString());
}

void EndGame(App& app)
{
    // The clock stops as for an aborted game; then the turn's words are collected.
    AbortGame(app);
    MainWindow& w = *app.main;
    GameState& game = app.game;

    const int index = std::max(game.LocalPlayerIndex, 0);
    if (static_cast<std::size_t>(index) >= game.PlayerWords.size())
        game.PlayerWords.resize(static_cast<std::size_t>(index) + 1);
    Words& words = game.PlayerWords[static_cast<std::size_t>(index)];
    words.clear();
    for (int row = 0; row < w.WordList->rowCount(); ++row) {
        const QTableWidgetItem* item = w.WordList->item(row, 0);
        words.push_back(item ? item->text().toStdString() : std::string());
    }
    if (IsNetworkGame(app)) {
        // TODO: network play hands the words to the network game's end (sending them to
        // the host, or waiting for the players' words); it calls FinishTurn once every
        // player's words are in. That code arrives with network play.
        return;
    }
    FinishTurn(app);
}

void SetClockLabels(App& app, const QString& caption, const QString& timeText)
{
    app.main->TimeRemLabel->setText(caption);
    app.main->TimeLeft->setText(timeText);
}

} // namespace Common
