// The results window's wiring: it shows the core's results, its controls reach the
// core, and closing it gives the main window back.
#include "TestApp.h"

#include "core/game/Results.h"
#include "windows/game/EndOfGame.h"
#include "windows/game/ResultsWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

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
    const bool table = Results::ShowsScoreTable(app);
    EXPECT_EQ(Texts(table ? r.ScoreList : r.DictWords), Results::ShownList(app, Selector::Dict));
    EXPECT_EQ(r.ScoreList->isVisibleTo(&r) && !r.DictWords->isVisibleTo(&r), table);
    EXPECT_EQ(r.AddToDict->isVisibleTo(&r), Results::AddToDictShown(app));
    EXPECT_EQ(r.RemoveFromDict->isVisibleTo(&r), Results::CorrectionsShown(app));
    EXPECT_EQ(r.ScoreLabel->text().toStdString(), app.results.Score);
    EXPECT_EQ(r.BadWordsLabel->text().toStdString(), app.results.BadWords);
}

// The game on the board below ends with these words of each player.
ResultsWindow& Finish(TestApp& t, int mode, std::vector<Words> entered)
{
    t.app.game.GameMode = mode;
    t.app.game.PlayerCount = static_cast<int>(entered.size());
    t.app.game.PlayerWords = std::move(entered);
    t.app.game.GameInProgress = true;
    Common::FinishTurn(t.app);
    EXPECT_TRUE(t.app.resultsWindow && t.app.resultsWindow->isVisible());
    EXPECT_FALSE(t.window->isEnabled());
    ExpectMirror(t.app, *t.app.resultsWindow);
    return *t.app.resultsWindow;
}

TEST(ResultsWindow, mirrorsTheCorePassesClicksOnAndGivesTheMainWindowBack)
{
    TestApp t({"cat", "cats", "dig", "quit", "stag"});
    t.startUp();
    t.placeBoard(BoardFromText("CATS/ODGE/QINR/TXYZ"));
    ResultsWindow& r = Finish(t, SinglePlayer, {{"cat", "quit", "dog", "zebra"}});
    EXPECT_EQ(r.ResultCubes[8]->text(), "Qu");

    r.UserWordsCombo->setCurrentIndex(1);
    r.UserWords->setCurrentRow(0);
    r.AddToDict->click();
    EXPECT_TRUE(t.app.engine.contains("dog"));
    ExpectMirror(t.app, r);
    EXPECT_EQ(r.UserWords->selectedItems().value(0), r.UserWords->item(0)) << "zebra, the next";

    r.DictWords->setCurrentRow(1);
    r.RemoveFromDict->click();
    EXPECT_FALSE(t.app.engine.contains("cats"));
    ExpectMirror(t.app, r);
    EXPECT_TRUE(r.DictWords->selectedItems().isEmpty()) << "a second press removes nothing";

    const auto quit = r.DictWords->findItems("quit", Qt::MatchExactly).value(0);
    QTest::mouseClick(r.DictWords->viewport(), Qt::LeftButton, {},
                      r.DictWords->visualItemRect(quit).center());
    for (int i : {0, 8, 9, 12}) // Qu, I, T light green
        EXPECT_EQ(r.ResultCubes[std::size_t(i)]->palette().color(QPalette::Window),
                  i ? QColor(128, 255, 128) : QColor(255, 192, 128));

    t.app.results.ShownAt = Results::Clock::now();
    r.ResultsOK->click();
    EXPECT_TRUE(r.isVisible()) << "OK is ignored in the first second";
    r.close(); // the frame closes all the same
    EXPECT_FALSE(r.isVisible() || t.app.results.Open || t.app.game.GameInProgress);
    EXPECT_TRUE(t.window->isEnabled());

    // A network game opens on the score table, in the word list's place.
    Finish(t, NetworkPlayer, {{"cat"}, {"cats"}});
    EXPECT_TRUE(r.ScoreList->isVisibleTo(&r));
    r.DictWordsCombo->setCurrentIndex(2);
    ExpectMirror(t.app, r);
}

} // namespace
