// Games that end in the results window: the lists, texts and paths it shows, the
// dictionary corrections made from it, and giving the main window back.
#include "TestApp.h"

#include "windows/board/CubeFrame.h"
#include "windows/game/Common.h"
#include "windows/game/EndOfGame.h"
#include "windows/game/ResultsWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// C A T S      On this board: cat, cats, cod, dig, get, gets, quit, set, stag.
// O D G E      "dog" is in the dictionary but cannot be traced here.
// Qu I N R
// T X Y Z
const char* const kBoard = "CATS/ODGE/QINR/TXYZ";
const std::vector<std::string> kWords = {"cat", "cats", "cod", "dig", "dog", "get",
                                         "gets", "quit", "set", "stag", "tea", "zebra"};
const Words kBoardWords = {"cat", "cats", "cod", "dig", "get", "gets", "quit", "set", "stag"};

const QColor kOrange(255, 192, 128);
const QColor kGreen(128, 255, 128);

QStringList Texts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList Items(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QStringList AsList(const Words& words)
{
    QStringList texts;
    for (const std::string& w : words)
        texts << QString::fromStdString(w);
    return texts;
}

// The words as if entered, the last one newest (row 0).
void EnterWords(TestApp& t, const QStringList& words)
{
    for (const QString& word : words)
        t.app.entry.ListedWords.insert(t.app.entry.ListedWords.begin(), ListedWord{word});
}

// A running game on kBoard in the given mode, its "Hit OK" boxes answered.
void StartOnBoard(TestApp& t, int mode)
{
    t.startUp();
    t.placeBoard(BoardFromText(kBoard));
    ASSERT_EQ(t.app.board.BoardWords, kBoardWords);
    t.app.game.GameMode = mode;
    if (mode != SinglePlayer)
        t.desktop.answer(ui::Answer::Ok);
    Common::BeginPlay(t.app);
}

// A single-player game that ended with these words entered.
ResultsWindow& EndSinglePlayerGame(TestApp& t, const QStringList& words)
{
    StartOnBoard(t, SinglePlayer);
    EnterWords(t, words);
    t.window->End->click();
    EXPECT_NE(t.app.resultsWindow, nullptr);
    return *t.app.resultsWindow;
}

void Select(QListWidget* list, const QString& text)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    list->setCurrentItem(found.first());
}

void ClickItem(QListWidget* list, const QString& text)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
}

std::vector<int> GreenCubes(const ResultsWindow& r)
{
    std::vector<int> green;
    for (int i = 0; i < 16; ++i) {
        const QLabel* cube = r.ResultCubes[static_cast<std::size_t>(i)];
        const QColor c = cube->palette().color(QPalette::Window);
        if (c == kGreen)
            green.push_back(i);
        else
            EXPECT_EQ(c, kOrange) << "cube " << i;
    }
    return green;
}

TEST(Results, singlePlayerGameEndsInTheResults)
{
    TestApp t(kWords);
    ResultsWindow& r = EndSinglePlayerGame(t, {"cat", "quit", "dog", "stag"});

    EXPECT_EQ(r.windowTitle(), "Lettro Results");
    EXPECT_TRUE(r.isVisible());
    EXPECT_TRUE(r.isModal());
    EXPECT_TRUE(r.isEnabled()) << "the results must not follow the main window into disabled";
    EXPECT_FALSE(t.window->isEnabled());
    EXPECT_EQ(r.parentWidget(), t.window.get());
    EXPECT_EQ(t.window->TimeRemLabel->text(), "Game Over");

    EXPECT_EQ(r.WordsLabel->text(), "3 words found out of 9 (33%)");
    EXPECT_EQ(r.ScoreLabel->text(), "Score is 3 out of 9 (33%)");
    EXPECT_EQ(r.BadWordsLabel->text(), "1 word not in dictionary") << "dog is not on this board";

    EXPECT_EQ(Items(r.UserWordsCombo), (QStringList{"Defined", "Undefined"}));
    EXPECT_EQ(Items(r.DictWordsCombo), (QStringList{"All Words", "Unused Words"}));
    EXPECT_EQ(r.UserWordsCombo->currentIndex(), 0);
    EXPECT_EQ(r.DictWordsCombo->currentIndex(), 0);
    EXPECT_EQ(Texts(r.UserWords), (QStringList{"stag", "quit", "cat"}));
    EXPECT_EQ(Texts(r.DictWords), AsList(kBoardWords));
    EXPECT_TRUE(r.DictWords->isVisibleTo(&r));
    EXPECT_FALSE(r.ScoreList->isVisibleTo(&r));

    EXPECT_TRUE(r.UserWordsLabel->isVisibleTo(&r));
    EXPECT_TRUE(r.DictWordsLabel->isVisibleTo(&r));
    EXPECT_TRUE(r.RemoveFromDict->isVisibleTo(&r));
    EXPECT_FALSE(r.AddToDict->isVisibleTo(&r)) << "only beside the undefined words";
    r.UserWordsCombo->setCurrentIndex(1);
    EXPECT_EQ(Texts(r.UserWords), (QStringList{"dog"}));
    EXPECT_TRUE(r.AddToDict->isVisibleTo(&r));
    r.DictWordsCombo->setCurrentIndex(1);
    EXPECT_EQ(Texts(r.DictWords), (QStringList{"cats", "cod", "dig", "get", "gets", "set"}));

    const QStringList faces = {"C", "A", "T", "S", "O", "D", "G", "E",
                               "Qu", "I", "N", "R", "T", "X", "Y", "Z"};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(r.ResultCubes[static_cast<std::size_t>(i)]->text(), faces[i]) << i;
    EXPECT_TRUE(GreenCubes(r).empty());
    EXPECT_TRUE(t.desktop.shown.empty());
}

TEST(Results, unusedWordsFirstWhenTheOptionIsSet)
{
    TestApp t(kWords);
    StartOnBoard(t, SinglePlayer);
    t.app.options.ShowUnusedWords = true;
    EnterWords(t, {"cat"});
    t.window->End->click();
    ResultsWindow& r = *t.app.resultsWindow;
    EXPECT_EQ(r.DictWordsCombo->currentText(), "Unused Words");
    EXPECT_EQ(Texts(r.DictWords),
              (QStringList{"cats", "cod", "dig", "get", "gets", "quit", "set", "stag"}));
}

TEST(Results, clickingAWordShowsItsPath)
{
    TestApp t(kWords);
    ResultsWindow& r = EndSinglePlayerGame(t, {"cat", "quit"});
    ClickItem(r.UserWords, "quit");
    EXPECT_EQ(GreenCubes(r), (std::vector<int>{8, 9, 12})) << "Qu, I, T";
    ClickItem(r.DictWords, "gets");
    EXPECT_EQ(GreenCubes(r), (std::vector<int>{2, 3, 6, 7}));
    ClickItem(r.DictWords, "stag");
    EXPECT_EQ(GreenCubes(r), (std::vector<int>{1, 2, 3, 6}));
    ClickItem(r.UserWords, "cat");
    EXPECT_EQ(GreenCubes(r), (std::vector<int>{0, 1, 2}));
}

TEST(Results, addingUndefinedWordsMovesThemIntoTheDictionary)
{
    TestApp t(kWords);
    ResultsWindow& r = EndSinglePlayerGame(t, {"cat", "tea", "dig", "zebra", "dog"});
    r.UserWordsCombo->setCurrentIndex(1);
    ASSERT_EQ(Texts(r.UserWords), (QStringList{"dog", "zebra", "tea"}));
    EXPECT_EQ(r.BadWordsLabel->text(), "3 words not in dictionary");

    t.desktop.answer(ui::Answer::Ok);
    r.AddToDict->click();
    ASSERT_EQ(t.desktop.shown.size(), 1u);
    EXPECT_EQ(t.desktop.shown[0].text, "You must select a word in the 'undefined' list first");
    EXPECT_EQ(t.desktop.shown[0].title, "Lettro");
    EXPECT_FALSE(t.app.dictionary.DictionaryUpdated);

    Select(r.UserWords, "zebra");
    r.AddToDict->click();
    EXPECT_EQ(Texts(r.UserWords), (QStringList{"dog", "tea"}));
    EXPECT_EQ(r.UserWords->selectedItems().value(0)->text(), "tea") << "the word now in its place";
    EXPECT_TRUE(t.app.engine.contains("zebra"));
    EXPECT_TRUE(t.app.dictionary.DictionaryUpdated);
    EXPECT_EQ(t.app.eval.PlayerDefinedWords[0], (Words{"dig", "cat", "zebra"}));
    EXPECT_EQ(t.app.eval.PlayerUndefinedWords[0], (Words{"dog", "tea"}));
    EXPECT_EQ(Texts(r.DictWords).last(), "zebra") << "All Words gains the word";
    EXPECT_EQ(t.app.board.BoardWords.size(), kBoardWords.size() + 1);
    EXPECT_EQ(r.WordsLabel->text(), "3 words found out of 10 (30%)");
    EXPECT_EQ(r.ScoreLabel->text(), "Score is 4 out of 11 (36%)") << "zebra scores 2";
    EXPECT_EQ(r.BadWordsLabel->text(), "2 words not in dictionary");
    EXPECT_EQ(t.app.eval.UnusedWords.size(), 7u) << "a word of the player is never unused";

    // The last item goes: its neighbour above is selected.
    r.AddToDict->click();
    EXPECT_EQ(Texts(r.UserWords), (QStringList{"dog"}));
    EXPECT_EQ(r.UserWords->selectedItems().value(0)->text(), "dog");
    r.AddToDict->click();
    EXPECT_EQ(r.UserWords->count(), 0);
    EXPECT_TRUE(r.UserWords->selectedItems().isEmpty());
    EXPECT_EQ(r.BadWordsLabel->text(), "") << "nothing is left undefined";
    EXPECT_EQ(r.WordsLabel->text(), "5 words found out of 12 (41%)");
    EXPECT_EQ(t.desktop.shown.size(), 1u);
}

TEST(Results, addingUpdatesTheUnusedViewOnlyForWordsNobodyEntered)
{
    TestApp t(kWords);
    ResultsWindow& r = EndSinglePlayerGame(t, {"tea"});
    r.UserWordsCombo->setCurrentIndex(1);
    r.DictWordsCombo->setCurrentIndex(1);
    const QStringList unused = Texts(r.DictWords);
    Select(r.UserWords, "tea");
    r.AddToDict->click();
    EXPECT_EQ(Texts(r.DictWords), unused) << "tea was entered, so it is not unused";
    EXPECT_EQ(t.app.eval.PlayerDefinedWords[0], (Words{"tea"}));
    EXPECT_EQ(r.WordsLabel->text(), "1 word found out of 10 (10%)");
}

TEST(Results, removingADictionaryWord)
{
    TestApp t(kWords);
    ResultsWindow& r = EndSinglePlayerGame(t, {"cat", "stag", "gets"});
    ASSERT_EQ(r.ScoreLabel->text(), "Score is 3 out of 9 (33%)");

    t.desktop.answer(ui::Answer::Ok);
    r.RemoveFromDict->click();
    ASSERT_EQ(t.desktop.shown.size(), 1u);
    EXPECT_EQ(t.desktop.shown[0].text, "You must select a word in the 'dictionary' list first");
    EXPECT_EQ(t.desktop.shown[0].title, "Lettro");

    // A word the player found moves from Defined to Undefined and stops scoring.
    Select(r.DictWords, "stag");
    r.RemoveFromDict->click();
    EXPECT_FALSE(t.app.engine.contains("stag"));
    EXPECT_TRUE(t.app.dictionary.DictionaryUpdated);
    EXPECT_FALSE(Texts(r.DictWords).contains("stag"));
    EXPECT_EQ(Texts(r.UserWords), (QStringList{"gets", "cat"}));
    EXPECT_EQ(t.app.eval.PlayerUndefinedWords[0], (Words{"stag"}));
    EXPECT_EQ(r.WordsLabel->text(), "2 words found out of 8 (25%)");
    EXPECT_EQ(r.ScoreLabel->text(), "Score is 2 out of 8 (25%)");
    EXPECT_EQ(r.BadWordsLabel->text(), "1 word not in dictionary");
    r.UserWordsCombo->setCurrentIndex(1);
    EXPECT_EQ(Texts(r.UserWords), (QStringList{"stag"}));

    // A word nobody entered changes only the dictionary lists and the totals.
    r.DictWordsCombo->setCurrentIndex(1);
    Select(r.DictWords, "cod");
    r.RemoveFromDict->click();
    EXPECT_EQ(Texts(r.DictWords), (QStringList{"cats", "dig", "get", "quit", "set"}));
    EXPECT_EQ(t.app.eval.UnusedWords, (Words{"cats", "dig", "get", "quit", "set"}));
    EXPECT_EQ(Texts(r.UserWords), (QStringList{"stag"}));
    EXPECT_EQ(r.WordsLabel->text(), "2 words found out of 7 (28%)");
    EXPECT_EQ(r.ScoreLabel->text(), "Score is 2 out of 7 (28%)");

    // The list must not quietly select the next word for a second press to remove.
    t.desktop.answer(ui::Answer::Ok);
    r.RemoveFromDict->click();
    ASSERT_EQ(t.desktop.shown.size(), 2u);
    EXPECT_EQ(t.desktop.shown[1].text, "You must select a word in the 'dictionary' list first");
    EXPECT_EQ(t.app.board.BoardWords.size(), 7u);
}

TEST(Results, removingInTheUndefinedViewAddsTheWordThere)
{
    TestApp t(kWords);
    ResultsWindow& r = EndSinglePlayerGame(t, {"cat", "dog"});
    r.UserWordsCombo->setCurrentIndex(1);
    Select(r.DictWords, "cat");
    r.RemoveFromDict->click();
    EXPECT_EQ(Texts(r.UserWords), (QStringList{"dog", "cat"}));
    EXPECT_TRUE(t.app.eval.PlayerDefinedWords[0].empty());
    EXPECT_EQ(r.WordsLabel->text(), "0 words found out of 8 (0%)");
    EXPECT_EQ(r.BadWordsLabel->text(), "2 words not in dictionary");
}

TEST(Results, okIsIgnoredInTheFirstSecond)
{
    TestApp t(kWords);
    ResultsWindow& r = EndSinglePlayerGame(t, {"cat"});
    r.ResultsShownAt = std::chrono::steady_clock::now();
    r.ResultsOK->click();
    EXPECT_TRUE(r.isVisible()) << "a stray Return must not close the results";
    EXPECT_FALSE(t.window->isEnabled());
    EXPECT_TRUE(t.app.game.GameInProgress);

    r.ResultsShownAt = std::chrono::steady_clock::now() - 500ms;
    r.ResultsOK->click();
    EXPECT_TRUE(r.isVisible());

    r.ResultsShownAt = std::chrono::steady_clock::now() - 2s;
    r.ResultsOK->click();
    EXPECT_FALSE(r.isVisible());
    EXPECT_TRUE(t.window->isEnabled());
    EXPECT_TRUE(t.window->isVisible());
    EXPECT_FALSE(t.app.game.GameInProgress);
    EXPECT_EQ(r.UserWords->count(), 0);
    EXPECT_EQ(r.DictWords->count(), 0);
    EXPECT_EQ(r.WordsLabel->text(), "");
    EXPECT_EQ(r.ScoreLabel->text(), "");
    EXPECT_EQ(r.BadWordsLabel->text(), "");
    EXPECT_EQ(t.app.eval.PlayerDefinedWords[0], (Words{"cat"})) << "the lists stay until next time";
}

TEST(Results, closingByTheFrameAlwaysGivesTheMainWindowBack)
{
    TestApp t(kWords);
    ResultsWindow& r = EndSinglePlayerGame(t, {"cat"});
    r.ResultsShownAt = std::chrono::steady_clock::now();
    r.close();
    EXPECT_FALSE(r.isVisible());
    EXPECT_TRUE(t.window->isEnabled()) << "within the first second too";
    EXPECT_FALSE(t.app.game.GameInProgress);

    // The next game opens the same window again, prepared afresh.
    t.window->Start->click();
    EnterWords(t, {"cats"});
    t.window->End->click();
    EXPECT_EQ(t.app.resultsWindow, &r);
    EXPECT_TRUE(r.isVisible());
    EXPECT_TRUE(r.isEnabled());
    EXPECT_FALSE(t.window->isEnabled());
    QTest::keyClick(&r, Qt::Key_Escape);
    EXPECT_FALSE(r.isVisible());
    EXPECT_TRUE(t.window->isEnabled());
}

TEST(Results, twoPlayersTakeTurnsOnTheSameBoard)
{
    TestApp t(kWords);
    t.window->show();
    StartOnBoard(t, TwoPlayer);
    EnterWords(t, {"cat", "stag", "dog"});
    t.window->NewWord->setText("ge");
    t.desktop.answer(ui::Answer::Ok, [&] {
        EXPECT_FALSE(t.window->cubeFrame->isVisible()) << "player 2 may not study the board";
        EXPECT_FALSE(t.window->GameClock->isActive());
        EXPECT_EQ(t.app.game.LocalPlayerIndex, 1);
    });
    t.window->End->click();
    ASSERT_EQ(t.desktop.shown.size(), 2u);
    EXPECT_EQ(t.desktop.shown[1].text, "Player 2 - Hit OK when ready to start game.");
    EXPECT_EQ(t.desktop.shown[1].title, "Lettro");
    EXPECT_EQ(t.app.resultsWindow, nullptr) << "nothing is evaluated after player 1";
    EXPECT_EQ(t.app.game.PlayerWords[0], (Words{"dog", "stag", "cat"}));
    EXPECT_EQ(t.window->WordList->rowCount(), 0);
    EXPECT_EQ(t.window->PlayerWordLabel->text(), "");
    EXPECT_TRUE(t.window->NewWord->isEnabled());
    EXPECT_TRUE(t.window->NewWord->text().isEmpty());
    EXPECT_EQ(t.window->Enter->text(), "Enter");
    EXPECT_TRUE(t.window->cubeFrame->isVisible());
    EXPECT_EQ(t.app.game.TimeRemaining, 180);
    EXPECT_EQ(t.window->TimeRemLabel->text(), "Time Remaining");
    EXPECT_EQ(t.window->TimeLeft->text(), "3:00");
    EXPECT_TRUE(t.window->GameClock->isActive());
    EXPECT_TRUE(t.app.entry.ClickedWord.empty());
    EXPECT_EQ(t.app.entry.ClickedCount, 0);
    EXPECT_EQ(t.app.entry.LastNewWordText, "");

    EnterWords(t, {"cat", "gets", "quit", "zebra"});
    t.window->End->click();
    ASSERT_NE(t.app.resultsWindow, nullptr);
    ResultsWindow& r = *t.app.resultsWindow;
    EXPECT_TRUE(r.isVisible());
    EXPECT_EQ(t.app.game.PlayerWords[1], (Words{"zebra", "quit", "gets", "cat"}));
    EXPECT_EQ(t.app.eval.CommonWords, (Words{"cat"}));
    EXPECT_EQ(r.WordsLabel->text(), "1 = Player 1 score");
    EXPECT_EQ(r.ScoreLabel->text(), "2 = Player 2 score");
    EXPECT_EQ(r.BadWordsLabel->text(), "Player 2 Wins");

    EXPECT_EQ(r.UserWordsCombo->currentText(), "Player 1 Only");
    EXPECT_EQ(r.DictWordsCombo->currentText(), "Player 2 Only");
    EXPECT_EQ(Texts(r.UserWords), (QStringList{"stag"}));
    EXPECT_EQ(Texts(r.DictWords), (QStringList{"quit", "gets"}));
    r.UserWordsCombo->setCurrentIndex(1);
    EXPECT_EQ(Texts(r.UserWords), (QStringList{"cat"}));
    r.DictWordsCombo->setCurrentIndex(2);
    EXPECT_EQ(Texts(r.DictWords), (QStringList{"zebra"}));
    for (QWidget* hidden : std::vector<QWidget*>{r.AddToDict, r.RemoveFromDict, r.UserWordsLabel,
                                                 r.DictWordsLabel})
        EXPECT_FALSE(hidden->isVisibleTo(&r)) << hidden->objectName().toStdString();
}

TEST(Results, franticSecondTurnStartsAtFifteenSeconds)
{
    TestApp t(kWords);
    StartOnBoard(t, TwoPlayer);
    t.app.game.GameType = Frantic;
    t.desktop.answer(ui::Answer::Ok);
    t.window->End->click();
    EXPECT_EQ(t.app.game.TimeRemaining, 15);
    EXPECT_EQ(t.window->TimeLeft->text(), "0:15");
}

TEST(Results, networkGameOpensOnTheScoreTable)
{
    TestApp t(kWords);
    t.startUp();
    t.placeBoard(BoardFromText(kBoard));
    GameState& game = t.app.game;
    game.GameMode = NetworkPlayer;
    game.PlayerCount = 3;
    game.LocalPlayerIndex = 2;
    game.GameInProgress = true;
    game.PlayerNames = {"Ann", "Bob", "Cy"};
    game.PlayerWords = {{"cat", "stag"}, {"cat", "gets", "dog"}, {"quit"}};
    Common::FinishTurn(t.app);

    ASSERT_NE(t.app.resultsWindow, nullptr);
    ResultsWindow& r = *t.app.resultsWindow;
    EXPECT_EQ(r.WordsLabel->text(), "Your score = 1");
    EXPECT_EQ(r.ScoreLabel->text(), "High score = 1");
    EXPECT_EQ(r.BadWordsLabel->text(), "3 players tie");
    EXPECT_EQ(r.UserWordsCombo->currentText(), "Cy only");
    EXPECT_EQ(r.DictWordsCombo->currentText(), "Scores");
    EXPECT_TRUE(r.ScoreList->isVisibleTo(&r));
    EXPECT_FALSE(r.DictWords->isVisibleTo(&r)) << "the score table takes the list's place";
    ASSERT_EQ(r.ScoreList->count(), 16);
    EXPECT_EQ(r.ScoreList->item(9)->text(), "UNUSED:       5");
    EXPECT_EQ(Texts(r.UserWords), (QStringList{"quit"}));

    r.DictWordsCombo->setCurrentIndex(1);
    EXPECT_FALSE(r.ScoreList->isVisibleTo(&r));
    EXPECT_TRUE(r.DictWords->isVisibleTo(&r));
    EXPECT_EQ(Texts(r.DictWords), (QStringList{"cat"}));
    r.DictWordsCombo->setCurrentIndex(7);
    EXPECT_EQ(Texts(r.DictWords), (QStringList{"dog"})) << "Bob undefined";
    EXPECT_FALSE(r.AddToDict->isVisibleTo(&r));
    EXPECT_FALSE(r.RemoveFromDict->isVisibleTo(&r));

    r.close();
    EXPECT_TRUE(t.window->isEnabled());
}

} // namespace
