// SPDX-License-Identifier: GPL-3.0-or-later
// Single-player games against computer opponents, whole, without windows: on the shipped
// dictionary, scored against a plain reference, corrected, and kept in the record.
#include "DictionaryProgram.h"

#include "core/game/HighScores.h"
#include "core/game/Results.h"
#include "core/game/Scoring.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

using ComputerPlayer::Level;

struct AgainstComputers : ::testing::Test {
    AgainstComputers()
    {
        StartOnShipped(p, prompter, folder, 7);
        p.settings->cSetRegValue(HighScores::kPlayerKey, HighScores::kPlayerName, "Ann");
    }
    // Every player's points by a plain count: a board word scores for the one player who
    // entered it.
    std::vector<int> reference() const
    {
        const std::set<std::string> board(p.board.BoardWords.begin(), p.board.BoardWords.end());
        std::map<std::string, int> finders;
        for (const Words& words : p.game.PlayerWords)
            for (const std::string& w : std::set<std::string>(words.begin(), words.end()))
                ++finders[w];
        std::vector<int> scores;
        for (const Words& words : p.game.PlayerWords) {
            int score = 0;
            for (const std::string& w : std::set<std::string>(words.begin(), words.end()))
                score += board.contains(w) && finders[w] == 1 ? Scoring::ScoreForWord(w) : 0;
            scores.push_back(score);
        }
        return scores;
    }
    // The scores and the winner's line agree with the reference.
    void checkScores()
    {
        const std::vector<int> scores = reference();
        EXPECT_EQ(p.eval.PlayerScores, scores);
        const int high = *std::max_element(scores.begin(), scores.end());
        const auto tied = std::count(scores.begin(), scores.end(), high);
        const auto winner = std::find(scores.begin(), scores.end(), high) - scores.begin();
        EXPECT_EQ(p.results.BadWords, tied > 1 ? std::to_string(tied) + " players tie"
                                               : p.game.PlayerNames[static_cast<std::size_t>(winner)] + " wins");
    }
    // Chooses the selector item of `code` and returns the row of `word` in its list.
    int rowOf(Results::Selector selector, int code, const std::string& word)
    {
        const auto& items = Results::SelectorItems(p, selector);
        const auto item = std::find_if(items.begin(), items.end(), [&](const SelectorItem& i) { return i.code == code; });
        Results::ChooseItem(p, selector, static_cast<int>(item - items.begin()));
        const Words shown = Results::ShownList(p, selector);
        return static_cast<int>(std::find(shown.begin(), shown.end(), word) - shown.begin());
    }

    QTemporaryDir folder;
    ScriptedPrompter prompter;
    Program p;
};

TEST_F(AgainstComputers, wholeGamesScoredCorrectedAndRecorded)
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
        // Ann: a word the first computer finds early, two more board words, a non-word.
        const Words& board = p.board.BoardWords;
        const std::string shared = p.opponents.ToFind[0].front();
        const auto cut = std::find_if(board.begin(), board.end(), [&](const std::string& w) {
            return w.size() > 4 && !Scoring::Contains(board, w.substr(0, w.size() - 1));
        });
        ASSERT_NE(cut, board.end());
        const std::string nonWord = cut->substr(0, cut->size() - 1);
        Enter(p, {shared, board[board.size() / 2], board.back(), nonWord});
        QStringList half;
        for (int second = 0; p.game.TimeRemaining > 0; ++second) {
            if (second == 30)
                half = Opponents::PlayLines(p);
            Game::ClockTick(p, true);
        }
        ASSERT_TRUE(p.results.Open);
        ASSERT_EQ(p.game.PlayerWords.size(), c.names.size());
        EXPECT_EQ(p.game.PlayerWords[0].size(), 4u);
        for (std::size_t i = 1; i < c.names.size(); ++i) {
            const Words& found = p.game.PlayerWords[i];
            const QString line = half.at(i - 1);
            const int atHalf = line.section(QLatin1Char(' '), -2, -2).toInt();
            EXPECT_TRUE(line.startsWith(QString::fromStdString(c.names[i]) + ": "));
            EXPECT_TRUE(atHalf > 0 && atHalf < static_cast<int>(found.size())) << "spread over the game";
            EXPECT_EQ(std::set<std::string>(found.begin(), found.end()).size(), found.size());
            EXPECT_TRUE(i == 1 || found != p.game.PlayerWords[i - 1]) << "each computer its own words";
        }
        checkScores();

        // Corrections re-score everyone: Ann's non-word becomes a word, a word only a
        // computer found is no word any more.
        Results::AddToDict(p, rowOf(Results::Selector::User, Scoring::UndefinedBase, nonWord));
        EXPECT_NE(Scoring::Contains(p.eval.PlayerDefinedWords[0], nonWord),
                  Scoring::Contains(p.eval.CommonWords, nonWord)); // an Easy one may have typed it too
        checkScores();
        const Words computerOnly = p.eval.PlayerDefinedWords[1];
        ASSERT_FALSE(computerOnly.empty());
        const int before = p.eval.PlayerScores[1];
        Results::RemoveFromDict(p, rowOf(Results::Selector::Dict, Scoring::AllBoardWords, computerOnly[0]));
        EXPECT_EQ(p.eval.PlayerScores[1], before - Scoring::ScoreForWord(computerOnly[0]));
        checkScores();

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
