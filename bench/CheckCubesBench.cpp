// SPDX-License-Identifier: GPL-3.0-or-later
// check-cubes-bench: the path search on its hardest inputs (Google Benchmark).
// Every case must stay well under a millisecond per word.
#include "core/board/CheckCubes.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

BoardState Board(const std::string& text)
{
    BoardState board;
    Dice::PlaceBoard(text, board.BoardFaces, board.BoardGrid);
    return board;
}

void Search(benchmark::State& state, const std::string& boardText, const std::string& word,
            bool repeat)
{
    BoardState board = Board(boardText);
    for (auto _ : state) {
        CheckCubes::PathSearch search(board.BoardGrid, board.UsedCubes, repeat, word);
        benchmark::DoNotOptimize(search.WordOnBoard());
        state.counters["steps"] = static_cast<double>(search.steps());
    }
}

const std::string kAllA = "AAAAAAAAAAAAAAAA";
const std::string kCorner = "BAAAAAAAAAAAAAAC"; // B and C in opposite corners

} // namespace

// Repeat letters on: words that run over one letter and fail only at the end.
BENCHMARK_CAPTURE(Search, repeatAllA16Fail, kAllA, std::string(15, 'a') + "b", true);
BENCHMARK_CAPTURE(Search, repeatAllA40Fail, kAllA, std::string(39, 'a') + "b", true);
BENCHMARK_CAPTURE(Search, repeatCornerFail, kCorner, std::string(14, 'a') + "bc", true);
// Repeat letters off: paths through every A before the last letters fail.
BENCHMARK_CAPTURE(Search, plainCornerFail, kCorner, std::string(14, 'a') + "bc", false);
// Appended, not "c" + string: GCC 12 at -O3 warns (-Wrestrict) on the latter.
BENCHMARK_CAPTURE(Search, plainCornerFound, kCorner, std::string("c").append(14, 'a').append("b"),
                  false);
BENCHMARK_CAPTURE(Search, plainAllA16Found, kAllA, std::string(16, 'a'), false);
BENCHMARK_CAPTURE(Search, plainAllA15Fail, "AAAAAAAAAAAAAAAB", std::string(14, 'a') + "ba", false);
BENCHMARK_CAPTURE(Search, plainEightEs, "EAEBECEDEFEGEHEI", "eaebecedefegehei", false);
// Twelve A cubes that touch and a thirteenth alone: no path through thirteen of them,
// found out only by trying paths through all twelve.
BENCHMARK_CAPTURE(Search, plainIsland13Fail, "AAAAAAAAAAXXAAXA", std::string(13, 'a'), false);
BENCHMARK_CAPTURE(Search, plainIsland12Found, "AAAAAAAAAAXXAAXA", std::string(12, 'a'), false);
// An ordinary board and word.
BENCHMARK_CAPTURE(Search, plainTypical, "CATSODGEBRINLXYZ", "cats", false);

BENCHMARK_MAIN();
