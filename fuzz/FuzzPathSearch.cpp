// SPDX-License-Identifier: GPL-3.0-or-later
// Any board, any word, repeat letters on or off: the path search ends quickly and
// agrees, in its answer and in every mark it leaves, with the plain recursive search.
#include "core/board/CheckCubes.h"

#include "PlainPathSearch.h"

#include <cstdlib>
#include <string>

using CheckCubes::Marks;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    if (size < 19)
        return 0;
    const bool repeat = data[0] & 1;
    const bool rawWord = data[0] & 2;
    // Few distinct letters make the hard boards: the low bits pick from a small alphabet.
    const int alphabet = 2 + (data[0] >> 2) % 25;
    BoardState board;
    std::string text;
    for (int k = 0; k < 16; ++k)
        text += static_cast<char>('A' + data[1 + k] % alphabet);
    Dice::PlaceBoard(text, board.BoardFaces, board.BoardGrid);
    Marks start{};
    const unsigned marks = data[17] | (data[18] << 8);
    for (int k = 0; k < 16; ++k)
        start[k / 4][k % 4] = (marks >> k) & 1;

    std::string word;
    for (std::size_t i = 19; i < size && word.size() < 40; ++i)
        word += rawWord ? static_cast<char>(data[i]) : static_cast<char>('a' + data[i] % alphabet);

    board.UsedCubes = start;
    const bool found = CheckCubes::WordOnBoard(board, repeat, word);

    Marks plainMarks = start;
    // The plain search is the slow one: past its budget the answers are not compared, but
    // the game's search must still have finished within the time limit.
    PlainPathSearch plain{board.BoardGrid, plainMarks, repeat, 200'000};
    const bool expected = plain.wordOnBoard(word);
    if (plain.gaveUp())
        return 0;
    if (found != expected || board.UsedCubes != plainMarks)
        std::abort();
    return 0;
}
