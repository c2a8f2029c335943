// The main window hands its events to the core and shows the core's state; the keys of
// the toolbar's main moves work while the player types.
#include "TestApp.h"

#include "windows/board/CubeFrame.h"
#include "windows/game/Common.h"
#include "windows/game/ResultsWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// C A T S / O D G E / B Qu I T / L X Y Z: cat, cats, cod and stag lie on it.
const std::vector<std::string> kWords = {"cat", "cats", "cod", "dog", "stag", "tea", "sea"};

struct Window : ::testing::Test {
    void SetUp() override
    {
        t.startUp();
        t.placeBoard(BoardFromText("CATS/ODGE/BQIT/LXYZ"));
        Common::BeginPlay(t.app);
    }
    void click(std::initializer_list<int> cubes)
    {
        for (const int i : cubes)
            QTest::mouseClick(w.cubeFrame, Qt::LeftButton, {},
                              QPoint(97 * (i % 4) + 48, 97 * (i / 4) + 48));
    }
    // A key pressed where the keyboard focus is (the word box during a game).
    void press(Qt::Key key)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == &w ? focus : &w, key, Qt::ControlModifier);
    }
    TestApp t{kWords};
    MainWindow& w = *t.window;
};

TEST_F(Window, eventsReachTheCoreAndTheWindowShowsItsState)
{
    w.show();
    QTest::keyClicks(w.NewWord, "CAtz");
    EXPECT_EQ(w.NewWord->text() + QString::number(w.NewWord->cursorPosition()), "cat3");
    EXPECT_EQ(t.app.view.CubeDrawState[2], BoardView::Selected) << "the path is painted";
    QTest::keyClick(w.NewWord, Qt::Key_Return);
    QTest::keyClicks(w.NewWord, "tac");
    w.Enter->click();
    click({0, 4});
    w.Clear->click();
    EXPECT_EQ(w.NewWord->text(), "c");
    click({4, 5});
    QTest::mouseDClick(w.cubeFrame, Qt::LeftButton, {}, QPoint(97 + 48, 97 + 48));
    QStringList rows; // "~" marks a struck-through word
    for (int row = 0; row < w.WordList->rowCount(); ++row)
        rows << w.WordList->item(row, 0)->text() +
                    (w.WordList->item(row, 0)->font().strikeOut() ? "~" : "");
    EXPECT_EQ(rows.join(','), "cod,tac~,cat");
    const QTableWidgetItem* top = w.WordList->item(0, 0);
    EXPECT_EQ(top->font().family() + QString::number(top->font().pointSize()), "Courier New18");
    EXPECT_EQ(w.WordList->item(1, 0)->foreground().color(), QColor(150, 40, 40));
    EXPECT_EQ(QString::number(w.WordList->currentRow()) + w.NewWord->text() + w.Enter->text() +
                  w.PlayerWordLabel->text() + w.DefinedWordCount->text(),
              "0Last3 words enteredLettro found 4 words");
    QTest::mouseClick(w.WordList->viewport(), Qt::LeftButton, {},
                      w.WordList->visualItemRect(w.WordList->item(1, 0)).center());
    EXPECT_EQ(w.NewWord->text() + w.Enter->text(), "tacEnter");

    t.app.game.TimeRemaining = 11;
    Common::ClockTick(t.app);
    EXPECT_EQ(w.TimeLeft->text() + w.TimeLeft->palette().color(QPalette::WindowText).name(),
              "0:10#ffff00");
    t.desktop.foreground = false;
    Common::ClockTick(t.app);
    EXPECT_FALSE(w.cubeFrame->isVisible());
    t.desktop.foreground = true;
    t.desktop.answer(ui::Answer::Ok,
                     [&] { EXPECT_FALSE(w.cubeFrame->isVisible()) << "behind the box"; });
    w.Pause->click();
    EXPECT_TRUE(w.cubeFrame->isVisible() && w.GameClock->isActive());

    w.End->click();
    EXPECT_EQ(w.TimeRemLabel->text() + w.TimeLeft->text() + w.NewWord->text(), "Game Over");
    EXPECT_FALSE(w.GameClock->isActive() || w.NewWord->isEnabled() || w.isEnabled());
    ASSERT_NE(t.app.resultsWindow, nullptr);
    EXPECT_TRUE(t.app.resultsWindow->isVisible() && t.app.resultsWindow->isEnabled());
    EXPECT_EQ(t.app.resultsWindow->WordsLabel->text(), "2 words found out of 4 (50%)");
}

TEST_F(Window, startPauseEndAndExitByKeyWhileTypingAsTheTooltipsSay)
{
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    t.app.game.TimeRemaining = 0; // no game runs
    w.Enter->setFocus();
    click({0});
    EXPECT_TRUE(w.NewWord->hasFocus() && w.NewWord->text().isEmpty())
        << "without a game a click only focuses the box";
    press(Qt::Key_N);
    EXPECT_EQ(t.app.game.TimeRemaining, 180) << "Ctrl+N starts a game";
    ASSERT_EQ(QApplication::focusWidget(), w.NewWord);

    t.desktop.answer(ui::Answer::Ok, [&] { EXPECT_TRUE(t.app.game.Paused); });
    press(Qt::Key_P);
    EXPECT_EQ(t.desktop.texts(), QStringList{"Hit OK when ready to resume."}) << "Ctrl+P pauses";

    // Ctrl+E is also "end of line" in a text box on some desktops; that case needs a real
    // X server and is covered by the smoke test. Here: the key ends the game.
    press(Qt::Key_E);
    EXPECT_EQ(w.TimeRemLabel->text(), "Game Over");
    Common::ResultsWindowClosed(t.app);

    QApplication::setActiveWindow(&w);
    press(Qt::Key_Q);
    EXPECT_FALSE(w.isVisible()) << "Ctrl+Q leaves the game";
    EXPECT_EQ(t.desktop.pending(), 0);
    for (const auto& [button, key] : std::vector<std::pair<QToolButton*, QString>>{
             {w.Start, "Ctrl+N"}, {w.Pause, "Ctrl+P"}, {w.End, "Ctrl+E"}, {w.Exit, "Ctrl+Q"}})
        EXPECT_TRUE(button->toolTip().endsWith("(" + key + ")")) << button->toolTip().toStdString();
}

} // namespace
