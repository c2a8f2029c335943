// SPDX-License-Identifier: GPL-3.0-or-later
// English senses from the WordNet database files (Debian's wordnet-base), read in place:
// the index and exception files are sorted, so a lookup is a few binary searches over
// mapped files and a handful of data lines reached by their byte offsets.
#pragma once

#include "MappedFile.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

class WordNet {
public:
    enum PartOfSpeech { Noun, Verb, Adjective, Adverb };
    static constexpr int kPartsOfSpeech = 4;

    // `folder` holds index.noun, data.noun, noun.exc and the same for verb, adj and adv.
    explicit WordNet(const std::string& folder);

    // Maps every file; false when any is missing (tries again on the next call).
    bool open();

    // What `word` can be a form of as `pos`: the word itself when WordNet has it, then its
    // base forms from the exception list ("went": go) or, without an exception, from the
    // first suffix rule that gives a word WordNet has ("cats": cat).
    std::vector<std::string> lemmas(std::string_view word, PartOfSpeech pos) const;
    // The definitions of `lemma`'s senses as `pos`, most frequent first, without the
    // quoted examples that follow them.
    std::vector<std::string> glosses(std::string_view lemma, PartOfSpeech pos) const;

private:
    bool inIndex(std::string_view lemma, PartOfSpeech pos) const;

    struct Files {
        std::unique_ptr<MappedFile> index, data, exceptions;
    };
    std::array<Files, kPartsOfSpeech> m_files;
};

} // namespace engine
