// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score window's wiring: a game that enters shows it after its results, the row
// marked; the Game menu opens it on the current options' table; its choice of tables.
#include "TestApp.h"

#include "core/game/HighScores.h"
#include "windows/game/HighScoresWindow.h"
#include "windows/game/ResultsWindow.h"

#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

TEST(HighScoresWindow, aGameThatEntersShowsItsRowMarkedAndTheMenuOpensTheCurrentTable)
{
    TestApp t({"cat", "cats", "stag"});
    t.program.highScores.File = t.folder.filePath("HighScores.txt").toStdString();
    t.startUp();
    t.placeBoard(BoardFromText("CATS/ODGE/QINR/TXYZ"));
    t.program.game.PlayerWords = {{"cats", "stag"}};
    t.program.game.GameInProgress = true;
    t.program.highScores.GameKey = HighScores::CurrentKey(t.program); // as BeginPlay leaves it
    Game::FinishTurn(t.program);
    t.app.syncWindows();
    t.desktop.typed = {"Ann"};
    t.find<ResultsWindow>()->close();
    HighScoresWindow* w = t.find<HighScoresWindow>();
    ASSERT_TRUE(w && w->isVisible());
    auto* scoreTable = Control<QTableWidget>(w, "ScoreTable");
    auto* keyCombo = Control<QComboBox>(w, "KeyCombo");
    auto* closeButton = Control<QPushButton>(w, "CloseButton");
    EXPECT_FALSE(t.window->isEnabled());
    ASSERT_EQ(scoreTable->rowCount(), 1);
    EXPECT_EQ(scoreTable->item(0, 0)->text(), "Ann");
    EXPECT_TRUE(scoreTable->item(0, 0)->font().bold() &&
                scoreTable->item(0, 2)->isSelected());
    EXPECT_EQ(keyCombo->currentText(), "Standard 3:00");
    closeButton->click();
    EXPECT_TRUE(!w->isVisible() && t.window->isEnabled());

    QAction* menu = t.window->findChild<QAction*>("HighScoresAction");
    ASSERT_TRUE(menu && menu->text().contains('&'));
    menu->trigger(); // the same table again: its row no longer marked
    EXPECT_FALSE(scoreTable->item(0, 0)->font().bold());
    closeButton->click();
    t.program.game.GameType = Frantic;
    menu->trigger();
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(
        std::tuple(keyCombo->count(), keyCombo->currentText(), scoreTable->rowCount()),
        std::tuple(3, QString("Frantic"), 0));
    EXPECT_EQ(keyCombo->itemText(2), "Board of the Day") << "offered even while empty";
    emit keyCombo->activated(0);
    ASSERT_EQ(scoreTable->rowCount(), 1);
    EXPECT_FALSE(scoreTable->item(0, 0)->font().bold()) << "marked only when just entered";
    EXPECT_EQ(t.desktop.pending() + static_cast<int>(t.desktop.typed.size()), 0);
}

} // namespace
