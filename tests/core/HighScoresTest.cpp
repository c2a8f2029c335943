// SPDX-License-Identifier: GPL-3.0-or-later
// High scores: the tables against a plain sort on random games, the file's round trip and
// its damaged forms, and entering a finished game with the player's name.
#include "core/game/GivenBoard.h"
#include "core/game/HighScores.h"
#include "core/game/Results.h"

#include "DictionaryProgram.h"

#include <QDate>

#include <algorithm>
#include <random>

namespace {

using namespace HighScores;

TEST(HighScores, tablesMatchAPlainStableSortCutToTenPerGameTypeAndLength)
{
    std::mt19937 random(7);
    const Key keys[] = {KeyFor(0, 180), KeyFor(0, 60), KeyFor(1, 180)};
    EXPECT_EQ(KeyFor(1, 180), KeyFor(1, 30)) << "Frantic makes its own length";
    Table table;
    std::map<Key, std::vector<Row>> every; // each key's rows in the order they came
    for (int game = 0; game < 400; ++game) {
        const Key key = keys[random() % 3];
        // Few distinct points and words, a hundred games a day (a leap day among them):
        // plenty of exact ties.
        // Names as cleaned: the tab becomes a space, which the file keeps.
        const Row row{CleanName("P\t" + std::to_string(game)),
                      QDate(2024, 2, 27).addDays(game / 100).toString(Qt::ISODate).toStdString(),
                      int(random() % 6), int(random() % 3), int(random() % 101)};
        const int place = Insert(table, key, row);
        std::vector<Row>& all = every[key];
        all.push_back(row);
        std::vector<Row> best = all;
        std::stable_sort(best.begin(), best.end(), [](const Row& a, const Row& b) {
            return a.Points != b.Points ? a.Points > b.Points : a.Words > b.Words;
        });
        best.resize(std::min<std::size_t>(best.size(), kRowsPerKey));
        const auto at = std::find(best.begin(), best.end(), row);
        ASSERT_EQ(table[key], best) << "game " << game;
        ASSERT_EQ(place, at == best.end() ? -1 : int(at - best.begin())) << "game " << game;
    }
    const ParseResult back = Parse(Serialize(table));
    EXPECT_EQ(std::tuple(back.error, back.table), std::tuple(std::string(), table));
}

// The keys as shown: HighScoresWindowTest.
TEST(HighScores, namesAsStored)
{
    EXPECT_EQ(CleanName("  Ann\tMarie\r\nB\x01 "), "Ann Marie B");
    EXPECT_EQ(CleanName(std::string(50, 'x')).size(), std::size_t(kNameLength));
}

TEST(HighScores, aDamagedFileIsSaidOnceKeptAsideAndReplacedByAnEmptyTable)
{
    const std::string good = "Lettro high scores 1\n0\t180\t5\t2\t10\t2024-03-01\tAnn\n";
    const struct {
        std::string text; // nothing: no file
        std::string reason;
    } cases[] = {
        {good, ""},
        {"Lettro high scores 1\r\n1\t0\t5\t2\t10\t2024-03-01\tAnn\r\n", ""},
        {"@", ""},
        {"", "it is empty"},
        {"Lettro top scores 1\n", "not a Lettro high-score file"},
        {"Lettro high scores x\n", "not a Lettro high-score file"},
        {"Lettro high scores 2\n", "another version of Lettro (format 2)"},
        {"Lettro high scores 1\n2\t180\t5\t2\t10\t2024-03-01\tAnn\n", ""},
        {good + "2\t60\t5\t2\t10\t2024-03-01\tBo\n", "line 3 is damaged"},
        {good + "0\t180\t5\t2\n", "line 3 is damaged"},
        {good + "0\t180\t-5\t2\t10\t2024-03-01\tBo\n", "line 3 is damaged"},
        {good + "0\t90\t5\t2\t10\t2024-03-01\tBo\n", "line 3 is damaged"},
        {good + "0\t180\t5\t2\t101\t2024-03-01\tBo\n", "line 3 is damaged"},
        {good + "0\t180\t5\t2\t10\t2024-02-30\tBo\n", "line 3 is damaged"},
        {good + "0\t180\t5\t2\t10\t2024-03-01\t\n", "line 3 is damaged"},
        // Seven digits and the largest values a field takes.
        {good + "0\t180\t1000000\t2\t100\t2024-03-01\tBo\n", ""},
        {good + std::string(64 * 1024 - good.size(), '\n'), ""},
        {good + std::string(64 * 1024 + 1 - good.size(), '\n'), "too large"},
    };
    for (const auto& c : cases) {
        DictionaryProgram d({}, false);
        d.p.highScores.File = d.path(kFileName).toStdString();
        d.prompter.autoOk = true;
        if (c.text != "@")
            d.write(kFileName, QByteArray::fromStdString(c.text));
        d.write("HighScores.txt.damaged", "older"); // never written over
        LoadHighScores(d.p);
        const bool damaged = !c.reason.empty();
        ASSERT_EQ(d.prompter.shown.size(), damaged ? 1u : 0u) << c.text;
        EXPECT_EQ(d.p.highScores.Table.empty(), damaged || c.text == "@") << c.text;
        EXPECT_EQ(d.bytes(kFileName).toStdString(), damaged || c.text == "@" ? "" : c.text);
        if (!damaged)
            continue;
        EXPECT_TRUE(d.prompter.texts()[0].contains(QString::fromStdString(c.reason)) &&
                    d.prompter.texts()[0].contains("HighScores.txt.damaged-2"))
            << d.prompter.texts()[0].toStdString();
        EXPECT_EQ(d.bytes("HighScores.txt.damaged-2").toStdString(), c.text);
        EXPECT_EQ(d.bytes("HighScores.txt.damaged"), "older");
    }
}

TEST(HighScores, aFinishedGameEntersOnceUnderTheNameAskedTheFirstTime)
{
    DictionaryProgram g({}, false);
    g.p.highScores.File = g.path(kFileName).toStdString();
    g.p.board.BoardWords = {"cat", "cats", "stag", "gets"};
    g.p.highScores.GameKey = KeyFor(0, 180);
    g.p.game.TimeLimit = 60; // chosen during the game: for the next one
    // A game in which the player found `found`.
    const auto finish = [&](const Words& found, int mode = SinglePlayer) {
        g.p.game.GameMode = mode;
        g.p.eval.PlayerDefinedWords = {found};
        g.p.highScores.GameToEnter = mode == SinglePlayer; // as FinishTurn leaves it
        EnterFinishedGame(g.p, "2024-05-06");
    };
    g.prompter.typed = {QString(), " Ann\t"}; // Cancel first: asked again next time
    finish({"cat"});
    finish({"cats", "stag"});
    finish({"cat", "cats", "stag"});
    EnterFinishedGame(g.p, "2024-05-06"); // the same game's results closed again
    finish({});                           // no points: not entered
    finish({"gets", "cats", "stag", "cat"}, TwoPlayer);
    const Row login{LoginName(), "2024-05-06", 1, 1, 25};
    const std::vector<Row> expected = {
        {"Ann", "2024-05-06", 3, 3, 75}, {"Ann", "2024-05-06", 2, 2, 50}, login};
    EXPECT_EQ(g.p.highScores.Table[KeyFor(0, 180)], expected);
    EXPECT_EQ(g.prompter.initialTexts, QStringList({QString::fromStdString(LoginName()),
                                                    QString::fromStdString(LoginName())}));
    EXPECT_EQ(std::tuple(g.p.highScores.Open, g.p.highScores.MarkedRow), std::tuple(true, 0));
    EXPECT_EQ(PlayerName(g.p), "Ann");
    LoadHighScores(g.p);
    EXPECT_EQ(g.p.highScores.Table[KeyFor(0, 180)], expected) << "saved after each entry";
}

// Only the board of the day's own table takes its games, and not against the computer
// (other given boards enter none: GivenBoardTest).
TEST(HighScores, theBoardOfTheDayEntersItsOwnTableOnly)
{
    const struct {
        const char* name;
        const char* daily;
        int computers;
        std::optional<Key> table;
    } cases[] = {
        {"a shaken board", "", 0, KeyFor(0, 180)},
        {"the board of the day", "2026-12-07", 0, kBoardOfTheDay},
        {"the board of the day against the computer", "2026-12-07", 1, std::nullopt},
    };
    const std::string board = BoardFromText("CATS/ODGE/BQIT/LXYZ");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DictionaryProgram d({"cat", "cats", "dog", "stag"}, false);
        Program& p = d.p;
        d.prompter.autoOk = true;
        p.highScores.File = d.path(kFileName).toStdString();
        p.settings->cSetRegValue(kPlayerKey, kPlayerName, "Ann");
        Game::StartUp(p);
        p.options.ComputerOpponents = c.computers;
        if (*c.daily) {
            ASSERT_TRUE(Given::PlayGivenBoard(p, {"en", board, Standard, 180, 3, false}, c.daily));
        } else {
            Game::PlaceBoard(p, board);
            Game::BeginPlay(p);
        }
        Enter(p, {"cats"});
        Game::EndGameNow(p);
        Results::ResultsWindowClosed(p);
        Table expected;
        if (c.table)
            expected[*c.table] = {{"Ann", QDate::currentDate().toString(Qt::ISODate).toStdString(),
                                   1, 1, 33}};
        LoadHighScores(p);
        EXPECT_EQ(p.highScores.Table, expected);
        EXPECT_EQ(OfferedKeys(p).back(), kBoardOfTheDay) << "always offered, last";
    }
}

} // namespace
