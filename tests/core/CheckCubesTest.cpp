// Tracing words on the board: the answer, the marked path, and the bounds of the search.
#include "core/board/CheckCubes.h"

#include "PlainPathSearch.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using CheckCubes::Marks;

BoardState Board(const std::string& picture)
{
    std::string text = picture;
    std::erase(text, '/');
    BoardState board;
    Dice::PlaceBoard(text, board.BoardFaces, board.BoardGrid);
    return board;
}

std::string Picture(const Marks& marks)
{
    std::string text;
    for (int r = 0; r < 4; ++r) {
        if (r > 0)
            text += '/';
        for (int c = 0; c < 4; ++c)
            text += marks[r][c] ? 'x' : '.';
    }
    return text;
}

TEST(CheckCubes, cubeTextsTakeQuAsOne)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(CheckCubes::CubeTexts("quit"), (V{"qu", "i", "t"}));
    EXPECT_EQ(CheckCubes::CubeTexts("qit"), (V{"q", "i", "t"}));
    EXPECT_EQ(CheckCubes::CubeTexts("iraq"), (V{"i", "r", "a", "qu"})) << "a final q";
    EXPECT_EQ(CheckCubes::CubeTexts("qq"), (V{"q", "qu"}));
    EXPECT_EQ(CheckCubes::CubeTexts("ququ"), (V{"qu", "qu"}));
    EXPECT_TRUE(CheckCubes::CubeTexts("").empty());
}

// Each case: board, repeat letters, word, whether it is found, and the marks left
// behind ("" when they are not checked).
TEST(CheckCubes, wordsAndTheMarksOfTheirPaths)
{
    const char* const row = "CATS/ODGE/BRIN/LXYZ";
    // Qu at (1,1), I at (1,2), T at (2,2); another I at (3,3) touches no Qu.
    const char* const qu = "ABCD/EQIF/GHTJ/KLMI";
    const struct { const char* board; bool repeat; const char* word; bool found; const char* marks; } cases[] = {
        {row, false, "cat", true, "xxx./..../..../...."},
        {row, false, "cod", true, "x.../xx../..../...."},
        {row, false, "c", true, "x.../..../..../...."},
        {row, false, "dog", false, ""}, // O and G do not touch
        // First and last cube: the start cube tried stays marked.
        {row, false, "cz", false, "x.../..../..../...."},
        {row, true, "cz", false, ""},
        {row, false, "aa", false, ""},
        {row, true, "aa", true, ".x../..../..../...."}, // the same cube twice in a row
        // "sees" needs two E cubes without repeats; this board has one.
        {row, false, "sees", false, ""},
        {row, true, "sees", true, ""},
        {qu, false, "quit", true, "..../.xx./..x./...."}, // qu takes one cube
        {qu, false, "qit", false, ""},                    // no cube holds a q alone
        {qu, false, "q", true, "..../.x../..../...."},   // a lone q is the Qu cube
        {qu, false, "tiq", true, "..../.xx./..x./...."}, // a final q ends on the Qu cube
        {qu, false, "u", false, ""}, // the u belongs to the Qu cube
        // Two A cubes touch the C: (0,1) comes before (1,0) in the 3 by 3 order.
        {"CAXX/ATXX/XXXX/XXXX", false, "cat", true, "xx../.x../..../...."},
        // Two start cubes: the first in row-major order wins, also when not a corner.
        {"XXDO/GXXX/XXXX/DOGX", false, "dog", true, "..../..../..../xxx."},
        // The first start cube leads nowhere: its marks are gone, the second one's stay.
        {"DXXX/XXXX/XXXX/DOGX", false, "dog", true, "..../..../..../xxx."},
        // "abac": the first A tried after B is the start cube itself; no C touches it, so
        // that branch fails and clears the start's mark. The A at (1,2) then leads to the
        // C at (2,2): the word is found, but its first cube is left unmarked.
        {"ABXX/XXAX/XXCX/XXXX", true, "abac", true, ".x../..x./..x./...."},
        // Without repeat letters the start cube is never tried again and keeps its mark.
        {"ABXX/XXAX/XXCX/XXXX", false, "abac", true, "xx../..x./..x./...."},
    };
    for (const auto& c : cases) {
        BoardState b = Board(c.board);
        EXPECT_EQ(CheckCubes::WordOnBoard(b, c.repeat, c.word), c.found)
            << c.word << " repeat " << c.repeat << " on " << c.board;
        if (*c.marks) {
            EXPECT_EQ(Picture(b.UsedCubes), c.marks) << c.word << " on " << c.board;
        }
    }
}

TEST(CheckCubes, missingFirstLettersKeepTheMarksAndTheEmptyWordClearsThem)
{
    BoardState b = Board("CATS/ODGE/BRIN/LXYZ");
    ASSERT_TRUE(CheckCubes::WordOnBoard(b, false, "cod"));
    const Marks before = b.UsedCubes;
    for (bool repeat : {false, true})
        for (const char* word : {"help", "qat" /* no Qu cube at all */}) {
            EXPECT_FALSE(CheckCubes::WordOnBoard(b, repeat, word));
            EXPECT_EQ(b.UsedCubes, before) << word;
        }
    EXPECT_TRUE(CheckCubes::WordOnBoard(b, false, ""));
    EXPECT_EQ(b.UsedCubes, Marks{});
    BoardState blank; // before the first game every cube is blank
    EXPECT_TRUE(CheckCubes::WordOnBoard(blank, false, ""));
    EXPECT_FALSE(CheckCubes::WordOnBoard(blank, false, "a"));
}

// Runs the game's search twice, with dead ends remembered from the first step and as
// the game does; both must agree with the plain search in answer and marks.
void ExpectSameAsPlain(BoardState& board, const std::string& word, bool repeat, int& found,
                       int& missed)
{
    Marks start{};
    for (int k : {0, 3, 5, 10, 12, 15})
        start[k / 4][k % 4] = true;
    Marks plainMarks = start;
    PlainPathSearch plain{board.BoardGrid, plainMarks, repeat};
    const bool expected = plain.wordOnBoard(word);
    (expected ? found : missed) += 1;
    for (std::int64_t stepsBeforeMemo : {std::int64_t{0}, std::int64_t{256}}) {
        board.UsedCubes = start;
        CheckCubes::PathSearch search(board.BoardGrid, board.UsedCubes, repeat, word,
                                      stepsBeforeMemo);
        EXPECT_EQ(search.WordOnBoard(), expected) << word << " repeat " << repeat << " memo " << stepsBeforeMemo;
        EXPECT_EQ(Picture(board.UsedCubes), Picture(plainMarks)) << word << " repeat " << repeat;
    }
}

// Every result and every mark equals the plain search's, on boards full of repeats.
TEST(CheckCubes, sameAnswersAndMarksAsThePlainSearch)
{
    std::mt19937 random(20240611);
    int found = 0, missed = 0;
    for (int boardNo = 0; boardNo < 300; ++boardNo) {
        std::string text; // many repeats, and the Qu cube now and then
        for (int k = 0; k < 16; ++k)
            text += "AABEQ"[random() % 5];
        BoardState fast = Board(text);
        for (int w = 0; w < 40; ++w) {
            std::string word;
            for (int i = 0, n = int(random() % 11); i < n; ++i)
                word += "aabequ"[random() % 6];
            for (bool repeat : {false, true})
                ExpectSameAsPlain(fast, word, repeat, found, missed);
        }
    }
    // Long searches over one letter, where dead ends are remembered.
    for (const char* text : {"AAAA/AAAB/AAXX/XAXA", "BAAA/AAAA/XXXX/AAAB"}) {
        BoardState fast = Board(text);
        for (int n = 1; n <= 10; ++n)
            for (const std::string& word :
                 {std::string(n, 'a'), std::string(n, 'a') + "b", "b" + std::string(n, 'a')})
                for (bool repeat : {false, true})
                    ExpectSameAsPlain(fast, word, repeat, found, missed);
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
        {"AAAA/AAAA/AAAA/AAAA", true, a14 + "ab", false, 16 * 16 * 9, ""},
        {"AAAA/AAAA/AAAA/AAAA", true, std::string(40, 'a') + "b", false, 41 * 16 * 9, ""},
        {"AAAA/AAAA/AAAA/AAAA", true, std::string(16, 'a'), true, 16 * 16 * 9, ""},
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
        if (*c.marks) {
            EXPECT_EQ(Picture(b.UsedCubes), c.marks) << c.word;
        }
    }
}

} // namespace
