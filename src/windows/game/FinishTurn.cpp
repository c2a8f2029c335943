// The end of a turn: the hand-over to player 2, or evaluation and the results window.
#include "windows/game/App.h"
#include "windows/game/Common.h"
#include "windows/game/EndOfGame.h"
#include "windows/game/MainWindow.h"
#include "windows/game/ResultsWindow.h"
#include "core/game/Scoring.h"
#include "core/game/TimeFormat.h"

#include "windows/board/CubeFrame.h"
#include "windows/board/WordEntry.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>

namespace Common {

namespace {

// Player 2 plays the same board with a fresh word list and a full clock.
void HandOverToPlayerTwo(App& app)
{
    MainWindow& w = *app.main;
    GameState& game = app.game;
    game.LocalPlayerIndex = 1;

    w.WordList->setRowCount(0);
    w.PlayerWordLabel->clear();
    w.NewWord->setEnabled(true);
    app.entry.LastNewWordText.clear();
    w.NewWord->setFocus();
    app.entry.ClickedWord.clear();
    app.entry.ClickedCount = 0;
    WordEntry::UpdateEnterCaption(app);

    game.TimeRemaining = game.GameType == Frantic ? 15 : game.TimeLimit;
    // Player 2 must not study the board before the clock runs.
    w.cubeFrame->setVisible(false);
    Ask(app, QStringLiteral("Player 2 - Hit OK when ready to start game."));
    w.cubeFrame->setVisible(true);
    SetClockLabels(app, QStringLiteral("Time Remaining"),
                   QString::fromStdString(TimeFormat::FormatTime(game.TimeRemaining)));
    w.GameClock->start();
}

} // namespace

void FinishTurn(App& app)
{
    GameState& game = app.game;
    if (game.GameMode == TwoPlayer && game.LocalPlayerIndex == 0) {
        HandOverToPlayerTwo(app);
        return;
    }
    Scoring::ClassifyWords(game, app.board.BoardWords, app.eval);
    SetClockLabels(app, QStringLiteral("Game Over"), QString());
    EvaluateWords(app);

    PrepareResultsWindow(app);
    ResultsWindow& results = ResultsWindowFor(app);
    app.main->setEnabled(false);
    // A child window follows its parent into the disabled state; this one must not.
    results.setEnabled(true);
    results.show();
    results.raise();
    results.activateWindow();
}

void EvaluateWords(App& app)
{
    Scoring::FindUnusedAndCommon(app.game, app.board.BoardWords, app.eval);
    ShowScores(app);
}

void ShowScores(App& app)
{
    const Scoring::ResultTexts texts =
        Scoring::ScoreTexts(app.game, app.board.BoardWords, app.eval);
    ResultsWindow& r = ResultsWindowFor(app);
    r.WordsLabel->setText(QString::fromStdString(texts.Words));
    r.ScoreLabel->setText(QString::fromStdString(texts.Score));
    r.BadWordsLabel->setText(QString::fromStdString(texts.BadWords));
}

} // namespace Common
