// SPDX-License-Identifier: GPL-3.0-or-later
// Tracing words on the board: the answer, the marked path, the bounds of the search, and
// the path as it is drawn with the cubes it can go to next.
#include "core/board/CheckCubes.h"

#include "PlainPathSearch.h"
#include "Scripted.h"

#include <QStringList>

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

// Words and the marks their search leaves, and a bounded amount of work: counted in steps,
// not timed. Each case: board, repeat letters, word, whether it is found, most steps, marks
// left ("" unchecked). The random comparison above covers the rest; these pin the plain
// search down.
TEST(CheckCubes, wordsTheirMarksAndTheSearchsBoundedWork)
{
    const std::string a14(14, 'a');
    const char* const abac = "ABXX/XXAX/XXCX/XXXX";
    const struct { const char* board; bool repeat; std::string word; bool found; std::int64_t steps; const char* marks; } cases[] = {
        {"ABCD/EQIF/GHTJ/KLMI", false, "quit", true, 100, "..../.xx./..x./...."}, // qu takes one cube
        // "abac": the first A tried after B is the start cube itself; no C touches it, so
        // that branch fails and clears the start's mark. The A at (1,2) then leads to the
        // C at (2,2): the word is found, but its first cube is left unmarked.
        {abac, true, "abac", true, 100, ".x../..x./..x./...."},
        // Without repeat letters the start cube is never tried again and keeps its mark.
        {abac, false, "abac", true, 100, "xx../..x./..x./...."},
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
    BoardState blank; // before the first game every cube is blank
    EXPECT_TRUE(CheckCubes::WordOnBoard(blank, false, ""));
    EXPECT_FALSE(CheckCubes::WordOnBoard(blank, false, "a"));
}

} // namespace

namespace {

// Strokes as "from>to (x1,y1)-(x2,y2)" on a 400-unit board, then each path cube's steps,
// then the cubes it cannot take next as a picture ("x").
std::string Drawn(const std::vector<int>& path, bool repeat)
{
    QStringList strokes, steps;
    for (const BoardView::PathSegment& s : BoardView::PathSegments(path, QRectF(0, 0, 400, 400)))
        strokes << QString("%1>%2 (%3,%4)-(%5,%6)")
                       .arg(s.from).arg(s.to)
                       .arg(qRound(s.line.x1())).arg(qRound(s.line.y1()))
                       .arg(qRound(s.line.x2())).arg(qRound(s.line.y2()));
    for (int i = 0; i < 16; ++i)
        if (const QString on = BoardView::StepsOn(path, i); !on.isEmpty())
            steps << QString("%1:%2").arg(i).arg(on);
    const std::array<bool, 16> dead = BoardView::DeadCubes(path, repeat);
    Marks marks{};
    for (int k = 0; k < 16; ++k)
        marks[k / 4][k % 4] = dead[static_cast<std::size_t>(k)];
    return (strokes.join("; ") + " | " + steps.join(' ')).toStdString() + " | " + Picture(marks);
}

} // namespace

// The path of a word drawn in its order: one stroke per step between cubes, stopping 30
// units short of each 100-unit cube's middle; a step on the same cube draws none, the way
// back runs beside the way there; the step numbers tell the order on every cube. Dead
// cubes do not touch the last one, or are used (without repeat letters); none before the
// first letter.
TEST(BoardView, pathStrokesFollowTheWordsOrder)
{
    const struct {
        const char* board; // "" for a path of clicked cubes
        bool repeat;
        const char* word;
        std::vector<int> clicked;
        const char* drawn;
    } cases[] = {
        {"ABCD/EQIF/GHTJ/KLMI", false, "quit", {}, // Qu is one cube, one step
         "5>6 (180,150)-(220,150); 6>10 (250,180)-(250,220) | 5:1 6:2 10:3 | xxxx/xxx./x.x./x..."},
        {"EFXX/XXXX/XXXX/XXXX", true, "efe", {},
         "0>1 (80,60)-(120,60); 1>0 (120,40)-(80,40) | 0:1,3 1:2 | ..xx/..xx/xxxx/xxxx"},
        {"EXXX/XXXX/XXXX/XXXX", true, "ee", {}, " | 0:1,2 | ..xx/..xx/xxxx/xxxx"},
        {"ABCD/EFGH/IJKL/MNOP", false, "dgjm", {},
         "3>6 (329,71)-(271,129); 6>9 (229,171)-(171,229); 9>12 (129,271)-(71,329) | 3:1 6:2 9:3 12:4 | xxxx/xxxx/.xxx/x.xx"},
        {"", false, "", {15, 0}, "15>0 (329,329)-(71,71) | 0:2 15:1 | x.xx/..xx/xxxx/xxxx"}, // clicks need not touch
        {"", true, "", {1, 2, 1, 2}, // the same way twice moves further out
         "1>2 (180,60)-(220,60); 2>1 (220,40)-(180,40); 1>2 (180,70)-(220,70) | 1:1,3 2:2,4 | x.../x.../xxxx/xxxx"},
        {"", false, "", {}, " |  | ..../..../..../...."},
    };
    for (const auto& c : cases) {
        std::vector<int> path = c.clicked;
        if (*c.board) {
            BoardState board = Board(c.board);
            CheckCubes::PathSearch search(board.BoardGrid, board.UsedCubes, c.repeat, c.word);
            ASSERT_TRUE(search.WordOnBoard()) << c.word;
            path = search.order();
        }
        EXPECT_EQ(Drawn(path, c.repeat), c.drawn) << c.word;
    }
}
