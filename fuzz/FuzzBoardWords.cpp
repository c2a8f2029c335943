// SPDX-License-Identifier: GPL-3.0-or-later
// Any small dictionary and any board: the engine finds exactly the words that a plain
// trace of each word finds, in alphabetical order.
#include "engine/Engine.h"

#include "../tests/support/PlainWords.h"

#include <cstdlib>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    if (size < 18)
        return 0;
    // Few letters make the hard boards; a 'q' on the board is the Qu cube.
    const int alphabet = 1 + data[0] % 26;
    const int minSize = 2 + data[1] % 4;
    std::string board;
    for (int k = 0; k < 16; ++k)
        board += char('a' + data[2 + k] % alphabet);
    engine::Engine dict;
    dict.cSetMinWordSize(minSize);
    std::set<std::string> words;
    std::string word;
    for (std::size_t i = 18; i <= size; ++i) {
        if (i == size || data[i] == 0xff) {
            if (word.size() >= 2 && word.size() <= 16) {
                dict.cDictionaryAdd(word);
                words.insert(word);
            }
            word.clear();
        } else if (word.size() < 20) {
            word += char('a' + data[i] % alphabet);
        }
    }
    // A trace past its budget is not compared, but the engine must still have answered.
    const std::vector<std::string> found = dict.definedWords(board);
    if (found != TracedWords(board, {words.begin(), words.end()}, minSize, 16, found, 200'000))
        std::abort();
    return 0;
}
