// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's wiring: it shows the core's results (points, found marks, the
// numbered path), its controls reach the core, closing it gives the main window back, and
// Game > Last Results shows it again.
#include "TestApp.h"

#include "core/game/Game.h"
#include "core/game/Results.h"
#include "windows/game/ResultsWindow.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

using Results::Selector;

Words Texts(const QListWidget* list)
{
    Words texts;
    for (int i = 0; i < list->count(); ++i)
        texts.push_back(list->item(i)->text().toStdString());
    return texts;
}

// The window shows what the core holds.
void ExpectMirror(const App& app, const ResultsWindow& r)
{
    EXPECT_EQ(r.UserWordsCombo->currentIndex(), Results::ChosenItem(app, Selector::User));
    EXPECT_EQ(r.DictWordsCombo->currentIndex(), Results::ChosenItem(app, Selector::Dict));
    EXPECT_EQ(Texts(r.UserWords), Results::ShownList(app, Selector::User));
    EXPECT_EQ(Texts(r.DictWords), Results::ShownList(app, Selector::Dict));
    EXPECT_EQ(r.AddToDict->isVisibleTo(&r), Results::AddToDictShown(app));
}

// The steps shown on the cubes, "" where there are none.
QStringList Steps(const ResultsWindow& r)
{
    QStringList steps;
    for (const QLabel* label : r.PathSteps)
        steps.append(label->text());
    return steps;
}

// A single-player game over "CATS/ODGE/QINR/TXYZ", its results open.
ResultsWindow& FinishGame(TestApp& t)
{
    t.startUp();
    t.placeBoard(BoardFromText("CATS/ODGE/QINR/TXYZ"));
    t.app.game.PlayerWords = {{"cat", "quit", "dog", "zebra"}};
    t.app.game.GameInProgress = true;
    Game::FinishTurn(t.app);
    t.window->showGameState();
    EXPECT_TRUE(t.app.resultsWindow && t.app.resultsWindow->isVisible());
    EXPECT_FALSE(t.window->isEnabled());
    return *t.app.resultsWindow;
}

TEST(ResultsWindow, mirrorsTheCorePassesClicksOnAndGivesTheMainWindowBack)
{
    TestApp t({"cat", "cats", "dig", "quit", "stag"});
    ResultsWindow& r = FinishGame(t);
    ExpectMirror(t.app, r);
    // All Words: the points beside each word, the player's finds in bold.
    const auto cat = r.DictWords->item(0), dig = r.DictWords->item(2);
    EXPECT_EQ(std::tuple(cat->text(), cat->toolTip(), cat->font().bold()),
              std::tuple(QString("cat"), QString("1 point, found"), true));
    EXPECT_EQ(std::tuple(dig->text(), dig->toolTip(), dig->font().bold()),
              std::tuple(QString("dig"), QString("1 point"), false));

    r.UserWordsCombo->setCurrentIndex(1);
    r.UserWords->setCurrentRow(0);
    r.AddToDict->click();
    EXPECT_TRUE(t.app.engine.contains("dog"));
    ExpectMirror(t.app, r);

    r.DictWords->setCurrentRow(1);
    r.RemoveFromDict->click();
    EXPECT_FALSE(t.app.engine.contains("cats"));
    ExpectMirror(t.app, r);

    const auto quit = r.DictWords->findItems("quit", Qt::MatchExactly).value(0);
    QTest::mouseClick(r.DictWords->viewport(), Qt::LeftButton, {},
                      r.DictWords->visualItemRect(quit).center());
    EXPECT_NE(r.ResultCubes[8]->palette().color(QPalette::Window),
              r.ResultCubes[0]->palette().color(QPalette::Window))
        << "the word's cubes light up";
    QStringList quitSteps(16);
    quitSteps[8] = "1", quitSteps[9] = "2", quitSteps[12] = "3";
    EXPECT_EQ(Steps(r), quitSteps) << "Qu, I, T in order";
    r.DictWordsCombo->setCurrentIndex(1);
    EXPECT_EQ(Steps(r), QStringList(16)) << "the selection went with the list";

    r.close();
    EXPECT_FALSE(r.isVisible() || t.app.results.Open || t.app.game.GameInProgress);
    EXPECT_TRUE(t.window->isEnabled());
}

TEST(ResultsWindow, lastResultsShowsTheClosedResultsAgainUntilTheNextGame)
{
    TestApp t({"cat", "cats", "quit"});
    QAction* last = t.window->LastResultsAction;
    ASSERT_TRUE(last && last->text().contains('&'));
    EXPECT_FALSE(last->isEnabled()) << "no game yet";
    ResultsWindow& r = FinishGame(t);
    EXPECT_FALSE(last->isEnabled()) << "they are open";
    const Words user = Texts(r.UserWords), dict = Texts(r.DictWords);
    const QString score = r.ScoreLabel->text();
    r.close();
    emit t.window->findChild<QMenu*>("GameMenu")->aboutToShow();
    EXPECT_TRUE(last->isEnabled());
    last->trigger();
    EXPECT_TRUE(r.isVisible() && !t.window->isEnabled() && !last->isEnabled());
    EXPECT_EQ(std::tuple(Texts(r.UserWords), Texts(r.DictWords), r.ScoreLabel->text()),
              std::tuple(user, dict, score));
    r.close();
    EXPECT_TRUE(t.window->isEnabled() && !t.app.game.GameInProgress);
    t.window->Start->click();
    EXPECT_FALSE(last->isEnabled()) << "a new game started";
}

} // namespace
