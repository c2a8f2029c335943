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

// A control of the results window by name, a list unless said otherwise.
template <class T = QListWidget>
T* In(const ResultsWindow& r, const QString& name)
{
    return Control<T>(&r, name);
}

// The window shows what the core holds.
void ExpectMirror(const Program& program, const ResultsWindow& r)
{
    EXPECT_EQ(In<QComboBox>(r, "UserWordsCombo")->currentIndex(), Results::ChosenItem(program, Selector::User));
    EXPECT_EQ(In<QComboBox>(r, "DictWordsCombo")->currentIndex(), Results::ChosenItem(program, Selector::Dict));
    EXPECT_EQ(Texts(In(r, "UserWords")), Results::ShownList(program, Selector::User));
    EXPECT_EQ(Texts(In(r, "DictWords")), Results::ShownList(program, Selector::Dict));
    EXPECT_EQ(In<QPushButton>(r, "AddToDict")->isVisibleTo(&r), Results::AddToDictShown(program));
}

// The steps shown on the cubes, "" where there are none.
QStringList Steps(const ResultsWindow& r)
{
    QStringList steps;
    for (int i = 0; i < 16; ++i)
        steps.append(Control<QLabel>(&r, QStringLiteral("PathSteps%1").arg(i))->text());
    return steps;
}

// A single-player game over "CATS/ODGE/QINR/TXYZ", its results open.
ResultsWindow& FinishGame(TestApp& t)
{
    t.startUp();
    t.placeBoard(BoardFromText("CATS/ODGE/QINR/TXYZ"));
    t.program.game.PlayerWords = {{"cat", "quit", "dog", "zebra"}};
    t.program.game.GameInProgress = true;
    Game::FinishTurn(t.program);
    t.app.syncWindows();
    EXPECT_TRUE(t.find<ResultsWindow>() && t.find<ResultsWindow>()->isVisible());
    EXPECT_FALSE(t.window->isEnabled());
    return *t.find<ResultsWindow>();
}

TEST(ResultsWindow, mirrorsTheCorePassesClicksOnAndGivesTheMainWindowBack)
{
    TestApp t({"cat", "cats", "dig", "quit", "stag"});
    ResultsWindow& r = FinishGame(t);
    ExpectMirror(t.program, r);
    // All Words: the points beside each word, the player's finds in bold.
    const auto cat = In(r, "DictWords")->item(0), dig = In(r, "DictWords")->item(2);
    EXPECT_EQ(std::tuple(cat->text(), cat->toolTip(), cat->font().bold()),
              std::tuple(QString("cat"), QString("1 point, found"), true));
    EXPECT_EQ(std::tuple(dig->text(), dig->toolTip(), dig->font().bold()),
              std::tuple(QString("dig"), QString("1 point"), false));

    In<QComboBox>(r, "UserWordsCombo")->setCurrentIndex(1);
    In(r, "UserWords")->setCurrentRow(0);
    In<QPushButton>(r, "AddToDict")->click();
    EXPECT_TRUE(t.program.engine.contains("dog"));
    ExpectMirror(t.program, r);

    In(r, "DictWords")->setCurrentRow(1);
    In<QPushButton>(r, "RemoveFromDict")->click();
    EXPECT_FALSE(t.program.engine.contains("cats"));
    ExpectMirror(t.program, r);

    const auto quit = In(r, "DictWords")->findItems("quit", Qt::MatchExactly).value(0);
    QTest::mouseClick(In(r, "DictWords")->viewport(), Qt::LeftButton, {},
                      In(r, "DictWords")->visualItemRect(quit).center());
    EXPECT_NE(In<QLabel>(r, "ResultCubes8")->palette().color(QPalette::Window),
              In<QLabel>(r, "ResultCubes0")->palette().color(QPalette::Window))
        << "the word's cubes light up";
    QStringList quitSteps(16);
    quitSteps[8] = "1", quitSteps[9] = "2", quitSteps[12] = "3";
    EXPECT_EQ(Steps(r), quitSteps) << "Qu, I, T in order";
    In<QComboBox>(r, "DictWordsCombo")->setCurrentIndex(1);
    EXPECT_EQ(Steps(r), QStringList(16)) << "the selection went with the list";

    r.close();
    EXPECT_FALSE(r.isVisible() || t.program.results.Open || t.program.game.GameInProgress);
    EXPECT_TRUE(t.window->isEnabled());
}

TEST(ResultsWindow, lastResultsShowsTheClosedResultsAgainUntilTheNextGame)
{
    TestApp t({"cat", "cats", "quit"});
    QAction* last = t.window->findChild<QAction*>("LastResultsAction");
    ASSERT_TRUE(last && last->text().contains('&'));
    EXPECT_FALSE(last->isEnabled()) << "no game yet";
    ResultsWindow& r = FinishGame(t);
    EXPECT_FALSE(last->isEnabled()) << "they are open";
    const Words user = Texts(In(r, "UserWords")), dict = Texts(In(r, "DictWords"));
    const QString score = Control<QLabel>(&r, "ScoreLabel")->text();
    r.close();
    emit t.window->findChild<QMenu*>("GameMenu")->aboutToShow();
    EXPECT_TRUE(last->isEnabled());
    last->trigger();
    EXPECT_TRUE(r.isVisible() && !t.window->isEnabled() && !last->isEnabled());
    EXPECT_EQ(std::tuple(Texts(In(r, "UserWords")), Texts(In(r, "DictWords")), Control<QLabel>(&r, "ScoreLabel")->text()),
              std::tuple(user, dict, score));
    r.close();
    EXPECT_TRUE(t.window->isEnabled() && !t.program.game.GameInProgress);
    t.control<QToolButton>("Start")->click();
    EXPECT_FALSE(last->isEnabled()) << "a new game started";
}

} // namespace
