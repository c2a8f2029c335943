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

// A game on the board below that ended with these words of each player.
ResultsWindow& FinishedGame(TestApp& t, int mode, std::vector<Words> entered)
{
    t.startUp();
    t.placeBoard(BoardFromText("CATS/ODGE/QINR/TXYZ"));
    t.app.game.GameMode = mode;
    t.app.game.PlayerCount = static_cast<int>(entered.size());
    t.app.game.PlayerNames = {"Ann", "Bob"};
    t.app.game.PlayerWords = std::move(entered);
    t.app.game.GameInProgress = true;
    Common::FinishTurn(t.app);
    EXPECT_TRUE(t.app.resultsWindow && t.app.resultsWindow->isVisible());
    EXPECT_FALSE(t.window->isEnabled());
    return *t.app.resultsWindow;
}

TEST(ResultsWindow, mirrorsTheCoreAndPassesClicksOn)
{
    TestApp t({"cat", "cats", "dig", "quit", "stag"});
    ResultsWindow& r = FinishedGame(t, SinglePlayer, {{"cat", "quit", "dog", "zebra"}});
    ExpectMirror(t.app, r);
    EXPECT_EQ(r.ResultCubes[8]->text(), "Qu");

    r.UserWordsCombo->setCurrentIndex(1);
    r.UserWords->setCurrentRow(0);
    r.AddToDict->click();
    EXPECT_TRUE(t.app.engine.contains("dog"));
    ExpectMirror(t.app, r);
    EXPECT_EQ(r.UserWords->currentItem()->text(), "zebra") << "the next word is selected";

    r.DictWords->setCurrentRow(0);
    r.RemoveFromDict->click();
    EXPECT_FALSE(t.app.engine.contains("cat"));
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
    t.app.results.ShownAt -= std::chrono::seconds(2);
    r.ResultsOK->click();
    EXPECT_FALSE(r.isVisible());
    EXPECT_TRUE(t.window->isEnabled());
}

TEST(ResultsWindow, aNetworkGameShowsTheScoreTableAndTheFrameCloses)
{
    TestApp t({"cat", "cats"});
    ResultsWindow& r = FinishedGame(t, NetworkPlayer, {{"cat"}, {"cats"}});
    ExpectMirror(t.app, r);
    r.DictWordsCombo->setCurrentIndex(2);
    ExpectMirror(t.app, r);
    r.close(); // within the first second: the frame closes all the same
    EXPECT_FALSE(r.isVisible());
    EXPECT_TRUE(t.window->isEnabled());
    EXPECT_FALSE(t.app.results.Open);
}

} // namespace
