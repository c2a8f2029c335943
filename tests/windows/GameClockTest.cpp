// A game on the real main window: start, the clock, pause and the end.
#include "TestApp.h"

#include "windows/board/CubeFrame.h"
#include "windows/game/Common.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kWords = {"cat", "cats", "act", "tack", "dog", "god", "eat",
                                         "tea", "ate", "sea", "set", "tie", "ties", "site"};

QColor ClockColour(TestApp& t)
{
    return t.window->TimeLeft->palette().color(QPalette::WindowText);
}

void AddListedWord(TestApp& t, const QString& word)
{
    t.window->WordList->insertRow(0);
    t.window->WordList->setItem(0, 0, new QTableWidgetItem(word));
}

TEST(GameClock, startShakesABoardAndRunsTheClock)
{
    TestApp t(kWords);
    t.startUp();
    EXPECT_TRUE(t.desktop.shown.empty()) << "a good dictionary loads silently";
    for (const auto& face : t.app.board.BoardFaces)
        EXPECT_EQ(face, "") << "blank cubes before the first game";

    t.window->Start->click();
    EXPECT_TRUE(t.app.game.GameInProgress);
    EXPECT_EQ(t.app.game.TimeRemaining, 180);
    EXPECT_EQ(t.window->TimeRemLabel->text(), "Time Remaining");
    EXPECT_EQ(t.window->TimeLeft->text(), "3:00");
    EXPECT_TRUE(t.window->GameClock->isActive());
    EXPECT_TRUE(t.window->NewWord->isEnabled());
    EXPECT_TRUE(Dice::IsBoardText(t.app.board.BoardText));
    EXPECT_GT(t.app.board.BoardWords.size(), 0u) << "a board without words is never played "
                                                     "when some board has one";
    EXPECT_EQ(t.window->DefinedWordCount->text(),
              QStringLiteral("Lettro found %1 words").arg(t.app.board.BoardWords.size()));
    for (const auto& face : t.app.board.BoardFaces)
        EXPECT_FALSE(face.empty());
}

TEST(GameClock, boardWordsComeFromTheEngineInLowerCase)
{
    TestApp t(kWords);
    t.startUp();
    // Every shake lands the first face of each die in order: ETISSOYWOOIVAATI.
    t.app.random = std::make_unique<ScriptedRandom>(std::vector<float>{0.0f});
    std::string board;
    Common::SetUpBoard(t.app, board);
    EXPECT_EQ(board, "ETISSOYWOOIVAATI");
    // ETIS/SOYW/OOIV/AATI: of the list only "set" (1,0)-(0,0)-(0,1) and "site"
    // (0,3)-(0,2)-(0,1)-(0,0) can be traced; the engine hands them over alphabetically.
    EXPECT_EQ(t.app.board.BoardWords, (Words{"set", "site"}));
    EXPECT_EQ(t.app.board.EngineWordCount, 2);
    EXPECT_EQ(t.window->DefinedWordCount->text(), "Lettro found 2 words");
}

TEST(GameClock, noBoardMeetsTheLimitAfterAHundredShakes)
{
    TestApp t(std::vector<std::string>{}); // empty dictionary: every board holds 0 words
    t.startUp();
    auto random = std::make_unique<ScriptedRandom>(std::vector<float>{0.3f, 0.6f, 0.1f});
    ScriptedRandom* draws = random.get();
    t.app.random = std::move(random);
    std::string board;
    Common::SetUpBoard(t.app, board);
    EXPECT_EQ(draws->draws, 100 * 32);
    EXPECT_TRUE(t.app.board.BoardWords.empty());
    EXPECT_EQ(t.window->DefinedWordCount->text(), "Lettro found 0 words");
}

TEST(GameClock, ticksCountDownOnlyInTheForeground)
{
    TestApp t(kWords);
    t.startUp();
    t.window->Start->click();
    t.window->show();

    t.desktop.foreground = false;
    Common::ClockTick(t.app);
    EXPECT_EQ(t.app.game.TimeRemaining, 180);
    EXPECT_FALSE(t.window->cubeFrame->isVisible()) << "the board hides behind other windows";
    Common::ClockTick(t.app);
    EXPECT_EQ(t.app.game.TimeRemaining, 180);

    t.desktop.foreground = true;
    Common::ClockTick(t.app);
    EXPECT_TRUE(t.window->cubeFrame->isVisible());
    EXPECT_EQ(t.app.game.TimeRemaining, 179);
    EXPECT_EQ(t.window->TimeLeft->text(), "2:59");
}

TEST(GameClock, lastTenSecondsBlinkAndZeroEndsTheGame)
{
    TestApp t(kWords);
    t.startUp();
    t.window->Start->click();
    t.app.game.TimeRemaining = 12;
    const QColor black(Qt::black), yellow(255, 255, 0), red(255, 0, 0);
    const std::vector<QColor> expected = {black, yellow, black, yellow, black, yellow,
                                          black, red,    black, red,    black, red};
    for (int t11 = 11; t11 >= 1; --t11) {
        Common::ClockTick(t.app);
        EXPECT_EQ(ClockColour(t), expected[static_cast<std::size_t>(11 - t11)]) << t11;
    }
    EXPECT_EQ(t.window->TimeLeft->text(), "0:01");
    Common::ClockTick(t.app);
    EXPECT_EQ(t.app.game.TimeRemaining, 0);
    EXPECT_EQ(t.window->TimeRemLabel->text(), "Game Over");
    EXPECT_EQ(t.window->TimeLeft->text(), "");
    EXPECT_EQ(ClockColour(t), black) << "the end puts the clock back to black";
    EXPECT_FALSE(t.window->GameClock->isActive());
}

TEST(GameClock, pauseFreezesTheClockBehindItsBox)
{
    TestApp t(kWords);
    t.startUp();
    t.window->Start->click();
    t.window->show();
    t.desktop.answer(ui::Answer::Ok, [&] {
        EXPECT_TRUE(t.app.game.Paused);
        EXPECT_FALSE(t.window->cubeFrame->isVisible());
        Common::ClockTick(t.app); // ticks keep coming while the box is up
        EXPECT_EQ(t.app.game.TimeRemaining, 180);
    });
    t.window->Pause->click();
    ASSERT_EQ(t.desktop.shown.size(), 1u);
    EXPECT_EQ(t.desktop.shown[0].text, "Hit OK when ready to resume.");
    EXPECT_EQ(t.desktop.shown[0].title, "Game paused");
    EXPECT_FALSE(t.app.game.Paused);
    EXPECT_TRUE(t.window->cubeFrame->isVisible());
}

TEST(GameClock, pauseAndEndWithoutAGame)
{
    TestApp t(kWords);
    t.startUp();
    t.desktop.answer(ui::Answer::Ok);
    t.window->Pause->click();
    EXPECT_EQ(t.desktop.shown.size(), 1u);
    EXPECT_FALSE(t.app.game.Paused);
    EXPECT_FALSE(t.app.game.GameInProgress);

    t.window->End->click();
    EXPECT_EQ(t.window->TimeRemLabel->text(), "Time Remaining") << "End did nothing";
    EXPECT_FALSE(t.app.game.GameInProgress);
}

TEST(GameClock, endCollectsTheWordsNewestFirst)
{
    TestApp t(kWords);
    t.startUp();
    t.window->Start->click();
    AddListedWord(t, "cat");
    AddListedWord(t, "dog");
    AddListedWord(t, "sea");
    t.window->NewWord->setText("ti");
    t.window->End->click();
    EXPECT_EQ(t.app.game.TimeRemaining, 0);
    EXPECT_FALSE(t.window->GameClock->isActive());
    EXPECT_FALSE(t.window->NewWord->isEnabled());
    EXPECT_TRUE(t.window->NewWord->text().isEmpty());
    EXPECT_EQ(t.window->TimeRemLabel->text(), "Game Over");
    ASSERT_EQ(t.app.game.PlayerWords.size(), 1u);
    EXPECT_EQ(t.app.game.PlayerWords[0], (Words{"sea", "dog", "cat"}));
}

TEST(GameClock, franticStartsAtFifteenSeconds)
{
    TestApp t(kWords);
    t.startUp();
    t.app.game.GameType = Frantic;
    t.window->Start->click();
    EXPECT_EQ(t.app.game.TimeRemaining, 15);
    EXPECT_EQ(t.window->TimeLeft->text(), "0:15");
}

TEST(GameClock, twoPlayersStartBehindAHiddenBoard)
{
    TestApp t(kWords);
    t.startUp();
    t.window->show();
    t.app.game.GameMode = TwoPlayer;
    t.desktop.answer(ui::Answer::Ok, [&] {
        EXPECT_FALSE(t.window->cubeFrame->isVisible());
        EXPECT_FALSE(t.window->GameClock->isActive()) << "the clock waits for OK";
    });
    t.window->Start->click();
    ASSERT_EQ(t.desktop.shown.size(), 1u);
    EXPECT_EQ(t.desktop.shown[0].text, "Player 1 - Hit OK when ready to start game.");
    EXPECT_EQ(t.desktop.shown[0].title, "Lettro");
    EXPECT_TRUE(t.window->cubeFrame->isVisible());
    EXPECT_EQ(t.app.game.PlayerCount, 2);
    EXPECT_EQ(t.app.game.LocalPlayerIndex, 0);
    EXPECT_EQ(t.app.game.PlayerWords.size(), 2u);
}

TEST(GameClock, startDuringAGameBeginsANewOne)
{
    TestApp t(kWords);
    t.startUp();
    t.window->Start->click();
    AddListedWord(t, "cat");
    Common::ClockTick(t.app);
    t.window->Start->click();
    EXPECT_EQ(t.app.game.TimeRemaining, 180);
    EXPECT_EQ(t.window->WordList->rowCount(), 0) << "the old game's words are dropped";
    EXPECT_TRUE(t.app.game.PlayerWords[0].empty()) << "and never evaluated";
}

TEST(GameClock, networkModesIgnoreStartAndPause)
{
    TestApp t(kWords);
    t.startUp();
    t.app.game.GameMode = NetworkHost;
    t.window->Start->click();
    t.window->Pause->click();
    EXPECT_FALSE(t.app.game.GameInProgress);
    EXPECT_TRUE(t.desktop.shown.empty());
}

TEST(StartUp, aBrokenDictionaryIsReportedOnce)
{
    TestApp t(kWords);
    QFile::remove(t.folder.filePath("Dictionary.dat"));
    t.desktop.answer(ui::Answer::Ok);
    t.startUp();
    ASSERT_EQ(t.desktop.shown.size(), 1u);
    EXPECT_TRUE(t.desktop.shown[0].text.contains("Dictionary.dat"));
    EXPECT_EQ(t.app.engine.cNumberOfWords(), 0);
    EXPECT_EQ(t.app.dictionary.LoadResult.status, engine::FileStatus::Missing);
}

} // namespace
