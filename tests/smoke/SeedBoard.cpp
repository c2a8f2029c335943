// SPDX-License-Identifier: GPL-3.0-or-later
// Test helper for the real-window smoke test: the first board `lettro --seed N` plays
// with a dictionary, chosen the way the game chooses it, and the words it holds.
//   lettro-seed-board DICTIONARY.dat N
// Prints the board text on the first line, then its longest dictionary word (the first
// of them alphabetically), or an empty line when it holds none, then that word's cubes in
// order (4 * row + column, separated by spaces).
#include "core/board/CheckCubes.h"
#include "core/board/Dice.h"
#include "core/game/BoardSelection.h"
#include "engine/BoardText.h"
#include "engine/Engine.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <utility>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: lettro-seed-board DICTIONARY.dat N\n");
        return 2;
    }
    engine::Engine dictionary;
    if (!dictionary.cReadBinaryDictionary(argv[1]).ok()) {
        std::fprintf(stderr, "lettro-seed-board: %s: not a usable dictionary\n", argv[1]);
        return 1;
    }
    Dice::Faces dieFaces;
    Dice::InitDice(dieFaces);
    Dice::ClockRandom random(static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)));
    // No stored settings in the smoke test: no word-count limit.
    const BoardSelection::Choice choice = BoardSelection::ChooseBoard(
        "-", [&] { return Dice::ShakeDice(dieFaces, random); },
        [&](const std::string& board) {
            return dictionary.definedWords(engine::boardFromText(board).value_or(""));
        });
    std::string longest;
    for (const std::string& word : choice.words)
        if (word.size() > longest.size())
            longest = word;
    BoardState board;
    Dice::PlaceBoard(choice.board, board.BoardFaces, board.BoardGrid);
    CheckCubes::WordOnBoard(board, false, longest);
    std::cout << choice.board << '\n' << longest << '\n';
    for (const int cube : board.PathOrder)
        std::cout << cube << ' ';
    std::cout << '\n';
    return 0;
}
