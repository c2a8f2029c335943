// SPDX-License-Identifier: GPL-3.0-or-later
// Single-player games against computer opponents, whole, without windows: on the shipped
// dictionary, played and kept in the record. Their scores, and the corrections that
// re-score every player, are compared with a plain computation in ResultsSoakTest.
#include "DictionaryProgram.h"

#include "core/game/HighScores.h"
#include "core/game/Results.h"

#include <algorithm>
#include <set>

namespace {

using ComputerPlayer::Level;

struct AgainstComputers : ::testing::Test {
    AgainstComputers()
    {
        StartOnShipped(p, prompter, folder, 7);
        p.settings->cSetRegValue(HighScores::kPlayerKey, HighScores::kPlayerName, "Ann");
    }
    QTemporaryDir folder;
    ScriptedPrompter prompter;
    Program p;
};

TEST_F(AgainstComputers, wholeGamesPlayedAndRecorded)
{
    const struct {
        int computers;
        Level level;
        std::vector<std::string> names;
    } cases[] = {
        {0, Level::Hard, {}},
        {1, Level::Hard, {"Ann", "Computer"}},
        {3, Level::Easy, {"Ann", "Computer 1", "Computer 2", "Computer 3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.computers);
        p.options.ComputerOpponents = c.computers;
        p.options.ComputerLevel = c.level;
        p.game.TimeLimit = 60;
        Game::StartGameClick(p);
        if (c.computers == 0) { // exactly the game alone
            EXPECT_TRUE(p.game.PlayerCount == 1 && Opponents::PlayLines(p).empty());
            Game::EndGameNow(p);
            EXPECT_TRUE(p.highScores.GameToEnter && !p.opponents.GameToRecord);
            EXPECT_EQ(Results::SelectorItems(p, Results::Selector::Dict)[0].text, "All Words");
            Results::ResultsWindowClosed(p);
            continue;
        }
        ASSERT_EQ(p.game.PlayerNames, c.names);
        // Ann: a word the first computer finds early and two more board words.
        const Words& board = p.board.BoardWords;
        Enter(p, {p.opponents.ToFind[0].front(), board[board.size() / 2], board.back()});
        QStringList half;
        for (int second = 0; p.game.TimeRemaining > 0; ++second) {
            if (second == 30)
                half = Opponents::PlayLines(p);
            Game::ClockTick(p, true);
        }
        ASSERT_TRUE(p.results.Open);
        ASSERT_EQ(p.game.PlayerWords.size(), c.names.size());
        EXPECT_EQ(p.game.PlayerWords[0].size(), 3u);
        for (std::size_t i = 1; i < c.names.size(); ++i) {
            const Words& found = p.game.PlayerWords[i];
            const QString line = half.at(i - 1);
            const int atHalf = line.section(QLatin1Char(' '), -2, -2).toInt();
            EXPECT_TRUE(line.startsWith(QString::fromStdString(c.names[i]) + ": "));
            EXPECT_TRUE(atHalf > 0 && atHalf < static_cast<int>(found.size())) << "spread over the game";
            EXPECT_EQ(std::set<std::string>(found.begin(), found.end()).size(), found.size());
            EXPECT_TRUE(i == 1 || found != p.game.PlayerWords[i - 1]) << "each computer its own words";
        }
        // Every player scored, as the soak's plain computation checks on random games.
        ASSERT_EQ(p.eval.PlayerScores.size(), c.names.size());

        const auto scores = p.eval.PlayerScores;
        const int best = *std::max_element(scores.begin() + 1, scores.end());
        const OpponentsState::Record was = p.opponents.Records[static_cast<std::size_t>(c.level)];
        Results::ResultsWindowClosed(p);
        EXPECT_FALSE(p.highScores.GameToEnter) << "no high score against the computer";
        OpponentsState::Record now = was;
        ++(scores[0] > best ? now.Wins : scores[0] < best ? now.Losses : now.Ties);
        p.opponents.Records = {};
        Opponents::LoadRecord(p);
        EXPECT_EQ(p.opponents.Records[static_cast<std::size_t>(c.level)], now) << "kept in the store";
    }
    // Ended at once: nobody has a word, everybody ties.
    p.options.ComputerOpponents = 2;
    const int ties = p.opponents.Records[static_cast<std::size_t>(Level::Easy)].Ties;
    Game::StartGameClick(p);
    Game::EndGameNow(p);
    EXPECT_EQ(p.results.BadWords, "3 players tie");
    Results::ResultsWindowClosed(p);
    EXPECT_EQ(p.opponents.Records[static_cast<std::size_t>(Level::Easy)].Ties, ties + 1);
}

} // namespace
