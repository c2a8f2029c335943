// Whole games without windows: word entry, the board's looks, the clock, turns and the
// evaluation, driven as the windows drive them.
#include "Scripted.h"

#include "core/board/WordEntry.h"
#include "core/dictionary/DictionaryStore.h"
#include "core/game/Game.h"
#include "core/game/Program.h"
#include "core/game/Results.h"
#include "core/game/Scoring.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Cubes = std::vector<int>;
using core::Answer;

// C  A  T  S
// O  D  G  E
// B  Qu I  T
// L  X  Y  Z
const char* const kBoard = "CATS/ODGE/BQIT/LXYZ";
enum Cube { C = 0, A = 1, T = 2, O = 4, D = 5, E = 7, Qu = 9, I = 10, T2 = 11, Z = 15 };
// Every draw 0 shakes ETIS/SOYW/OOIV/AATI: its, set, site, soot and toys lie on it.
const char* const kShaken = "ETISSOYWOOIVAATI";

struct Play : ::testing::Test {
    void SetUp() override
    {
        p.ProgramFolder = folder.path().toStdString();
        p.settings = std::make_unique<engine::SettingsStore>(p.ProgramFolder);
        p.prompter = &prompter;
        engine::Engine dict;
        for (const char* w : {"cat", "cats", "cod", "coda", "stag", "stage", "quit", "dog",
                              "zebra", "its", "set", "site", "soot", "toys"})
            dict.cDictionaryAdd(w);
        ASSERT_TRUE(dict.cWriteBinaryDictionary(QDir(folder.path()).filePath("Dictionary.dat").toStdString()).ok());
        p.random = std::make_unique<ScriptedRandom>(std::vector<float>{0.0f});
        Game::StartUp(p);
    }
    // A running game on a chosen board, placed as a joined network player is given one.
    void start(const char* picture = kBoard)
    {
        const int mode = std::exchange(p.game.GameMode, NetworkPlayer);
        std::string board = BoardFromText(picture), lower = board;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(c));
        p.board.BoardWords.clear();
        for (int i = 0, n = p.engine.cCheckForAllDefinedWords(lower); i < n; ++i)
            p.board.BoardWords.push_back(p.engine.cGetDefinedWord(i));
        Game::SetUpBoard(p, board);
        p.game.GameMode = mode;
        Game::BeginPlay(p);
    }
    // Keys one by one, as the box reports each change.
    void type(const QString& keys)
    {
        for (const QChar key : keys)
            WordEntry::NewWordChanged(p, p.entry.NewWordText + key);
    }
    void enter(const QString& keys) { type(keys); WordEntry::EnterWord(p); }
    void click(const Cubes& cubes) { for (int i : cubes) WordEntry::CubeClicked(p, i); }
    Cubes selected() const
    {
        Cubes cubes;
        for (int i = 0; i < 16; ++i)
            if (p.view.WantedLooks[static_cast<std::size_t>(i)] == BoardView::Selected)
                cubes.push_back(i);
        return cubes;
    }
    QStringList listed() const
    {
        QStringList words;
        for (const ListedWord& w : p.entry.ListedWords)
            words << w.Word + (w.BoardWord ? "" : "~"); // ~: struck through
        return words;
    }
    QTemporaryDir folder;
    ScriptedPrompter prompter;
    Program p;
};

TEST_F(Play, typingKeepsWhatCanBeTracedAndShowsItsPath)
{
    struct Case { const char* keys; bool pasted; const char* box; Cubes path; int sounds; };
    const std::vector<Case> cases = {
        {"CAt", false, "cat", {C, A, T}, 0},   {"catz", false, "cat", {C, A, T}, 1},
        {"catzqy", true, "cat", {C, A, T}, 3}, {"q", false, "q", {Qu}, 0}, // a lone q: the Qu cube
        {"quit", false, "quit", {Qu, I, T2}, 0}, {"qi", false, "q", {Qu}, 1}};
    start();
    for (const Case& c : cases) {
        WordEntry::NewWordChanged(p, QString());
        prompter.sounds = 0;
        if (c.pasted)
            WordEntry::NewWordChanged(p, c.keys);
        else
            type(c.keys);
        EXPECT_EQ(p.entry.NewWordText, c.box) << c.keys;
        EXPECT_EQ(p.entry.LastNewWordText, c.box) << c.keys;
        EXPECT_EQ(selected(), c.path) << c.keys;
        EXPECT_EQ(prompter.sounds, c.sounds) << c.keys;
    }
    WordEntry::NewWordChanged(p, QString());
    EXPECT_EQ(selected(), Cubes{});
    EXPECT_TRUE(p.entry.BoardClean);
    EXPECT_EQ(p.entry.LastNewWordText, "");
}

TEST_F(Play, enteredWordsGoNewestFirstOnceEach)
{
    start();
    EXPECT_EQ(WordEntry::EnterCaption(p), "Enter");
    for (const char* w : {"cat", "stag", "cod", "cat", "tac", "ca"})
        enter(w);
    EXPECT_EQ(listed(), (QStringList{"tac~", "cod", "stag", "cat"})) << "a duplicate is dropped";
    EXPECT_EQ(p.entry.NewWordText, "ca") << "below the smallest size: left in the box";
    EXPECT_EQ(p.screen.PlayerWordText, "4 words entered");
    EXPECT_EQ(prompter.sounds, 1) << "only the word off the board list";
    EXPECT_EQ(p.game.TimeRemaining, 180) << "a standard game gives no time";
    WordEntry::NewWordChanged(p, QString());
    EXPECT_EQ(WordEntry::EnterCaption(p), "Last");

    p.engine.cSetMaxWordSize(4);
    enter("stage");
    p.options.RepeatLetters = true;
    type("tat");
    p.options.RepeatLetters = false; // the rule changed under the typed word
    WordEntry::EnterWord(p);
    EXPECT_EQ(listed().size(), 4) << "too long, or no longer traced: dropped";
    EXPECT_EQ(p.entry.NewWordText, "");
    EXPECT_EQ(selected(), Cubes{});
    EXPECT_EQ(prompter.sounds, 1);
    enter("c");
    WordEntry::EnterWord(p);
    EXPECT_EQ(p.screen.PlayerWordText, "4 words entered") << "one letter: nothing";
}

TEST_F(Play, lastAndTheListBringWordsBack)
{
    start();
    enter("cod");
    enter("cat");
    WordEntry::EnterWord(p); // Last
    EXPECT_EQ(p.entry.NewWordText, "cat");
    EXPECT_EQ(selected(), (Cubes{C, A, T}));
    EXPECT_EQ(WordEntry::EnterCaption(p), "Enter");
    WordEntry::RecallListedWord(p, 1);
    EXPECT_EQ(p.entry.NewWordText, "cod");
    EXPECT_EQ(p.entry.SelectedRow, 1);
    EXPECT_EQ(selected(), (Cubes{C, O, D}));
    EXPECT_EQ(listed().size(), 2);

    Game::AbortGame(p); // no game: the filter still works, Enter and the list do not
    type("cat");
    WordEntry::EnterWord(p);
    WordEntry::RecallListedWord(p, 0);
    WordEntry::CubeClicked(p, Z);
    EXPECT_EQ(p.entry.NewWordText, "cat");
    EXPECT_EQ(listed().size(), 2);
}

TEST_F(Play, clearTakesALetterQuAsOneAndUnclicksTheLastCube)
{
    start();
    type("qui");
    WordEntry::RemoveLastLetter(p);
    EXPECT_EQ(p.entry.NewWordText, "qu");
    EXPECT_EQ(selected(), Cubes{Qu});
    WordEntry::RemoveLastLetter(p);
    EXPECT_EQ(p.entry.NewWordText, "");
    EXPECT_TRUE(p.entry.BoardClean);
    WordEntry::RemoveLastLetter(p);
    EXPECT_EQ(p.entry.NewWordText, "");
    type("c");
    WordEntry::RemoveLastLetter(p);
    EXPECT_EQ(selected(), Cubes{}) << "a one-letter word leaves a clean board";

    click({C, A, T});
    WordEntry::RemoveLastLetter(p);
    EXPECT_EQ(p.entry.NewWordText, "ca");
    EXPECT_EQ(selected(), (Cubes{C, A}));
    EXPECT_EQ(p.entry.ClickedWord, "ca");
    EXPECT_EQ(p.entry.ClickedCount, 2);
    click({T});
    EXPECT_EQ(p.entry.NewWordText, "cat");
    EXPECT_EQ(prompter.sounds, 0);
}

TEST_F(Play, clickedCubesBuildAWordAndTheLastOneAgainEntersIt)
{
    start();
    click({C, A, T});
    EXPECT_EQ(p.entry.NewWordText, "cat");
    EXPECT_EQ(selected(), (Cubes{C, A, T}));
    EXPECT_EQ(p.entry.ClickedPath[1], C);
    EXPECT_EQ(p.entry.ClickedPath[3], T);
    click({T});
    EXPECT_EQ(listed(), QStringList{"cat"});
    EXPECT_EQ(p.entry.NewWordText, "");
    EXPECT_EQ(p.entry.ClickedCount, 0);

    click({Qu, I, T2});
    EXPECT_EQ(p.entry.ClickedWord, "quit");
    WordEntry::EnterWord(p);
    type("ca"); // typed, then finished by a click
    click({T, Z});
    EXPECT_EQ(p.entry.NewWordText, "cat") << "Z is nowhere next to a T";
    EXPECT_EQ(selected(), (Cubes{C, A, T}));
    EXPECT_EQ(prompter.sounds, 1);

    WordEntry::EnterWord(p);
    p.options.RepeatLetters = true;
    click({E, E});
    EXPECT_EQ(p.entry.NewWordText, "ee") << "a second click adds, it does not enter";
    click(Cubes(15, E));
    const auto path = p.entry.ClickedPath;
    click({E}); // the 18th click is refused
    EXPECT_EQ(p.entry.NewWordText, QString(17, 'e'));
    EXPECT_EQ(p.entry.ClickedCount, 17);
    EXPECT_EQ(p.entry.ClickedPath, path);
    EXPECT_EQ(prompter.sounds, 2);
}

TEST_F(Play, noRefusalSoundsWhenSoundsAreOff)
{
    start();
    p.options.SoundsOn = false;
    type("catz");
    WordEntry::EnterWord(p);
    enter("tac");
    click({C, Z});
    p.options.RepeatLetters = true;
    WordEntry::NewWordChanged(p, QString());
    click(Cubes(18, E));
    EXPECT_EQ(p.entry.ClickedCount, 17);
    EXPECT_EQ(listed(), (QStringList{"tac~", "cat"}));
    EXPECT_EQ(prompter.sounds, 0);
}

TEST_F(Play, cubesAreRepaintedOnlyWhenTheirLookOrFaceChanges)
{
    start();
    for (int i = 0; i < 16; ++i) // as the window paints them
        BoardView::RecordDrawn(p.view, i, p.board.BoardFaces[i], p.view.WantedLooks[i]);
    const auto toPaint = [&] {
        int n = 0;
        for (int i = 0; i < 16; ++i)
            n += BoardView::NeedsDrawing(p.view, i, p.board.BoardFaces[i], p.view.WantedLooks[i]);
        return n;
    };
    type("ca");
    EXPECT_EQ(toPaint(), 2);
    start("DOGS/CATE/BQIT/LXYZ");
    EXPECT_EQ(toPaint(), 6) << "the first two rows but for S and E";
}

TEST_F(Play, startShakesABoardAndTheClockCountsDownInTheForeground)
{
    EXPECT_TRUE(prompter.shown.empty()) << "a good dictionary loads silently";
    EXPECT_EQ(p.board.BoardFaces[0], "") << "blank cubes before the first game";
    Game::StartGameClick(p);
    EXPECT_EQ(p.board.BoardText, kShaken);
    EXPECT_EQ(p.board.BoardWords, (Words{"its", "set", "site", "soot", "toys"}));
    EXPECT_EQ(p.screen.DefinedWordText, "Lettro found 5 words");
    EXPECT_TRUE(p.game.GameInProgress && p.screen.ClockRunning && p.entry.NewWordEnabled);
    EXPECT_EQ(p.screen.ClockCaption + p.screen.ClockText, "Time Remaining3:00");

    Game::ClockTick(p, false);
    Game::ClockTick(p, false);
    EXPECT_EQ(p.game.TimeRemaining, 180);
    EXPECT_TRUE(p.screen.BoardHidden) << "the board hides behind other windows";
    Game::ClockTick(p, true);
    EXPECT_FALSE(p.screen.BoardHidden);
    EXPECT_EQ(p.screen.ClockText, "2:59");

    using enum TimeFormat::ClockColour;
    const std::vector<TimeFormat::ClockColour> blink = {Black, Black, Yellow, Black, Yellow, Black, Yellow,
                                                        Black, Red,    Black, Red,    Black};
    p.game.TimeRemaining = 13;
    for (std::size_t k = 0; k < blink.size(); ++k) {
        Game::ClockTick(p, true);
        EXPECT_EQ(p.screen.ClockColour, blink[k]) << 12 - k;
    }
    EXPECT_EQ(p.screen.ClockText, "0:01");
    Game::ClockTick(p, true);
    Game::ClockTick(p, true); // a tick after the end does nothing
    EXPECT_EQ(p.game.TimeRemaining, 0);
    EXPECT_EQ(p.screen.ClockCaption + p.screen.ClockText, "Game Over");
    EXPECT_EQ(p.screen.ClockColour, Black) << "the end puts the clock back to black";
    EXPECT_FALSE(p.screen.ClockRunning || p.entry.NewWordEnabled);
}

TEST_F(Play, noBoardMeetsTheLimitAfterAHundredShakes)
{
    auto random = std::make_unique<ScriptedRandom>(std::vector<float>{0.3f, 0.6f, 0.1f});
    const ScriptedRandom& draws = *random;
    p.random = std::move(random);
    p.options.NumWordsLimit = ">99";
    std::string board;
    Game::SetUpBoard(p, board);
    EXPECT_EQ(draws.draws, 100 * 32);
    EXPECT_EQ(board, p.board.BoardText) << "the last board shaken is played";
    EXPECT_EQ(static_cast<int>(p.board.BoardWords.size()),
              p.engine.cCheckForAllDefinedWords(QString::fromStdString(board).toLower().toStdString()));
}

TEST_F(Play, pauseHidesTheBoardAndFreezesTheClock)
{
    prompter.answer(Answer::Ok);
    Game::PauseGame(p); // without a game too
    Game::EndGameNow(p);
    EXPECT_EQ(p.screen.ClockCaption, "Time Remaining") << "End did nothing";
    start();
    prompter.answer(Answer::Ok, [&] {
        EXPECT_TRUE(p.game.Paused && p.screen.BoardHidden);
        Game::ClockTick(p, true); // ticks keep coming while the box is up
        EXPECT_EQ(p.game.TimeRemaining, 180);
    });
    Game::PauseGame(p);
    EXPECT_FALSE(p.game.Paused || p.screen.BoardHidden);
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[1].text, "Hit OK when ready to resume.");
    EXPECT_EQ(prompter.shown[1].title, "Game paused");
    EXPECT_EQ(prompter.pending(), 0);
}

TEST_F(Play, aNewStartDropsTheRunningGameAndAnAbortedGameCannotBeEnded)
{
    start();
    enter("cat");
    Game::StartGameClick(p);
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(p.game.PlayerWords[0].empty()) << "never evaluated";
    enter("its");
    Game::AbortGame(p); // an option change
    Game::EndGameNow(p);
    EXPECT_FALSE(p.results.Open);
    EXPECT_TRUE(p.game.PlayerWords[0].empty());
}

TEST_F(Play, franticTurnsStartAtFifteenSecondsAndBoardWordsBuyTime)
{
    p.game.GameType = Frantic;
    p.game.GameMode = TwoPlayer;
    prompter.autoOk = true;
    start();
    EXPECT_EQ(p.screen.ClockText, "0:15");
    enter("stage"); // five letters: 2 * 5 - 4
    enter("tac");   // no board word: no time
    enter("cat");   // three letters: 2
    EXPECT_EQ(p.game.TimeRemaining, 23);
    EXPECT_EQ(p.screen.ClockCaption + p.screen.ClockText, "Time Remaining0:23");
    Game::EndGameNow(p);
    EXPECT_EQ(p.game.LocalPlayerIndex, 1);
    EXPECT_EQ(p.screen.ClockText, "0:15") << "player 2 too";
}

TEST_F(Play, networkPlayIgnoresStartPauseAndTheForegroundAndEvaluatesNothing)
{
    for (const int mode : {NetworkPlayer, NetworkHost}) {
        p.game.GameMode = mode;
        Game::StartGameClick(p);
        Game::PauseGame(p);
        EXPECT_FALSE(p.game.GameInProgress) << mode;
        EXPECT_TRUE(prompter.shown.empty()) << mode;
        prompter.answer(Answer::Ok);
        start();
        enter("cat");
        Game::ClockTick(p, false);
        EXPECT_EQ(p.game.TimeRemaining, 179) << mode;
        EXPECT_FALSE(p.screen.BoardHidden) << mode;
        Game::EndGameNow(p);
        EXPECT_EQ(p.game.PlayerWords[0], Words{"cat"}) << mode;
        EXPECT_FALSE(p.results.Open) << mode;
        prompter.shown.clear();
        p.game.GameInProgress = false;
    }
}

TEST_F(Play, aWholeSinglePlayerGameWithADictionaryCorrection)
{
    Game::StartGameClick(p);
    enter("site");
    enter("toy"); // no dictionary word
    click({1, 5, 6, 3, 3}); // t o y s, then s again enters it
    for (int k = 0; k < 30; ++k)
        Game::ClockTick(p, true);
    prompter.answer(Answer::Ok);
    Game::PauseGame(p);
    Game::EndGameNow(p);
    EXPECT_EQ(p.game.PlayerWords[0], (Words{"toys", "toy", "site"}));
    EXPECT_TRUE(p.results.Open);
    EXPECT_EQ(p.eval.PlayerUndefinedWords[0], Words{"toy"});
    EXPECT_EQ(p.eval.UnusedWords, (Words{"its", "set", "soot"}));
    EXPECT_EQ(p.results.Words, "2 words found out of 5 (40%)");
    EXPECT_EQ(p.results.Score, "Score is 2 out of 5 (40%)");
    EXPECT_EQ(p.results.BadWords, "1 word not in dictionary");

    Dictionary::AddDictionaryWord(p, "toy");
    Scoring::RemoveWord(p.eval.PlayerUndefinedWords[0], "toy");
    Scoring::AppendWord(p.eval.PlayerDefinedWords[0], "toy");
    Scoring::AppendWord(p.board.BoardWords, "toy");
    Results::ShowScores(p);
    EXPECT_TRUE(p.engine.contains("toy"));
    EXPECT_EQ(p.results.Words, "3 words found out of 6 (50%)");
    EXPECT_EQ(p.results.BadWords, "");
}

TEST_F(Play, aWholeTwoPlayerGameOnOneBoard)
{
    p.game.GameMode = TwoPlayer;
    prompter.answer(Answer::Ok, [&] {
        EXPECT_TRUE(p.screen.BoardHidden);
        EXPECT_FALSE(p.screen.ClockRunning) << "the clock waits for OK";
    });
    Game::StartGameClick(p);
    EXPECT_FALSE(p.screen.BoardHidden);
    EXPECT_EQ(p.game.PlayerWords.size(), 2u);
    enter("site");
    enter("set");
    type("so");
    prompter.answer(Answer::Ok, [&] {
        EXPECT_TRUE(p.screen.BoardHidden) << "player 2 may not study the board";
        EXPECT_EQ(p.game.LocalPlayerIndex, 1);
    });
    Game::EndGameNow(p);
    EXPECT_EQ(prompter.shown.back().text, "Player 2 - Hit OK when ready to start game.");
    EXPECT_FALSE(p.results.Open) << "nothing is evaluated after player 1";
    EXPECT_TRUE(listed().isEmpty() && p.entry.NewWordText.isEmpty() && p.entry.NewWordEnabled);
    EXPECT_EQ(p.screen.PlayerWordText, "");
    EXPECT_EQ(p.screen.ClockCaption + p.screen.ClockText, "Time Remaining3:00");
    EXPECT_TRUE(p.screen.ClockRunning && p.entry.ClickedCount == 0);

    for (const char* w : {"site", "soot", "toys"})
        enter(w);
    for (int k = 0; k < 180; ++k)
        Game::ClockTick(p, true);
    EXPECT_EQ(p.game.PlayerWords, (std::vector<Words>{{"set", "site"}, {"toys", "soot", "site"}}));
    EXPECT_EQ(p.eval.CommonWords, Words{"site"});
    EXPECT_TRUE(p.results.Open);
    EXPECT_EQ(p.results.Words, "1 = Player 1 score");
    EXPECT_EQ(p.results.Score, "2 = Player 2 score");
    EXPECT_EQ(p.results.BadWords, "Player 2 Wins");
    EXPECT_EQ(prompter.pending(), 0);
}

TEST_F(Play, aBrokenDictionaryIsReportedOnce)
{
    QFile::remove(QDir(folder.path()).filePath("Dictionary.dat"));
    prompter.answer(Answer::Ok);
    Game::StartUp(p);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].text.contains("Dictionary.dat"));
    EXPECT_EQ(p.engine.cNumberOfWords(), 0);
}

} // namespace
