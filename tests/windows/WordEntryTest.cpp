// Building words by typing and by clicking cubes, entering them, Clear and Last, on the
// real main window.
#include "TestApp.h"

#include "windows/board/CubeFrame.h"
#include "windows/board/WordEntry.h"
#include "windows/game/Common.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// C  A  T  S
// O  D  G  E
// B  Qu I  T
// L  X  Y  Z
const char* const kBoard = "CATS/ODGE/BQIT/LXYZ";
const std::vector<std::string> kWords = {"cat", "cats", "cod", "coda", "stag",
                                         "stage", "quit", "dog", "zebra"};

enum Cube { C = 0, A = 1, T = 2, S = 3, O = 4, D = 5, G = 6, E = 7, Qu = 9, I = 10, T2 = 11 };

// A game on the board above with the clock running.
void Play(TestApp& t, const char* board = kBoard)
{
    t.startUp();
    t.placeBoard(BoardFromText(board));
    Common::BeginPlay(t.app);
}

QPoint Centre(int i)
{
    return QPoint(97 * (i % 4) + 48, 97 * (i / 4) + 48);
}

void ClickCube(TestApp& t, int i)
{
    QTest::mouseClick(t.window->cubeFrame, Qt::LeftButton, {}, Centre(i));
}

void Type(TestApp& t, const char* keys)
{
    QTest::keyClicks(t.window->NewWord, QString::fromLatin1(keys));
}

QString Box(TestApp& t)
{
    return t.window->NewWord->text();
}

// The selected cubes as drawn, in position order.
std::vector<int> Selected(TestApp& t)
{
    std::vector<int> cubes;
    for (int i = 0; i < 16; ++i)
        if (t.app.view.CubeDrawState[static_cast<std::size_t>(i)] == BoardView::Selected)
            cubes.push_back(i);
    return cubes;
}

QStringList Listed(TestApp& t)
{
    QStringList words;
    for (int row = 0; row < t.window->WordList->rowCount(); ++row)
        words << t.window->WordList->item(row, 0)->text();
    return words;
}

using Cubes = std::vector<int>;

TEST(TypingFilter, lettersStayOnlyWhileTheWordCanBeTraced)
{
    TestApp t(kWords);
    Play(t);
    Type(t, "CA"); // upper case becomes lower case
    EXPECT_EQ(Selected(t), (Cubes{C, A})) << "the path lights up as letters are typed";
    Type(t, "t");
    EXPECT_EQ(Box(t), "cat");
    EXPECT_EQ(t.window->NewWord->cursorPosition(), 3);
    EXPECT_EQ(Selected(t), (Cubes{C, A, T}));
    EXPECT_EQ(t.desktop.sounds, 0);

    Type(t, "z"); // no Z touches the T
    EXPECT_EQ(Box(t), "cat");
    EXPECT_EQ(t.desktop.sounds, 1);
    EXPECT_EQ(Selected(t), (Cubes{C, A, T}));

    // Pasted text: each letter that cannot continue the chain costs one sound.
    t.window->NewWord->setText("catzqy");
    EXPECT_EQ(Box(t), "cat");
    EXPECT_EQ(t.desktop.sounds, 4);
    EXPECT_EQ(t.app.entry.LastNewWordText, "cat");
}

TEST(TypingFilter, quAndALoneQ)
{
    TestApp t(kWords);
    Play(t);
    Type(t, "q");
    EXPECT_EQ(Box(t), "q") << "a lone q stands on the Qu cube";
    EXPECT_EQ(Selected(t), (Cubes{Qu}));
    Type(t, "uit");
    EXPECT_EQ(Box(t), "quit");
    EXPECT_EQ(Selected(t), (Cubes{Qu, I, T2}));
    t.window->NewWord->clear();
    Type(t, "qi");
    EXPECT_EQ(Box(t), "q") << "no cube holds a q without its u";
    EXPECT_EQ(t.desktop.sounds, 1);
}

TEST(TypingFilter, emptyingTheBoxShowsTheBoardUnselected)
{
    TestApp t(kWords);
    Play(t);
    Type(t, "cat");
    t.window->NewWord->clear();
    EXPECT_TRUE(Selected(t).empty());
    EXPECT_TRUE(t.app.entry.BoardClean);
    EXPECT_EQ(t.app.entry.LastNewWordText, "");
}

TEST(EnterWord, wordsGoInNewestFirstWithTheirCount)
{
    TestApp t(kWords);
    Play(t);
    Type(t, "cat");
    t.window->Enter->click();
    EXPECT_EQ(Box(t), "");
    EXPECT_TRUE(Selected(t).empty()) << "the board is shown unselected again";
    EXPECT_EQ(t.window->PlayerWordLabel->text(), "1 word entered");
    EXPECT_EQ(t.app.game.TimeRemaining, 180) << "a standard game gives no time";

    Type(t, "stag");
    QTest::keyClick(t.window->NewWord, Qt::Key_Return); // Return enters, once
    Type(t, "cod");
    t.window->Enter->click();
    EXPECT_EQ(Listed(t), (QStringList{"cod", "stag", "cat"}));
    EXPECT_EQ(t.window->PlayerWordLabel->text(), "3 words entered");
    EXPECT_EQ(t.window->WordList->currentRow(), 0);
    Type(t, "cat"); // a duplicate is dropped silently
    t.window->Enter->click();
    EXPECT_EQ(Listed(t), (QStringList{"cod", "stag", "cat"}));
    EXPECT_EQ(Box(t), "");
    EXPECT_EQ(t.window->PlayerWordLabel->text(), "3 words entered");
    EXPECT_EQ(t.desktop.sounds, 0);

    const QFont font = t.window->WordList->item(0, 0)->font();
    EXPECT_EQ(font.family(), "Courier New");
    EXPECT_EQ(font.pointSize(), 18);
    EXPECT_FALSE(font.strikeOut());
}

TEST(EnterWord, wordsOffTheBoardListAreStruckThroughWithASound)
{
    TestApp t(kWords);
    Play(t);
    Type(t, "tac"); // can be traced, but is no dictionary word
    t.window->Enter->click();
    ASSERT_EQ(Listed(t), (QStringList{"tac"}));
    EXPECT_TRUE(t.window->WordList->item(0, 0)->font().strikeOut());
    EXPECT_EQ(t.desktop.sounds, 1);
    EXPECT_EQ(t.window->PlayerWordLabel->text(), "1 word entered");
}

TEST(EnterWord, tooShortStaysTooLongGoes)
{
    TestApp t(kWords);
    Play(t);
    Type(t, "ca");
    t.window->Enter->click();
    EXPECT_EQ(Box(t), "ca") << "below the smallest size: nothing happens";
    EXPECT_EQ(t.window->WordList->rowCount(), 0);

    t.window->NewWord->clear();
    t.app.engine.cSetMaxWordSize(4);
    Type(t, "stage");
    t.window->Enter->click();
    EXPECT_EQ(Box(t), "") << "above the largest size: dropped";
    EXPECT_EQ(t.window->WordList->rowCount(), 0);
    EXPECT_TRUE(Selected(t).empty());
    EXPECT_EQ(t.desktop.sounds, 0);
}

TEST(EnterWord, aWordThatNoLongerTracesIsDropped)
{
    TestApp t(kWords);
    Play(t);
    t.app.options.RepeatLetters = true;
    Type(t, "tat");
    ASSERT_EQ(Box(t), "tat");
    t.app.options.RepeatLetters = false; // the rule changed under the typed word
    t.window->Enter->click();
    EXPECT_EQ(Box(t), "");
    EXPECT_EQ(t.window->WordList->rowCount(), 0);
    EXPECT_EQ(t.desktop.sounds, 0);
}

TEST(EnterWord, franticBoardWordsBuyTime)
{
    TestApp t(kWords);
    t.startUp();
    t.app.game.GameType = Frantic;
    t.placeBoard(BoardFromText(kBoard));
    Common::BeginPlay(t.app);
    ASSERT_EQ(t.app.game.TimeRemaining, 15);

    Type(t, "stage"); // five letters: 2 * 5 - 4
    t.window->Enter->click();
    EXPECT_EQ(t.app.game.TimeRemaining, 21);
    EXPECT_EQ(t.window->TimeLeft->text(), "0:21");
    EXPECT_EQ(t.window->TimeRemLabel->text(), "Time Remaining");

    Type(t, "tac"); // not a board word: struck through, no time
    t.window->Enter->click();
    EXPECT_EQ(t.app.game.TimeRemaining, 21);
    EXPECT_TRUE(t.window->WordList->item(0, 0)->font().strikeOut());

    Type(t, "cat"); // three letters: 2 seconds
    t.window->Enter->click();
    EXPECT_EQ(t.app.game.TimeRemaining, 23);
}

TEST(EnterWord, lastBringsBackTheNewestWordWithItsPath)
{
    TestApp t(kWords);
    Play(t);
    EXPECT_EQ(t.window->Enter->text(), "Enter") << "nothing to recall yet";
    t.window->Enter->click(); // empty box, empty list: nothing
    EXPECT_EQ(Box(t), "");

    Type(t, "cod");
    t.window->Enter->click();
    Type(t, "cat");
    t.window->Enter->click();
    EXPECT_EQ(t.window->Enter->text(), "Last");
    Type(t, "s");
    EXPECT_EQ(t.window->Enter->text(), "Enter");
    t.window->NewWord->clear();
    EXPECT_EQ(t.window->Enter->text(), "Last");

    t.window->Enter->click();
    EXPECT_EQ(Box(t), "cat");
    EXPECT_EQ(Selected(t), (Cubes{C, A, T}));
    EXPECT_EQ(t.window->Enter->text(), "Enter");
    EXPECT_EQ(t.window->WordList->rowCount(), 2);
}

TEST(EnterWord, clickingAListedWordRecallsIt)
{
    TestApp t(kWords);
    Play(t);
    Type(t, "cod");
    t.window->Enter->click();
    Type(t, "stag");
    t.window->Enter->click();
    QTableWidget* list = t.window->WordList;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1, 0)).center());
    EXPECT_EQ(Box(t), "cod");
    EXPECT_EQ(Selected(t), (Cubes{C, O, D}));
}

TEST(EnterWord, nothingWhileNoGameRuns)
{
    TestApp t(kWords);
    t.startUp();
    t.placeBoard(BoardFromText(kBoard));
    ASSERT_EQ(t.app.game.TimeRemaining, 0);
    Type(t, "cat"); // the filter works whenever the box is enabled
    EXPECT_EQ(Box(t), "cat");
    t.window->Enter->click();
    EXPECT_EQ(Box(t), "cat");
    EXPECT_EQ(t.window->WordList->rowCount(), 0);
    WordEntry::RecallListedWord(t.app);
    EXPECT_EQ(Box(t), "cat");
}

TEST(ClearButton, takesTheLastLetterAndQuAsOne)
{
    TestApp t(kWords);
    Play(t);
    Type(t, "qui");
    t.window->Clear->click();
    EXPECT_EQ(Box(t), "qu");
    EXPECT_EQ(Selected(t), (Cubes{Qu}));
    t.window->Clear->click();
    EXPECT_EQ(Box(t), "") << "qu goes in one";
    EXPECT_TRUE(t.app.entry.BoardClean);
    EXPECT_TRUE(Selected(t).empty());
    t.window->Clear->click(); // nothing left: nothing happens
    EXPECT_EQ(Box(t), "");

    Type(t, "c");
    t.window->Clear->click();
    EXPECT_EQ(Box(t), "");
    EXPECT_TRUE(Selected(t).empty()) << "a one-letter word leaves a clean board";
    EXPECT_EQ(t.desktop.sounds, 0);
}

TEST(ClearButton, unclicksTheLastClickedCube)
{
    TestApp t(kWords);
    Play(t);
    ClickCube(t, C);
    ClickCube(t, A);
    ClickCube(t, T);
    t.window->Clear->click();
    EXPECT_EQ(Box(t), "ca");
    EXPECT_EQ(Selected(t), (Cubes{C, A}));
    EXPECT_EQ(t.app.entry.ClickedWord, "ca");
    EXPECT_EQ(t.app.entry.ClickedCount, 2);
    ClickCube(t, T); // and the word can be built on from there
    EXPECT_EQ(Box(t), "cat");
}

TEST(CubeClicks, buildAWordAndClickingTheLastCubeAgainEntersIt)
{
    TestApp t(kWords);
    Play(t);
    ClickCube(t, C);
    ClickCube(t, A);
    ClickCube(t, T);
    EXPECT_EQ(Box(t), "cat");
    EXPECT_EQ(Selected(t), (Cubes{C, A, T}));
    EXPECT_EQ(t.app.entry.ClickedCount, 3);
    EXPECT_EQ(t.app.entry.ClickedPath[1], C);
    EXPECT_EQ(t.app.entry.ClickedPath[3], T);
    EXPECT_EQ(t.window->cubeUnderMouse, T);
    EXPECT_EQ(t.window->Enter->text(), "Enter");

    ClickCube(t, T);
    EXPECT_EQ(Listed(t), (QStringList{"cat"}));
    EXPECT_EQ(Box(t), "");
    EXPECT_TRUE(Selected(t).empty());
    EXPECT_EQ(t.app.entry.ClickedCount, 0);
    EXPECT_EQ(t.desktop.sounds, 0);
}

TEST(CubeClicks, quCubeAndTypedStart)
{
    TestApp t(kWords);
    Play(t);
    ClickCube(t, Qu);
    EXPECT_EQ(Box(t), "qu");
    ClickCube(t, I);
    ClickCube(t, T2);
    EXPECT_EQ(Box(t), "quit");
    EXPECT_EQ(t.app.entry.ClickedWord, "quit");

    t.window->NewWord->clear();
    Type(t, "ca"); // typed, then finished by a click
    ClickCube(t, T);
    EXPECT_EQ(Box(t), "cat");
    EXPECT_EQ(Selected(t), (Cubes{C, A, T}));
}

TEST(CubeClicks, aCubeThatCannotExtendTheWordIsRefused)
{
    TestApp t(kWords);
    Play(t);
    ClickCube(t, C);
    ClickCube(t, 15); // Z is nowhere next to a C
    EXPECT_EQ(Box(t), "c");
    EXPECT_EQ(t.app.entry.ClickedCount, 1);
    EXPECT_EQ(Selected(t), (Cubes{C}));
    EXPECT_EQ(t.desktop.sounds, 1);
}

TEST(CubeClicks, aDoubleClickAddsTheCubeThenEnters)
{
    TestApp t(kWords);
    Play(t);
    ClickCube(t, C);
    ClickCube(t, A);
    // A double click reaches the board as a press and a release, then a double click.
    ClickCube(t, T);
    EXPECT_EQ(Box(t), "cat");
    QTest::mouseDClick(t.window->cubeFrame, Qt::LeftButton, {}, Centre(T));
    EXPECT_EQ(Listed(t), (QStringList{"cat"}));
    EXPECT_EQ(Box(t), "");
}

TEST(CubeClicks, repeatLettersAddTheSameCubeAgainUpToSeventeenClicks)
{
    TestApp t(kWords);
    Play(t);
    t.app.options.RepeatLetters = true;
    ClickCube(t, E);
    ClickCube(t, E);
    EXPECT_EQ(Box(t), "ee") << "a second click adds, it does not enter";
    EXPECT_EQ(t.window->WordList->rowCount(), 0);
    for (int click = 2; click < 17; ++click)
        ClickCube(t, E);
    ASSERT_EQ(Box(t), QString(17, 'e'));
    ASSERT_EQ(t.app.entry.ClickedCount, 17);
    const auto path = t.app.entry.ClickedPath;
    ClickCube(t, E);
    EXPECT_EQ(Box(t), QString(17, 'e'));
    EXPECT_EQ(t.app.entry.ClickedCount, 17);
    EXPECT_EQ(t.app.entry.ClickedWord, std::string(17, 'e'));
    EXPECT_EQ(t.app.entry.ClickedPath, path);
    EXPECT_EQ(t.desktop.sounds, 1);
}

TEST(CubeClicks, withoutAGameAClickOnlyFocusesTheBox)
{
    TestApp t(kWords);
    t.startUp();
    t.placeBoard(BoardFromText(kBoard));
    t.window->show();
    QApplication::setActiveWindow(t.window.get());
    t.window->Enter->setFocus();
    ClickCube(t, C);
    EXPECT_EQ(Box(t), "");
    EXPECT_TRUE(Selected(t).empty());
    EXPECT_TRUE(t.window->NewWord->hasFocus());
    EXPECT_EQ(t.desktop.sounds, 0);
}

TEST(Sounds, noRejectionMakesASoundWhenSoundsAreOff)
{
    TestApp t(kWords);
    Play(t);
    t.app.options.SoundsOn = false;
    Type(t, "catz");           // a refused letter
    t.window->NewWord->clear();
    Type(t, "tac");            // a word off the board list
    t.window->Enter->click();
    ClickCube(t, C);
    ClickCube(t, 15);          // a refused cube
    t.app.options.RepeatLetters = true;
    t.window->NewWord->clear();
    for (int click = 0; click < 18; ++click)
        ClickCube(t, E);       // the 18th click
    EXPECT_EQ(t.app.entry.ClickedCount, 17);
    EXPECT_EQ(t.desktop.sounds, 0);
    EXPECT_TRUE(t.window->WordList->item(0, 0)->font().strikeOut()) << "still struck through";
}

TEST(Focus, afterStartTheWordBoxHasTheKeyboard)
{
    TestApp t(kWords);
    t.startUp();
    t.window->show();
    QApplication::setActiveWindow(t.window.get());
    t.window->Start->click();
    EXPECT_TRUE(t.window->NewWord->hasFocus());
    EXPECT_EQ(t.window->Enter->text(), "Enter");
}

} // namespace
