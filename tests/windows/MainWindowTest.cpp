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

// C A T S / O D G E / B Qu I T / L X Y Z
const std::vector<std::string> kWords = {"cat", "cats", "cod", "dog", "stag", "tea", "sea"};
enum Cube { C = 0, A = 1, T = 2, O = 4, D = 5 };

struct Window : ::testing::Test {
    void SetUp() override
    {
        t.startUp();
        t.placeBoard(BoardFromText("CATS/ODGE/BQIT/LXYZ"));
        Common::BeginPlay(t.app);
    }
    void click(int cube, bool twice = false)
    {
        const QPoint at(t.app.view.CubeLeft[cube] + t.app.view.CubeWidth / 2,
                        t.app.view.CubeTop[cube] + t.app.view.CubeHeight / 2);
        QTest::mouseClick(w.cubeFrame, Qt::LeftButton, {}, at);
        if (twice) // a double click reaches the board as a click, then a double click
            QTest::mouseDClick(w.cubeFrame, Qt::LeftButton, {}, at);
    }
    QColor clockColour() { return w.TimeLeft->palette().color(QPalette::WindowText); }
    TestApp t{kWords};
    MainWindow& w = *t.window;
};

TEST_F(Window, wordEntryEventsReachTheCoreAndTheBoxAndListShowIt)
{
    QTest::keyClicks(w.NewWord, "CAtz");
    EXPECT_EQ(w.NewWord->text(), "cat") << "the box shows the filtered text";
    EXPECT_EQ(w.NewWord->cursorPosition(), 3);
    EXPECT_EQ(t.app.view.CubeDrawState[T], BoardView::Selected) << "the path is painted";
    EXPECT_EQ(t.desktop.sounds, 1);
    QTest::keyClick(w.NewWord, Qt::Key_Return);
    QTest::keyClicks(w.NewWord, "tac");
    w.Enter->click();
    click(C);
    click(O);
    w.Clear->click();
    EXPECT_EQ(w.NewWord->text(), "c");
    click(O);
    click(D, true);
    ASSERT_EQ(w.WordList->rowCount(), 3);
    const QTableWidgetItem* tac = w.WordList->item(1, 0);
    EXPECT_EQ(w.WordList->item(0, 0)->text() + tac->text() + w.WordList->item(2, 0)->text(),
              "codtaccat");
    EXPECT_TRUE(tac->font().strikeOut());
    EXPECT_EQ(tac->foreground().color(), QColor(150, 40, 40));
    EXPECT_FALSE(w.WordList->item(0, 0)->font().strikeOut());
    EXPECT_EQ(w.WordList->item(0, 0)->font().family(), "Courier New");
    EXPECT_EQ(w.WordList->item(0, 0)->font().pointSize(), 18);
    EXPECT_EQ(w.WordList->currentRow(), 0);
    EXPECT_EQ(w.PlayerWordLabel->text(), "3 words entered");
    EXPECT_EQ(w.NewWord->text(), "");
    EXPECT_EQ(w.Enter->text(), "Last");
    EXPECT_EQ(w.DefinedWordCount->text(), "Lettro found 4 words");

    QTest::mouseClick(w.WordList->viewport(), Qt::LeftButton, {},
                      w.WordList->visualItemRect(tac).center());
    EXPECT_EQ(w.NewWord->text(), "tac");
    EXPECT_EQ(w.Enter->text(), "Enter");
}

TEST_F(Window, theClockTheHiddenBoardAndTheEndShowTheCoresState)
{
    w.show();
    EXPECT_TRUE(w.GameClock->isActive());
    t.app.game.TimeRemaining = 11;
    Common::ClockTick(t.app);
    EXPECT_EQ(w.TimeLeft->text(), "0:10");
    EXPECT_EQ(clockColour(), QColor(255, 255, 0));
    Common::ClockTick(t.app);
    EXPECT_EQ(clockColour(), QColor(Qt::black));
    t.app.game.TimeRemaining = 5;
    Common::ClockTick(t.app);
    EXPECT_EQ(clockColour(), QColor(255, 0, 0));
    t.desktop.foreground = false;
    Common::ClockTick(t.app);
    EXPECT_FALSE(w.cubeFrame->isVisible());
    t.desktop.foreground = true;
    Common::ClockTick(t.app);
    EXPECT_TRUE(w.cubeFrame->isVisible());
    t.desktop.answer(ui::Answer::Ok,
                     [&] { EXPECT_FALSE(w.cubeFrame->isVisible()) << "hidden behind the box"; });
    w.Pause->click();
    EXPECT_TRUE(w.cubeFrame->isVisible());

    QTest::keyClicks(w.NewWord, "ca");
    w.End->click();
    EXPECT_EQ(w.TimeRemLabel->text(), "Game Over");
    EXPECT_EQ(w.TimeLeft->text(), "");
    EXPECT_FALSE(w.GameClock->isActive());
    EXPECT_FALSE(w.NewWord->isEnabled());
    EXPECT_TRUE(w.NewWord->text().isEmpty());
    ASSERT_NE(t.app.resultsWindow, nullptr);
    EXPECT_TRUE(t.app.resultsWindow->isVisible());
    EXPECT_TRUE(t.app.resultsWindow->isEnabled());
    EXPECT_FALSE(w.isEnabled());
    EXPECT_EQ(t.app.resultsWindow->WordsLabel->text(), "0 words found out of 4 (0%)");
}

// A key pressed where the keyboard focus is (the word box during a game).
void Press(TestApp& t, Qt::Key key)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != t.window.get())
        focus = t.window.get();
    QTest::keyClick(focus, key, Qt::ControlModifier);
}

TEST(Shortcuts, startPauseEndAndExitByKeyWhileTyping)
{
    TestApp t(kWords);
    t.startUp();
    t.window->show();
    QApplication::setActiveWindow(t.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.window.get()));
    t.window->Enter->setFocus();
    QTest::mouseClick(t.window->cubeFrame, Qt::LeftButton, {}, QPoint(48, 48));
    EXPECT_TRUE(t.window->NewWord->hasFocus()) << "without a game a click only focuses the box";
    EXPECT_EQ(t.window->NewWord->text(), "");

    Press(t, Qt::Key_N);
    ASSERT_TRUE(t.app.game.GameInProgress) << "Ctrl+N starts a game";
    ASSERT_EQ(QApplication::focusWidget(), t.window->NewWord);

    t.desktop.answer(ui::Answer::Ok, [&] { EXPECT_TRUE(t.app.game.Paused); });
    Press(t, Qt::Key_P);
    EXPECT_EQ(t.desktop.texts(), QStringList{"Hit OK when ready to resume."}) << "Ctrl+P pauses";

    // Ctrl+E is also "end of line" in a text box on some desktops; that case needs a real
    // X server and is covered by the smoke test. Here: the key ends the game.
    Press(t, Qt::Key_E);
    EXPECT_EQ(t.window->TimeRemLabel->text(), "Game Over");
    ASSERT_NE(t.app.resultsWindow, nullptr);
    EXPECT_TRUE(t.app.resultsWindow->isVisible());
    Common::ResultsWindowClosed(t.app);
    ASSERT_TRUE(t.window->isEnabled());

    QApplication::setActiveWindow(t.window.get());
    Press(t, Qt::Key_Q);
    EXPECT_FALSE(t.window->isVisible()) << "Ctrl+Q leaves the game";
    EXPECT_EQ(t.desktop.pending(), 0);
}

TEST(Shortcuts, tooltipsNameTheKeys)
{
    TestApp t(kWords);
    const std::vector<std::pair<QToolButton*, QString>> keys = {{t.window->Start, "Ctrl+N"},
                                                                {t.window->Pause, "Ctrl+P"},
                                                                {t.window->End, "Ctrl+E"},
                                                                {t.window->Exit, "Ctrl+Q"}};
    for (const auto& [button, key] : keys)
        EXPECT_TRUE(button->toolTip().endsWith("(" + key + ")")) << button->toolTip().toStdString();
}

} // namespace
