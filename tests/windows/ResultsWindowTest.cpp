// The results window's wiring: it shows the core's results, its controls reach the
// core, and closing it gives the main window back.
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

TEST(ResultsWindow, mirrorsTheCorePassesClicksOnAndGivesTheMainWindowBack)
{
    TestApp t({"cat", "cats", "dig", "quit", "stag"});
    t.startUp();
    t.placeBoard(BoardFromText("CATS/ODGE/QINR/TXYZ"));
    t.app.game.PlayerWords = {{"cat", "quit", "dog", "zebra"}};
    t.app.game.GameInProgress = true;
    Game::FinishTurn(t.app);
    t.window->showGameState();
    ASSERT_TRUE(t.app.resultsWindow && t.app.resultsWindow->isVisible());
    EXPECT_FALSE(t.window->isEnabled());
    ResultsWindow& r = *t.app.resultsWindow;
    ExpectMirror(t.app, r);

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

    r.close();
    EXPECT_FALSE(r.isVisible() || t.app.results.Open || t.app.game.GameInProgress);
    EXPECT_TRUE(t.window->isEnabled());
}

} // namespace
