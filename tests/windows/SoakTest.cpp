// A thousand whole games on the real main window with the shipped dictionary: random
// boards, words typed, clicked, repeated and made up, single-player and two-player
// turns, the results window and its dictionary corrections. After every game the
// end-of-game lists must account for every word entered and every board word.
#include "TestApp.h"

#include "core/board/CheckCubes.h"
#include "windows/board/WordEntry.h"
#include "windows/game/Common.h"
#include "windows/game/ResultsWindow.h"
#include "core/game/Scoring.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <random>
#include <set>

namespace {

constexpr int kGames = 1000;

// Test randomness, separate from the game's own generator.
class Draw {
public:
    explicit Draw(std::uint32_t seed) : m_engine(seed) {}
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_engine); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_engine); }
    template <typename T> const T& pick(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

private:
    std::mt19937 m_engine;
};

const std::string& Face(const App& app, int cube)
{
    return app.board
        .BoardGrid[static_cast<std::size_t>(cube / 4)][static_cast<std::size_t>(cube % 4)];
}

bool Touching(int a, int b)
{
    return a != b && std::abs(a / 4 - b / 4) <= 1 && std::abs(a % 4 - b % 4) <= 1;
}

// Whether the game's path search traces `word`, without touching the marks the board shows.
bool Traceable(const App& app, const std::string& word, bool repeatLetters)
{
    CheckCubes::Marks marks{};
    return CheckCubes::PathSearch(app.board.BoardGrid, marks, repeatLetters, word).WordOnBoard();
}

// The cubes of one path of `word` (each cube once), or nothing.
std::vector<int> PathOf(const App& app, const std::string& word)
{
    const std::vector<std::string> pieces = CheckCubes::CubeTexts(word);
    std::vector<int> path;
    std::function<bool(std::size_t)> extend = [&](std::size_t piece) {
        if (piece == pieces.size())
            return true;
        for (int cube = 0; cube < 16; ++cube) {
            if (Face(app, cube) != pieces[piece] ||
                std::find(path.begin(), path.end(), cube) != path.end() ||
                (!path.empty() && !Touching(path.back(), cube)))
                continue;
            path.push_back(cube);
            if (extend(piece + 1))
                return true;
            path.pop_back();
        }
        return false;
    };
    return extend(0) ? path : std::vector<int>{};
}

// The letters of a random walk over touching cubes, each cube once.
std::string RandomWalk(const App& app, Draw& draw, int cubes)
{
    std::vector<int> path = {draw.below(16)};
    while (static_cast<int>(path.size()) < cubes) {
        std::vector<int> next;
        for (int cube = 0; cube < 16; ++cube)
            if (Touching(path.back(), cube) &&
                std::find(path.begin(), path.end(), cube) == path.end())
                next.push_back(cube);
        if (next.empty())
            break;
        path.push_back(draw.pick(next));
    }
    std::string word;
    for (int cube : path)
        word += Face(app, cube);
    return word;
}

int LeadingNumber(const QString& text)
{
    bool ok = false;
    const int n = text.section(' ', 0, 0).toInt(&ok);
    return ok ? n : -1;
}

std::size_t CountIn(const Words& list, const std::string& word)
{
    return static_cast<std::size_t>(std::count(list.begin(), list.end(), word));
}

struct Totals {
    long long games = 0, twoPlayer = 0, frantic = 0, repeat = 0;
    long long attempts = 0, entered = 0, boardWordsFound = 0, clicked = 0, corrections = 0;
};

// One game after another on the same window, checked as it goes.
struct Soak {
    explicit Soak(TestApp& t) : t(t), w(*t.window) {}

    TestApp& t;
    MainWindow& w;
    Totals totals;
    Words listed;       // the word list as it should be, newest first
    Words foreignWords; // board words of earlier games
    std::size_t shownBefore = 0;

    void chooseOptions(Draw& draw)
    {
        GameState& game = t.app.game;
        game.GameMode = draw.chance(0.4) ? TwoPlayer : SinglePlayer;
        game.GameType = draw.chance(0.15) ? Frantic : Standard;
        static const std::vector<int> kTimes = {15, 60, 180, 1200};
        game.TimeLimit = draw.pick(kTimes);
        t.app.options.RepeatLetters = draw.chance(0.2);
        t.app.options.NumWordsLimit = draw.chance(0.05) ? ">25" : "-";
        t.app.engine.cSetMinWordSize(draw.chance(0.2) ? 4 : 3);
        totals.twoPlayer += game.GameMode == TwoPlayer;
        totals.frantic += game.GameType == Frantic;
        totals.repeat += t.app.options.RepeatLetters;
    }

    void playGame(int game, Draw& draw)
    {
        ++totals.games;
        chooseOptions(draw);
        // The game's own generator, seeded per game so a failure can be replayed.
        auto random = std::make_unique<Dice::ClockRandom>(static_cast<std::uint32_t>(game));
        t.app.random = std::move(random);

        shownBefore = t.desktop.shown.size();
        ASSERT_TRUE(w.Start->isEnabled());
        ASSERT_TRUE(w.isEnabled());
        w.Start->click();
        ASSERT_TRUE(t.app.game.GameInProgress);
        checkBoard();
        const int players = t.app.game.GameMode == TwoPlayer ? 2 : 1;
        for (int p = 0; p < players; ++p) {
            ASSERT_EQ(t.app.game.LocalPlayerIndex, p);
            ASSERT_EQ(t.app.game.TimeRemaining,
                      t.app.game.GameType == Frantic ? 15 : t.app.game.TimeLimit);
            ASSERT_TRUE(w.GameClock->isActive());
            ASSERT_EQ(w.WordList->rowCount(), 0) << "every turn starts with an empty list";
            listed.clear();
            playTurn(draw);
            EXPECT_EQ(t.app.game.PlayerWords[static_cast<std::size_t>(p)], listed)
                << "the turn's words, newest first";
            if (testing::Test::HasFatalFailure())
                return;
        }
        // Only the "Hit OK" boxes of a two-player game were shown.
        QStringList expected;
        if (players == 2)
            expected = {"Player 1 - Hit OK when ready to start game.",
                        "Player 2 - Hit OK when ready to start game."};
        EXPECT_EQ(t.desktop.texts().mid(static_cast<int>(shownBefore)), expected);

        checkEvaluation();
        checkResultsWindow();
        if (t.app.game.GameMode == SinglePlayer && draw.chance(0.1))
            correctDictionary(draw);
        closeResults();

        for (const std::string& word : t.app.board.BoardWords)
            if (foreignWords.size() < 400 && draw.chance(0.05))
                foreignWords.push_back(word);
    }

    void checkBoard()
    {
        const App& app = t.app;
        ASSERT_TRUE(Dice::IsBoardText(app.board.BoardText)) << app.board.BoardText;
        const Words& board = app.board.BoardWords;
        EXPECT_TRUE(std::is_sorted(board.begin(), board.end())) << app.board.BoardText;
        EXPECT_EQ(std::adjacent_find(board.begin(), board.end()), board.end()) << "no repeats";
        EXPECT_EQ(static_cast<int>(board.size()), app.board.EngineWordCount);
        EXPECT_EQ(w.DefinedWordCount->text(),
                  QStringLiteral("Lettro found %1 words").arg(board.size()));
        for (const std::string& word : board) {
            EXPECT_TRUE(app.engine.contains(word)) << word;
            const int length = static_cast<int>(word.size());
            EXPECT_TRUE(length >= app.engine.cMinWordSize() && length <= app.engine.cMaxWordSize())
                << word;
            // The solver and the path search must agree on what lies on the board.
            EXPECT_TRUE(Traceable(app, word, false)) << word << " on " << app.board.BoardText;
        }
    }

    void playTurn(Draw& draw)
    {
        const int attempts = draw.below(16);
        for (int i = 0; i < attempts && !testing::Test::HasFatalFailure(); ++i) {
            attempt(draw);
            if (draw.chance(0.1)) {
                const int before = t.app.game.TimeRemaining;
                if (before > 1) {
                    Common::ClockTick(t.app);
                    EXPECT_EQ(t.app.game.TimeRemaining, before - 1);
                }
            }
        }
        if (testing::Test::HasFatalFailure())
            return;
        if (draw.chance(0.5)) {
            w.End->click();
        } else {
            // The clock runs out.
            t.app.game.TimeRemaining = 1;
            Common::ClockTick(t.app);
        }
        const bool handedOver = t.app.game.GameMode == TwoPlayer &&
                                t.app.game.LocalPlayerIndex == 1 && t.app.game.TimeRemaining > 0;
        EXPECT_EQ(w.NewWord->isEnabled(), handedOver);
    }

    void attempt(Draw& draw)
    {
        ++totals.attempts;
        const Words& board = t.app.board.BoardWords;
        switch (draw.below(8)) {
        case 0:
        case 1: // a word of the board, typed
            if (!board.empty())
                enterByTyping(draw.pick(board), draw);
            break;
        case 2: // a word of the board, clicked cube by cube
            if (!board.empty() && !t.app.options.RepeatLetters) {
                const std::string& word = draw.pick(board);
                enterByClicking(PathOf(t.app, word));
            }
            break;
        case 3: // letters that lie on the board but are seldom a word
            enterByTyping(RandomWalk(t.app, draw, 2 + draw.below(6)), draw);
            break;
        case 4: // a word of another board: the filter keeps what can be traced
            if (!foreignWords.empty())
                enterByTyping(draw.pick(foreignWords), draw);
            break;
        case 5: // a word already listed
            if (!listed.empty()) {
                enterByTyping(draw.pick(listed), draw);
            }
            break;
        case 6: { // Last brings back the newest word; Clear takes it away letter by letter
            if (listed.empty())
                break;
            w.NewWord->clear();
            w.Enter->click();
            EXPECT_EQ(w.NewWord->text().toStdString(), listed.front());
            for (int guard = 0; !w.NewWord->text().isEmpty() && guard < 40; ++guard)
                w.Clear->click();
            EXPECT_TRUE(w.NewWord->text().isEmpty());
            checkListMirror();
            break;
        }
        default: { // a word cut short, then the rest typed on
            if (board.empty())
                break;
            const std::string& word = draw.pick(board);
            w.NewWord->setText(QString::fromStdString(word.substr(0, 2)));
            WordEntry::EnterWord(t.app);
            EXPECT_EQ(w.NewWord->text().toStdString(), word.substr(0, 2))
                << "too short: stays in the box";
            QTest::keyClicks(w.NewWord, QString::fromStdString(word.substr(2)));
            const std::string box = w.NewWord->text().toStdString();
            EXPECT_EQ(box, word);
            const int time = t.app.game.TimeRemaining;
            QTest::keyClick(w.NewWord, Qt::Key_Return);
            expectEntered(box, time);
            break;
        }
        }
    }

    void enterByTyping(const std::string& word, Draw& draw)
    {
        w.NewWord->clear();
        const bool pasted = draw.chance(0.5);
        if (pasted)
            w.NewWord->setText(QString::fromStdString(word));
        else
            QTest::keyClicks(w.NewWord, QString::fromStdString(word).toUpper());
        const std::string box = w.NewWord->text().toStdString();
        // Pasted text keeps its longest start that can be traced; typed letters are refused
        // one by one, so later ones may still be taken. Either way the box is in lower case.
        if (pasted) {
            EXPECT_EQ(word.rfind(box, 0), 0u) << box << " from " << word;
        }
        EXPECT_EQ(QString::fromStdString(box), QString::fromStdString(box).toLower());
        EXPECT_TRUE(Traceable(t.app, box, t.app.options.RepeatLetters)) << box;
        if (Traceable(t.app, word, t.app.options.RepeatLetters)) {
            EXPECT_EQ(box, word);
        }
        const int time = t.app.game.TimeRemaining;
        switch (draw.below(3)) {
        case 0:
            WordEntry::EnterWord(t.app);
            break;
        case 1:
            QTest::keyClick(w.NewWord, Qt::Key_Return);
            break;
        default:
            w.Enter->click();
            break;
        }
        expectEntered(box, time);
        w.NewWord->clear();
    }

    void enterByClicking(const std::vector<int>& path)
    {
        ASSERT_FALSE(path.empty());
        ++totals.clicked;
        w.NewWord->clear();
        for (int cube : path)
            WordEntry::CubeClicked(t.app, cube);
        const std::string box = w.NewWord->text().toStdString();
        std::string spelled;
        for (int cube : path)
            spelled += Face(t.app, cube);
        EXPECT_EQ(box, spelled);
        const int time = t.app.game.TimeRemaining;
        WordEntry::CubeClicked(t.app, path.back()); // the last cube again enters the word
        expectEntered(box, time);
    }

    // What Enter must have done with the box text `box`.
    void expectEntered(const std::string& box, int timeBefore)
    {
        const int length = static_cast<int>(box.size());
        if (box.empty()) {
            checkListMirror();
            return;
        }
        if (length < t.app.engine.cMinWordSize()) {
            EXPECT_EQ(w.NewWord->text().toStdString(), box) << "too short: left in the box";
            w.NewWord->clear();
        } else if (length <= t.app.engine.cMaxWordSize() &&
                   std::find(listed.begin(), listed.end(), box) == listed.end()) {
            listed.insert(listed.begin(), box);
            ++totals.entered;
            const bool boardWord = Scoring::Contains(t.app.board.BoardWords, box);
            totals.boardWordsFound += boardWord;
            const QTableWidgetItem* top = w.WordList->item(0, 0);
            ASSERT_NE(top, nullptr);
            EXPECT_EQ(top->font().strikeOut(), !boardWord) << box;
            const int bonus = boardWord && t.app.game.GameType == Frantic ? 2 * length - 4 : 0;
            EXPECT_EQ(t.app.game.TimeRemaining, timeBefore + bonus) << box;
        }
        EXPECT_TRUE(w.NewWord->text().isEmpty()) << "the box is emptied after Enter";
        checkListMirror();
    }

    void checkListMirror()
    {
        ASSERT_EQ(w.WordList->rowCount(), static_cast<int>(listed.size()));
        for (int row = 0; row < w.WordList->rowCount(); ++row) {
            ASSERT_EQ(w.WordList->item(row, 0)->text().toStdString(),
                      listed[static_cast<std::size_t>(row)]);
        }
        if (!listed.empty()) {
            EXPECT_EQ(LeadingNumber(w.PlayerWordLabel->text()), w.WordList->rowCount());
        }
    }

    void checkEvaluation()
    {
        const App& app = t.app;
        const Evaluation& eval = app.eval;
        const Words& board = app.board.BoardWords;
        const int players = app.game.PlayerCount;
        ASSERT_EQ(static_cast<int>(eval.PlayerDefinedWords.size()), players);
        ASSERT_EQ(static_cast<int>(eval.PlayerUndefinedWords.size()), players);

        // Every entered word sits in exactly one of its player's lists or the common list.
        for (int p = 0; p < players; ++p) {
            const auto i = static_cast<std::size_t>(p);
            const Words& entered = app.game.PlayerWords[i];
            const Words& defined = eval.PlayerDefinedWords[i];
            const Words& undefined = eval.PlayerUndefinedWords[i];
            std::size_t inCommon = 0;
            for (const std::string& word : entered) {
                const std::size_t places = CountIn(defined, word) + CountIn(undefined, word) +
                                           CountIn(eval.CommonWords, word);
                EXPECT_EQ(places, 1u) << "player " << p + 1 << ": " << word;
                EXPECT_EQ(CountIn(undefined, word), Scoring::Contains(board, word) ? 0u : 1u)
                    << word;
                inCommon += CountIn(eval.CommonWords, word);
            }
            EXPECT_EQ(defined.size() + undefined.size() + inCommon, entered.size())
                << "the lists hold nothing that was not entered";
        }
        // Unused, found and common words are the board words, each once.
        Words accounted = eval.UnusedWords;
        accounted.insert(accounted.end(), eval.CommonWords.begin(), eval.CommonWords.end());
        for (const Words& defined : eval.PlayerDefinedWords)
            accounted.insert(accounted.end(), defined.begin(), defined.end());
        std::sort(accounted.begin(), accounted.end());
        Words sortedBoard = board;
        std::sort(sortedBoard.begin(), sortedBoard.end());
        EXPECT_EQ(accounted, sortedBoard);
        if (players == 1) {
            EXPECT_TRUE(eval.CommonWords.empty());
        }
        for (const std::string& word : eval.CommonWords) {
            int finders = 0;
            for (const Words& entered : app.game.PlayerWords)
                finders += CountIn(entered, word) > 0;
            EXPECT_GE(finders, 2) << word;
        }

        // Scores add up from the points of each word; the labels say the same.
        std::vector<int> scores;
        for (const Words& defined : eval.PlayerDefinedWords) {
            int sum = 0;
            for (const std::string& word : defined)
                sum += Scoring::ScoreForWord(word);
            scores.push_back(sum);
        }
        const ResultsWindow& r = *t.app.resultsWindow;
        if (app.game.GameMode == SinglePlayer) {
            EXPECT_EQ(LeadingNumber(r.WordsLabel->text()),
                      static_cast<int>(eval.PlayerDefinedWords[0].size()));
            EXPECT_TRUE(
                r.ScoreLabel->text().startsWith(QStringLiteral("Score is %1").arg(scores[0])))
                << r.ScoreLabel->text().toStdString();
            const auto undefined = static_cast<int>(eval.PlayerUndefinedWords[0].size());
            EXPECT_EQ(undefined == 0 ? 0 : LeadingNumber(r.BadWordsLabel->text()), undefined);
            EXPECT_EQ(r.BadWordsLabel->text().isEmpty(), undefined == 0);
        } else {
            EXPECT_EQ(eval.PlayerScores, scores);
            EXPECT_EQ(LeadingNumber(r.WordsLabel->text()), scores[0]);
            EXPECT_EQ(LeadingNumber(r.ScoreLabel->text()), scores[1]);
            const QString verdict = scores[0] == scores[1]  ? "Tie Game!!!"
                                    : scores[0] > scores[1] ? "Player 1 Wins"
                                                            : "Player 2 Wins";
            EXPECT_EQ(r.BadWordsLabel->text(), verdict);
        }
    }

    // Every list the selectors offer shows exactly the words of that list.
    void checkResultsWindow()
    {
        ResultsWindow& r = *t.app.resultsWindow;
        EXPECT_TRUE(r.isVisible());
        EXPECT_FALSE(w.isEnabled()) << "the main window waits for the results";
        const auto check = [&](QComboBox* combo, const std::vector<int>& codes, QListWidget* list) {
            for (int i = 0; i < combo->count(); ++i) {
                combo->setCurrentIndex(i);
                const int code = codes[static_cast<std::size_t>(i)];
                const QListWidget* shown = code == Scoring::ScoreTable ? r.ScoreList : list;
                const Words* words = Scoring::ListForCode(t.app.board.BoardWords, t.app.eval, code);
                ASSERT_NE(words, nullptr) << code;
                ASSERT_EQ(shown->count(), static_cast<int>(words->size())) << code;
                for (int row = 0; row < shown->count(); ++row)
                    EXPECT_EQ(shown->item(row)->text().toStdString(),
                              (*words)[static_cast<std::size_t>(row)]);
            }
            combo->setCurrentIndex(0);
        };
        check(r.UserWordsCombo, r.UserListCodes, r.UserWords);
        check(r.DictWordsCombo, r.DictListCodes, r.DictWords);
    }

    // A rejected word goes into the dictionary, a board word out of it; the lists follow.
    void correctDictionary(Draw& draw)
    {
        ResultsWindow& r = *t.app.resultsWindow;
        ++totals.corrections;
        const int undefinedIndex = 1; // "Undefined" in a single-player game
        r.UserWordsCombo->setCurrentIndex(undefinedIndex);
        if (r.UserWords->count() > 0) {
            QListWidgetItem* item = r.UserWords->item(draw.below(r.UserWords->count()));
            const std::string word = item->text().toStdString();
            r.UserWords->setCurrentItem(item);
            r.AddToDict->click();
            EXPECT_TRUE(t.app.engine.contains(word)) << word;
            EXPECT_TRUE(Scoring::Contains(t.app.eval.PlayerDefinedWords[0], word)) << word;
            EXPECT_TRUE(Scoring::Contains(t.app.board.BoardWords, word)) << word;
        }
        r.DictWordsCombo->setCurrentIndex(0); // "All Words"
        if (r.DictWords->count() > 0) {
            QListWidgetItem* item = r.DictWords->item(draw.below(r.DictWords->count()));
            const std::string word = item->text().toStdString();
            r.DictWords->setCurrentItem(item);
            r.RemoveFromDict->click();
            EXPECT_FALSE(t.app.engine.contains(word)) << word;
            EXPECT_FALSE(Scoring::Contains(t.app.board.BoardWords, word)) << word;
        }
        EXPECT_TRUE(t.app.dictionary.DictionaryUpdated);
        checkEvaluation();
        checkResultsWindow();
    }

    void closeResults()
    {
        ResultsWindow& r = *t.app.resultsWindow;
        // As if the results had just come up (a slow machine may have passed the second).
        r.ResultsShownAt = std::chrono::steady_clock::now();
        r.ResultsOK->click();
        EXPECT_TRUE(r.isVisible()) << "OK is ignored in the first second";
        r.ResultsShownAt -= std::chrono::seconds(2);
        r.ResultsOK->click();
        EXPECT_FALSE(r.isVisible());
        EXPECT_TRUE(w.isEnabled()) << "the main window is given back";
        EXPECT_FALSE(t.app.game.GameInProgress);
        EXPECT_FALSE(w.GameClock->isActive());
        EXPECT_EQ(t.app.game.TimeRemaining, 0);
    }
};

TEST(Soak, aThousandGamesKeepTheirBooks)
{
    TestApp t;
    // The shipped dictionary replaces the empty one the test folder starts with.
    const QString path = QDir(t.folder.path()).filePath("Dictionary.dat");
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::copy(QStringLiteral(LETTRO_SHIPPED_DICTIONARY), path));
    t.startUp();
    ASSERT_TRUE(t.desktop.shown.empty()) << t.desktop.texts().join('\n').toStdString();
    ASSERT_GT(t.app.engine.cNumberOfWords(), 10000);
    t.desktop.autoOk = true; // the two-player "Hit OK" boxes; checked per game

    Soak soak(t);
    Draw draw(20240607);
    for (int game = 0; game < kGames; ++game) {
        SCOPED_TRACE(testing::Message() << "game " << game << " (the game's seed)");
        soak.playGame(game, draw);
        if (HasFailure())
            break; // one broken game would make the rest report the same fault
    }
    EXPECT_EQ(t.desktop.pending(), 0);
    const Totals& n = soak.totals;
    EXPECT_EQ(n.games, kGames);
    // The mix is what makes this a soak: all kinds of games and words were played.
    EXPECT_GT(n.twoPlayer, 0);
    EXPECT_GT(n.frantic, 0);
    EXPECT_GT(n.repeat, 0);
    EXPECT_GT(n.clicked, 0);
    EXPECT_GT(n.corrections, 0);
    EXPECT_GT(n.boardWordsFound, 0);
    EXPECT_GT(n.entered - n.boardWordsFound, 0) << "some entered words were not board words";
    std::cout << "games " << n.games << " (two-player " << n.twoPlayer << ", frantic " << n.frantic
              << ", repeat letters " << n.repeat << "), attempts " << n.attempts
              << ", words entered " << n.entered << " (board words " << n.boardWordsFound
              << ", clicked " << n.clicked << "), dictionary corrections " << n.corrections << '\n';
}

} // namespace
