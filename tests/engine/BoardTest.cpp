// The words of a board, checked against a slow word-by-word tracer.
#include "engine/BoardText.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#ifndef LETTRO_WORD_LIST
#error "LETTRO_WORD_LIST must name the shipped word list"
#endif

namespace {

using engine::Engine;

// Can `word` be traced on `board` from cube `pos` on, matching word[at...]? The Qu cube
// ('q' on the board) matches the two letters "qu".
bool traceFrom(const std::string& board, const std::string& word, std::size_t at, int pos,
               std::array<bool, 16>& used)
{
    const char cube = board[static_cast<std::size_t>(pos)];
    std::size_t next = at;
    if (cube == 'q') {
        if (word.compare(at, 2, "qu") != 0)
            return false;
        next += 2;
    } else {
        if (word[at] != cube)
            return false;
        next += 1;
    }
    if (next == word.size())
        return true;
    used[static_cast<std::size_t>(pos)] = true;
    const int r = pos / 4, c = pos % 4;
    for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) {
            const int rr = r + dr, cc = c + dc;
            if ((dr || dc) && rr >= 0 && rr < 4 && cc >= 0 && cc < 4 && !used[rr * 4 + cc]
                && traceFrom(board, word, next, rr * 4 + cc, used)) {
                used[static_cast<std::size_t>(pos)] = false;
                return true;
            }
        }
    used[static_cast<std::size_t>(pos)] = false;
    return false;
}

bool canTrace(const std::string& board, const std::string& word)
{
    std::array<bool, 16> used{};
    for (int p = 0; p < 16; ++p)
        if (traceFrom(board, word, 0, p, used))
            return true;
    return false;
}

std::vector<std::string> expectedWords(const std::string& board,
                                       const std::vector<std::string>& dictionary, int min, int max)
{
    std::vector<std::string> out;
    for (const std::string& w : dictionary) // already sorted
        if (int(w.size()) >= min && int(w.size()) <= max && canTrace(board, w))
            out.push_back(w);
    return out;
}

std::vector<std::string> foundWords(Engine& e, const std::string& board)
{
    const int n = e.cCheckForAllDefinedWords(board);
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i)
        out.push_back(e.cGetDefinedWord(i));
    return out;
}

std::string randomBoard(std::mt19937& rng, const std::string& letters)
{
    std::uniform_int_distribution<std::size_t> pick(0, letters.size() - 1);
    std::string b(16, ' ');
    for (char& c : b)
        c = letters[pick(rng)];
    return b;
}

const std::array<const char*, 16> kDice = {
    "edamcp", "tayilb", "irofxb", "sewodn", "sacelr", "osahmr", "ylgkue", "wglriu",
    "okutnd", "oqamjb", "ipenhs", "vgtnei", "azevdn", "aoiatc", "tusepl", "ifehey"};

std::string diceBoard(std::mt19937& rng, bool withQu)
{
    std::array<int, 16> order{};
    for (int i = 0; i < 16; ++i)
        order[i] = i;
    std::shuffle(order.begin(), order.end(), rng);
    std::uniform_int_distribution<int> face(0, 5);
    std::string b(16, ' ');
    for (int p = 0; p < 16; ++p)
        b[p] = kDice[order[p]][face(rng)];
    if (withQu)
        b[std::uniform_int_distribution<int>(0, 15)(rng)] = 'q';
    return b;
}

const std::vector<std::string>& shippedWords()
{
    static const std::vector<std::string> words = [] {
        std::vector<std::string> w;
        std::ifstream in(LETTRO_WORD_LIST);
        for (std::string line; std::getline(in, line);)
            w.push_back(line);
        return w;
    }();
    return words;
}

class SmallAlphabet : public ::testing::Test {
protected:
    // Few letters give crowded boards with long words; q without u must never be found.
    void SetUp() override
    {
        std::mt19937 rng(11);
        const std::string letters = "aeqrstu";
        std::uniform_int_distribution<int> len(2, 16);
        std::uniform_int_distribution<std::size_t> pick(0, letters.size() - 1);
        std::set<std::string> words;
        while (words.size() < 4000) {
            std::string w(static_cast<std::size_t>(len(rng)), ' ');
            for (char& c : w)
                c = letters[pick(rng)];
            words.insert(w);
        }
        // Short words are where boards are dense: add every one of 2 and 3 letters.
        for (char a : letters)
            for (char b : letters) {
                words.insert(std::string{a, b});
                for (char c : letters)
                    words.insert(std::string{a, b, c});
            }
        dictionary.assign(words.begin(), words.end());
        for (const std::string& w : dictionary)
            engine.cDictionaryAdd(w);
    }

    std::vector<std::string> dictionary;
    Engine engine;
};

TEST_F(SmallAlphabet, BoardsMatchTheTracer)
{
    std::mt19937 rng(12);
    for (int i = 0; i < 300; ++i) {
        const std::string board = randomBoard(rng, "aeqrstu");
        ASSERT_EQ(foundWords(engine, board), expectedWords(board, dictionary, 3, 16)) << board;
    }
}

TEST_F(SmallAlphabet, WordSizeLimitsCountLettersWithQuAsTwo)
{
    std::mt19937 rng(13);
    for (auto [min, max] : {std::pair{2, 2}, {2, 16}, {4, 6}, {5, 5}, {7, 16}}) {
        engine.cSetMinWordSize(min);
        engine.cSetMaxWordSize(max);
        for (int i = 0; i < 60; ++i) {
            const std::string board = randomBoard(rng, "aeqrstu");
            ASSERT_EQ(foundWords(engine, board), expectedWords(board, dictionary, min, max))
                << board << " " << min << ".." << max;
        }
    }
}

TEST(Board, ShippedWordListMatchesTheTracer)
{
    const auto& words = shippedWords();
    ASSERT_GT(words.size(), 100000u);
    Engine e;
    int percent = e.cReadTextFile(LETTRO_WORD_LIST);
    while (percent < 100)
        percent = e.cReadTextFile("dummy");
    ASSERT_EQ(e.cNumberOfWords(), static_cast<int>(words.size()));
    std::mt19937 rng(14);
    std::size_t total = 0;
    for (int i = 0; i < 24; ++i) {
        const std::string board = diceBoard(rng, i % 3 == 0);
        const auto found = foundWords(e, board);
        ASSERT_EQ(found, expectedWords(board, words, 3, 16)) << board;
        total += found.size();
    }
    EXPECT_GT(total, 24u * 10); // real boards hold real words
}

TEST(Board, QuCubeSpellsQuAndNothingElse)
{
    Engine e;
    for (const char* w : {"quit", "quite", "qat", "suq", "aqua", "quiet", "equip"})
        e.cDictionaryAdd(w);
    // Qu e . .     the Qu cube at 0: "quit" = Qu + i + t, "equip" = e + Qu + i + p.
    // i  t . .     "qat" would need a Q without its u.
    // p  . . .
    // .  . . .
    const std::string board = "qexxitxxpxxxxxxx";
    EXPECT_EQ(foundWords(e, board),
              (std::vector<std::string>{"equip", "quiet", "quit", "quite"}));
    e.cSetMaxWordSize(4); // "quit" is four letters though it takes three cubes
    EXPECT_EQ(foundWords(e, board), (std::vector<std::string>{"quit"}));
    e.cSetMaxWordSize(16);
    e.cSetMinWordSize(5);
    EXPECT_EQ(foundWords(e, board), (std::vector<std::string>{"equip", "quiet", "quite"}));
}

TEST(Board, EachCubeAtMostOncePerWordAndWordsListedOnce)
{
    Engine e;
    for (const char* w : {"aba", "abab", "aaa", "ab"})
        e.cDictionaryAdd(w);
    e.cSetMinWordSize(2);
    // Only one 'a' and one 'b': "aba" would need the 'a' twice.
    EXPECT_EQ(foundWords(e, "abxxxxxxxxxxxxxx"), (std::vector<std::string>{"ab"}));
    // Many ways to trace "ab" and "aba", each listed once.
    EXPECT_EQ(foundWords(e, "abababababababab"),
              (std::vector<std::string>{"aaa", "ab", "aba", "abab"}));
    // Diagonals touch, cubes two apart do not.
    EXPECT_EQ(foundWords(e, "axxxxbxxxxxxxxxx"), (std::vector<std::string>{"ab"}));
    EXPECT_TRUE(foundWords(e, "axbxxxxxxxxxxxxx").empty());
    EXPECT_EQ(foundWords(e, "axxxbxxxxxxxxxxx"), (std::vector<std::string>{"ab"})); // down
    EXPECT_TRUE(foundWords(e, "xxxabxxxxxxxxxxx").empty()); // no wrap at the end of a row
}

TEST(Board, ALetterOnTwoCubesServesTwiceButNoCubeDoes)
{
    Engine e;
    for (const char* w : {"aba", "abab", "bab", "baa"}) // "bab" never: there is one b
        e.cDictionaryAdd(w);
    e.cSetMinWordSize(2);
    e.cDictionaryAdd("ab");
    // a b . .    Two a's, only one next to the b: "aba" would need the first a again.
    // . . . .
    // . . . .
    // . . . a
    EXPECT_EQ(foundWords(e, "abxxxxxxxxxxxxxa"), (std::vector<std::string>{"ab"}));
    // a b a .    Now each a of "aba" has its own cube; "abab" would need the b twice.
    EXPECT_EQ(foundWords(e, "abaxxxxxxxxxxxxa"), (std::vector<std::string>{"ab", "aba"}));
    // a a b .    "baa" goes b, a, a; "aba" needs a third a (the one at the end).
    // . . . .
    EXPECT_EQ(foundWords(e, "aabxxxxxxxxxxxxa"), (std::vector<std::string>{"ab", "baa"}));
}

TEST(Board, OneLetterEverywhereFindsEveryLengthOnce)
{
    // Millions of paths spell each of these words; each is listed once, and the search
    // ends (it used to follow every path).
    Engine e;
    e.cSetMinWordSize(2);
    std::vector<std::string> expected;
    for (int n = 2; n <= 16; ++n) {
        expected.push_back(std::string(static_cast<std::size_t>(n), 'e'));
        e.cDictionaryAdd(expected.back());
    }
    e.cDictionaryAdd("eeeeeeeeeeeeeeex");
    EXPECT_EQ(foundWords(e, std::string(16, 'e')), expected);
    // With an x at row 1, column 3 the sixteen e's no longer fit, but fifteen then the x
    // do, along one path only a little search finds: 12 13 14 15 11 10 9 8 4 0 1 5 6 2 3, x.
    expected.back() = "eeeeeeeeeeeeeeex";
    EXPECT_EQ(foundWords(e, "eeeeeeexeeeeeeee"), expected);
}

TEST(Board, WordsOfFifteenAndSixteenLettersComeBackWhole)
{
    // a b c d    The alphabet's first sixteen letters snake through every cube.
    // h g f e
    // i j k l
    // p o n m
    const std::string board = "abcdhgfeijklponm";
    Engine e;
    for (const char* w : {"abcdefghijklmnop", "abcdefghijklmno", "abcdefghijklmn", "abc", "abd"})
        e.cDictionaryAdd(w);
    EXPECT_EQ(foundWords(e, board), (std::vector<std::string>{"abc", "abcdefghijklmn",
                                                              "abcdefghijklmno",
                                                              "abcdefghijklmnop"}));
    e.cSetMaxWordSize(15);
    EXPECT_EQ(foundWords(e, board),
              (std::vector<std::string>{"abc", "abcdefghijklmn", "abcdefghijklmno"}));
}

TEST(Board, GetDefinedWordOutOfRangeIsEmpty)
{
    Engine e;
    e.cDictionaryAdd("cat");
    ASSERT_EQ(e.cCheckForAllDefinedWords("catxxxxxxxxxxxxx"), 1);
    EXPECT_EQ(e.cGetDefinedWord(0), "cat");
    EXPECT_EQ(e.cGetDefinedWord(1), "");
    EXPECT_EQ(e.cGetDefinedWord(-1), "");
    EXPECT_EQ(e.cGetDefinedWord(1 << 30), "");
}

TEST(Board, BadBoardTextFindsNothing)
{
    Engine e;
    e.cDictionaryAdd("cat");
    ASSERT_EQ(e.cCheckForAllDefinedWords("catxxxxxxxxxxxxx"), 1);
    for (const std::string& bad : std::vector<std::string>{"", "cat", "catxxxxxxxxxxxxxx", "CATXXXXXXXXXXXXX",
                                  "cat xxxxxxxxxxxx", std::string("cat\0xxxxxxxxxxxx", 16),
                                  "cat\xc3\xa9xxxxxxxxxx"}) {
        EXPECT_EQ(e.cCheckForAllDefinedWords(bad), 0) << bad;
        EXPECT_EQ(e.cGetDefinedWord(0), "") << "the last board's words are gone";
    }
}

TEST(Board, WordsAfterAnEditAreFoundAtOnce)
{
    Engine e;
    e.cDictionaryAdd("cat");
    const std::string board = "catsxxxxxxxxxxxx";
    EXPECT_EQ(foundWords(e, board), (std::vector<std::string>{"cat"}));
    e.cDictionaryAdd("cats");
    e.cDictionaryAdd("tac"); // read backwards
    EXPECT_EQ(foundWords(e, board), (std::vector<std::string>{"cat", "cats", "tac"}));
    e.cDictionaryRemove("cat");
    EXPECT_EQ(foundWords(e, board), (std::vector<std::string>{"cats", "tac"}));
}

TEST(BoardText, AcceptsSixteenLettersOfEitherCase)
{
    EXPECT_EQ(engine::boardFromText("ABCDEFGHIJKLMNOQ"), "abcdefghijklmnoq");
    EXPECT_EQ(engine::boardFromText("abcdEFGHijklMNOP"), "abcdefghijklmnop");
    for (const char* bad : {"", "ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNO1",
                            "ABCDEFGHIJKLMNO ", " BCDEFGHIJKLMNOP", "ABCDEFGHIJKLMN\xc3\x89"})
        EXPECT_FALSE(engine::boardFromText(bad).has_value()) << bad;
}

} // namespace
