// SPDX-License-Identifier: GPL-3.0-or-later
// A couple of hundred games evaluated by the core on shaken boards with the shipped
// dictionary: players enter random board words and others made from them; single-player
// results, alone or against computers, then take random dictionary corrections, some of
// them undone. Every list, count, score, result line and the words by length are compared
// with a plain computation made here, and so are the points and found marks shown beside
// the words.
#include "core/game/Results.h"
#include "core/game/Scoring.h"
#include "engine/BoardText.h"

#include "Scripted.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <set>

namespace {

using Results::Selector;

int Points(const std::string& word) // "qu" is two letters, as on the cube
{
    const std::size_t n = word.size();
    return n <= 4 ? 1 : n == 5 ? 2 : n == 6 ? 3 : n == 7 ? 5 : 11;
}

// "1 word found out of 40 (2%)": a count, then the share of a whole unless it is 0.
std::string Share(std::string head, long long part, long long whole)
{
    return head + (whole == 0 ? ""
                              : " out of " + std::to_string(whole) + " (" +
                                    std::to_string(part * 100 / whole) + "%)");
}

struct Soak {
    Program p;
    ScriptedPrompter prompter;
    std::mt19937 draw;
    Words board;                   // the board words as the corrections leave them
    int common = 0, corrected = 0, rescored = 0, undone = 0; // the mix that makes it a soak

    int below(std::size_t n) { return std::uniform_int_distribution<int>(0, int(n) - 1)(draw); }
    const std::string& pick(const Words& words) { return words[std::size_t(below(words.size()))]; }

    void play(std::uint32_t seed)
    {
        draw.seed(seed);
        Dice::ClockRandom dice(seed);
        const std::string text = Dice::ShakeDice(p.board.DieFaces, dice);
        Dice::PlaceBoard(text, p.board.BoardFaces, p.board.BoardGrid);
        board = p.board.BoardWords = p.engine.definedWords(*engine::boardFromText(text));

        // Alone (twice as often), two players, a network game, or against computers.
        const int kind = below(5), computers = kind == 4 ? 1 + below(3) : 0;
        const int mode =
            std::vector{SinglePlayer, SinglePlayer, TwoPlayer, NetworkHost, SinglePlayer}[kind];
        const int players = kind < 2 ? 1 : kind == 2 ? 2 : kind == 3 ? 2 + below(3) : 1 + computers;
        p.game = {.GameMode = mode,
                  .PlayerCount = players,
                  .LocalPlayerIndex = computers ? 0 : below(players),
                  .PlayerWords = std::vector<Words>(std::size_t(players)),
                  .PlayerNames = {"Ann", "Bob", "Cy", "Di"},
                  .Opponents = computers};
        for (Words& entered : p.game.PlayerWords) {
            std::set<std::string> taken;
            // Board words, and now and then one with a letter added: seldom a word, and
            // when it is a dictionary word, seldom on the board.
            for (int i = below(16); i > 0 && !board.empty(); --i)
                taken.insert(pick(board) + (below(4) ? "" : std::string(1, char('a' + below(26)))));
            entered.assign(taken.begin(), taken.end());
            std::shuffle(entered.begin(), entered.end(), draw);
        }
        Scoring::ClassifyWords(p.game, p.board.BoardWords, p.eval);
        Scoring::FindUnusedAndCommon(p.game, p.board.BoardWords, p.eval);
        Results::PrepareResults(p);
        check(true);
        common += int(p.eval.CommonWords.size());
        for (int i = mode == SinglePlayer ? below(6) : 0; i > 0; --i)
            correct();
        check(false);
    }

    // A random correction, with or without a word selected; the plain board list follows.
    void correct()
    {
        const bool add = below(2) == 0;
        const Selector selector = add ? Selector::User : Selector::Dict;
        const int code = add        ? Scoring::UndefinedBase
                         : below(2) ? Scoring::Unused
                                    : Scoring::AllBoardWords;
        const std::vector<SelectorItem>& items = Results::SelectorItems(p, selector);
        const auto item = std::ranges::find(items, code, &SelectorItem::code);
        Results::ChooseItem(p, selector, int(item - items.begin()));
        const Words shown = Results::ShownList(p, selector);
        const int row = shown.empty() || below(8) == 0 ? -1 : below(shown.size());
        const std::size_t notices = prompter.shown.size();
        const Evaluation eval = p.eval;
        const Words boardWords = p.board.BoardWords;
        const std::string lines = p.results.Words + p.results.Score + p.results.BadWords;
        const int next = add ? Results::AddToDict(p, row) : (Results::RemoveFromDict(p, row), -1);
        EXPECT_EQ(prompter.shown.size(), notices + (row < 0)) << "a notice when none is selected";
        if (row < 0)
            return;
        ++corrected;
        rescored += p.game.Opponents > 0; // every player's lists and scores anew
        const std::string& w = shown[std::size_t(row)];
        EXPECT_EQ(p.engine.contains(w), add) << w;
        if (below(3) == 0) { // undone: the dictionary, lists and scores as they were
            ++undone;
            EXPECT_TRUE(Results::UndoCorrection(p));
            EXPECT_EQ(p.engine.contains(w), !add) << w;
            EXPECT_TRUE(p.eval == eval && p.board.BoardWords == boardWords) << w;
            EXPECT_EQ(p.results.Words + p.results.Score + p.results.BadWords, lines);
            EXPECT_FALSE(Results::UndoCorrection(p)) << "only the last correction";
            return;
        }
        if (add)
            board.push_back(w);
        else
            board.erase(std::find(board.begin(), board.end(), w));
        EXPECT_EQ(next, add && shown.size() > 1 ? std::min(row, int(shown.size()) - 2) : -1);
    }

    // Every list each selector offers, the scores and the result lines;
    // after corrections the order of the players' lists is not checked.
    void check(bool inOrder)
    {
        const std::set<std::string> onBoard(board.begin(), board.end());
        std::map<std::string, int> finders;
        for (const Words& entered : p.game.PlayerWords)
            for (const std::string& w : entered)
                ++finders[w];
        std::map<int, Words> lists = {{Scoring::AllBoardWords, board}};
        long long best = 0;
        for (const std::string& d : board) {
            best += Points(d);
            if (finders[d] != 1)
                lists[finders[d] == 0 ? Scoring::Unused : Scoring::Common].push_back(d);
        }
        std::vector<int> scores(std::size_t(p.game.PlayerCount), 0);
        for (int q = 0; q < p.game.PlayerCount; ++q) {
            for (const std::string& w : p.game.PlayerWords[std::size_t(q)])
                if (finders[w] == 1 || !onBoard.count(w))
                    lists[(onBoard.count(w) ? Scoring::DefinedBase : Scoring::UndefinedBase) + q]
                        .push_back(w);
            for (const std::string& w : lists[Scoring::DefinedBase + q])
                scores[std::size_t(q)] += Points(w);
        }

        for (Selector s : {Selector::User, Selector::Dict}) {
            for (std::size_t i = 0; i < Results::SelectorItems(p, s).size(); ++i) {
                Results::ChooseItem(p, s, int(i));
                const int code = Results::ChosenCode(p, s);
                Words shown = Results::ShownList(p, s), expected = lists[code];
                if (code == Scoring::ScoreTable)
                    continue; // its rows come from the lists checked here
                // Points beside each word; "All Words" marks what the side's player entered.
                const int side = p.game.GameMode == TwoPlayer ? int(s == Selector::Dict) : p.game.LocalPlayerIndex;
                const Words& mine = p.game.PlayerWords[std::size_t(side)];
                const bool earns = code != Scoring::Common && code < Scoring::UndefinedBase;
                for (const Results::ShownRow& row : Results::ShownRows(p, s)) {
                    EXPECT_EQ(row.points, earns ? Points(row.text) : 0) << row.text;
                    EXPECT_EQ(row.found, code == Scoring::AllBoardWords && std::ranges::count(mine, row.text) > 0);
                }
                if (!inOrder && code >= Scoring::DefinedBase) {
                    std::sort(shown.begin(), shown.end());
                    std::sort(expected.begin(), expected.end());
                }
                EXPECT_EQ(shown, expected) << "list " << code;
            }
        }
        // The words by length, found by the player here (by either in a two-player game).
        std::map<int, Scoring::LengthRow> byLength;
        for (const std::string& d : board) {
            bool found = false;
            for (int q = 0; q < p.game.PlayerCount; ++q)
                found |= (p.game.GameMode == TwoPlayer || q == p.game.LocalPlayerIndex) &&
                         std::ranges::count(p.game.PlayerWords[std::size_t(q)], d) > 0;
            Scoring::LengthRow& row = byLength[int(d.size())];
            row = {int(d.size()), row.found + found, row.there + 1, Points(d)};
        }
        std::vector<Scoring::LengthRow> lengths;
        for (const auto& [length, row] : byLength)
            lengths.push_back(row);
        EXPECT_EQ(Results::LengthTable(p), lengths);
        if (p.game.GameMode != SinglePlayer || p.game.Opponents > 0) {
            const auto score = [&](std::size_t q) { return std::to_string(scores[q]); };
            const int high = *std::ranges::max_element(scores);
            const auto tied = std::ranges::count(scores, high);
            const auto first = std::size_t(std::ranges::find(scores, high) - scores.begin());
            // Two players by number, a tie or a winner; more: the own score and the best.
            const std::string lines =
                p.game.GameMode == TwoPlayer
                    ? score(0) + " = Player 1 score|" + score(1) + " = Player 2 score|" +
                          (tied > 1 ? "Tie Game!!!"
                                    : "Player " + std::to_string(first + 1) + " Wins")
                    : "Your score = " + score(std::size_t(p.game.LocalPlayerIndex)) +
                          "|High score = " + std::to_string(high) + "|" +
                          (tied > 1 ? std::to_string(tied) + " players tie"
                                    : p.game.PlayerNames[first] + " wins");
            EXPECT_EQ(p.results.Words + "|" + p.results.Score + "|" + p.results.BadWords, lines);
            EXPECT_EQ(p.eval.PlayerScores, scores);
            return;
        }
        const long long found = std::ssize(lists[Scoring::DefinedBase]);
        const long long bad = std::ssize(lists[Scoring::UndefinedBase]);
        const auto words = [](long long n) {
            return std::to_string(n) + (n == 1 ? " word" : " words");
        };
        EXPECT_EQ(p.results.Words, Share(words(found) + " found", found, std::ssize(board)));
        EXPECT_EQ(p.results.Score, Share("Score is " + std::to_string(scores[0]), scores[0], best));
        EXPECT_EQ(p.results.BadWords, bad == 0 ? "" : words(bad) + " not in dictionary");
    }
};

TEST(ResultsSoak, everyListAndScoreAgreesWithAPlainComputation)
{
    if (!std::filesystem::exists(LETTRO_SHIPPED_DICTIONARY))
        GTEST_SKIP() << "no shipped dictionary at " << LETTRO_SHIPPED_DICTIONARY;
    Soak soak;
    soak.p.prompter = &soak.prompter;
    soak.prompter.autoOk = true; // the notices of corrections without a selected word
    ASSERT_TRUE(soak.p.engine.cReadBinaryDictionary(LETTRO_SHIPPED_DICTIONARY).ok());
    Dice::InitDice(soak.p.board.DieFaces);
    // Seeded: a failure comes back at the same game on every run.
    for (std::uint32_t game = 0; game < 200 && !testing::Test::HasFailure(); ++game) {
        SCOPED_TRACE(testing::Message() << "game " << game);
        soak.play(game);
    }
    EXPECT_GT(soak.common, 0);
    EXPECT_GT(soak.corrected, 0);
    EXPECT_GT(soak.rescored, 0);
    EXPECT_GT(soak.undone, 0);
}

} // namespace
