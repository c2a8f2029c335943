// SPDX-License-Identifier: GPL-3.0-or-later
// A game kept across a quit: quit at several moments, start again, go on; the resumed
// game ends as the uninterrupted one does. Damaged and hostile files never crash.
#include "DictionaryProgram.h"

#include "core/game/KeptGame.h"

#include <random>

namespace {

struct Kept : ::testing::Test {
    // A fresh run on the shipped dictionary, its data in `folder`.
    std::unique_ptr<Program> start(ScriptedPrompter& prompter)
    {
        auto p = std::make_unique<Program>();
        StartOnShipped(*p, prompter, folder, 11);
        return p;
    }
    QTemporaryDir folder;
};

TEST_F(Kept, quitAtSeveralMoments_resumesPausedAndEndsAsUninterrupted)
{
    const struct {
        const char* name;
        int mode, type, computers, ticks, words;
        bool secondTurn;
    } cases[] = {
        {"alone, no word yet", SinglePlayer, Standard, 0, 0, 0, false},
        {"alone, mid-game", SinglePlayer, Standard, 0, 70, 5, false},
        {"frantic", SinglePlayer, Frantic, 0, 3, 4, false},
        {"two computers", SinglePlayer, Standard, 2, 95, 3, false},
        {"player 1 of two", TwoPlayer, Standard, 0, 20, 3, false},
        {"player 2 of two", TwoPlayer, Standard, 0, 40, 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(folder.filePath("KeptGame.txt"));
        ScriptedPrompter first;
        auto p = start(first);
        p->game.GameMode = c.mode;
        p->game.GameType = c.type;
        p->options.ComputerOpponents = c.computers;
        Game::StartGameClick(*p);
        // Chosen during the game, for the next one: the kept game keeps its own.
        p->game.TimeLimit = 60;
        const auto play = [&](int words, int ticks) {
            for (int i = 0; i < words && i < static_cast<int>(p->board.BoardWords.size()); ++i)
                Enter(*p, {p->board.BoardWords[static_cast<std::size_t>(2 * i + 1) %
                                              p->board.BoardWords.size()]});
            for (int t = 0; t < ticks; ++t)
                Game::ClockTick(*p, true);
        };
        play(c.words, c.ticks);
        if (c.secondTurn) {
            Game::EndGameNow(*p);
            play(1, 5);
        }
        const auto snapshot = KeptGame::Take(*p);
        ASSERT_TRUE(snapshot);
        EXPECT_EQ(snapshot->TimeLimit, c.type == Standard ? 180 : 60);
        KeptGame::KeepGame(*p);

        ScriptedPrompter second;
        auto q = start(second);
        second.answer(core::Answer::Ok, [&] {
            EXPECT_TRUE(q->screen.BoardHidden && q->game.Paused && !q->screen.ClockRunning);
        });
        KeptGame::ResumeKeptGame(*q);
        EXPECT_EQ(second.texts(), QStringList{"Hit OK when ready to resume."});
        EXPECT_FALSE(QFileInfo::exists(folder.filePath("KeptGame.txt")));
        EXPECT_TRUE(q->screen.ClockRunning && !q->screen.BoardHidden);
        EXPECT_EQ(KeptGame::Take(*q), snapshot);
        EXPECT_EQ(q->entry.ListedWords, p->entry.ListedWords);
        EXPECT_EQ(q->opponents.Found, p->opponents.Found);

        // Both go on alike to the end.
        for (Program* r : {p.get(), q.get()}) {
            for (int t = 0; t < 10; ++t)
                Game::ClockTick(*r, true);
            Game::EndGameNow(*r);
            if (c.mode == TwoPlayer && !c.secondTurn)
                Game::EndGameNow(*r);
        }
        EXPECT_EQ(q->game.PlayerWords, p->game.PlayerWords);
        EXPECT_EQ(q->eval.PlayerScores, p->eval.PlayerScores);
        EXPECT_EQ(q->results.Score, p->results.Score);
    }
}

TEST_F(Kept, damagedOrHostileFiles_areRefusedWithoutCrashing)
{
    ScriptedPrompter prompter;
    auto p = start(prompter);
    p->options.ComputerOpponents = 1;
    Game::StartGameClick(*p);
    Enter(*p, {p->board.BoardWords.front()});
    const std::string text = KeptGame::Serialize(*KeptGame::Take(*p));
    ASSERT_EQ(KeptGame::Parse(text).snapshot, KeptGame::Take(*p));

    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string t = text;
        return t.replace(t.find(from), from.size(), to);
    };
    for (const std::string& bad :
         {std::string(), std::string("Lettro kept game 2\n") + text.substr(text.find('\n') + 1),
          replaced("language\ten", "language\txx"), replaced("board\t", "board\tAB"),
          replaced("remaining\t", "remaining\t-"), replaced("mode\t0", "mode\t3"),
          replaced("turn\t0", "turn\t1"), replaced("computers\t1", "computers\t9"),
          replaced("level\t", "level\t7"), replaced("words\t0", "words\t0\tC@T"),
          replaced("words\t1", "words\t1\t\t"), replaced("words\t1", "words\t0"),
          replaced("numwords\t", "numwords\t>7"), replaced("daily\t", "daily\t2026-1-07"),
          replaced("given\t0", "given\t0\t0"), text + "time\t60\n", text + "cheat\t1\n",
          replaced("mode\t0", "mode\t1")}) {
        const KeptGame::ParseResult parsed = KeptGame::Parse(bad);
        EXPECT_FALSE(parsed.snapshot) << bad;
        EXPECT_FALSE(parsed.error.empty()) << bad;
    }
    // Cut short before its last line: incomplete. Random damage: refused, or read as
    // something that writes back the same.
    const std::size_t lastLine = text.rfind('\n', text.size() - 2) + 1;
    for (std::size_t n = 0; n <= lastLine; ++n)
        EXPECT_FALSE(KeptGame::Parse(text.substr(0, n)).snapshot) << n;
    std::mt19937 random(5);
    for (int i = 0; i < 3000; ++i) {
        std::string t = text;
        for (int k = 0; k < 3; ++k)
            t[random() % t.size()] = static_cast<char>(random() % 256);
        if (const auto s = KeptGame::Parse(t).snapshot) {
            EXPECT_EQ(KeptGame::Parse(KeptGame::Serialize(*s)).snapshot, s);
        }
    }

    // On disk: said once, set aside, no game; the next start hears nothing of it.
    QFile file(folder.filePath("KeptGame.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.substr(0, lastLine).c_str());
    file.close();
    for (int run = 0; run < 2; ++run) {
        ScriptedPrompter quiet;
        auto q = start(quiet);
        KeptGame::ResumeKeptGame(*q);
        EXPECT_EQ(quiet.shown.size(), run == 0 ? 1u : 0u);
        EXPECT_FALSE(q->game.GameInProgress);
    }
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("KeptGame.txt.damaged")));
    // A network game is not kept.
    p->game.GameMode = NetworkHost;
    EXPECT_FALSE(KeptGame::Take(*p));
}

} // namespace
