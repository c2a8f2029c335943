// Any bytes as a word file to merge: the merge ends, in bounded steps, and adds only
// proper words.
#include "engine/Engine.h"

#include "FuzzFiles.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    static const std::string path = ScratchPath("words", ".txt");
    if (!WriteScratch(path, data, size))
        return 0;

    engine::Engine dict;
    // The first byte picks the largest word size, so short limits get exercised too.
    dict.cSetMaxWordSize(size ? 3 + data[0] % 14 : 16);
    int percent = dict.cReadTextFile(path);
    int steps = 0;
    int last = percent;
    while (percent < 100) {
        percent = dict.cReadTextFile("dummy");
        if (percent < last || ++steps > 10000)
            std::abort(); // percentages only rise, and the merge always ends
        last = percent;
    }
    for (int i = 0; i < 26; ++i)
        for (int j = 0; j < 26; ++j) {
            if (dict.cDictIndex(i, j) < 0)
                continue;
            dict.cStartDecodingWords(i, j);
            for (std::string w = dict.cDecodeNextWord(); !w.empty(); w = dict.cDecodeNextWord()) {
                if (w.size() < 3 || static_cast<int>(w.size()) > dict.cMaxWordSize())
                    std::abort();
                for (char c : w)
                    if (c < 'a' || c > 'z')
                        std::abort();
            }
        }
    return 0;
}
