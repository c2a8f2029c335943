// Test helper for the real-window smoke test: the first board `lettro --seed N` plays
// with a dictionary, chosen the way the game chooses it, and the words it holds.
//   lettro-seed-board DICTIONARY.dat N
// Prints the board text on the first line, then its dictionary words, longest first.
#include "core/board/Dice.h"
#include "engine/BoardText.h"
#include "engine/Engine.h"
#include "core/game/BoardSelection.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

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
            return dictionary.cCheckForAllDefinedWords(engine::boardFromText(board).value_or(""));
        });
    std::vector<std::string> words;
    for (int i = 0; i < choice.wordCount; ++i)
        words.push_back(dictionary.cGetDefinedWord(i));
    std::ranges::stable_sort(words, std::greater{}, &std::string::size);
    std::cout << choice.board << '\n';
    for (const std::string& w : words)
        std::cout << w << '\n';
    return 0;
}
