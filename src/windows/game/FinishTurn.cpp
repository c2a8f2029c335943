// The end of a turn on the main window.
#include "core/game/Game.h"
#include "core/game/Results.h"
#include "windows/game/App.h"
#include "windows/game/EndOfGame.h"
#include "windows/game/MainWindow.h"
#include "windows/game/ResultsWindow.h"

#include <QLabel>

namespace Common {

void FinishTurn(App& app)
{
    Game::FinishTurn(app);
    app.main->showGameState();
}

void ShowScores(App& app)
{
    Results::ShowScores(app);
    ResultsWindow& r = ResultsWindowFor(app);
    r.WordsLabel->setText(QString::fromStdString(app.results.Words));
    r.ScoreLabel->setText(QString::fromStdString(app.results.Score));
    r.BadWordsLabel->setText(QString::fromStdString(app.results.BadWords));
}

} // namespace Common
