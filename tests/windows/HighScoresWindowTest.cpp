// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score window's wiring: a game that enters shows it after its results, the row
// marked; the Game menu opens it on the current options' table; its choice of tables.
#include "TestApp.h"

#include "core/game/Game.h"
#include "core/game/HighScores.h"
#include "windows/game/HighScoresWindow.h"
#include "windows/game/ResultsWindow.h"

#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

TEST(HighScoresWindow, aGameThatEntersShowsItsRowMarkedAndTheMenuOpensTheCurrentTable)
{
    TestApp t({"cat", "cats", "stag"});
    t.app.highScores.File = t.folder.filePath("HighScores.txt").toStdString();
    t.startUp();
    t.placeBoard(BoardFromText("CATS/ODGE/QINR/TXYZ"));
    t.app.game.PlayerWords = {{"cats", "stag"}};
    t.app.game.GameInProgress = true;
    t.app.highScores.GameKey = HighScores::CurrentKey(t.app); // as BeginPlay leaves it
    Game::FinishTurn(t.app);
    t.window->showGameState();
    t.desktop.typed = {"Ann"};
    t.app.resultsWindow->close();
    HighScoresWindow* w = t.app.highScoresWindow;
    ASSERT_TRUE(w && w->isVisible());
    EXPECT_FALSE(t.window->isEnabled());
    ASSERT_EQ(w->ScoreTable->rowCount(), 1);
    EXPECT_EQ(w->ScoreTable->item(0, 0)->text(), "Ann");
    EXPECT_TRUE(w->ScoreTable->item(0, 0)->font().bold() &&
                w->ScoreTable->item(0, 2)->isSelected());
    EXPECT_EQ(w->KeyCombo->currentText(), "Standard 3:00");
    w->CloseButton->click();
    EXPECT_TRUE(!w->isVisible() && t.window->isEnabled());

    QAction* menu = t.window->findChild<QAction*>("HighScoresAction");
    ASSERT_TRUE(menu && menu->text().contains('&'));
    menu->trigger(); // the same table again: its row no longer marked
    EXPECT_FALSE(w->ScoreTable->item(0, 0)->font().bold());
    w->CloseButton->click();
    t.app.game.GameType = Frantic;
    menu->trigger();
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(
        std::tuple(w->KeyCombo->count(), w->KeyCombo->currentText(), w->ScoreTable->rowCount()),
        std::tuple(2, QString("Frantic"), 0));
    emit w->KeyCombo->activated(0);
    ASSERT_EQ(w->ScoreTable->rowCount(), 1);
    EXPECT_FALSE(w->ScoreTable->item(0, 0)->font().bold()) << "marked only when just entered";
    EXPECT_EQ(t.desktop.pending() + static_cast<int>(t.desktop.typed.size()), 0);
}

} // namespace
