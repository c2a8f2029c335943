// SPDX-License-Identifier: GPL-3.0-or-later
// The progress history: finished games recorded and read back, two copies writing at
// once, a copy killed while it writes, a damaged file, and the streaks of days.
#include "DictionaryProgram.h"

#include "core/game/GivenBoard.h"
#include "core/game/Results.h"

#include <QProcess>

namespace {

struct ProgressFile : ::testing::Test, DictionaryProgram {
    ProgressFile() : DictionaryProgram({"cat", "cats", "stag", "stage", "quit", "dog"}, false)
    {
        p.random = std::make_unique<ScriptedRandom>(std::vector<float>{0.0f});
        Game::StartUp(p);
        p.progress.File = path("data/Progress.sqlite").toStdString();
    }
    // Plays one game on the board, entering `words`, and closes its results.
    void play(const BoardCode::GivenBoard& given, const std::string& daily,
              const std::vector<std::string>& words)
    {
        ASSERT_TRUE(Given::PlayGivenBoard(p, given, daily));
        Enter(p, words);
        Game::EndGameNow(p);
        last = Progress::FinishedGame(p, "");
        Results::ResultsWindowClosed(p);
    }
    Progress::GameRecord last; // of the last game played, as it ended
    // Runs copies of progress-writer at once, with these arguments after the file; the
    // exit code of each, -1 for one that was killed.
    std::vector<int> writers(const std::vector<QStringList>& arguments)
    {
        std::vector<std::unique_ptr<QProcess>> copies;
        for (const QStringList& args : arguments) {
            copies.push_back(std::make_unique<QProcess>());
            copies.back()->start(QStringLiteral(LETTRO_PROGRESS_WRITER),
                                 QStringList{path("data/Progress.sqlite")} + args);
        }
        std::vector<int> codes;
        for (const auto& c : copies)
            codes.push_back(!c->waitForFinished(60000) ? -2
                            : c->exitStatus() == QProcess::NormalExit ? c->exitCode() : -1);
        return codes;
    }
};

TEST_F(ProgressFile, finishedGamesAreRecordedAndReadBackThroughFilters)
{
    const std::string board = BoardFromText("CATS/ODGE/BQIT/LXYZ");
    play({"en", board, Standard, 180, 3, false}, "", {"cat", "stage", "cats", "xyz"});
    play({"en", board, Standard, 60, 4, true}, "2026-12-07", {"quit"});
    const std::vector<Progress::GameRecord> all = Progress::ReadGames(p);
    ASSERT_EQ(all.size(), 2u);
    const Progress::GameRecord& first = all[0];
    EXPECT_EQ(first.Played.substr(0, 10), QDate::currentDate().toString(Qt::ISODate).toStdString());
    EXPECT_EQ(first.BoardCode, BoardCode::Encode({"en", board, Standard, 180, 3, false}));
    EXPECT_EQ(first.Points * 100 + first.WordsFound * 10 + first.FoundByLength[5], 4 * 100 + 30 + 1);
    EXPECT_EQ(first.LongestWord + ' ' + first.BestWord, "stage stage");
    EXPECT_EQ(all[1].DailyDate + ' ' + all[1].LongestWord, "2026-12-07 quit");
    // What is read back is what was recorded, field by field.
    last.Played = all[1].Played;
    EXPECT_EQ(all[1], last);
    const struct { Progress::Filter filter; std::size_t games; } cases[] = {
        {{.Language = "en"}, 2}, {{.Language = "fr"}, 0}, {{.TimeLimit = 60}, 1},
        {{.MinWordSize = 3, .RepeatLetters = false}, 1}, {{.DailyOnly = true}, 1},
        {{.DailyDate = "2026-12-08"}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Progress::ReadGames(p, c.filter).size(), c.games);
}

TEST_F(ProgressFile, twoCopiesWritingAtOnceAreBothRecorded)
{
    EXPECT_EQ(writers({{"aa", "40"}, {"bb", "40"}}), std::vector<int>({0, 0}));
    EXPECT_EQ(Progress::ReadGames(p, {.Language = "aa"}).size(), 40u);
    EXPECT_EQ(Progress::ReadGames(p, {.Language = "bb"}).size(), 40u);
}

TEST_F(ProgressFile, aCopyKilledWhileItWritesLosesOnlyThatGame)
{
    ASSERT_EQ(writers({{"aa", "3", "die"}}), std::vector<int>{-1});
    std::vector<Progress::GameRecord> games = Progress::ReadGames(p);
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[2].Points, 2);
    p.progress.Pending.resize(1);
    EXPECT_TRUE(Progress::Flush(p));
    EXPECT_EQ(Progress::ReadGames(p).size(), 4u);
}

TEST_F(ProgressFile, aDamagedFileIsSaidOnceKeptAsideAndReplaced)
{
    QDir().mkpath(path("data"));
    const QByteArray junk = QByteArray("not a database ").repeated(400);
    write("data/Progress.sqlite", junk);
    prompter.autoOk = true;
    const std::string board = BoardFromText("CATS/ODGE/BQIT/LXYZ");
    play({"en", board, Standard, 180, 3, false}, "", {"cat"});
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts()[0].contains("could not be used")) << prompter.texts()[0].toStdString();
    EXPECT_EQ(bytes("data/Progress.sqlite.damaged"), junk);
    play({"en", board, Standard, 180, 3, false}, "", {"cats"});
    EXPECT_EQ(Progress::ReadGames(p).size(), 2u);
    EXPECT_EQ(prompter.texts().size(), 1);
}

TEST(Progress, streaksOfDays)
{
    const struct { std::vector<std::string> days; Progress::Streaks streaks; } cases[] = {
        {{}, {0, 0}},
        {{"2026-12-07"}, {1, 1}},
        {{"2026-12-06"}, {1, 1}},                          // today still open
        {{"2026-12-05"}, {0, 1}},                          // broken
        {{"2026-12-07", "2026-12-06", "2026-12-06", "2026-11-30"}, {2, 2}},
        {{"2026-12-01", "2026-12-02", "2026-12-03", "2026-12-06"}, {1, 3}},
        {{"2026-02-28", "2026-03-01", "bad", "2026-12-07"}, {1, 2}}, // across a month end
    };
    for (const auto& c : cases)
        EXPECT_EQ(Progress::DayStreaks(c.days, "2026-12-07"), c.streaks) << c.days.size();
}

} // namespace
