// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a word file to merge: the merge ends, in bounded steps, and adds only
// proper words.
#include "engine/Engine.h"

#include "../tests/support/PlainWords.h"
#include "FuzzFiles.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    static const std::string path = ScratchPath("words", ".txt");
    if (!WriteScratch(path, data, size))
        return 0;
    engine::Engine dict;
    // The first byte picks the largest word size, so short limits get exercised too.
    dict.cSetMaxWordSize(size ? 3 + data[0] % 14 : 16);
    int last = dict.cReadTextFile(path);
    for (int steps = 0; last < 100; ++steps) {
        const int percent = dict.cReadTextFile("dummy");
        if (percent < last || steps > 10000)
            std::abort(); // percentages only rise, and the merge always ends
        last = percent;
    }
    for (const std::string& w : EveryWord(dict))
        if (w.size() < 3 || int(w.size()) > dict.cMaxWordSize()
            || w.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos)
            std::abort();
    return 0;
}
