// SPDX-License-Identifier: GPL-3.0-or-later
// The words of a board, checked against a plain trace of every dictionary word.
#include "../support/PlainWords.h"
#include "TestFiles.h"
#include "engine/BoardText.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using engine::Engine;
using enginetest::RandomText;
using Words = std::vector<std::string>;

// Random boards over a few letters against a dictionary over the same letters: crowded
// boards with long words, and with 'q' the Qu cube and words with a q but no u. A board
// of two letters makes the solver check long words path by path, past its step budget.
TEST(Board, RandomBoardsMatchThePlainTrace)
{
    const struct { const char* letters; int words, boards, min, max; } cases[] = {{"aeqrstu", 4000, 120, 3, 16}, {"aeqrstu", 4000, 30, 2, 2},
                 {"aeqrstu", 4000, 30, 4, 6},   {"aeqrstu", 4000, 30, 7, 16},
                 {"ab", 60, 60, 2, 16}};
    std::mt19937 rng(11);
    for (const auto& c : cases) {
        const std::string letters = c.letters;
        std::set<std::string> words;
        while (int(words.size()) < c.words)
            words.insert(RandomText(rng, letters, 2 + rng() % 15));
        for (char a : letters) // every short word: short words are where boards are dense
            for (char b : letters)
                words.insert({a, b});
        const Words dictionary(words.begin(), words.end());
        Engine e;
        for (const std::string& w : dictionary)
            e.cDictionaryAdd(w);
        e.cSetMinWordSize(c.min);
        e.cSetMaxWordSize(c.max);
        for (int i = 0; i < c.boards; ++i) {
            const std::string board = RandomText(rng, letters, 16);
            const Words found = e.definedWords(board);
            ASSERT_EQ(found, TracedWords(board, dictionary, c.min, c.max, found, 2'000'000))
                << board << " " << c.min << ".." << c.max;
        }
    }
}

// Boards whose answers are known by heart: each case gives the words, the size limits,
// the board and the words found. The random boards cover the Qu cube and the geometry.
TEST(Board, KnownBoards)
{
    const Words snake = {"abc", "abcdefghijklmn", "abcdefghijklmno", "abcdefghijklmnop", "abd"};
    const struct { Words words; int min, max; const char* board; Words found; } cases[] = {
        // The longest words come back whole.
        {snake, 3, 16, "abcdhgfeijklponm", {"abc", "abcdefghijklmn", "abcdefghijklmno", "abcdefghijklmnop"}},
        // Found only by the check that follows the ways together once paths get too many.
        {{"aabbbaabababbbaa", "abaababbbbbb"}, 3, 16, "ababaababababbab",
         {"aabbbaabababbbaa", "abaababbbbbb"}},
    };
    for (const auto& c : cases) {
        Engine e;
        for (const std::string& w : c.words)
            e.cDictionaryAdd(w);
        e.cSetMinWordSize(c.min);
        e.cSetMaxWordSize(c.max);
        EXPECT_EQ(e.definedWords(c.board), c.found) << c.board << " " << c.min << ".." << c.max;
    }
}

TEST(Board, BadBoardsAndIndexesFindNothingAndEditsCountAtOnce)
{
    Engine e;
    e.cDictionaryAdd("cat");
    ASSERT_EQ(e.definedWords("catsxxxxxxxxxxxx"), Words{"cat"});
    for (int index : {1, -1, 1 << 30})
        EXPECT_EQ(e.cGetDefinedWord(index), "") << index;
    for (const char* w : {"cats", "tac"})
        e.cDictionaryAdd(w);
    e.cDictionaryRemove("cat");
    EXPECT_EQ(e.definedWords("catsxxxxxxxxxxxx"), (Words{"cats", "tac"}));
    for (const std::string& bad : Words{"", "catxxxxxxxxxxxxxx", "CATXXXXXXXXXXXXX",
                                        std::string("cat\0xxxxxxxxxxxx", 16)}) {
        EXPECT_EQ(e.cCheckForAllDefinedWords(bad), 0) << bad;
        EXPECT_EQ(e.cGetDefinedWord(0), "") << "the last board's words are gone";
    }
}

TEST(BoardText, AcceptsSixteenLettersOfEitherCase)
{
    EXPECT_EQ(engine::boardFromText("ABCDefghIJKLmnoz"), "abcdefghijklmnoz");
    for (const char* bad : {"ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNO1", "ABCDEFGHIJKLMN\xc3\x89"})
        EXPECT_FALSE(engine::boardFromText(bad).has_value()) << bad;
}

} // namespace
