// Any bytes as a dictionary file: either refused with a reason, or a dictionary that
// lists, solves and saves without trouble.
#include "engine/DictionaryFile.h"
#include "engine/Engine.h"

#include "FuzzFiles.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    engine::detail::DictionaryContents contents;
    const auto parsed = engine::detail::parseDictionary(data, size, contents);

    // The same bytes through the real file path must give the same verdict.
    static const std::string path = ScratchPath("dict", ".dat");
    if (!WriteScratch(path, data, size))
        return 0;

    engine::Engine dict;
    const auto loaded = dict.cReadBinaryDictionary(path);
    if (loaded.status != parsed.status)
        std::abort();
    if (!loaded.ok()) {
        if (dict.cNumberOfWords() != 0)
            std::abort(); // a refused file leaves the dictionary empty
        return 0;
    }
    // A dictionary that loads must behave: every listed word is a real word of it.
    int listed = 0;
    for (int i = 0; i < 26; ++i)
        for (int j = 0; j < 26; ++j) {
            if (dict.cDictIndex(i, j) < 0)
                continue;
            dict.cStartDecodingWords(i, j);
            for (std::string w = dict.cDecodeNextWord(); !w.empty(); w = dict.cDecodeNextWord()) {
                if (!dict.contains(w) || w.size() > 16)
                    std::abort();
                ++listed;
            }
        }
    if (listed != dict.cNumberOfWords())
        std::abort();
    const int found = dict.cCheckForAllDefinedWords("etissoywooivaati");
    for (int i = 0; i < found; ++i)
        if (!dict.contains(dict.cGetDefinedWord(i)))
            std::abort();
    return 0;
}
