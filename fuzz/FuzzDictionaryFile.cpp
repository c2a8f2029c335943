// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a dictionary file: either refused with a reason, or a dictionary that
// lists, solves and saves without trouble.
#include "engine/DictionaryFile.h"
#include "engine/Engine.h"

#include "../tests/support/PlainWords.h"
#include "FuzzFiles.h"

#include <cstdlib>

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
    // A refused file leaves the dictionary empty; one that loads lists only its words.
    const std::vector<std::string> words = EveryWord(dict);
    if (int(words.size()) != dict.cNumberOfWords() || (!loaded.ok() && !words.empty()))
        std::abort();
    for (const std::string& w : words)
        if (!dict.contains(w) || w.size() > 16)
            std::abort();
    for (const std::string& w : dict.definedWords("etissoywooivaati"))
        if (!dict.contains(w))
            std::abort();
    return 0;
}
