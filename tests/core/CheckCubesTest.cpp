// SPDX-License-Identifier: GPL-3.0-or-later
// Tracing words on the board: the answer, the marked path, and the bounds of the search.
#include "core/board/CheckCubes.h"

#include "PlainPathSearch.h"
#include "Scripted.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using CheckCubes::Marks;

BoardState Board(const std::string& picture)
{
    BoardState board;
    Dice::PlaceBoard(BoardFromText(picture), board.BoardFaces, board.BoardGrid);
    return board;
}

std::string Picture(const Marks& marks)
{
    std::string text;
    for (int k = 0; k < 16; ++k)
        text += std::string(k > 0 && k % 4 == 0, '/') + (marks[k / 4][k % 4] ? 'x' : '.');
    return text;
}

// Each case: board, repeat letters, word, whether it is found, and the marks left
// behind. The random comparison below covers the rest; these pin the plain search down.
TEST(CheckCubes, wordsAndTheMarksOfTheirPaths)
{
    // Qu at (1,1), I at (1,2), T at (2,2).
    const char* const qu = "ABCD/EQIF/GHTJ/KLMI";
    const struct { const char* board; bool repeat; const char* word; bool found; const char* marks; } cases[] = {
        {qu, false, "quit", true, "..../.xx./..x./...."}, // qu takes one cube
        // "abac": the first A tried after B is the start cube itself; no C touches it, so
        // that branch fails and clears the start's mark. The A at (1,2) then leads to the
        // C at (2,2): the word is found, but its first cube is left unmarked.
        {"ABXX/XXAX/XXCX/XXXX", true, "abac", true, ".x../..x./..x./...."},
        // Without repeat letters the start cube is never tried again and keeps its mark.
        {"ABXX/XXAX/XXCX/XXXX", false, "abac", true, "xx../..x./..x./...."},
    };
    for (const auto& c : cases) {
        BoardState b = Board(c.board);
        EXPECT_EQ(CheckCubes::WordOnBoard(b, c.repeat, c.word), c.found) << c.word << " on " << c.board;
        EXPECT_EQ(Picture(b.UsedCubes), c.marks) << c.word << " on " << c.board;
    }
    BoardState blank; // before the first game every cube is blank
    EXPECT_TRUE(CheckCubes::WordOnBoard(blank, false, ""));
    EXPECT_FALSE(CheckCubes::WordOnBoard(blank, false, "a"));
}

// Every result, every mark and the order of the path found equal the plain search's, on boards full of repeats, with
// dead ends remembered from the first step and as the game does. The words hold "qu",
// a lone "q" and a final "q" (which the cubes read as Qu).
TEST(CheckCubes, sameAnswersAndMarksAsThePlainSearch)
{
    int found = 0, missed = 0;
    const auto expectSameAsPlain = [&](BoardState& board, const std::string& word) {
        Marks start{};
        for (int k : {0, 3, 5, 10, 12, 15})
            start[k / 4][k % 4] = true;
        for (bool repeat : {false, true}) {
            Marks plainMarks = start;
            PlainPathSearch plain{board.BoardGrid, plainMarks, repeat};
            const bool expected = plain.wordOnBoard(word);
            (expected ? found : missed) += 1;
            for (std::int64_t stepsBeforeMemo : {0, 256}) {
                board.UsedCubes = start;
                CheckCubes::PathSearch search(board.BoardGrid, board.UsedCubes, repeat, word, stepsBeforeMemo);
                EXPECT_EQ(search.WordOnBoard(), expected) << word << " repeat " << repeat << " memo " << stepsBeforeMemo;
                EXPECT_EQ(Picture(board.UsedCubes), Picture(plainMarks)) << word << " repeat " << repeat;
                // The path in order, which the results window numbers.
                EXPECT_TRUE(!expected || search.order() == plain.order) << word << " repeat " << repeat;
            }
        }
    };
    std::mt19937 random(20240611);
    for (int boardNo = 0; boardNo < 300; ++boardNo) {
        std::string text; // many repeats, and the Qu cube now and then
        for (int k = 0; k < 16; ++k)
            text += "AABEQ"[random() % 5];
        BoardState board = Board(text);
        for (int w = 0; w < 40; ++w) {
            std::string word;
            for (int i = 0, n = int(random() % 11); i < n; ++i)
                word += "aabequ"[random() % 6];
            expectSameAsPlain(board, word);
        }
    }
    // The sample must cover both outcomes well, or it proves little.
    EXPECT_GT(found, 3000);
    EXPECT_GT(missed, 3000);
}

// The search does a bounded amount of work: counted in steps, not timed. Each case:
// board, repeat letters, word, whether it is found, most steps, marks left ("" unchecked).
TEST(CheckCubes, longWordsOverRepeatedLettersStayCheap)
{
    const std::string a14(14, 'a');
    const struct { const char* board; bool repeat; std::string word; bool found; std::int64_t steps; const char* marks; } cases[] = {
        // Repeat letters: every (position in word, cube) pair is explored at most once.
        {"AAAA/AAAA/AAAA/AAAA", true, std::string(40, 'a') + "b", false, 41 * 16 * 9, ""},
        // No repeats: one A too many, or B and C that never touch, fail before any search.
        {"AAAA/AAAA/AAAA/AAAA", false, std::string(17, 'a'), false, 0, "..../..../..../...x"},
        {"BAAA/AAAA/AAAA/AAAC", false, a14 + "bc", false, 0, "..../..../..../..x."},
        // Twelve A cubes that touch and one alone: each (cube, cubes on the path) is tried
        // at most once, where the plain search would walk millions of paths.
        {"AAAA/AAAA/AAXX/AAXA", false, std::string(13, 'a'), false, 12 << 12, "..../..../..../...x"},
        {"BAAA/AAAA/AAAA/AAAC", false, "c" + a14 + "b", true, 1 << 20, "xxxx/xxxx/xxxx/xxxx"},
    };
    for (const auto& c : cases) {
        BoardState b = Board(c.board);
        CheckCubes::PathSearch search(b.BoardGrid, b.UsedCubes, c.repeat, c.word);
        EXPECT_EQ(search.WordOnBoard(), c.found) << c.word;
        EXPECT_LE(search.steps(), c.steps) << c.word;
        EXPECT_TRUE(!*c.marks || Picture(b.UsedCubes) == c.marks) << c.word << ": " << Picture(b.UsedCubes);
    }
}

} // namespace
