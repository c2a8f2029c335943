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
    std::string text;
    for (char c : picture)
        if (c != '/')
            text += c;
    BoardState board;
    Dice::PlaceBoard(text, board.BoardFaces, board.BoardGrid);
    return board;
}

// Marks from a picture: "x" for a marked cube, anything else for a clear one.
Marks MarksOf(const std::string& picture)
{
    Marks marks{};
    int k = 0;
    for (char c : picture) {
        if (c == '/')
            continue;
        marks[k / 4][k % 4] = c == 'x';
        ++k;
    }
    return marks;
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
    const struct {
        const char* board;
        bool repeat;
        const char* word;
        bool found;
        const char* marks;
    } cases[] = {
        {row, false, "cat", true, "xxx./..../..../...."},
        {row, false, "tac", true, "xxx./..../..../...."},
        {row, false, "cats", true, "xxxx/..../..../...."},
        {row, false, "cod", true, "x.../xx../..../...."},
        {row, false, "c", true, "x.../..../..../...."},
        {row, false, "dog", false, ""}, // O and G do not touch
        // First and last cube: the start cube tried stays marked.
        {row, false, "cz", false, "x.../..../..../...."},
        {row, true, "cz", false, ""},
        {row, false, "catz", false, ""},
        {row, false, "aa", false, ""},
        {row, true, "aa", true, ".x../..../..../...."}, // the same cube twice in a row
        {row, true, "tat", true, ""},
        {row, false, "tat", false, ""},
        // "sees" needs two E cubes without repeats; this board has one.
        {row, false, "sees", false, ""},
        {row, true, "sees", true, ""},
        {qu, false, "quit", true, "..../.xx./..x./...."}, // qu takes one cube
        {qu, false, "qit", false, ""},                    // no cube holds a q alone
        {qu, true, "qit", false, ""},
        {qu, false, "q", true, "..../.x../..../...."},   // a lone q is the Qu cube
        {qu, false, "tiq", true, "..../.xx./..x./...."}, // a final q ends on the Qu cube
        {qu, false, "qu", true, ""},
        {qu, false, "u", false, ""}, // the u belongs to the Qu cube
        {qu, false, "tiquu", false, ""},
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

TEST(CheckCubes, aMissingFirstLetterLeavesTheMarksAlone)
{
    BoardState b = Board("CATS/ODGE/BRIN/LXYZ");
    ASSERT_TRUE(CheckCubes::WordOnBoard(b, false, "cod"));
    const Marks before = b.UsedCubes;
    for (bool repeat : {false, true}) {
        EXPECT_FALSE(CheckCubes::WordOnBoard(b, repeat, "help"));
        EXPECT_EQ(b.UsedCubes, before);
        EXPECT_FALSE(CheckCubes::WordOnBoard(b, repeat, "qat")) << "no Qu cube at all";
        EXPECT_EQ(b.UsedCubes, before);
    }
}

TEST(CheckCubes, theEmptyWordIsAlwaysThereAndClearsTheMarks)
{
    BoardState b = Board("CATS/ODGE/BRIN/LXYZ");
    ASSERT_TRUE(CheckCubes::WordOnBoard(b, false, "cats"));
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
    const Marks start = MarksOf("x..x/.x../..x./x..x");
    Marks plainMarks = start;
    PlainPathSearch plain{board.BoardGrid, plainMarks, repeat};
    const bool expected = plain.wordOnBoard(word);
    (expected ? found : missed) += 1;
    for (std::int64_t stepsBeforeMemo : {std::int64_t{0}, std::int64_t{256}}) {
        board.UsedCubes = start;
        CheckCubes::PathSearch search(board.BoardGrid, board.UsedCubes, repeat, word,
                                      stepsBeforeMemo);
        const std::string what = word + " repeat " + std::to_string(repeat) + " memo after " +
                                 std::to_string(stepsBeforeMemo);
        EXPECT_EQ(search.WordOnBoard(), expected) << what;
        EXPECT_EQ(Picture(board.UsedCubes), Picture(plainMarks)) << what;
    }
}

// Every result and every mark equals the plain search's, on boards full of repeats.
TEST(CheckCubes, sameAnswersAndMarksAsThePlainSearch)
{
    std::mt19937 random(20240611);
    const std::string letters = "AABEQ"; // many repeats, and the Qu cube now and then
    std::uniform_int_distribution<int> letter(0, static_cast<int>(letters.size()) - 1);
    std::uniform_int_distribution<int> length(0, 10);
    const std::string wordLetters = "aabequ";
    std::uniform_int_distribution<int> wordLetter(0, static_cast<int>(wordLetters.size()) - 1);
    int found = 0, missed = 0;
    for (int boardNo = 0; boardNo < 300; ++boardNo) {
        std::string text;
        for (int k = 0; k < 16; ++k)
            text += letters[static_cast<std::size_t>(letter(random))];
        BoardState fast = Board(text);
        for (int w = 0; w < 40; ++w) {
            std::string word;
            const int n = length(random);
            for (int i = 0; i < n; ++i)
                word += wordLetters[static_cast<std::size_t>(wordLetter(random))];
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

// The search does a bounded amount of work: counted in steps, not timed.
TEST(CheckCubes, longWordsOverRepeatedLettersStayCheap)
{
    BoardState allA = Board("AAAA/AAAA/AAAA/AAAA");
    // Repeat letters: every (position in word, cube) pair is explored at most once.
    for (const std::string& word :
         {std::string(15, 'a') + "b", std::string(40, 'a') + "b", std::string(16, 'a')}) {
        CheckCubes::PathSearch search(allA.BoardGrid, allA.UsedCubes, true, word);
        EXPECT_EQ(search.WordOnBoard(), word.back() == 'a');
        EXPECT_LE(search.steps(), static_cast<std::int64_t>(word.size()) * 16 * 9) << word;
    }
    // No repeats: a word that is one A too long fails before any search.
    {
        CheckCubes::PathSearch search(allA.BoardGrid, allA.UsedCubes, false, std::string(17, 'a'));
        EXPECT_FALSE(search.WordOnBoard());
        EXPECT_EQ(search.steps(), 0);
        EXPECT_EQ(Picture(allA.UsedCubes), "..../..../..../...x") << "as a failed search";
    }
    // No repeats: B and C never touch, so "...bc" has no start cube worth a try.
    BoardState corner = Board("BAAA/AAAA/AAAA/AAAC");
    {
        CheckCubes::PathSearch search(corner.BoardGrid, corner.UsedCubes, false,
                                      std::string(14, 'a') + "bc");
        EXPECT_FALSE(search.WordOnBoard());
        EXPECT_EQ(search.steps(), 0);
        EXPECT_EQ(Picture(corner.UsedCubes), "..../..../..../..x.") << "as a failed search";
    }
    // No repeats: twelve A cubes that touch and one alone. Thirteen A's fail only after
    // paths through all twelve; each (cube, cubes on the path) is tried at most once,
    // where the plain search would walk millions of paths.
    {
        BoardState island = Board("AAAA/AAAA/AAXX/AAXA");
        CheckCubes::PathSearch search(island.BoardGrid, island.UsedCubes, false,
                                      std::string(13, 'a'));
        EXPECT_FALSE(search.WordOnBoard());
        EXPECT_LE(search.steps(), std::int64_t{12} << 12);
        EXPECT_EQ(Picture(island.UsedCubes), "..../..../..../...x");
    }
    {
        CheckCubes::PathSearch search(corner.BoardGrid, corner.UsedCubes, false,
                                      "c" + std::string(14, 'a') + "b");
        EXPECT_TRUE(search.WordOnBoard()) << "a path through every cube";
        int marked = 0;
        for (const auto& row : corner.UsedCubes)
            for (bool m : row)
                marked += m ? 1 : 0;
        EXPECT_EQ(marked, 16);
    }
}

} // namespace
