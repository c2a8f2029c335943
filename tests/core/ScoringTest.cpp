// Evaluation and scoring without windows: sorting, common and unused words, the
// result texts of every mode, the selectors' items and the score table.
#include "core/game/Scoring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Scoring::SelectorItem;

struct Game {
    GameState game;
    Words board;
    Evaluation eval;

    Game(int mode, std::vector<Words> playerWords, Words boardWords)
    {
        game.GameMode = mode;
        game.PlayerCount = static_cast<int>(playerWords.size());
        game.PlayerWords = std::move(playerWords);
        board = std::move(boardWords);
    }

    Scoring::ResultTexts evaluate()
    {
        Scoring::ClassifyWords(game, board, eval);
        Scoring::FindUnusedAndCommon(game, board, eval);
        return Scoring::ScoreTexts(game, board, eval);
    }
};

// n distinct words of `length` letters: "aaaa...", "aaab...", ...
Words ManyWords(int n, std::size_t length)
{
    Words words;
    for (int i = 0; i < n; ++i) {
        std::string w(length, 'a');
        int v = i;
        for (std::size_t k = length; k-- > 0 && v > 0; v /= 26)
            w[k] = static_cast<char>('a' + v % 26);
        words.push_back(w);
    }
    return words;
}

TEST(Scoring, pointsByLength)
{
    const std::vector<std::pair<std::string, int>> cases = {
        {"cat", 1},    {"cats", 1},    {"quit", 1},      {"quite", 2},      {"tacks", 2},
        {"stacks", 3}, {"attacks", 5}, {"counters", 11}, {"stainless", 11}, {"quarterbacks", 11}};
    for (const auto& [word, points] : cases)
        EXPECT_EQ(Scoring::ScoreForWord(word), points) << word;
}

TEST(Scoring, appendAndRemoveKeepOrderAndTouchOnlyTheFirstMatch)
{
    Words list;
    Scoring::AppendWord(list, "tea");
    Scoring::AppendWord(list, "eat");
    Scoring::AppendWord(list, "tea");
    Scoring::AppendWord(list, "ate");
    Scoring::RemoveWord(list, "tea");
    EXPECT_EQ(list, (Words{"eat", "tea", "ate"}));
    Scoring::RemoveWord(list, "sea");
    EXPECT_EQ(list, (Words{"eat", "tea", "ate"})) << "an absent word changes nothing";
    Scoring::RemoveWord(list, "ate");
    Scoring::RemoveWord(list, "eat");
    Scoring::RemoveWord(list, "tea");
    EXPECT_TRUE(list.empty());
    Scoring::RemoveWord(list, "tea");
    EXPECT_TRUE(list.empty());
}

TEST(Scoring, onlyBoardWordsAreDefined)
{
    // "dog" is a dictionary word, but the engine did not find it on this board.
    Game g(SinglePlayer, {{"cats", "dog", "tac", "cat"}}, {"act", "cat", "cats"});
    const auto texts = g.evaluate();
    EXPECT_EQ(g.eval.PlayerDefinedWords[0], (Words{"cats", "cat"})) << "entry order kept";
    EXPECT_EQ(g.eval.PlayerUndefinedWords[0], (Words{"dog", "tac"}));
    EXPECT_EQ(g.eval.UnusedWords, (Words{"act"}));
    EXPECT_TRUE(g.eval.CommonWords.empty()) << "one player has nobody to share with";
    EXPECT_EQ(texts.Words, "2 words found out of 3 (66%)") << "the percentage is cut, not rounded";
    EXPECT_EQ(texts.Score, "Score is 2 out of 3 (66%)");
    EXPECT_EQ(texts.BadWords, "2 words not in dictionary");
}

// The three result lines of every mode, at their edges. An empty expected line is
// not checked, except the single-player BadWords, which must then be empty.
TEST(Scoring, resultTextsOfEveryMode)
{
    Words forty = ManyWords(39, 3);
    forty.push_back("stainless");
    const Words four = {"act", "cat", "cats", "stacks"};
    const Words six = {"act", "cat", "cats", "eat", "stacks", "tea"};
    const std::vector<std::string> names = {"Ann", "Bob", "Cy", "Di"};
    const struct {
        int mode;
        std::vector<Words> entered;
        Words board;
        Scoring::ResultTexts texts;
        int local = 0;
        std::vector<int> scores = {}; // checked when given
    } cases[] = {
        {SinglePlayer,
         {{"stainless", "zzz"}},
         forty,
         {"1 word found out of 40 (2%)", "Score is 11 out of 50 (22%)",
          "1 word not in dictionary"}},
        {SinglePlayer,
         {{}},
         forty,
         {"0 words found out of 40 (0%)", "Score is 0 out of 50 (0%)", ""}},
        // A board without dictionary words: no "out of" and no division by zero.
        {SinglePlayer, {{"cat"}}, {}, {"0 words found", "Score is 0", "1 word not in dictionary"}},
        {SinglePlayer,
         {{"act", "cat"}},
         {"act", "cat"},
         {"2 words found out of 2 (100%)", "Score is 2 out of 2 (100%)", ""}},
        // The shared word scores for nobody.
        {TwoPlayer,
         {{"cats", "act"}, {"cats", "cat"}},
         four,
         {"1 = Player 1 score", "", "Tie Game!!!"}},
        {TwoPlayer, {{"stacks"}, {"cat", "act"}}, four, {"", "", "Player 1 Wins"}},
        {TwoPlayer, {{}, {}}, four, {"0 = Player 1 score", "", "Tie Game!!!"}},
        {NetworkHost,
         {{"cat"}, {"stacks", "cat"}, {"eat"}},
         six,
         {"Your score = 1", "High score = 3", "Bob wins"},
         2,
         {0, 3, 1}},
        {NetworkPlayer,
         {{"cat"}, {"eat"}, {"tea"}, {}},
         six,
         {"", "High score = 1", "3 players tie"}},
        // Everybody at 0 ties.
        {NetworkHost, {{"cat"}, {"cat"}}, six, {"", "High score = 0", "2 players tie"}},
        {NetworkHost, {{}}, six, {"", "", "Ann wins"}},
    };
    for (const auto& c : cases) {
        Game g(c.mode, c.entered, c.board);
        g.game.PlayerNames.assign(names.begin(),
                                  names.begin() + static_cast<long>(c.entered.size()));
        g.game.LocalPlayerIndex = c.local;
        const auto texts = g.evaluate();
        const std::string what = c.texts.Words + " | " + c.texts.Score + " | " + c.texts.BadWords;
        if (!c.texts.Words.empty()) {
            EXPECT_EQ(texts.Words, c.texts.Words) << what;
        }
        if (!c.texts.Score.empty()) {
            EXPECT_EQ(texts.Score, c.texts.Score) << what;
        }
        if (!c.texts.BadWords.empty() || c.mode == SinglePlayer) {
            EXPECT_EQ(texts.BadWords, c.texts.BadWords) << what;
        }
        if (!c.scores.empty()) {
            EXPECT_EQ(g.eval.PlayerScores, c.scores) << what;
        }
    }
}

TEST(Scoring, largeCountsDoNotOverflow)
{
    // 40000 eight-letter board words: counts beyond 16 bits and scores of 440000.
    const Words board = ManyWords(40000, 8);
    const Words half(board.begin(), board.begin() + 20000);
    Game g(SinglePlayer, {half}, board);
    const auto texts = g.evaluate();
    EXPECT_EQ(texts.Words, "20000 words found out of 40000 (50%)");
    EXPECT_EQ(texts.Score, "Score is 220000 out of 440000 (50%)");
    EXPECT_EQ(g.eval.UnusedWords.size(), 20000u);
    // The percentage's product 100 x part is taken in 64 bits.
    EXPECT_EQ(Scoring::Percent(30'000'000, 40'000'000), 75);
    EXPECT_EQ(Scoring::Percent(2'000'000'000, 2'000'000'001), 99);
    EXPECT_EQ(Scoring::Percent(5, 0), 0);
}

TEST(Scoring, twoPlayersShareNothingTheyBothFound)
{
    Game g(TwoPlayer, {{"cats", "tea", "zzz"}, {"cats", "eat", "stainless"}},
           {"cat", "cats", "eat", "stainless", "tea"});
    const auto texts = g.evaluate();
    EXPECT_EQ(g.eval.CommonWords, (Words{"cats"}));
    EXPECT_EQ(g.eval.PlayerDefinedWords[0], (Words{"tea"}));
    EXPECT_EQ(g.eval.PlayerDefinedWords[1], (Words{"eat", "stainless"}));
    EXPECT_EQ(g.eval.PlayerUndefinedWords[0], (Words{"zzz"}));
    EXPECT_TRUE(g.eval.PlayerUndefinedWords[1].empty());
    EXPECT_EQ(g.eval.UnusedWords, (Words{"cat"}));
    EXPECT_EQ(g.eval.PlayerScores, (std::vector<int>{1, 12}));
    EXPECT_EQ(texts.Words, "1 = Player 1 score");
    EXPECT_EQ(texts.Score, "12 = Player 2 score");
    EXPECT_EQ(texts.BadWords, "Player 2 Wins");
}

TEST(Scoring, selectorItemsOfEveryMode)
{
    GameState game;
    game.GameMode = SinglePlayer;
    EXPECT_EQ(Scoring::UserSelectorItems(game),
              (std::vector<SelectorItem>{{"Defined", 100}, {"Undefined", 200}}));
    EXPECT_EQ(Scoring::DictSelectorItems(game),
              (std::vector<SelectorItem>{{"All Words", 0}, {"Unused Words", 1}}));

    game.GameMode = TwoPlayer;
    game.PlayerCount = 2;
    game.LocalPlayerIndex = 1;
    EXPECT_EQ(Scoring::UserSelectorItems(game),
              (std::vector<SelectorItem>{{"Player 1 Only", 100},
                                         {"Common Words", 2},
                                         {"Player 1 Undefined", 200},
                                         {"All Words", 0},
                                         {"Unused Words", 1}}));
    EXPECT_EQ(Scoring::DictSelectorItems(game),
              (std::vector<SelectorItem>{{"Player 2 Only", 101},
                                         {"Common Words", 2},
                                         {"Player 2 Undefined", 201},
                                         {"All Words", 0},
                                         {"Unused Words", 1}}));

    for (int mode : {NetworkPlayer, NetworkHost}) {
        game.GameMode = mode;
        game.PlayerCount = 3;
        game.LocalPlayerIndex = 1;
        game.PlayerNames = {"Ann", "Bob", "Cy"};
        EXPECT_EQ(Scoring::UserSelectorItems(game),
                  (std::vector<SelectorItem>{{"Bob only", 101},
                                             {"Bob undefined", 201},
                                             {"Common Words", 2},
                                             {"All Words", 0},
                                             {"Unused Words", 1},
                                             {"Ann only", 100},
                                             {"Ann undefined", 200},
                                             {"Cy only", 102},
                                             {"Cy undefined", 202}}))
            << mode;
        EXPECT_EQ(Scoring::DictSelectorItems(game),
                  (std::vector<SelectorItem>{{"Scores", 3},
                                             {"Common Words", 2},
                                             {"All Words", 0},
                                             {"Unused Words", 1},
                                             {"Ann only", 100},
                                             {"Ann undefined", 200},
                                             {"Bob only", 101},
                                             {"Bob undefined", 201},
                                             {"Cy only", 102},
                                             {"Cy undefined", 202}}))
            << mode;
    }
}

TEST(Scoring, codesNameTheirLists)
{
    Game g(TwoPlayer, {{"cat", "zzz"}, {"cats", "cat"}}, {"act", "cat", "cats"});
    g.evaluate();
    EXPECT_EQ(*Scoring::ListForCode(g.board, g.eval, 0), (Words{"act", "cat", "cats"}));
    EXPECT_EQ(*Scoring::ListForCode(g.board, g.eval, 1), (Words{"act"}));
    EXPECT_EQ(*Scoring::ListForCode(g.board, g.eval, 2), (Words{"cat"}));
    EXPECT_TRUE(Scoring::ListForCode(g.board, g.eval, 100)->empty());
    EXPECT_EQ(*Scoring::ListForCode(g.board, g.eval, 101), (Words{"cats"}));
    EXPECT_EQ(*Scoring::ListForCode(g.board, g.eval, 200), (Words{"zzz"}));
    EXPECT_EQ(Scoring::ListForCode(g.board, g.eval, 3), nullptr) << "the score table";
    EXPECT_EQ(Scoring::ListForCode(g.board, g.eval, 102), nullptr) << "no third player";
    EXPECT_EQ(Scoring::ListForCode(g.board, g.eval, 202), nullptr);
    EXPECT_EQ(Scoring::ListForCode(g.board, g.eval, -1), nullptr);
}

TEST(Scoring, scoreRowsAreFifteenWide)
{
    EXPECT_EQ(Scoring::FormatScoreRow("TOTAL", 42), "TOTAL:       42");
    EXPECT_EQ(Scoring::FormatScoreRow("COMMON", 0), "COMMON:       0");
    // The label gives way to the number: 15 - (digits + 1) characters of it are kept.
    EXPECT_EQ(Scoring::FormatScoreRow("Bartholomew-Smith", 7), "Bartholomew-S:7");
    EXPECT_EQ(Scoring::FormatScoreRow("Bartholomew-Smith", 12345), "Bartholom:12345");
    EXPECT_EQ(Scoring::FormatScoreRow("", 3), ":             3");
    EXPECT_EQ(Scoring::FormatScoreRow("Ann", 2147483647), "Ann: 2147483647");
    // Names are counted in characters, so a row of a name with accents lines up too.
    EXPECT_EQ(Scoring::FormatScoreRow("Zo\xc3\xab", 5), "Zo\xc3\xab:          5");
    EXPECT_EQ(Scoring::FormatScoreRow("\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
                                      "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9",
                                      1),
              "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
              "\xc3\xa9\xc3\xa9\xc3\xa9:1")
        << "cut between characters, never inside one";
}

TEST(Scoring, scoreTableOfANetworkGame)
{
    Game g(NetworkHost, {{"cats", "zzz", "stacks"}, {"cats", "eat"}},
           {"act", "cats", "eat", "stacks", "tea"});
    g.game.PlayerNames = {"Ann", "Bob"};
    g.evaluate();
    const std::vector<std::string> expected = {
        "Ann:          3", "Bob:          1",  "________________", "# of words",
        "Ann:          1", "Bob:          1",  "COMMON:       1",  "UNUSED:       2",
        "TOTAL:        5", "________________", "# undefined",      "Ann:          1",
        "Bob:          0",
    };
    EXPECT_EQ(Scoring::ScoreTableRows(g.game, g.board, g.eval), expected);
}

} // namespace
