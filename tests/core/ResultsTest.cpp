// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game without windows, at its edges: points, the result lines, the selectors,
// the score table, corrections, the OK guard and the path. The soak (ResultsSoakTest)
// compares the lists, scores and lines of random games.
#include "core/game/Scoring.h"
#include "core/game/Results.h"

#include "Scripted.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using namespace std::chrono_literals;
using Results::Selector;

// C A T S      On this board: cat, cats, cod, dig, get, gets, quit, set, stag.
// O D G E
// Qu I N R
// T X Y Z
const Words kBoardWords = {"cat", "cats", "cod", "dig", "get", "gets", "quit", "set", "stag"};
const Results::Clock::time_point kShown{100s};

// A game evaluated and its results prepared at kShown.
struct Game {
    Program p;
    ScriptedPrompter prompter;

    Game(int mode, std::vector<Words> entered, Words board = kBoardWords, int local = 0)
    {
        p.prompter = &prompter;
        p.game = {.GameMode = mode,
                  .PlayerCount = static_cast<int>(entered.size()),
                  .LocalPlayerIndex = local,
                  .GameInProgress = true,
                  .PlayerWords = entered,
                  .PlayerNames = {"Ann", "Bob", "Cy", "Di"}};
        p.board.BoardWords = std::move(board);
        for (const std::string& w : p.board.BoardWords)
            p.engine.cDictionaryAdd(w);
        Dice::PlaceBoard("CATSODGEQINRTXYZ", p.board.BoardFaces, p.board.BoardGrid);
        Scoring::ClassifyWords(p.game, p.board.BoardWords, p.eval);
        Scoring::FindUnusedAndCommon(p.game, p.board.BoardWords, p.eval);
        Results::PrepareResults(p, kShown);
    }
    std::string texts() const
    {
        return p.results.Words + " | " + p.results.Score + " | " + p.results.BadWords;
    }
};

// The soak compares the result lines of random games; here, their edges.
TEST(Results, percentsNeitherOverflowNorDivideByZeroAndRemoveTakesOnlyTheFirstMatch)
{
    // The percentage's product 100 x part is taken in 64 bits.
    EXPECT_EQ(Scoring::Percent(2'000'000'000, 2'000'000'001), 99);
    // A board without dictionary words: no "out of".
    EXPECT_EQ(Game(SinglePlayer, {{"cat"}}, {}).texts(),
              "0 words found | Score is 0 | 1 word not in dictionary");

    Words list = {"tea", "eat", "tea", "ate"};
    Scoring::RemoveWord(list, "tea");
    Scoring::RemoveWord(list, "sea");
    EXPECT_EQ(list, (Words{"eat", "tea", "ate"})) << "only the first match goes";
}

TEST(Results, selectorsOfEveryMode)
{
    const SelectorItem common{"Common Words", 2}, all{"All Words", 0}, unused{"Unused Words", 1};
    const struct {
        int mode, players;
        bool showUnused;
        std::vector<SelectorItem> user, dict;
        int dictChoice;
    } cases[] = {
        // clang-format off
        {SinglePlayer, 1, false, {{"Defined", 100}, {"Undefined", 200}}, {all, unused}, 0},
        {SinglePlayer, 1, true, {{"Defined", 100}, {"Undefined", 200}}, {all, unused}, 1},
        {TwoPlayer, 2, true, {{"Player 1 Only", 100}, common, {"Player 1 Undefined", 200}, all, unused},
         {{"Player 2 Only", 101}, common, {"Player 2 Undefined", 201}, all, unused}, 0},
        {NetworkPlayer, 3, true,
         {{"Bob only", 101}, {"Bob undefined", 201}, common, all, unused, {"Ann only", 100},
          {"Ann undefined", 200}, {"Cy only", 102}, {"Cy undefined", 202}},
         {{"Scores", 3}, common, all, unused, {"Ann only", 100}, {"Ann undefined", 200},
          {"Bob only", 101}, {"Bob undefined", 201}, {"Cy only", 102}, {"Cy undefined", 202}}, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        Game g(c.mode, std::vector<Words>(std::size_t(c.players)), {}, c.players > 1);
        Program& p = g.p;
        p.options.ShowUnusedWords = c.showUnused;
        Results::PrepareResults(p); // again, with the option
        const bool single = c.mode == SinglePlayer;
        EXPECT_EQ(Results::SelectorItems(p, Selector::User), c.user) << c.mode;
        EXPECT_EQ(Results::SelectorItems(p, Selector::Dict), c.dict) << c.mode;
        EXPECT_EQ(Results::ChosenItem(p, Selector::Dict), c.dictChoice) << c.mode;
        EXPECT_EQ(Results::ShowsScoreTable(p), c.dict[0].code == Scoring::ScoreTable);
        EXPECT_EQ(Results::CorrectionsShown(p), single);
        Results::ChooseItem(p, Selector::User, static_cast<int>(c.user.size()));
        EXPECT_EQ(Results::ChosenItem(p, Selector::User), 0) << "no such item";
        Results::ChooseItem(p, Selector::User, 1);
        EXPECT_EQ(Results::AddToDictShown(p), single) << "beside the undefined words";
    }
}

TEST(Results, scoreRowsAreFifteenWide)
{
    EXPECT_EQ(Scoring::FormatScoreRow("TOTAL", 42), "TOTAL:       42");
    // The label gives way to the number: 15 - (digits + 1) characters of it are kept.
    EXPECT_EQ(Scoring::FormatScoreRow("Bartholomew-Smith", 12345), "Bartholom:12345");
    EXPECT_EQ(Scoring::FormatScoreRow("Ann", 2147483647), "Ann: 2147483647");
    // Names are counted in characters, so a row of a name with accents lines up too.
    EXPECT_EQ(Scoring::FormatScoreRow("Zo\xc3\xab", 5), "Zo\xc3\xab:          5");
}

// The soak compares the lists and lines after random corrections; here, the notices and
// the order the corrections leave.
TEST(Results, correctionsAppendToTheLists)
{
    Game g(SinglePlayer, {{"cat", "zebra", "stag", "dog"}});
    g.prompter.autoOk = true;
    Results::ChooseItem(g.p, Selector::User, 1);
    EXPECT_EQ(Results::AddToDict(g.p, -1), -1);
    Results::RemoveFromDict(g.p, 10);
    EXPECT_EQ(g.prompter.texts(),
              (QStringList{"You must select a word in the 'undefined' list first",
                           "You must select a word in the 'dictionary' list first"}));
    EXPECT_EQ(g.prompter.shown[1].owner, core::Owner::Results);
    EXPECT_FALSE(g.p.dictionary.DictionaryUpdated);
    EXPECT_EQ(Results::AddToDict(g.p, 0), 0) << "dog, now in zebra's place";
    EXPECT_TRUE(g.p.dictionary.DictionaryUpdated);
    EXPECT_EQ(g.p.eval.PlayerDefinedWords[0], (Words{"cat", "stag", "zebra"}));
    Results::RemoveFromDict(g.p, 8);
    EXPECT_EQ(g.p.eval.PlayerUndefinedWords[0], (Words{"dog", "stag"}));
    Results::ChooseItem(g.p, Selector::User, 0);
    EXPECT_EQ(Results::AddToDict(g.p, 0), -1) << "not beside the defined words";
    EXPECT_EQ(g.p.eval.PlayerDefinedWords[0], (Words{"cat", "zebra"}));
}

// The path numbered in the window is the selected word's, and no other: each step selects
// or changes a list, then the path in order (4 * row + column) is what must show.
TEST(Results, thePathFollowsTheSelectionThroughSwitchesAndCorrections)
{
    Game g(SinglePlayer, {{"cat", "tag", "stag", "nit", "zebra"}});
    g.prompter.autoOk = true;
    Program& p = g.p;
    using V = std::vector<int>;
    const struct { std::function<void()> step; V path; } steps[] = {
        {[&] { Results::SelectRow(p, Selector::User, 1); }, {3, 2, 1, 6}},   // stag
        {[&] { Results::SelectRow(p, Selector::Dict, 6); }, {8, 9, 12}},     // quit: Qu is one step
        {[&] { Results::ChooseItem(p, Selector::User, 1); }, {8, 9, 12}},    // the other list
        {[&] { Results::ChooseItem(p, Selector::Dict, 1); }, {}},            // its own list
        {[&] { Results::SelectRow(p, Selector::User, 2); }, {}},             // zebra: not on the board
        {[&] { Results::SelectRow(p, Selector::User, 0); }, {2, 1, 6}},      // tag, undefined
        {[&] { Results::AddToDict(p, 0); }, {10, 9, 12}},                    // nit takes its place
        {[&] { Results::SelectRow(p, Selector::Dict, 0); }, {0, 1, 2, 3}},   // cats, unused
        {[&] { Results::RemoveFromDict(p, 0); }, {}},                        // gone from the list
        {[&] { Results::SelectRow(p, Selector::User, 5); }, {}},             // no such row
        {[&] { Results::SelectRow(p, Selector::User, 0); }, {10, 9, 12}},
        {[&] { Results::ResultsWindowClosed(p); }, {}},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i].step();
        EXPECT_EQ(p.results.PathOrder, steps[i].path) << "step " << i;
        long lit = 0; // every cube of the path lit, and no other
        for (const auto& row : p.results.Path)
            lit += std::count(row.begin(), row.end(), true);
        EXPECT_EQ(lit, std::ssize(steps[i].path)) << "step " << i;
    }
    // With repeat letters (as they were when the game ended) a cube can be two steps.
    p.options.RepeatLetters = true;
    Results::PrepareResults(p, kShown);
    p.options.RepeatLetters = false;
    Results::ShowWordPath(p, "tat");
    EXPECT_EQ(p.results.PathOrder, (V{2, 1, 2}));
}

// OK is ignored in the first second, each time the results show; the window test shows
// them again through the menu, here what changes meanwhile.
TEST(Results, okWaitsASecondAndTheLastResultsKeepTheirModeUntilTheLobby)
{
    Game g(SinglePlayer, {{"cat", "zebra"}});
    const std::string texts = g.texts();
    EXPECT_FALSE(Results::CloseResults(g.p, kShown + 1000ms));
    EXPECT_TRUE(g.p.results.Open && g.p.game.GameInProgress);
    EXPECT_TRUE(Results::CloseResults(g.p, kShown + 1001ms));
    EXPECT_FALSE(g.p.results.Open || g.p.game.GameInProgress);
    EXPECT_EQ(g.texts(), " |  | ");
    EXPECT_EQ(g.p.eval.PlayerDefinedWords[0], (Words{"cat"})) << "the lists stay until next time";
    g.p.game.GameMode = TwoPlayer; // the options changed before the next game
    ASSERT_TRUE(Results::ReopenResults(g.p, kShown + 5s));
    EXPECT_EQ(g.texts(), texts);
    EXPECT_FALSE(Results::CorrectionsShown(g.p)) << "they would be rescored as a two-player game";
    EXPECT_FALSE(Results::CloseResults(g.p, kShown + 5s + 1000ms)) << "OK waits a second again";
    Results::ResultsWindowClosed(g.p);
    g.p.game.GameMode = NetworkHost;
    EXPECT_FALSE(Results::LastResultsAvailable(g.p)) << "the lobby holds the main window";
}

} // namespace
