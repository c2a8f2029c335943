// Any small dictionary and any board: the engine finds exactly the words that a plain
// search of each word traces, in alphabetical order.
#include "engine/Engine.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

// Traces one word cube by cube ('q' on the board is the Qu cube), each cube at most once.
// Gives up (returns -1) past a step budget: the engine must still answer, but then the
// word is not compared.
struct PlainTrace {
    const std::string& board;
    long budget = 200'000;

    int wordAt(const std::string& word, std::size_t at, int cube, unsigned used)
    {
        if (--budget < 0)
            return -1;
        const char letter = board[static_cast<std::size_t>(cube)];
        std::size_t next = at;
        if (letter == 'q') {
            if (word.compare(at, 2, "qu") != 0)
                return 0;
            next += 2;
        } else {
            if (word[at] != letter)
                return 0;
            next += 1;
        }
        if (next == word.size())
            return 1;
        used |= 1u << cube;
        const int row = cube / 4, column = cube % 4;
        for (int r = std::max(row - 1, 0); r <= std::min(row + 1, 3); ++r)
            for (int c = std::max(column - 1, 0); c <= std::min(column + 1, 3); ++c) {
                const int n = r * 4 + c;
                if (used & (1u << n))
                    continue;
                const int found = wordAt(word, next, n, used);
                if (found != 0)
                    return found;
            }
        return 0;
    }

    int onBoard(const std::string& word)
    {
        for (int cube = 0; cube < 16; ++cube) {
            const int found = wordAt(word, 0, cube, 0);
            if (found != 0)
                return found;
        }
        return 0;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    if (size < 18)
        return 0;
    // Few letters make the hard boards.
    const int alphabet = 1 + data[0] % 26;
    const int minSize = 2 + data[1] % 4;
    std::string board;
    // A 'q' on the board is the Qu cube, as the game hands it over.
    for (int k = 0; k < 16; ++k)
        board += static_cast<char>('a' + data[2 + k] % alphabet);
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
            word += static_cast<char>('a' + data[i] % alphabet);
        }
    }

    const int count = dict.cCheckForAllDefinedWords(board);
    std::vector<std::string> found;
    for (int i = 0; i < count; ++i)
        found.push_back(dict.cGetDefinedWord(i));
    if (!std::is_sorted(found.begin(), found.end()) ||
        std::adjacent_find(found.begin(), found.end()) != found.end())
        std::abort();

    for (const std::string& w : words) {
        if (static_cast<int>(w.size()) < minSize)
            continue;
        PlainTrace trace{board};
        const int expected = trace.onBoard(w);
        if (expected < 0)
            continue;
        const bool listed = std::binary_search(found.begin(), found.end(), w);
        if (listed != (expected == 1))
            std::abort();
    }
    // Nothing is listed that is not a dictionary word of an allowed size.
    for (const std::string& w : found)
        if (!words.count(w) || static_cast<int>(w.size()) < minSize)
            std::abort();
    return 0;
}
