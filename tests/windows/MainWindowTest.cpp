// SPDX-License-Identifier: GPL-3.0-or-later
// The main window hands its events to the core and shows the core's state; the keys of
// the toolbar's main moves work while the player types.
#include "TestApp.h"

#include "windows/board/CubeFrame.h"
#include "windows/game/ResultsWindow.h"
#include "windows/ui/Colours.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

// C A T S / O D G E / B Qu I T / L X Y Z: cat, cats, cod and stag lie on it.
const std::vector<std::string> kWords = {"cat", "cats", "cod", "dog", "stag", "tea", "sea"};

// Clicks the middle of each cube.
void Click(MainWindow& w, std::initializer_list<int> cubes)
{
    for (const int i : cubes)
        QTest::mouseClick(Control<CubeFrame>(&w, "CubeFrame"), Qt::LeftButton, {},
                          QPoint(97 * (i % 4) + 48, 97 * (i / 4) + 48));
}

TEST(Window, eventsReachTheCoreAndTheWindowShowsItsState)
{
    TestApp t{kWords};
    MainWindow& w = *t.window;
    t.startUp();
    t.placeBoard(BoardFromText("CATS/ODGE/BQIT/LXYZ"));
    t.app.run([&] { Game::BeginPlay(t.program); });
    w.show();
    auto* newWord = t.control<QLineEdit>("NewWord");
    auto* wordList = t.control<QTableWidget>("WordList");
    auto* timeLeft = t.control<QLabel>("TimeLeft");
    auto* timeRemLabel = t.control<QLabel>("TimeRemLabel");
    auto* cubeFrame = t.control<CubeFrame>("CubeFrame");
    auto* gameClock = t.control<QTimer>("GameClock");
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const QColor box = newWord->palette().color(QPalette::Base);
    QTest::keyClicks(newWord, "CAtz");
    EXPECT_EQ(newWord->text() + QString::number(newWord->cursorPosition()), "cat3");
    EXPECT_NE(newWord->palette().color(QPalette::Base), box) << "the refused z turns the box red";
    QTest::keyClicks(newWord, "s");
    EXPECT_EQ(newWord->palette().color(QPalette::Base), box) << "until a key is accepted";
    QTest::keyClick(newWord, Qt::Key_Backspace);
    const double r = cubeFrame->canvasRatio();
    EXPECT_EQ(cubeFrame->canvas().pixel(QPoint(int((2 * 97 + 20) * r), int(20 * r))),
              cubeFrame->SelectedPicture().pixel(QPoint(int(20 * r), int(20 * r))))
        << "the path is painted";
    QTest::keyClick(newWord, Qt::Key_Return);
    Click(w, {0, 4});
    t.control<QPushButton>("Clear")->click();
    EXPECT_EQ(newWord->text(), "c");
    Click(w, {4, 5});
    QTest::mouseDClick(cubeFrame, Qt::LeftButton, {}, QPoint(97 + 48, 97 + 48));
    EXPECT_EQ(wordList->item(0, 0)->text() + t.control<QLabel>("PlayerWordLabel")->text(), "cod2 words entered");
    // A drag across S, T, A and G shows the path and where it can go, and ends the word.
    const auto middle = [](int i) { return QPoint(97 * (i % 4) + 48, 97 * (i / 4) + 48); };
    QTest::mousePress(cubeFrame, Qt::LeftButton, {}, middle(3));
    for (const int i : {2, 1, 6})
        QTest::mouseMove(cubeFrame, middle(i));
    EXPECT_EQ(newWord->text(), "stag");
    EXPECT_EQ(cubeFrame->shownPath(), (std::vector<int>{3, 2, 1, 6}));
    EXPECT_EQ(std::count(cubeFrame->dimmedCubes().begin(), cubeFrame->dimmedCubes().end(), true), 11);
    QTest::mouseRelease(cubeFrame, Qt::LeftButton, {}, middle(6));
    EXPECT_EQ(wordList->item(0, 0)->text() + newWord->text(), "stag");
    QTest::mouseClick(wordList->viewport(), Qt::LeftButton, {},
                      wordList->visualItemRect(wordList->item(2, 0)).center());
    EXPECT_EQ(newWord->text(), "cat");

    t.program.game.TimeRemaining = 11;
    QMetaObject::invokeMethod(gameClock, "timeout");
    EXPECT_EQ(timeLeft->text(), "0:10");

    // Beside the clock, the turn and a bonus; under the list, the score. All of the clock's
    // panel reads at 3:1 or better whatever colour the time shows, on a dark desktop's
    // palette given after the start too (the colours on every desktop are the colour tests').
    t.program.game.GameMode = TwoPlayer;
    Game::ShowBonus(t.program, 4);
    w.setPalette(QPalette(QColor(53, 53, 53)));
    using TimeFormat::ClockColour;
    for (const ClockColour colour : {ClockColour::Black, ClockColour::Yellow, ClockColour::Red}) {
        t.program.screen.ClockColour = colour;
        w.sync();
        for (const QLabel* label : {timeRemLabel, timeLeft, t.control<QLabel>("TurnLabel"),
                                    t.control<QLabel>("BonusLabel")})
            EXPECT_GE(Colours::Contrast(label->palette().color(QPalette::WindowText),
                                        label->palette().color(QPalette::Window)),
                      Colours::kLarge)
                << label->objectName().toStdString() << " " << static_cast<int>(colour);
    }
    EXPECT_EQ(t.control<QLabel>("TurnLabel")->text() + '|' + t.control<QLabel>("BonusLabel")->text() +
                  '|' + t.control<QLabel>("ScoreLabel")->text(),
              "Player 1|+4 s|Score so far: 3 points (3 words)");
    t.program.game.GameMode = NetworkPlayer;
    w.sync();
    EXPECT_FALSE(t.control<QToolButton>("Pause")->isEnabled()) << "it would do nothing";
    t.program.game.GameMode = SinglePlayer;
    w.sync();
    t.desktop.answer(ui::Answer::Ok, [&, boxWidth = newWord->width()] {
        QCoreApplication::processEvents(); // as the box's own event loop would
        EXPECT_FALSE(cubeFrame->isVisible()) << "behind the box";
        EXPECT_EQ(newWord->width(), boxWidth) << "the hidden board keeps its place";
    });
    t.control<QToolButton>("Pause")->click();
    EXPECT_TRUE(cubeFrame->isVisible() && gameClock->isActive());

    // The toolbar's keys work while the player types. Ctrl+E is also "end of line" in a text
    // box on some desktops; that case needs a real X server and is covered by the smoke test.
    newWord->setFocus();
    QTest::keyClick(newWord, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(timeRemLabel->text(), "Game Over");
    EXPECT_FALSE(gameClock->isActive() || w.isEnabled());
    EXPECT_TRUE(t.find<ResultsWindow>() && t.find<ResultsWindow>()->isVisible());
}

} // namespace
